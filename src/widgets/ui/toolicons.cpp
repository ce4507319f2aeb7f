#include "widgets/ui/toolicons.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace mottler {
namespace {

/// Draws on a 16-unit square in the window-text colour.
using IconDrawing = std::function<void(QPainter& painter, const QColor& ink, qreal unit)>;

QIcon DrawnIcon(const IconDrawing& draw) {
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        QPixmap picture(size, size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter, QApplication::palette().color(QPalette::WindowText), size / 16.0);
        painter.end();
        icon.addPixmap(picture);
    }
    return icon;
}

// A padlock: a shackle over a solid body with a keyhole.
void DrawPadlock(QPainter& painter, const QColor& ink, qreal unit) {
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
}

// The contrast sign: a circle, half of it filled.
void DrawContrastSign(QPainter& painter, const QColor& ink, qreal unit) {
    const QRectF circle(2 * unit, 2 * unit, 12 * unit, 12 * unit);
    painter.setPen(QPen(ink, 1.5 * unit));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(circle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPie(circle, 90 * 16, 180 * 16);
}

// A strip of film: two frames between rows of sprocket holes.
void DrawFilmStrip(QPainter& painter, const QColor& ink, qreal unit) {
    QPainterPath strip;
    strip.addRect(QRectF(2 * unit, 1 * unit, 12 * unit, 14 * unit));
    for (int i = 0; i < 4; ++i) {
        const qreal y = (2 + 3.4 * i) * unit;
        strip.addRect(QRectF(3 * unit, y, 1.5 * unit, 1.8 * unit));
        strip.addRect(QRectF(11.5 * unit, y, 1.5 * unit, 1.8 * unit));
    }
    strip.addRect(QRectF(5.5 * unit, 2.5 * unit, 5 * unit, 4.8 * unit));
    strip.addRect(QRectF(5.5 * unit, 8.7 * unit, 5 * unit, 4.8 * unit));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(strip); // odd-even fill: the holes and frames stay clear
}

} // namespace

QIcon ToolIcon(const QString& themeName, QStyle::StandardPixmap builtIn) {
    return QIcon::fromTheme(themeName, QApplication::style()->standardIcon(builtIn));
}

QIcon LockIcon() {
    return QIcon::fromTheme(QStringLiteral("changes-prevent"), DrawnIcon(DrawPadlock));
}

QIcon ContrastResetIcon() {
    return DrawnIcon(DrawContrastSign);
}

QIcon AnimationIcon() {
    return QIcon::fromTheme(QStringLiteral("video-x-generic"), DrawnIcon(DrawFilmStrip));
}

} // namespace mottler
