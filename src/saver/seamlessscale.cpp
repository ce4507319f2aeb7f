#include "saver/seamlessscale.h"

#include <QPainter>

namespace mottler::saver {

QImage ScaleTileSeamlessly(const QImage& tile, QSize size) {
    if (tile.isNull() || size.isEmpty())
        return {};
    const int w = tile.width();
    const int h = tile.height();
    QImage wrapped(w * 3, h * 3, QImage::Format_RGB32);
    {
        QPainter painter(&wrapped);
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column)
                painter.drawImage(column * w, row * h, tile);
    }
    const QImage scaled = wrapped.scaled(size.width() * 3, size.height() * 3, Qt::IgnoreAspectRatio,
                                         Qt::SmoothTransformation);
    return scaled.copy(size.width(), size.height(), size.width(), size.height());
}

} // namespace mottler::saver
