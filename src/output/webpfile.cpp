#include "output/webpfile.h"

#include "base/errors.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>

namespace mottler {

QByteArray EncodeWebp(const QImage& image, int quality) {
    if (image.isNull())
        throw MottlerError(
            QCoreApplication::translate("mottler::WebpFile", "There is no image to save."));
    if (quality < 1 || quality > WebpLosslessQuality)
        throw MottlerError(
            QCoreApplication::translate("mottler::WebpFile",
                                        "The WebP quality must lie between 1 and 100, not %1.")
                .arg(quality));
    // The plugin is loaded at run time, so a machine without it gets a clear message rather
    // than an empty file.
    if (!QImageWriter::supportedImageFormats().contains("webp"))
        throw MottlerError(QCoreApplication::translate(
            "mottler::WebpFile", "WebP images cannot be written: Qt's WebP image plugin is not "
                                 "installed (Debian package qt6-image-formats-plugins)."));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "webp");
    writer.setQuality(quality);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB888)))
        throw MottlerError(QCoreApplication::translate("mottler::WebpFile",
                                                       "The WebP image could not be encoded: %1.")
                               .arg(writer.errorString()));
    return bytes;
}

} // namespace mottler
