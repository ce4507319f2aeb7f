// The three trackbars and the spin boxes under them mirror each other; Shift+right-click on a
// spin box raises the range of both by 1000; the mouse wheel moves a focused trackbar.
#include "app/tfrmthumb.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QWheelEvent>

namespace mottler {
namespace {

void Mirror(QSlider* bar, QSpinBox* box) {
    QObject::connect(bar, &QSlider::valueChanged, box, &QSpinBox::setValue);
    QObject::connect(box, &QSpinBox::valueChanged, bar, &QSlider::setValue);
}

} // namespace

void TfrmThumb::ConnectTrackbars() {
    Mirror(page.tbFactorA, page.spFactorA);
    Mirror(page.tbFactorB, page.spFactorB);
    connect(page.tbIterations, &QSlider::valueChanged, this, [this] { tbIterationsChange(); });
    connect(page.spIterations, &QSpinBox::valueChanged, this, [this](int value) {
        page.tbIterations->setValue(value);
        tbIterationsChange();
    });
    for (QSpinBox* box : {page.spIterations, page.spFactorA, page.spFactorB})
        box->installEventFilter(this);
    for (QSlider* bar : {page.tbIterations, page.tbFactorA, page.tbFactorB})
        bar->installEventFilter(this);
}

void TfrmThumb::tbIterationsChange() {
    page.spIterations->setValue(page.tbIterations->value());
    UpdateContinueButton();
}

bool TfrmThumb::RaisesRange(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    const auto* press = static_cast<QMouseEvent*>(event);
    if (press->button() != Qt::RightButton || !press->modifiers().testFlag(Qt::ShiftModifier))
        return false;
    const std::pair<QSpinBox*, QSlider*> pairs[] = {{page.spIterations, page.tbIterations},
                                                    {page.spFactorA, page.tbFactorA},
                                                    {page.spFactorB, page.tbFactorB}};
    for (const auto& [box, bar] : pairs) {
        if (watched != box)
            continue;
        box->setMaximum(box->maximum() + 1000);
        bar->setTickInterval(bar->maximum() / 10);
        bar->setMaximum(box->maximum());
        return true;
    }
    return false;
}

bool TfrmThumb::MovesTrackbar(QObject* watched, QEvent* event) {
    auto* bar = qobject_cast<QSlider*>(watched);
    if (event->type() != QEvent::Wheel || bar == nullptr || !bar->hasFocus())
        return false;
    bar->setValue(bar->value() + static_cast<QWheelEvent*>(event)->angleDelta().y());
    return true;
}

} // namespace mottler
