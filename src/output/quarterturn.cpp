#include "output/quarterturn.h"

#include "base/imagememory.h"

#include <cstring>

namespace mottler {
namespace {

constexpr int BytesPerPixel = 3;

/// Fills a swapped-size copy pixel by pixel; `sourceOf` maps a destination pixel to the
/// source pixel it takes.
template <typename SourceOf> QImage Turned(const QImage& image, SourceOf sourceOf) {
    const QImage source = ConvertedImage(image, QImage::Format_BGR888);
    QImage turned = NewImage(source.height(), source.width(), QImage::Format_BGR888);
    for (int y = 0; y < turned.height(); ++y) {
        uchar* row = turned.scanLine(y);
        for (int x = 0; x < turned.width(); ++x) {
            const QPoint from = sourceOf(x, y, source.width(), source.height());
            std::memcpy(row + BytesPerPixel * x,
                        source.constScanLine(from.y()) + BytesPerPixel * from.x(), BytesPerPixel);
        }
    }
    return turned;
}

} // namespace

QImage TurnedRight(const QImage& image) {
    return Turned(image, [](int x, int y, int, int h) { return QPoint(y, h - 1 - x); });
}

QImage TurnedLeft(const QImage& image) {
    return Turned(image, [](int x, int y, int w, int) { return QPoint(w - 1 - y, x); });
}

QImage TurnedBy(const QImage& image, int quarterTurns) {
    QImage result = ConvertedImage(image, QImage::Format_BGR888);
    const int clockwise = ((quarterTurns % 4) + 4) % 4;
    for (int i = 0; i < clockwise; ++i)
        result = TurnedRight(result);
    return result;
}

} // namespace mottler
