#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace mottler {

/// A single-image GIF89a of the image in the 216 web-safe colours: every pixel takes the
/// nearest web colour (each channel to the nearest of 0, 51, … 255), without dithering.
/// Throws MottlerError for an image GIF cannot hold (empty, or a side beyond 65535).
QByteArray EncodeWebSafeGif(const QImage& image);

} // namespace mottler
