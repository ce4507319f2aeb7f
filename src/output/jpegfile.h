#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace mottler {

/// The quality a JPEG is saved with unless the user chooses another.
inline constexpr int DefaultJpegQuality = 80;
/// The largest width or height libjpeg writes.
inline constexpr int JpegMaxSide = 65500;

/// A baseline JPEG of the image through libjpeg: quality 1 … 100, optimised Huffman tables.
/// Throws MottlerError for an empty image, a quality outside 1 … 100 or an encoder failure.
QByteArray EncodeJpeg(const QImage& image, int quality);

} // namespace mottler
