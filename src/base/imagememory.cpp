#include "base/imagememory.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QThreadPool>
#include <memory>

namespace mottler {
namespace {

QString MemoryReason(QSize size) {
    return QCoreApplication::translate("mottler::ImageMemory",
                                       "there is not enough memory for a picture of %1 x %2 pixels")
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

void KeepImageThreadsStarted() {
    QThreadPool* pool = QThreadPool::globalInstance();
    pool->setExpiryTimeout(-1); // an idle thread waits for the next task instead of ending
    const int threads = pool->maxThreadCount();
    // Each task holds its thread until all have started, so that every one gets its own.
    const auto started = std::make_shared<QSemaphore>();
    const auto go = std::make_shared<QSemaphore>();
    for (int i = 0; i < threads; ++i)
        pool->start([started, go] {
            started->release();
            go->acquire();
        });
    started->acquire(threads);
    go->release(threads);
}

QImage ConvertedImage(const QImage& image, QImage::Format format) {
    QImage converted = image.convertToFormat(format);
    if (converted.isNull() && !image.isNull())
        throw ImageMemoryError(image.size());
    return converted;
}

} // namespace mottler
