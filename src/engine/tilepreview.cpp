#include "engine/tilepreview.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace mottler {
namespace {

int RoundScaled(int length, float s) {
    return static_cast<int>(std::nearbyint(static_cast<long double>(length) * s));
}

QRect SingleTarget(QSize texture, QSize control) {
    if (texture.width() > control.width() || texture.height() > control.height())
        return QRect(QPoint(0, 0), control);
    return QRect(
        QPoint((control.width() - texture.width()) / 2, (control.height() - texture.height()) / 2),
        texture);
}

} // namespace

bool NeedsReducedCopy(QSize texture, QSize threshold) {
    return texture.width() > threshold.width() || texture.height() > threshold.height();
}

QSize ReducedCopySize(QSize texture, QSize threshold) {
    const int w2 = 2 * texture.width();
    const int h2 = 2 * texture.height();
    const auto s =
        static_cast<float>(static_cast<long double>(threshold.width()) / std::max(w2, h2));
    if (texture.height() < texture.width())
        return {threshold.width(), RoundScaled(h2, s)};
    return {RoundScaled(w2, s), threshold.height()};
}

void TileOnto(QImage& target, const QImage& tile) {
    if (tile.isNull())
        return;
    QPainter painter(&target);
    for (int y = 0; y < target.height(); y += tile.height())
        for (int x = 0; x < target.width(); x += tile.width())
            painter.drawImage(x, y, tile);
}

TilePreview ComposeTilePreview(const QImage& texture, QSize control, QSize threshold, bool tile) {
    if (!tile)
        return {texture, SingleTarget(texture.size(), control)};
    if (control.isEmpty())
        return {};
    QImage picture(control, QImage::Format_RGB32);
    picture.fill(Qt::white);
    if (NeedsReducedCopy(texture.size(), threshold))
        TileOnto(picture, texture.scaled(ReducedCopySize(texture.size(), threshold),
                                         Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    else
        TileOnto(picture, texture);
    return {picture, QRect(QPoint(0, 0), control)};
}

} // namespace mottler
