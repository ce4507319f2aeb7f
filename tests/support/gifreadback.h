#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace mottler::test {

/// One image of a GIF file as giflib's decoder reads it.
struct GifImageInfo {
    int Delay = -1;            ///< hundredths of a second; −1 without a graphic control block
    int TransparentIndex = -1; ///< −1: no transparency
    int Disposal = 0;
    bool LocalTable = false;
    /// Whether the image's first extension is the NETSCAPE2.0 loop block, before its
    /// graphic control extension.
    bool LoopBlockFirst = false;
    int LoopCount = -1; ///< from that block
};

/// The structure of a GIF file, decoded by giflib.
struct GifInfo {
    QByteArray Signature; ///< "GIF89a" or "GIF87a"
    int Width = 0;
    int Height = 0;
    std::vector<unsigned> GlobalColours; ///< 0xRRGGBB, the whole table as stored
    std::vector<GifImageInfo> Images;
};

/// Reads the file through giflib; fails the current test when it cannot be read.
GifInfo ReadGifInfo(const QString& path);

/// `identify -verbose` of the file: ImageMagick's view, one block per frame.
QString IdentifyVerbose(const QString& path);

/// True when ImageMagick's identify can be started.
bool ImageMagickAvailable();

} // namespace mottler::test
