#include "widgets/ui/toolicons.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>

namespace mottler {
namespace {

// A padlock in the window-text colour: a shackle over a solid body with a keyhole.
QPixmap DrawPadlock(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = QApplication::palette().color(QPalette::WindowText);
    const qreal unit = size / 16.0;
    painter.setPen(QPen(ink, 2 * unit));
    painter.drawArc(QRectF(4.5 * unit, 1.5 * unit, 7 * unit, 9 * unit), 0, 180 * 16);
    painter.drawLine(QPointF(4.5 * unit, 6 * unit), QPointF(4.5 * unit, 8 * unit));
    painter.drawLine(QPointF(11.5 * unit, 6 * unit), QPointF(11.5 * unit, 8 * unit));
    QPainterPath body;
    body.addRoundedRect(QRectF(2.5 * unit, 7.5 * unit, 11 * unit, 7.5 * unit), unit, unit);
    body.addEllipse(QPointF(8 * unit, 11 * unit), 1.3 * unit, 1.3 * unit);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(body);
    return picture;
}

} // namespace

QIcon ToolIcon(const QString& themeName, QStyle::StandardPixmap builtIn) {
    return QIcon::fromTheme(themeName, QApplication::style()->standardIcon(builtIn));
}

QIcon LockIcon() {
    QIcon drawn;
    for (int size : {16, 24, 32, 48})
        drawn.addPixmap(DrawPadlock(size));
    return QIcon::fromTheme(QStringLiteral("changes-prevent"), drawn);
}

} // namespace mottler
