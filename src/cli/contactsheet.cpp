#include "cli/contactsheet.h"

#include "base/imagememory.h"
#include "engine/tilepreview.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace mottler::cli {
namespace {

constexpr int Margin = 8;
constexpr int FontPixels = 12;
const QColor Background(0xF0, 0xF0, 0xF0);
const QColor CaptionColour(0x20, 0x20, 0x20);
const QColor FailedColour(0xC0, 0x30, 0x30);

QFont CaptionFont() {
    QFont font;
    font.setPixelSize(FontPixels);
    return font;
}

void DrawFailed(QPainter& painter, const QRect& square) {
    painter.setPen(QPen(FailedColour, 2));
    painter.drawRect(square.adjusted(1, 1, -1, -1));
    painter.drawLine(square.topLeft(), square.bottomRight());
    painter.drawLine(square.topRight(), square.bottomLeft());
}

void DrawCell(QPainter& painter, const SheetCell& cell, const QRect& square, int captionTop) {
    if (cell.Texture.isNull()) {
        DrawFailed(painter, square);
    } else {
        const QImage picture = CellPicture(cell.Texture, square.width());
        const QPoint corner(square.left() + (square.width() - picture.width()) / 2,
                            square.top() + (square.height() - picture.height()) / 2);
        painter.drawImage(corner, picture);
    }
    const QFontMetrics metrics(painter.font());
    const QString caption = metrics.elidedText(cell.Caption, Qt::ElideRight, square.width());
    painter.setPen(CaptionColour);
    painter.drawText(QRect(square.left(), captionTop, square.width(), metrics.height()),
                     Qt::AlignHCenter | Qt::AlignTop, caption);
}

} // namespace

QImage CellPicture(const QImage& texture, int size) {
    QImage picture = texture.convertToFormat(QImage::Format_RGB32);
    if (texture.width() <= size && texture.height() <= size) {
        QImage tiled = NewImage(texture.width() * 2, texture.height() * 2, QImage::Format_RGB32);
        TileOnto(tiled, picture);
        picture = tiled;
    }
    return picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QImage DrawContactSheet(const std::vector<SheetCell>& cells, int columns, int size) {
    const QFont font = CaptionFont();
    const int captionHeight = QFontMetrics(font).height();
    const int cellWidth = size + Margin;
    const int cellHeight = size + captionHeight + 2 * Margin;
    const int count = static_cast<int>(cells.size());
    const int used = std::clamp(count, 1, columns);
    const int rows = std::max((count + columns - 1) / columns, 1);
    QImage sheet =
        NewImage(used * cellWidth + Margin, rows * cellHeight + Margin, QImage::Format_RGB32);
    sheet.fill(Background);
    QPainter painter(&sheet);
    painter.setFont(font);
    for (int i = 0; i < count; ++i) {
        const int left = Margin + i % columns * cellWidth;
        const int top = Margin + i / columns * cellHeight;
        DrawCell(painter, cells[static_cast<std::size_t>(i)], QRect(left, top, size, size),
                 top + size + Margin / 2);
    }
    return sheet;
}

} // namespace mottler::cli
