#include "output/fullsizeview.h"

#include "base/imagememory.h"
#include "base/usersettings.h"

#include <QCoreApplication>
#include <algorithm>

namespace mottler {
namespace {

constexpr int MaxGradientPageWidth = 32767;

} // namespace

QString FullSizeCaption(const FullSizeCaptionFacts& facts) {
    if (facts.Tile.width() <= 0 || facts.Tile.height() <= 0)
        return QString();
    // Whole tiles, but a tile larger than the window is still one tile on show.
    QString caption = QCoreApplication::translate("mottler::FullSizeView", "%1 by %2 tiles")
                          .arg(std::max(1, facts.Client.width() / facts.Tile.width()))
                          .arg(std::max(1, facts.Client.height() / facts.Tile.height()));
    if (facts.TextureTypeIndex > 0)
        caption += QCoreApplication::translate("mottler::FullSizeView",
                                               " (Right-click for original image)");
    if (facts.FrameNumber > 0)
        caption += QCoreApplication::translate("mottler::FullSizeView", " Frame %1")
                       .arg(facts.FrameNumber);
    return caption;
}

void PaintFullSizeTiles(QPainter& painter, const QImage& tile, QSize client) {
    if (tile.isNull())
        return;
    const int columns = client.width() / tile.width();
    const int rows = client.height() / tile.height();
    // One textured fill draws the same copies as a drawImage per tile, but stays fast for a
    // tiny texture on a large screen (a 2 × 2 texture would need half a million calls).
    const QRect covered(0, 0, (columns + 1) * tile.width(), (rows + 1) * tile.height());
    painter.save();
    painter.setBrushOrigin(0, 0);
    painter.fillRect(covered, QBrush(tile));
    painter.restore();
}

int GradientPageWidth() {
    const int width = UserSettings::ReadInt("Gradient Width", DefaultGradientPageWidth);
    return width >= 1 && width <= MaxGradientPageWidth ? width : DefaultGradientPageWidth;
}

QImage WidenGradientStrip(const QImage& strip, int width, const QColor& background) {
    QImage widened = NewImage(width, strip.height(), QImage::Format_RGB32);
    widened.fill(background);
    QPainter painter(&widened);
    painter.drawImage(0, 0, strip);
    return widened;
}

} // namespace mottler
