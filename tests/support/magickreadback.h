#pragma once

#include <QByteArray>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace mottler::test {

/// True when ImageMagick's convert and identify can be started.
inline bool HasImageMagick() {
    return !QStandardPaths::findExecutable("convert").isEmpty() &&
           !QStandardPaths::findExecutable("identify").isEmpty();
}

/// What an ImageMagick program printed on stdout (empty when it failed or hung).
inline QByteArray RunMagick(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return QByteArray();
    return process.readAllStandardOutput();
}

/// identify's "%w %h %z %[channels]" of the file: width, height, bits per channel, channels.
inline QString MagickIdentify(const QString& path) {
    return QString::fromLatin1(
        RunMagick("identify", {"-format", "%w %h %z %[channels]", path}).trimmed());
}

/// The file decoded by ImageMagick into 8-bit RGB (null when it could not be read).
inline QImage MagickReadRgb(const QString& path, int width, int height) {
    const QByteArray rgb = RunMagick("convert", {path, "-depth", "8", "rgb:-"});
    if (rgb.size() != qsizetype(width) * height * 3)
        return QImage();
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        std::copy_n(rgb.constData() + qsizetype(y) * width * 3, width * 3, image.scanLine(y));
    return image;
}

/// The file's grey channel decoded by ImageMagick as 16-bit values, row by row.
inline std::vector<quint16> MagickReadGrey16(const QString& path) {
    const QByteArray raw = RunMagick("convert", {path, "-depth", "16", "-endian", "LSB", "gray:-"});
    std::vector<quint16> values(std::size_t(raw.size()) / 2);
    for (std::size_t k = 0; k < values.size(); ++k)
        values[k] = quint16(uchar(raw[qsizetype(2 * k)]) | uchar(raw[qsizetype(2 * k + 1)]) << 8);
    return values;
}

} // namespace mottler::test
