#include "output/imagefile.h"

#include "base/bmpfile.h"
#include "base/errors.h"
#include "output/jpegfile.h"
#include "output/webgif.h"

#include <QBuffer>
#include <QFileInfo>

namespace mottler {

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
    return ImageFormat::Unknown;
}

QByteArray EncodePng(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG"))
        throw MottlerError("The PNG image could not be encoded.");
    return bytes;
}

void WriteImage(const QImage& image, const QString& path, int quality) {
    switch (ImageFormatOf(path)) {
    case ImageFormat::Bmp:
        return WriteBmp24(image, path);
    case ImageFormat::Png:
        return WriteFileAtomically(path, EncodePng(image));
    case ImageFormat::Jpeg:
        return WriteJpeg(image, path, quality);
    case ImageFormat::Gif:
        return WriteWebSafeGif(image, path);
    case ImageFormat::Unknown:
        break;
    }
    throw MottlerError(
        QStringLiteral(
            "Cannot save \"%1\": the file name must end in .bmp, .png, .jpg, .jpeg or .gif.")
            .arg(path));
}

} // namespace mottler
