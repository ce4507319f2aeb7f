#include "output/mirrortile.h"

#include "base/imagememory.h"

#include <cstring>

namespace mottler {
namespace {

constexpr int BytesPerPixel = 3;

void CopyPixel(const uchar* from, uchar* row, int x) {
    std::memcpy(row + BytesPerPixel * x, from, BytesPerPixel);
}

} // namespace

QImage MirrorTile(const QImage& image) {
    const QImage source = ConvertedImage(image, QImage::Format_BGR888);
    const int w = source.width(), h = source.height();
    QImage tile = NewImage(2 * w, 2 * h, QImage::Format_BGR888);
    for (int y = 0; y < h; ++y) {
        const uchar* from = source.constScanLine(y);
        uchar* top = tile.scanLine(y);
        uchar* bottom = tile.scanLine(2 * h - 1 - y);
        for (int x = 0; x < w; ++x, from += BytesPerPixel) {
            CopyPixel(from, top, x);
            CopyPixel(from, top, 2 * w - 1 - x);
            CopyPixel(from, bottom, x);
            CopyPixel(from, bottom, 2 * w - 1 - x);
        }
    }
    return tile;
}

} // namespace mottler
