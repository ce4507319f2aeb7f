#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace mottler::test {

/// What an external program printed and returned.
struct ToolResult {
    int ExitCode = -1;
    QByteArray Out;
    QByteArray Err;
};

/// Runs the program to its end (at most a minute).
ToolResult RunTool(const QString& program, const QStringList& args);

/// True when ffprobe and ffmpeg can be started.
bool FfmpegAvailable();

/// ffprobe's view of the first video stream, counted by decoding every frame.
struct ProbedVideo {
    int Frames = 0;
    QString FrameRate; ///< e.g. "10/1"
    int Width = 0;
    int Height = 0;
    QString PixelFormat;
    QString Codec;       ///< e.g. "vp9", "h264"
    QByteArray Warnings; ///< stderr at -v warning: empty for a clean file
};
ProbedVideo ProbeVideo(const QString& path);

/// Frame n of the file decoded by ffmpeg as top-down rows of blue, green, red bytes.
QByteArray DecodeFrameBgr(const QString& path, int n);

/// The mean absolute difference per byte of two pixel buffers (a lossy codec's error); 255
/// when their lengths differ or they are empty.
double MeanDifference(const QByteArray& a, const QByteArray& b);

/// The image's pixels in the same layout as DecodeFrameBgr.
QByteArray TopDownBgr(const QImage& image);

} // namespace mottler::test
