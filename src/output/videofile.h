#pragma once

#include "output/videoencoder.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

namespace mottler {

/// How a video is encoded.
struct VideoSettings {
    VideoCodec Codec = VideoCodec::Vp9WebM;
    int FramesPerSecond = 10; ///< 1 … MaxFramesPerSecond
    int Quality = 80;         ///< 1 (smallest file) … 100 (best picture)
};

inline constexpr int MaxFramesPerSecond = 120;

/// The versions of FFmpeg's libraries in use, for the about box ("libavcodec 59.37.100, ..."),
/// or why the video module, which holds them, cannot be loaded.
QString VideoLibraryVersions();

/// Loads the video module that a VideoFile needs, before any long work. Throws the
/// MottlerError a VideoFile at `path` would throw when the module cannot be loaded.
void CheckVideoModule(const QString& path);

/// The size the frames of a texture of `texture` pixels are encoded at. H.264 in the colour
/// format every player reads (4:2:0) needs even sides: an odd side grows by one pixel, which
/// repeats the tile's first column or row, so the picture still continues seamlessly.
QSize VideoFrameSize(VideoCodec codec, QSize texture);

/// A video file being written frame by frame through FFmpeg's libraries (in the video module,
/// output/videomodule.h, loaded on first use) into a temporary file beside the target: only
/// one frame is held at a time, and only Finish puts the file in place. Destroying an
/// unfinished one (Escape, a failure) leaves whatever was at the target as it was. Errors
/// throw MottlerError with FFmpeg's reason (or the loader's, when the module cannot be
/// loaded), a failed write FileWriteError with the system's.
class VideoFile {
public:
    /// Opens the encoder for frames of `texture` pixels (see VideoFrameSize) and the file.
    VideoFile(const QString& path, QSize texture, const VideoSettings& settings);
    VideoFile(const VideoFile&) = delete;
    VideoFile& operator=(const VideoFile&) = delete;
    ~VideoFile();

    /// Encodes the next frame: a 24-bit bitmap of the texture's size.
    void AddFrame(const QImage& bitmap);
    /// Encodes what the encoder still holds, finishes the file and puts it in place.
    void Finish();

private:
    struct Parts;
    std::unique_ptr<Parts> parts;
};

} // namespace mottler
