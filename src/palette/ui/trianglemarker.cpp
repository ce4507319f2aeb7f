#include "palette/ui/trianglemarker.h"

#include "palette/colourmaths.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace mottler {
namespace {

QColor ToQColor(PackedColour c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

} // namespace

// The marker is as high as the strip's rows allow; its number is in the desktop's font at the
// largest size that fits, and the box around it as wide as that font's digits.
TriangleMarker::TriangleMarker(QWidget* parent) : QWidget(parent) {
    QFont digits = font();
    digits.setPixelSize(ControlPointList::MarkerHeight - 3);
    setFont(digits);
    digitWidth = QFontMetrics(digits).horizontalAdvance('0');
    resize(24, ControlPointList::MarkerHeight);
    setFocusPolicy(Qt::StrongFocus);
}

void TriangleMarker::SetNumber(int value) {
    if (number == value)
        return;
    number = value;
    setAccessibleName(tr("Colour point %1").arg(value == 0 ? 10 : value));
    update();
}

void TriangleMarker::SetNumberShown(bool shown) {
    if (numberShown == shown)
        return;
    numberShown = shown;
    update();
}

void TriangleMarker::SetColour(PackedColour value) {
    colour = value;
    update();
}

void TriangleMarker::SetPosition(int value) {
    if (position == value)
        return;
    position = value;
    ReportAccessibleValue(this, value);
}

void TriangleMarker::SetActive(bool on) {
    active = on;
    update();
}

QPolygon TriangleMarker::Triangle(int x0, int y0, int w, int h) const {
    if (Horizontal)
        return QPolygon(
            {QPoint(x0, y0), QPoint(x0 + w - 1, y0), QPoint((x0 + w - 1) / 2, y0 + h - 1)});
    QPoint third(x0 + w - 1, (y0 + h - 1) / 2);
    if (Kind == 0)
        third = QPoint(x0 + w - 1, y0);
    else if (Kind == 2)
        third = QPoint(x0 + w - 1, y0 + h - 1);
    return QPolygon({QPoint(x0, y0), QPoint(x0, y0 + h - 1), third});
}

// Outlines are one device pixel wide and lie half a pixel inside the marker's edges, so that
// no screen scale cuts them off. The focused marker's triangle is outlined in the highlight
// colour.
void TriangleMarker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen outline(active ? Qt::white : Qt::black);
    outline.setCosmetic(true);
    const QRectF box(0.5, 0.5, digitWidth + 2, height() - 1.0);
    if (numberShown) {
        painter.setPen(outline);
        painter.setBrush(active ? QColor(Qt::white) : ToQColor(colour));
        painter.drawRect(box);
        painter.setPen(active ? QColor(Qt::black) : ToQColor(TextColourOn(colour)));
        painter.drawText(box, Qt::AlignCenter, QString::number(number));
    }
    const int x0 = digitWidth + 4;
    const QPolygonF triangle =
        QPolygonF(Triangle(x0, 0, width() - x0, height())).translated(0.5, 0.5);
    painter.setPen(outline);
    painter.setBrush(ToQColor(colour));
    painter.drawPolygon(triangle);
    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().highlight(), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(triangle);
    }
}

void TriangleMarker::mousePressEvent(QMouseEvent* event) {
    Q_EMIT Pressed(this, event->button());
}

void TriangleMarker::mouseMoveEvent(QMouseEvent* event) {
    if (!Movable || !(event->buttons() & Qt::LeftButton))
        return;
    const int y = static_cast<int>(event->position().y());
    move(x(), std::clamp(this->y() + y, MinTop, MaxTop));
    Q_EMIT Dragged(this);
}

void TriangleMarker::mouseDoubleClickEvent(QMouseEvent*) {
    Q_EMIT DoubleClicked(this);
}

// A key moves the marker as the mouse drags it.
void TriangleMarker::MoveBy(int rows) {
    if (!Movable)
        return;
    move(x(), std::clamp(y() + rows, MinTop, MaxTop));
    Q_EMIT Dragged(this);
}

void TriangleMarker::keyPressEvent(QKeyEvent* event) {
    constexpr int PageRows = 16;
    switch (event->key()) {
    case Qt::Key_Up:
        MoveBy(-1);
        break;
    case Qt::Key_Down:
        MoveBy(1);
        break;
    case Qt::Key_PageUp:
        MoveBy(-PageRows);
        break;
    case Qt::Key_PageDown:
        MoveBy(PageRows);
        break;
    case Qt::Key_Delete:
        Q_EMIT DeletePressed(this);
        break;
    case Qt::Key_Insert:
        Q_EMIT InsertPressed(this);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Q_EMIT DoubleClicked(this);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TriangleMarker::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    Q_EMIT Focused(this);
}

// The menu key opens the marker's menu as a right click does (which arrives as a press).
void TriangleMarker::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Keyboard)
        Q_EMIT Pressed(this, Qt::RightButton);
}

} // namespace mottler
