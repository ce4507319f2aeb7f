// The three trackbars and the spin boxes under them mirror each other; Shift+right-click on a
// spin box raises the range of both by 1000; the mouse wheel moves a focused trackbar. Each
// change is written to the document's settings, which the runs read.
#include "app/mainwindow.h"

#include <QApplication>
#include <QComboBox>
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

void MainWindow::ConnectTrackbars() {
    Mirror(page.tbFactorA, page.spFactorA);
    Mirror(page.tbFactorB, page.spFactorB);
    connect(page.spFactorA, &QSpinBox::valueChanged, this,
            [this](int value) { document.Settings.FactorA = value; });
    connect(page.spFactorB, &QSpinBox::valueChanged, this,
            [this](int value) { document.Settings.FactorB = value; });
    connect(page.cmbDrift, &QComboBox::currentIndexChanged, this,
            [this](int index) { document.Settings.DriftKind = index; });
    connect(page.tbIterations, &QSlider::valueChanged, this, [this] { tbIterationsChange(); });
    connect(page.spIterations, &QSpinBox::valueChanged, this, [this](int value) {
        page.tbIterations->setValue(value);
        tbIterationsChange();
    });
}

void MainWindow::tbIterationsChange() {
    document.Settings.Iterations = page.tbIterations->value();
    page.spIterations->setValue(document.Settings.Iterations);
    UpdateContinueButton();
}

void MainWindow::ShowFactors() {
    const TextureSettings& settings = document.Settings;
    page.tbIterations->setValue(settings.Iterations);
    tbIterationsChange();
    page.tbFactorA->setValue(settings.FactorA);
    page.spFactorA->setValue(settings.FactorA);
    page.tbFactorB->setValue(settings.FactorB);
    page.spFactorB->setValue(settings.FactorB);
    page.cmbDrift->setCurrentIndex(settings.DriftKind);
}

void MainWindow::ShowTextureType() {
    page.cmbTextureType->setCurrentIndex(document.Settings.Type);
}

bool MainWindow::RaisesRange(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::MouseButtonPress &&
                       static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
    const bool menu = event->type() == QEvent::ContextMenu;
    if ((!press && !menu) ||
        !static_cast<QInputEvent*>(event)->modifiers().testFlag(Qt::ShiftModifier))
        return false;
    const std::pair<QSpinBox*, QSlider*> pairs[] = {{page.spIterations, page.tbIterations},
                                                    {page.spFactorA, page.tbFactorA},
                                                    {page.spFactorB, page.tbFactorB}};
    auto* target = qobject_cast<QWidget*>(watched);
    for (const auto& [box, bar] : pairs) {
        if (target == nullptr || (target != box && !box->isAncestorOf(target)))
            continue;
        if (press) { // the context menu that follows the press is swallowed
            box->setMaximum(box->maximum() + 1000);
            bar->setTickInterval(bar->maximum() / 10);
            bar->setMaximum(box->maximum());
        }
        return true;
    }
    return false;
}

bool MainWindow::MovesTrackbar(QEvent* event) {
    auto* bar = qobject_cast<QSlider*>(QApplication::focusWidget());
    if (event->type() != QEvent::Wheel || bar == nullptr || !isAncestorOf(bar))
        return false;
    bar->setValue(bar->value() + static_cast<QWheelEvent*>(event)->angleDelta().y());
    return true;
}

} // namespace mottler
