#include "picker/ui/colourgrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace mottler {
namespace {

QColor ToQColor(PackedColour colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

} // namespace

ColourGrid::ColourGrid(QWidget* parent)
    : QWidget(parent), pitch(std::max(13, fontMetrics().height() * 3 / 4)) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Palette"));
    setFixedSize(sizeHint());
}

QSize ColourGrid::sizeHint() const {
    const int side = LineWidth + Cells * pitch;
    return {side, side};
}

QRect ColourGrid::CellRect(int index) const {
    const int column = index % Cells;
    const int row = index / Cells;
    const int cell = pitch - LineWidth;
    return QRect(LineWidth + column * pitch, LineWidth + row * pitch, cell, cell);
}

void ColourGrid::SetColours(const std::array<PackedColour, 256>& newColours, bool fade) {
    if (fade) {
        std::array<Palette, 256> runs;
        for (int i = 0; i < 256; ++i)
            InterpolateColours(runs[i], 0, FadeSteps - 1, colours[i], newColours[i]);
        for (int step = 0; step < FadeSteps; ++step) {
            for (int i = 0; i < 256; ++i)
                colours[i] = runs[i].Colours[step];
            repaint();
        }
    }
    colours = newColours;
    update();
}

void ColourGrid::SelectCell(int index) {
    if (index < 0 || index >= Cells * Cells)
        return;
    selected = index;
    update();
    Q_EMIT CellSelected(index);
}

void ColourGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    for (int i = 0; i < Cells * Cells; ++i)
        painter.fillRect(CellRect(i), ToQColor(colours[i]));
    // The selection lies on the grid lines around the cell, a device pixel wide at any scale;
    // with the focus it is drawn twice as thick.
    QPen frame(palette().color(QPalette::Highlight), hasFocus() ? 2 : 1);
    frame.setCosmetic(true);
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(CellRect(selected)).adjusted(-0.5, -0.5, 0.5, 0.5));
}

int ColourGrid::CellAt(QPoint point) const {
    const int column = (point.x() - LineWidth) / pitch;
    const int row = (point.y() - LineWidth) / pitch;
    if (point.x() < LineWidth || point.y() < LineWidth || column >= Cells || row >= Cells)
        return -1;
    return row * Cells + column;
}

void ColourGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        SelectCell(CellAt(event->position().toPoint()));
}

void ColourGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && CellAt(event->position().toPoint()) >= 0)
        Q_EMIT DoubleClicked();
}

void ColourGrid::keyPressEvent(QKeyEvent* event) {
    const int column = selected % Cells;
    const int row = selected / Cells;
    switch (event->key()) {
    case Qt::Key_Left:
        SelectCell(row * Cells + std::max(column - 1, 0));
        break;
    case Qt::Key_Right:
        SelectCell(row * Cells + std::min(column + 1, Cells - 1));
        break;
    case Qt::Key_Up:
        SelectCell(std::max(row - 1, 0) * Cells + column);
        break;
    case Qt::Key_Down:
        SelectCell(std::min(row + 1, Cells - 1) * Cells + column);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace mottler
