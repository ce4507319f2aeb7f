#include "palette/ui/adjustpanel.h"

#include "palette/colourmaths.h"
#include "palette/strips.h"
#include "palette/ui/imagewidget.h"
#include "widgets/ui/toolicons.h"

#include <QFrame>
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

// A small arrow pointing left at the strip.
QPixmap PointerPicture() {
    QPixmap picture(13, PointerHeight);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.setBrush(QColor(255, 255, 160));
    painter.drawPolygon(QPolygon({QPoint(0, 6), QPoint(12, 0), QPoint(12, 13), QPoint(0, 7)}));
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

QLabel* Pointer(QWidget* page, const char* name) {
    auto* pointer = new QLabel(page);
    pointer->setObjectName(name);
    pointer->setPixmap(PointerPicture());
    pointer->setGeometry(PointerLeft, 0, 13, PointerHeight);
    pointer->setAttribute(Qt::WA_TranslucentBackground);
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
    btnResetCB->setIcon(ToolIcon("edit-undo", QStyle::SP_DialogResetButton));
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
}

void AdjustPanel::DragPointer(Slider& slider, QMouseEvent* event) {
    const QWidget* strip = slider.Strip;
    const int y = slider.Pointer->mapToParent(event->position().toPoint()).y();
    const int top =
        std::clamp(y - slider.GrabOffset, strip->y() - Half, strip->y() + strip->height() - Half);
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
