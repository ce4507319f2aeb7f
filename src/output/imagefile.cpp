#include "output/imagefile.h"

#include "base/bmpfile.h"
#include "base/errors.h"
#include "output/gifstream.h"
#include "output/jpegfile.h"
#include "output/webgif.h"
#include "output/webpfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QtEndian>

namespace mottler {
namespace {

/// Qt writes the image's resolution as a pHYs chunk, a made-up one for a texture that has
/// none; a tile has no physical size, so the chunk is left out of the PNG.
QByteArray WithoutPhysicalSize(QByteArray png) {
    constexpr qsizetype SignatureSize = 8;
    constexpr qsizetype ChunkFrameSize = 12; // length, type and CRC around the data
    qsizetype at = SignatureSize;
    while (at + ChunkFrameSize <= png.size()) {
        const qsizetype size = ChunkFrameSize + qFromBigEndian<quint32>(png.constData() + at);
        if (png.mid(at + 4, 4) == "pHYs")
            png.remove(at, size);
        else
            at += size;
    }
    return png;
}

} // namespace

ImageFormat ImageFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "bmp")
        return ImageFormat::Bmp;
    if (suffix == "png")
        return ImageFormat::Png;
    if (suffix == "jpg" || suffix == "jpeg")
        return ImageFormat::Jpeg;
    if (suffix == "gif")
        return ImageFormat::Gif;
    if (suffix == "webp")
        return ImageFormat::Webp;
    return ImageFormat::Unknown;
}

QString ImageFormatExtension(ImageFormat format) {
    switch (format) {
    case ImageFormat::Bmp:
        return "bmp";
    case ImageFormat::Png:
        return "png";
    case ImageFormat::Jpeg:
        return "jpg";
    case ImageFormat::Gif:
        return "gif";
    case ImageFormat::Webp:
        return "webp";
    case ImageFormat::Unknown:
        break;
    }
    return QString();
}

QString ImageSizeFault(ImageFormat format, QSize size) {
    const auto fault = [&](const char* name, int largest) {
        if (size.width() <= largest && size.height() <= largest)
            return QString();
        return QCoreApplication::translate(
                   "mottler::ImageFile",
                   "a %1 picture can be at most %2 pixels wide and high, and this one "
                   "is %3 x %4")
            .arg(QLatin1String(name))
            .arg(largest)
            .arg(size.width())
            .arg(size.height());
    };
    switch (format) {
    case ImageFormat::Webp:
        return fault("WebP", WebpMaxSide);
    case ImageFormat::Gif:
        return fault("GIF", GifMaxSide);
    case ImageFormat::Jpeg:
        return fault("JPEG", JpegMaxSide);
    default:
        return QString();
    }
}

QByteArray EncodePng(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG"))
        throw MottlerError(QCoreApplication::translate("mottler::ImageFile",
                                                       "The PNG image could not be encoded."));
    return WithoutPhysicalSize(bytes);
}

QByteArray EncodeImage(const QImage& image, ImageFormat format, int quality) {
    if (const QString fault = ImageSizeFault(format, image.size()); !fault.isEmpty())
        throw MottlerError(
            QCoreApplication::translate("mottler::ImageFile", "The image cannot be saved: %1.")
                .arg(fault));
    switch (format) {
    case ImageFormat::Bmp:
        return EncodeBmp24(image);
    case ImageFormat::Png:
        return EncodePng(image);
    case ImageFormat::Jpeg:
        return EncodeJpeg(image, quality);
    case ImageFormat::Gif:
        return EncodeWebSafeGif(image);
    case ImageFormat::Webp:
        return EncodeWebp(image, quality);
    case ImageFormat::Unknown:
        break;
    }
    throw MottlerError(
        QCoreApplication::translate("mottler::ImageFile", "The image format is not known."));
}

void WriteImage(const QImage& image, const QString& path, int quality) {
    const ImageFormat format = ImageFormatOf(path);
    if (format == ImageFormat::Unknown)
        throw MottlerError(
            QCoreApplication::translate("mottler::ImageFile",
                                        "Cannot save \"%1\": the file name must end in .bmp, "
                                        ".png, .jpg, .jpeg, .gif or .webp.")
                .arg(path));
    WriteFileAtomically(path, EncodeImage(image, format, quality));
}

} // namespace mottler
