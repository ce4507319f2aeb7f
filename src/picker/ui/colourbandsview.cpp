#include "picker/ui/colourbandsview.h"

#include "palette/colourbands.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

namespace mottler {
namespace {

/// Room for the triangle markers right of and below the spectrum.
constexpr int MarkerRoom = 8;
constexpr int GreysGap = 4;

/// The grey ramp: black to white across the width, one row (stretched when drawn).
QImage GreyRamp(int width) {
    Palette ramp;
    InterpolateColours(ramp, 0, width - 1, PackRgb(0, 0, 0), PackRgb(255, 255, 255));
    QImage image(width, 1, QImage::Format_BGR888);
    for (int x = 0; x < width; ++x) {
        const PackedColour c = ramp.Colours[x];
        image.setPixelColor(x, 0, QColor(RedOf(c), GreenOf(c), BlueOf(c)));
    }
    return image;
}

} // namespace

SpectrumView::SpectrumView(QWidget* parent)
    : QWidget(parent), spectrum(DrawSpectrum(ImageWidth, Bands)), greys(GreyRamp(ImageWidth)) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Spectrum"));
    setFixedSize(sizeHint());
}

QSize SpectrumView::sizeHint() const {
    return {ImageWidth + MarkerRoom, spectrum.height() + MarkerRoom + GreysGap + GreysHeight};
}

QRect SpectrumView::GreysRect() const {
    return QRect(0, spectrum.height() + MarkerRoom + GreysGap, ImageWidth, GreysHeight);
}

void SpectrumView::MoveMarkers(QPoint position) {
    pick = QPoint(std::clamp(position.x(), 0, spectrum.width() - 1),
                  std::clamp(position.y(), 0, spectrum.height() - 1));
    update();
}

void SpectrumView::MovePick(int dx, int dy) {
    const QPoint from(std::max(pick.x(), 0), std::max(pick.y(), 0));
    MoveMarkers(from + QPoint(dx, dy));
    Q_EMIT ColourPicked(PixelAt(spectrum, pick.x(), pick.y()));
}

void SpectrumView::PickAt(QPoint point) {
    if (GreysRect().contains(point)) {
        const PackedColour c = PixelAt(greys, point.x(), 0);
        Q_EMIT ColourPicked(c);
        return;
    }
    if (point.x() >= spectrum.width() || point.y() >= spectrum.height())
        return;
    MoveMarkers(point);
    Q_EMIT ColourPicked(PixelAt(spectrum, pick.x(), pick.y()));
}

void SpectrumView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, spectrum);
    painter.drawImage(GreysRect(), greys);
    if (pick.x() < 0)
        return;
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    const int right = spectrum.width() + 1;
    const int bottom = spectrum.height() + 1;
    painter.drawPolygon(
        QPolygon({QPoint(right, pick.y()), QPoint(right + MarkerRoom - 2, pick.y() - 3),
                  QPoint(right + MarkerRoom - 2, pick.y() + 3)}));
    painter.drawPolygon(
        QPolygon({QPoint(pick.x(), bottom), QPoint(pick.x() - 3, bottom + MarkerRoom - 2),
                  QPoint(pick.x() + 3, bottom + MarkerRoom - 2)}));
}

void SpectrumView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        PickAt(event->position().toPoint());
}

void SpectrumView::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons().testFlag(Qt::LeftButton))
        PickAt(event->position().toPoint());
}

void SpectrumView::keyPressEvent(QKeyEvent* event) {
    const int step = event->modifiers().testFlag(Qt::ControlModifier) ? arrowStep : 1;
    switch (event->key()) {
    case Qt::Key_Left:
        MovePick(-step, 0);
        break;
    case Qt::Key_Right:
        MovePick(step, 0);
        break;
    case Qt::Key_Up:
        MovePick(0, -step);
        break;
    case Qt::Key_Down:
        MovePick(0, step);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace mottler
