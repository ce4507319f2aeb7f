#pragma once

#include "base/filereplacement.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace mottler {

/// A 24-bit uncompressed BMP of the image: BITMAPFILEHEADER, 40-byte BITMAPINFOHEADER,
/// rows bottom-up in blue, green, red order, each padded to 4 bytes.
QByteArray EncodeBmp24(const QImage& image);

/// EncodeBmp24 then WriteFileAtomically.
void WriteBmp24(const QImage& image, const QString& path);

} // namespace mottler
