#pragma once

#include <QByteArray>
#include <QImage>

namespace mottler {

/// The WebP quality that means lossless: every pixel is kept exactly.
inline constexpr int WebpLosslessQuality = 100;
/// The largest width or height a WebP file can describe.
inline constexpr int WebpMaxSide = 16383;

/// A WebP of the image through Qt's WebP image plugin: lossy at quality 1 … 99, lossless at
/// WebpLosslessQuality. Throws MottlerError for an empty image, a quality outside 1 … 100, a
/// missing plugin or an encoder failure.
QByteArray EncodeWebp(const QImage& image, int quality);

} // namespace mottler
