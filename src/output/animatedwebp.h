#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

namespace mottler {

/// The version of libwebp's encoder in use, for the about box ("libwebp 1.2.4").
QString WebpLibraryVersion();

/// How an animated WebP is encoded.
struct AnimatedWebpSettings {
    int FramesPerSecond = 10; ///< 1 … MaxFramesPerSecond
    int Quality = 80;         ///< 1 (smallest file) … 100 (best picture); ignored when lossless
    bool Lossless = false;    ///< every pixel kept exactly
};

/// An animated WebP that loops forever, made by libwebp's animation encoder, which keeps
/// only the frames it has compressed (and the canvas it compares the next frame with): the
/// bitmaps are handed over one at a time. Frame k starts at k × 1000 / FramesPerSecond
/// milliseconds. Finish writes the file, replacing any earlier one atomically; an unfinished
/// one writes nothing. Throws MottlerError with libwebp's reason, FileWriteError when the
/// file cannot be written.
class AnimatedWebpFile {
public:
    /// Throws MottlerError for a side beyond the format's 16383 pixels.
    AnimatedWebpFile(const QString& path, QSize size, const AnimatedWebpSettings& settings);
    AnimatedWebpFile(const AnimatedWebpFile&) = delete;
    AnimatedWebpFile& operator=(const AnimatedWebpFile&) = delete;
    ~AnimatedWebpFile();

    /// Compresses the next frame: a 24-bit bitmap of the animation's size.
    void AddFrame(const QImage& bitmap);
    /// Assembles the file and puts it in place.
    void Finish();

private:
    struct Encoder;
    std::unique_ptr<Encoder> encoder;
};

} // namespace mottler
