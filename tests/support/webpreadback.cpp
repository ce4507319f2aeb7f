#include "webpreadback.h"

#include "avireadback.h"

#include <QImageReader>
#include <QRegularExpression>
#include <QStandardPaths>

namespace mottler::test {

WebpInfo ReadWebpInfo(const QString& path) {
    WebpInfo info;
    if (QStandardPaths::findExecutable("webpmux").isEmpty())
        return info;
    const ToolResult r = RunTool("webpmux", {"-info", path});
    if (r.ExitCode != 0)
        return info;
    static const QRegularExpression canvas(R"(Canvas size: (\d+) x (\d+))");
    static const QRegularExpression loop(R"(Loop Count\s*:\s*(\d+))");
    // "  1:   100   100    no        0        0      100       none    no  ..."
    static const QRegularExpression frame(R"(^\s*\d+:\s+\d+\s+\d+\s+\w+\s+\d+\s+\d+\s+(\d+))");
    for (const QByteArray& bytes : r.Out.split('\n')) {
        const QString line = QString::fromUtf8(bytes);
        if (const auto m = canvas.match(line); m.hasMatch())
            info.Size = QSize(m.captured(1).toInt(), m.captured(2).toInt());
        else if (const auto l = loop.match(line); l.hasMatch())
            info.LoopCount = l.captured(1).toInt();
        else if (const auto f = frame.match(line); f.hasMatch())
            info.Durations.push_back(f.captured(1).toInt());
    }
    info.Read = true;
    return info;
}

std::vector<QImage> DecodeWebpFrames(const QString& path) {
    std::vector<QImage> frames;
    if (!QImageReader::supportedImageFormats().contains("webp"))
        return frames;
    QImageReader reader(path, "webp");
    for (QImage image = reader.read(); !image.isNull(); image = reader.read())
        frames.push_back(image.convertToFormat(QImage::Format_BGR888));
    return frames;
}

} // namespace mottler::test
