#include "avireadback.h"

#include <QProcess>
#include <QStandardPaths>
#include <cstdlib>

namespace mottler::test {

ToolResult RunTool(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    ToolResult result;
    if (!process.waitForFinished(60000))
        return result;
    result.ExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.Out = process.readAllStandardOutput();
    result.Err = process.readAllStandardError();
    return result;
}

bool FfmpegAvailable() {
    return !QStandardPaths::findExecutable("ffprobe").isEmpty() &&
           !QStandardPaths::findExecutable("ffmpeg").isEmpty();
}

ProbedVideo ProbeVideo(const QString& path) {
    const ToolResult r = RunTool(
        "ffprobe", {"-v", "warning", "-count_frames", "-select_streams", "v:0", "-show_entries",
                    "stream=codec_name,nb_read_frames,r_frame_rate,width,height,pix_fmt", "-of",
                    "default=noprint_wrappers=1", path});
    ProbedVideo video;
    video.Warnings = r.Err;
    for (const QByteArray& line : r.Out.split('\n')) {
        const QString text = QString::fromUtf8(line).trimmed();
        const QString value = text.section('=', 1);
        if (text.startsWith("nb_read_frames="))
            video.Frames = value.toInt();
        else if (text.startsWith("r_frame_rate="))
            video.FrameRate = value;
        else if (text.startsWith("width="))
            video.Width = value.toInt();
        else if (text.startsWith("height="))
            video.Height = value.toInt();
        else if (text.startsWith("pix_fmt="))
            video.PixelFormat = value;
        else if (text.startsWith("codec_name="))
            video.Codec = value;
    }
    return video;
}

QByteArray DecodeFrameBgr(const QString& path, int n) {
    return RunTool("ffmpeg",
                   {"-v", "error", "-i", path, "-vf", QStringLiteral("select=eq(n\\,%1)").arg(n),
                    "-frames:v", "1", "-f", "rawvideo", "-pix_fmt", "bgr24", "-"})
        .Out;
}

double MeanDifference(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size() || a.isEmpty())
        return 255.0;
    long long sum = 0;
    for (qsizetype k = 0; k < a.size(); ++k)
        sum += std::abs(int(uchar(a[k])) - int(uchar(b[k])));
    return double(sum) / double(a.size());
}

QByteArray TopDownBgr(const QImage& image) {
    const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
    QByteArray rows;
    for (int y = 0; y < bgr.height(); ++y)
        rows.append(reinterpret_cast<const char*>(bgr.constScanLine(y)), bgr.width() * 3);
    return rows;
}

} // namespace mottler::test
