#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace mottler {

/// The image file formats a texture can be written as.
enum class ImageFormat { Unknown, Bmp, Png, Jpeg, Gif, Webp };

/// The format a file name asks for by its extension (.bmp, .png, .jpg, .jpeg, .gif or .webp, any
/// case).
ImageFormat ImageFormatOf(const QString& path);

/// The extension files of the format are written with, without the dot ("jpg" for JPEG).
QString ImageFormatExtension(ImageFormat format);

/// Why a picture of that size cannot be a file of the format ("a WebP picture can be at most
/// 16383 pixels wide and high, and this one is 20000 x 100"), or an empty text when it can.
/// WebP, GIF and JPEG have limits of their own; checking them before long work saves it.
QString ImageSizeFault(ImageFormat format, QSize size);

/// A PNG of the image.
QByteArray EncodePng(const QImage& image);

/// The image as a file of the format: a 24-bit BMP, a PNG, a GIF in the web-safe colours, a JPEG or
/// a WebP of the given quality (1 … 100, ignored by BMP, PNG and GIF; WebP at 100 is lossless).
/// Throws MottlerError for ImageFormat::Unknown, a size the format cannot hold (ImageSizeFault) or
/// an encoder failure.
QByteArray EncodeImage(const QImage& image, ImageFormat format, int quality);

/// Writes the image in the format its extension names (see EncodeImage), replacing any file
/// there atomically. Throws MottlerError for another extension or a failed write.
void WriteImage(const QImage& image, const QString& path, int quality);

} // namespace mottler
