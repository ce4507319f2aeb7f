#include "engine/ui/agethumbnail.h"

#include <QMouseEvent>
#include <QPainter>

namespace mottler {
namespace {

// Tags the seventh and eighth thumbnails carry before their first painting.
int InitialTag(int index) {
    if (index == 7)
        return 12;
    if (index == 8)
        return 16;
    return 0;
}

} // namespace

AgeThumbnail::AgeThumbnail(int thumbnailIndex, QWidget* parent)
    : QWidget(parent), index(thumbnailIndex), tag(InitialTag(thumbnailIndex)) {
    setObjectName(QStringLiteral("imgAge%1").arg(thumbnailIndex));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void AgeThumbnail::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    EnsureCanvas();
}

// The canvas follows the thumbnail's size (which a hidden widget learns only when shown).
void AgeThumbnail::EnsureCanvas() {
    if (canvas.size() == size())
        return;
    canvas = QImage(size(), QImage::Format_RGB32);
    canvas.fill(palette().button().color());
}

void AgeThumbnail::Clear() {
    EnsureCanvas();
    canvas.fill(palette().button().color());
    update();
}

void AgeThumbnail::PaintFrom(const QImage& texture, int iteration) {
    EnsureCanvas();
    QPainter painter(&canvas);
    painter.drawImage(QRect(QPoint(0, 0), canvas.size()), texture);
    painter.end();
    tag = iteration + 1;
    setToolTip(tr("Iterations : %1").arg(tag));
    repaint();
}

void AgeThumbnail::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(rect(), canvas);
}

void AgeThumbnail::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && event->modifiers().testFlag(Qt::ShiftModifier))
        Q_EMIT ShiftRightPressed(this);
}

void AgeThumbnail::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT Clicked(this);
}

} // namespace mottler
