#include "picker/ui/pickercursors.h"

#include <QPainter>
#include <QPixmap>
#include <functional>

namespace mottler {
namespace {

constexpr int CursorSide = 32;

/// A transparent cursor picture with a black-and-white pen ready, so that the shape shows on
/// light and dark backgrounds alike.
QPixmap BlankCursorPicture() {
    QPixmap picture(CursorSide, CursorSide);
    picture.fill(Qt::transparent);
    return picture;
}

void DrawOutlined(QPainter& painter, const std::function<void()>& draw, int width) {
    painter.setPen(QPen(Qt::white, width + 2, Qt::SolidLine, Qt::RoundCap));
    draw();
    painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap));
    draw();
}

} // namespace

QCursor SampleCursor() {
    QPixmap picture = BlankCursorPicture();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // An eyedropper from the tip at the bottom left up to its bulb at the top right.
    DrawOutlined(
        painter, [&painter] { painter.drawLine(1, 30, 18, 13); }, 2);
    painter.setBrush(Qt::black);
    DrawOutlined(
        painter, [&painter] { painter.drawEllipse(QPoint(22, 9), 5, 5); }, 1);
    painter.end();
    return QCursor(picture, 1, 30);
}

QCursor MagnifyCursor() {
    QPixmap picture = BlankCursorPicture();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawOutlined(
        painter, [&painter] { painter.drawEllipse(QPoint(12, 12), 9, 9); }, 2);
    DrawOutlined(
        painter, [&painter] { painter.drawLine(19, 19, 29, 29); }, 3);
    painter.end();
    return QCursor(picture, 12, 12);
}

} // namespace mottler
