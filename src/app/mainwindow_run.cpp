// Growth runs started from the main window: seeding, resizing and the run itself, with the
// end-of-run update and the run's error messages.
#include "app/guigrowthobserver.h"
#include "app/mainwindow.h"
#include "app/messages.h"
#include "app/runinputfilter.h"
#include "base/errors.h"
#include "engine/random.h"
#include "engine/seeding.h"
#include "engine/texturesettings.h"
#include "engine/ui/texturepreview.h"
#include "presets/advancedfactors.h"
#include "presets/shapetuning.h"
#include "widgets/ui/busycursor.h"
#include "widgets/ui/numericedit.h"
#include "widgets/ui/partsprogressbar.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <optional>

namespace mottler {

GrowthFactors MainWindow::ReadFactors() const {
    GrowthFactors factors;
    factors.FactorA = document.Settings.FactorA;
    factors.FactorB = document.Settings.FactorB;
    return AdvancedFactors(factors, document.Advanced);
}

RunParameters MainWindow::ReadRunParameters(RunMode mode) const {
    RunParameters params;
    params.Mode = mode;
    params.ContinueFrom = document.ShownIteration.value_or(0);
    params.Iterations = document.Settings.Iterations;
    params.Animate = document.Settings.Animate;
    params.AnimateEvery = document.Settings.AnimateEvery;
    params.Record = document.Record;
    params.DriftKind = document.Settings.DriftKind;
    return params;
}

void MainWindow::GrowTexture(RunMode mode) {
    if (running || !engine.HasFields())
        return;
    running = true;
    RunResult result;
    try {
        GuiGrowthObserver observer(*this, *runInput);
        result = mottler::GrowTexture(engine, ReadRunParameters(mode), observer);
    } catch (const MottlerError& error) {
        running = false;
        ShowError(this, error.Message());
        return;
    }
    running = false;
    ShowRunFailure(result);
}

void MainWindow::ShowRunFailure(const RunResult& result) {
    if (result.Outcome == RunOutcome::Overflow || result.Outcome == RunOutcome::InternalError)
        ShowError(this, result.Message);
    // Recording ran out of memory: the run ended without its end-of-run update, but the
    // frames recorded so far are kept, so make them reachable at once.
    if (result.Outcome == RunOutcome::Aborted && !frames.IsEmpty())
        FinishRun(frames.Last().Iteration);
}

void MainWindow::SeedTexture() {
    if (running || !engine.HasFields())
        return;
    const int type = document.Settings.Type;
    {
        std::optional<BusyCursor> busy;
        if (type >= RandomShapes)
            busy.emplace();
        mottler::SeedTexture(engine, type, ReadShapeTuning());
    }
    page.txtRandomSeed->setText(QString::number(engine.CurrentSeed));
    page.txtRandomSeed->repaint();
}

void MainWindow::SetTextureSize(int width, int height) {
    if (running)
        throw SilentAbort();
    repaint();
    preview.progressBar->SetText("Allocating memory");
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        engine.SetTextureSize(width, height);
    } catch (...) {
        QApplication::restoreOverrideCursor();
        preview.progressBar->SetText(QString());
        throw;
    }
    document.Settings.Width = width;
    document.Settings.Height = height;
    setWindowTitle(QStringLiteral("Mottler - [%1 by %2]").arg(width).arg(height));
    QApplication::restoreOverrideCursor();
    preview.progressBar->SetText(QString());
    SizeTextureBitmap(width, height);
    preview.imgTexture->Clear();
}

void MainWindow::FinishRun(int k) {
    RenderDisplayField();
    preview.progressBar->SetText(QString());
    UpdateRecordingControls(k);
    document.IterationsGrown = k;
    page.spIterations->setToolTip(QString::number(document.IterationsGrown));
    UpdateContinueButton();
    page.btnSavePreset->setEnabled(true);
}

void MainWindow::UpdateContinueButton() {
    page.btnContinue->setEnabled(document.CanContinue(document.Settings.Iterations));
}

void MainWindow::ShowRunTime(double seconds) {
    lblTime->setText(QString::asprintf("%.2f", seconds));
}

void MainWindow::ShowIteration(int iteration) {
    document.ShownIteration = iteration;
    preview.lblFrameNumber->setText(QString::number(iteration));
}

} // namespace mottler
