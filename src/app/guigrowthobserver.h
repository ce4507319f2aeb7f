#pragma once

#include "app/runrecorder.h"
#include "engine/growth.h"

#include <QElapsedTimer>

namespace mottler {

class MainWindow;
class RunInputFilter;

/// The main window's side of a growth run: hourglass, progress bar, preview, ages, the
/// Escape poll and the end-of-run update.
///
/// Rendering costs only what is seen or kept. A frame is rendered when the first hook of its
/// iteration reads it (a recorded iteration, a shown preview, an age thumbnail), all before
/// the pattern drifts or the next sweep, so each gets exactly the frame of its iteration;
/// an iteration nobody reads is not rendered. And the preview is drawn at most once per
/// refresh of the screen it is on: a frame due while the screen cannot show it yet is left
/// out (the screen would only ever have shown the latest), and the end of the run shows the
/// final state as before.
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
    /// Renders the frame of this iteration unless that is done already.
    void EnsureRendered();
    /// Whether the screen has refreshed since the preview was drawn last.
    bool PreviewDue() const;

    MainWindow& window;
    RunInputFilter& input;
    RunRecorder recorder;
    bool frameRendered = true;   ///< false from RenderFrame until a hook reads the frame
    QElapsedTimer sincePreview;  ///< since the preview was last drawn in this run
    qint64 refreshNanoseconds{}; ///< one refresh of the preview's screen
};

} // namespace mottler
