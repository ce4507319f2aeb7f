#pragma once

#include "app/runrecorder.h"
#include "engine/growth.h"

namespace mottler {

class MainWindow;
class RunInputFilter;

/// The main window's side of a growth run: hourglass, progress bar, preview, ages, the
/// Escape poll and the end-of-run update.
class GuiGrowthObserver : public GrowthObserver {
public:
    /// Reads the record-to-file option for the run (see RunRecorder).
    GuiGrowthObserver(MainWindow& owner, RunInputFilter& runInput)
        : window(owner), input(runInput), recorder(owner) {}

    void RunStarting() override;
    void ClearFrames() override;
    void ClearAges() override;
    void IterationsPlanned(int n) override;
    GrowthFactors ReadFactors() override;
    void ProgressShown() override;
    bool EscapePressed() override;
    void Progress(int iteration) override;
    void RenderFrame(int iteration) override;
    void RecordStep(int iteration, bool firstOfRun) override;
    void ShowPreview(int iteration) override;
    void PaintAge(int ageIndex, int iteration) override;
    void ProcessMessages() override;
    void FinishRun(int k) override;
    void RunEnded(double elapsedSeconds) override;

private:
    MainWindow& window;
    RunInputFilter& input;
    RunRecorder recorder;
};

} // namespace mottler
