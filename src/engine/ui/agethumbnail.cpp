#include "engine/ui/agethumbnail.h"

#include <QKeyEvent>
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
    : QAbstractButton(parent), index(thumbnailIndex), tag(InitialTag(thumbnailIndex)) {
    setObjectName(QStringLiteral("imgAge%1").arg(thumbnailIndex));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Texture age %1").arg(thumbnailIndex));
    connect(this, &QAbstractButton::clicked, this, [this] { Q_EMIT Clicked(this); });
}

void AgeThumbnail::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    EnsureCanvas();
}

// The canvas follows the thumbnail's size in device pixels (which a hidden widget learns only
// when shown), so that the texture is drawn sharp at any screen scale.
void AgeThumbnail::EnsureCanvas() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (canvas.size() == pixels && canvas.devicePixelRatio() == ratio)
        return;
    canvas = QImage(pixels, QImage::Format_RGB32);
    canvas.setDevicePixelRatio(ratio);
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
    painter.drawImage(QRect(QPoint(0, 0), size()), texture);
    painter.end();
    tag = iteration + 1;
    setToolTip(tr("Iterations : %1").arg(tag));
    setAccessibleDescription(toolTip());
    repaint();
}

// The focused thumbnail is framed in the highlight colour, with a line of the highlighted
// text's colour inside so that the frame shows on any texture.
void AgeThumbnail::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(rect(), canvas);
    if (!hasFocus())
        return;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette().highlight(), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    painter.setPen(QPen(palette().highlightedText(), 1));
    painter.drawRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5));
}

void AgeThumbnail::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && event->modifiers().testFlag(Qt::ShiftModifier))
        Q_EMIT ShiftRightPressed(this);
    else
        QAbstractButton::mousePressEvent(event);
}

// Enter picks the age as Space does.
void AgeThumbnail::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        click();
    else
        QAbstractButton::keyPressEvent(event);
}

} // namespace mottler
