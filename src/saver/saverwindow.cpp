#include "saver/saverwindow.h"

#include "saver/seamlessscale.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace mottler::saver {

SaverWindow::SaverWindow(bool closesOnInput) : endsOnInput(closesOnInput) {
    setTitle("Mottler");
    fadeTicks.setInterval(30);
    connect(&fadeTicks, &QTimer::timeout, this, [this] {
        if (FadeLevel() >= 1.0) {
            fadeTicks.stop();
            previousTile = QImage();
        }
        update();
    });
    if (closesOnInput)
        setCursor(Qt::BlankCursor);
}

void SaverWindow::ShowFrame(const QImage& state, bool fresh) {
    if (fresh && !tile.isNull()) {
        previousTile = tile;
        fade.start();
        fadeTicks.start();
    }
    texture = state;
    tile = ScaleTileSeamlessly(texture, TileSize(texture.size()));
    update();
}

// The texture is enlarged so that about three tiles fill the height: large enough to see
// its grain, small enough to see that it tiles.
QSize SaverWindow::TileSize(QSize textureSize) const {
    if (textureSize.isEmpty())
        return {};
    const double factor =
        std::max(1.0, std::round(height() / 3.0 / textureSize.height() * 2.0) / 2.0);
    return {static_cast<int>(textureSize.width() * factor),
            static_cast<int>(textureSize.height() * factor)};
}

double SaverWindow::FadeLevel() const {
    if (previousTile.isNull() || !fade.isValid())
        return 1.0;
    return std::min(1.0, static_cast<double>(fade.elapsed()) / FadeMilliseconds);
}

void SaverWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(QRect(QPoint(), size()), Qt::black);
    const double level = FadeLevel();
    if (level < 1.0) {
        painter.drawTiledPixmap(QRect(QPoint(), size()), QPixmap::fromImage(previousTile));
        painter.setOpacity(level);
    }
    if (!tile.isNull())
        painter.drawTiledPixmap(QRect(QPoint(), size()), QPixmap::fromImage(tile));
}

void SaverWindow::resizeEvent(QResizeEvent*) {
    if (!texture.isNull())
        tile = ScaleTileSeamlessly(texture, TileSize(texture.size()));
    previousTile = QImage();
}

void SaverWindow::keyPressEvent(QKeyEvent*) {
    if (endsOnInput)
        close();
}

void SaverWindow::mousePressEvent(QMouseEvent*) {
    if (endsOnInput)
        close();
}

// The first position seen is where the mouse rested when the saver started; the window
// appearing under it may report it as a movement.
void SaverWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!endsOnInput)
        return;
    if (!firstMousePosition) {
        firstMousePosition = event->globalPosition();
        return;
    }
    if ((event->globalPosition() - *firstMousePosition).manhattanLength() > MouseSlack)
        close();
}

} // namespace mottler::saver
