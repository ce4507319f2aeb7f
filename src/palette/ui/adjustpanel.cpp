#include "palette/ui/adjustpanel.h"

#include "palette/colourmaths.h"
#include "palette/strips.h"
#include "palette/ui/imagewidget.h"
#include "widgets/ui/toolicons.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

namespace mottler {
namespace {

constexpr int PointerLeft = 153;
constexpr int PointerHeight = 14;
constexpr int Half = PointerHeight / 2;

// A small arrow pointing left at the strip, drawn for the screen's pixel ratio; the focused
// pointer is outlined in the highlight colour.
QPixmap PointerPicture(const QLabel* pointer) {
    const qreal ratio = pointer->devicePixelRatioF();
    QPixmap picture((QSizeF(13, PointerHeight) * ratio).toSize());
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool focused = pointer->hasFocus();
    painter.setPen(focused ? QPen(pointer->palette().highlight(), 2) : QPen(Qt::black, 1));
    painter.setBrush(QColor(255, 255, 160));
    painter.drawPolygon(QPolygonF({QPointF(1, 6.5), QPointF(12.5, 0.5), QPointF(12.5, 13.5)}));
    return picture;
}

ImageWidget* Strip(QWidget* page, const char* name, int top, int height, const QString& hint) {
    auto* frame = new QFrame(page);
    frame->setGeometry(142, top - 1, 10, height + 2);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    auto* strip = new ImageWidget(page);
    strip->setObjectName(name);
    strip->setGeometry(143, top, 8, height);
    strip->setToolTip(hint);
    return strip;
}

AdjustPointer* Pointer(QWidget* page, const char* name) {
    auto* pointer = new AdjustPointer(page);
    pointer->setObjectName(name);
    pointer->setGeometry(PointerLeft, 0, 13, PointerHeight);
    pointer->setAttribute(Qt::WA_TranslucentBackground);
    pointer->setFocusPolicy(Qt::StrongFocus);
    pointer->setPixmap(PointerPicture(pointer));
    return pointer;
}

} // namespace

AdjustPanel::AdjustPanel(QWidget* page, GradientState& gradient) : QObject(page), state(gradient) {
    const AdjustStrips pictures = DrawAdjustStrips();
    imgContrast = Strip(page, "imgContrast", 11, ContrastStripHeight,
                        tr("Adjust the contrast of the colors"));
    imgContrast->SetImage(pictures.Contrast);
    imgBrightness = Strip(page, "imgBrightness", 145, BrightnessStripHeight,
                          tr("Adjust the brightness of the colors"));
    imgBrightness->SetImage(pictures.Brightness);
    imgContrastPointer = Pointer(page, "imgContrastPointer");
    imgBrightnessPointer = Pointer(page, "imgBrightnessPointer");
    imgContrastPointer->setAccessibleName(tr("Contrast"));
    imgBrightnessPointer->setAccessibleName(tr("Brightness"));
    contrast = {imgContrast, imgContrastPointer, &state.Contrast, QT_TR_NOOP("Contrast: %1")};
    brightness = {imgBrightness, imgBrightnessPointer, &state.Brightness,
                  QT_TR_NOOP("Brightness: %1")};
    imgContrastPointer->installEventFilter(this);
    imgBrightnessPointer->installEventFilter(this);
    connect(imgBrightness, &ImageWidget::MouseMoved, this, [this](QMouseEvent* event) {
        if (!(event->buttons() & Qt::LeftButton))
            return;
        state.Brightness = MapRange(static_cast<int>(event->position().y()), 0,
                                    imgBrightness->height(), -255, 255);
        Q_EMIT Adjusted();
    });

    btnResetCB = new QToolButton(page);
    btnResetCB->setObjectName("btnResetCB");
    btnResetCB->setGeometry(139, 271, 24, 24);
    btnResetCB->setAutoRaise(true);
    btnResetCB->setIcon(ContrastResetIcon());
    btnResetCB->setToolTip(tr("Reset contrast and brightness"));
    btnResetCB->setAccessibleName(btnResetCB->toolTip());
    connect(btnResetCB, &QToolButton::clicked, this, [this] {
        ResetContrastBrightness();
        Q_EMIT Adjusted();
    });
}

void AdjustPanel::ResetContrastBrightness() {
    for (Slider* slider : {&contrast, &brightness}) {
        const QWidget* strip = slider->Strip;
        slider->Pointer->move(PointerLeft, strip->y() + strip->height() / 2 - Half);
        *slider->Value = 0;
        SetHint(*slider);
    }
}

void AdjustPanel::PlacePointer(Slider& slider) {
    const QWidget* strip = slider.Strip;
    const int top = MapRange(*slider.Value, -255, 255, strip->y(), strip->y() + strip->height());
    slider.Pointer->move(PointerLeft, top - Half);
    SetHint(slider);
}

void AdjustPanel::ShowValues() {
    PlacePointer(contrast);
    PlacePointer(brightness);
}

void AdjustPanel::SetHint(const Slider& slider) {
    slider.Pointer->setToolTip(tr(slider.Hint).arg(*slider.Value));
    slider.Pointer->setAccessibleDescription(slider.Pointer->toolTip());
    slider.Pointer->SetValue(*slider.Value);
}

void AdjustPanel::DragPointer(Slider& slider, QMouseEvent* event) {
    const int y = slider.Pointer->mapToParent(event->position().toPoint()).y();
    MovePointer(slider, y - slider.GrabOffset);
}

// The arrow keys move a focused pointer a pixel, Page Up and Page Down ten, Home and End to
// the strip's ends, each as a drag there would.
bool AdjustPanel::MovesPointerByKey(Slider& slider, const QKeyEvent* event) {
    const QWidget* strip = slider.Strip;
    const int top = slider.Pointer->y();
    switch (event->key()) {
    case Qt::Key_Up:
        MovePointer(slider, top - 1);
        return true;
    case Qt::Key_Down:
        MovePointer(slider, top + 1);
        return true;
    case Qt::Key_PageUp:
        MovePointer(slider, top - 10);
        return true;
    case Qt::Key_PageDown:
        MovePointer(slider, top + 10);
        return true;
    case Qt::Key_Home:
        MovePointer(slider, strip->y() - Half);
        return true;
    case Qt::Key_End:
        MovePointer(slider, strip->y() + strip->height() - Half);
        return true;
    default:
        return false;
    }
}

void AdjustPanel::MovePointer(Slider& slider, int wantedTop) {
    const QWidget* strip = slider.Strip;
    const int top = std::clamp(wantedTop, strip->y() - Half, strip->y() + strip->height() - Half);
    slider.Pointer->move(PointerLeft, top);
    *slider.Value = MapRange(top + Half, strip->y(), strip->y() + strip->height(), -255, 255);
    SetHint(slider);
    slider.Pointer->repaint();
    Q_EMIT Adjusted();
}

bool AdjustPanel::eventFilter(QObject* watched, QEvent* event) {
    Slider* slider = watched == imgContrastPointer     ? &contrast
                     : watched == imgBrightnessPointer ? &brightness
                                                       : nullptr;
    if (slider == nullptr)
        return QObject::eventFilter(watched, event);
    // Only mouse events may be read as QMouseEvent: the pointers also get paint, show and
    // enter events.
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn || type == QEvent::FocusOut)
        slider->Pointer->setPixmap(PointerPicture(slider->Pointer));
    if (type == QEvent::KeyPress && MovesPointerByKey(*slider, static_cast<QKeyEvent*>(event)))
        return true;
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove)
        return QObject::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (type == QEvent::MouseButtonPress) {
        slider->GrabOffset = static_cast<int>(mouse->position().y());
        return true;
    }
    if (mouse->buttons() & Qt::LeftButton) {
        DragPointer(*slider, mouse);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace mottler
