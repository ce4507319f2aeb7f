#include "palette/ui/trianglemarker.h"

#include "palette/colourmaths.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace mottler {
namespace {

QColor ToQColor(PackedColour c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

} // namespace

TriangleMarker::TriangleMarker(QWidget* parent) : QWidget(parent) {
    QFont arial("Arial");
    arial.setPointSize(8);
    setFont(arial);
    const QFontMetrics metrics(arial);
    digitWidth = metrics.horizontalAdvance('0');
    digitHeight = metrics.height();
    resize(24, 12);
}

void TriangleMarker::SetNumber(int value) {
    if (number == value)
        return;
    number = value;
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

void TriangleMarker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor box = active ? Qt::white : Qt::black;
    const QColor digit = active ? QColor(Qt::black) : ToQColor(TextColourOn(colour));
    if (numberShown) {
        painter.setPen(box);
        painter.setBrush(active ? QColor(Qt::white) : ToQColor(colour));
        painter.drawRect(0, 0, digitWidth + 1, digitHeight + 1);
        painter.setPen(digit);
        painter.drawText(QRect(2, -1, digitWidth + 2, digitHeight + 2),
                         Qt::AlignLeft | Qt::AlignTop, QString::number(number));
    }
    painter.setPen(box);
    painter.setBrush(ToQColor(colour));
    const int x0 = digitWidth + 2;
    painter.drawPolygon(Triangle(x0, 0, width() - digitWidth - 4, height()));
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

} // namespace mottler
