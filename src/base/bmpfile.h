#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace mottler {

/// A 24-bit uncompressed BMP of the image: BITMAPFILEHEADER, 40-byte BITMAPINFOHEADER,
/// rows bottom-up in blue, green, red order, each padded to 4 bytes.
QByteArray EncodeBmp24(const QImage& image);

/// Writes the bytes to the file, replacing it atomically: a failed write leaves any earlier
/// file intact. Throws MottlerError naming the file and the reason.
void WriteFileAtomically(const QString& path, const QByteArray& bytes);

/// EncodeBmp24 then WriteFileAtomically.
void WriteBmp24(const QImage& image, const QString& path);

} // namespace mottler
