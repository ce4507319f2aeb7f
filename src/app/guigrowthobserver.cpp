#include "app/guigrowthobserver.h"

#include "app/mainwindow.h"
#include "app/runinputfilter.h"
#include "engine/render.h"
#include "widgets/ui/partsprogressbar.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QSlider>
#include <algorithm>

namespace mottler {
namespace {

// One refresh of the screen the widget is on; 60 Hz where the screen does not say.
qint64 RefreshNanoseconds(const QWidget& widget) {
    const QScreen* screen = widget.screen();
    const qreal hertz = screen != nullptr ? screen->refreshRate() : 0.0;
    return static_cast<qint64>(1e9 / (hertz >= 1.0 ? std::min<qreal>(hertz, 1000.0) : 60.0));
}

} // namespace

void GuiGrowthObserver::RunStarting() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    window.Preview().progressBar->SetText("Press ESC to stop");
    window.Recording().tbFrames->setTickPosition(QSlider::NoTicks);
    input.Start(window.Document().Engine.Switches.ProcessMessagesDuringGrowth);
    refreshNanoseconds = RefreshNanoseconds(window);
    sincePreview.invalidate();
}

void GuiGrowthObserver::ClearFrames() {
    recorder.ClearFrames();
}

void GuiGrowthObserver::ClearAges() {
    window.ClearAges();
}

void GuiGrowthObserver::IterationsPlanned(int n) {
    // The frame trackbar starts over without showing a frame: the run takes over the display,
    // and its end shows the last frame again.
    const QSignalBlocker quiet(window.Recording().tbFrames);
    window.Recording().tbFrames->setValue(1);
    window.ForgetShownFrame();
    window.Preview().progressBar->SetTotalParts(n);
}

GrowthFactors GuiGrowthObserver::ReadFactors() {
    return window.ReadFactors();
}

void GuiGrowthObserver::ProgressShown() {
    PartsProgressBar* bar = window.Preview().progressBar;
    bar->show();
    bar->SetPartsComplete(0);
    bar->repaint();
}

bool GuiGrowthObserver::EscapePressed() {
    return input.PollEscape();
}

void GuiGrowthObserver::Progress(int iteration) {
    window.Preview().progressBar->SetPartsComplete(iteration);
    window.Preview().progressBar->repaint();
}

void GuiGrowthObserver::RenderFrame(int) {
    frameRendered = false;
}

void GuiGrowthObserver::EnsureRendered() {
    if (frameRendered)
        return;
    RenderGrowthFrame(window.Document().Engine, window.Document().Gradient.Colours);
    frameRendered = true;
}

void GuiGrowthObserver::RecordStep(int iteration, bool firstOfRun) {
    if (recorder.ReadsFrame(iteration, firstOfRun))
        EnsureRendered();
    recorder.RecordStep(iteration, firstOfRun);
}

bool GuiGrowthObserver::PreviewDue() const {
    return !sincePreview.isValid() || sincePreview.nsecsElapsed() >= refreshNanoseconds;
}

void GuiGrowthObserver::ShowPreview(int) {
    if (!PreviewDue())
        return;
    sincePreview.start();
    EnsureRendered();
    window.ShowPreview();
}

void GuiGrowthObserver::PaintAge(int ageIndex, int iteration) {
    window.ShowIteration(iteration);
    window.Preview().lblFrameNumber->repaint();
    if (window.HasAge(ageIndex))
        EnsureRendered();
    window.PaintAge(ageIndex, iteration);
}

void GuiGrowthObserver::ProcessMessages() {
    QApplication::processEvents();
}

void GuiGrowthObserver::FinishRun(int k) {
    window.FinishRun(k);
}

void GuiGrowthObserver::RunEnded(double elapsedSeconds) {
    input.Stop();
    QApplication::restoreOverrideCursor();
    PartsProgressBar* bar = window.Preview().progressBar;
    bar->SetPartsComplete(0);
    bar->hide();
    window.ShowRunTime(elapsedSeconds);
    recorder.CloseFile();
}

} // namespace mottler
