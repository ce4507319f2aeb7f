#include "app/guigrowthobserver.h"

#include "app/runinputfilter.h"
#include "app/mainwindow.h"
#include "widgets/ui/partsprogressbar.h"
#include "engine/render.h"

#include <QApplication>
#include <QLabel>
#include <QSlider>

namespace mottler {

void GuiGrowthObserver::RunStarting() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    window.preview.progressBar->SetText("Press ESC to stop");
    window.recording.tbFrames->setTickPosition(QSlider::NoTicks);
    input.Start(window.engine.Switches.ProcessMessagesDuringGrowth);
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
    const QSignalBlocker quiet(window.recording.tbFrames);
    window.recording.tbFrames->setValue(1);
    window.lastShownFrame = 0;
    window.preview.progressBar->SetTotalParts(n);
}

GrowthFactors GuiGrowthObserver::ReadFactors() {
    return window.ReadFactors();
}

void GuiGrowthObserver::ProgressShown() {
    PartsProgressBar* bar = window.preview.progressBar;
    bar->show();
    bar->SetPartsComplete(0);
    bar->repaint();
}

bool GuiGrowthObserver::EscapePressed() {
    return input.PollEscape();
}

void GuiGrowthObserver::Progress(int iteration) {
    window.preview.progressBar->SetPartsComplete(iteration);
    window.preview.progressBar->repaint();
}

void GuiGrowthObserver::RenderFrame(int) {
    RenderGrowthFrame(window.engine, window.gradient.Colours);
}

void GuiGrowthObserver::RecordStep(int iteration, bool firstOfRun) {
    recorder.RecordStep(iteration, firstOfRun);
}

void GuiGrowthObserver::ShowPreview(int) {
    window.ShowPreview();
}

void GuiGrowthObserver::PaintAge(int ageIndex, int iteration) {
    window.ShowIteration(iteration);
    window.preview.lblFrameNumber->repaint();
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
    PartsProgressBar* bar = window.preview.progressBar;
    bar->SetPartsComplete(0);
    bar->hide();
    window.lblTime->setText(QString::asprintf("%.2f", elapsedSeconds));
    recorder.CloseFile();
}

} // namespace mottler
