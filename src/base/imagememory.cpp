#include "base/imagememory.h"

namespace mottler {
namespace {

QString MemoryReason(QSize size) {
    return QStringLiteral("there is not enough memory for a picture of %1 x %2 pixels")
        .arg(size.width())
        .arg(size.height());
}

} // namespace

ImageMemoryError::ImageMemoryError(QSize size)
    : MottlerError(MemoryReason(size).replace(0, 1, QLatin1Char('T')) + QLatin1Char('.')),
      reason(MemoryReason(size)) {}

QImage NewImage(int width, int height, QImage::Format format) {
    QImage image(width, height, format);
    if (image.isNull() && width > 0 && height > 0)
        throw ImageMemoryError(QSize(width, height));
    return image;
}

QImage ConvertedImage(const QImage& image, QImage::Format format) {
    QImage converted = image.convertToFormat(format);
    if (converted.isNull() && !image.isNull())
        throw ImageMemoryError(image.size());
    return converted;
}

} // namespace mottler
