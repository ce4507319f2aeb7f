#include "palette/ui/imagewidget.h"

#include "widgets/ui/screenscale.h"

#include <QPainter>

namespace mottler {

void ImageWidget::SetImage(QImage image) {
    picture = std::move(image);
    update();
}

void ImageWidget::paintEvent(QPaintEvent*) {
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, HasFractionalScale(painter));
    painter.drawImage(rect(), picture);
}

} // namespace mottler
