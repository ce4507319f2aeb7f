#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace mottler {

/// The image file formats a texture can be written as.
enum class ImageFormat { Unknown, Bmp, Png, Jpeg, Gif };

/// The format a file name asks for by its extension (.bmp, .png, .jpg, .jpeg or .gif, any
/// case).
ImageFormat ImageFormatOf(const QString& path);

/// A PNG of the image.
QByteArray EncodePng(const QImage& image);

/// Writes the image in the format its extension names, replacing any file there atomically:
/// a 24-bit BMP, a PNG, a JPEG of the given quality (1 … 100, ignored by the others), or a
/// GIF in the web-safe colours.
/// Throws MottlerError for another extension or a failed write.
void WriteImage(const QImage& image, const QString& path, int quality);

} // namespace mottler
