#include "engine/ui/texturepreview.h"

#include "widgets/ui/screenscale.h"

#include <QPainter>

namespace mottler {

TexturePreview::TexturePreview(QWidget* parent) : QWidget(parent) {
    setObjectName("imgTexture");
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TexturePreview::Show(TilePreview preview) {
    shown = std::move(preview);
    repaint();
}

void TexturePreview::ShowTexture(const QImage& texture, QSize threshold, bool tile) {
    ComposeTilePreview(texture, size(), threshold, tile, shown, converted);
    repaint();
}

void TexturePreview::Clear() {
    shown = TilePreview{};
    update();
}

void TexturePreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // An opaque picture over the whole control leaves nothing of the white showing.
    if (shown.Picture.isNull() || shown.Picture.hasAlphaChannel() || shown.Target != rect())
        painter.fillRect(rect(), Qt::white);
    if (shown.Picture.isNull())
        return;
    // A texture larger than the preview is shrunk smoothly; at full size every pixel is exact
    // on a screen of whole-number scale and smoothly spread on one of fractional scale.
    const QSize picture = shown.Picture.size();
    const bool shrunk =
        shown.Target.width() < picture.width() || shown.Target.height() < picture.height();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, shrunk || HasFractionalScale(painter));
    painter.drawImage(shown.Target, shown.Picture);
}

void TexturePreview::mouseDoubleClickEvent(QMouseEvent*) {
    Q_EMIT DoubleClicked();
}

void TexturePreview::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ReportSize();
}

void TexturePreview::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (size() != reportedSize)
        ReportSize();
}

void TexturePreview::ReportSize() {
    reportedSize = size();
    Q_EMIT Resized();
}

} // namespace mottler
