#pragma once

#include "base/presetkeys.h"
#include "engine/engine.h"
#include "engine/sweeper.h"

#include <QString>

namespace mottler {

/// Shown when a value leaves the range of a 32-bit float during a run.
inline constexpr const char* OverflowMessage = QT_TRANSLATE_NOOP(
    "mottler::Growth",
    "The mathematics involved in this calculation have gone outside the range this computer "
    "can handle.  Texture growth will be stopped here.  \n\nPlease choose some new "
    "settings and try again.");

/// Put before the text of any other failure during a run.
inline constexpr const char* InternalErrorPrefix = QT_TRANSLATE_NOOP(
    "mottler::Growth", "An internal error has occurred while growing this texture.\n\n");

/// The factors a run reads once, at its start (after its frames and ages are cleared).
struct GrowthFactors {
    /// The A factor box's number; the run uses it × 0.05 (B the same way).
    double FactorA = PresetValues::FactorA.Startup;
    double FactorB = PresetValues::FactorB.Startup;
    int FactorC = PresetValues::FactorC.Startup;
    int FactorD = PresetValues::FactorD.Startup;
    double MultiplierA = PresetValues::MultiplierA.Startup;
    double MultiplierB = PresetValues::MultiplierB.Startup;
    int Zero = PresetValues::ZeroAction.Startup;
};

/// What a run does beside the arithmetic, called at fixed points of each iteration. The GUI
/// and the command-line tool implement it; the engine knows no widgets. Every hook has a
/// do-nothing default except ReadFactors. EscapePressed, DrainInput and Progress must not
/// touch the chemical fields: between sweeps that no other hook follows, the sweep may keep
/// the texture in its own buffers and the fields lag behind.
class GrowthObserver {
public:
    virtual ~GrowthObserver() = default;

    /// Start of every run: hourglass, "Press ESC to stop", frame-trackbar ticks off.
    virtual void RunStarting() {}
    /// Fresh runs only, before the initial state is copied: clear recorded frames and ages.
    virtual void ClearFrames() {}
    virtual void ClearAges() {}
    /// The run will end at iteration count n: frame trackbar to 1, progress total n.
    virtual void IterationsPlanned(int n) { (void)n; }
    /// The factors of this run. May throw (a box that is not a number): the run then ends
    /// before its first iteration and the exception reaches the caller after RunEnded.
    virtual GrowthFactors ReadFactors() = 0;
    /// Show the progress bar at 0.
    virtual void ProgressShown() {}

    /// True when Escape is down or was pressed since the previous query.
    virtual bool EscapePressed() { return false; }
    /// Discard queued mouse and keyboard input.
    virtual void DrainInput() {}
    /// Every tenth iteration while ShowProgress is on.
    virtual void Progress(int iteration) { (void)iteration; }
    /// After a sweep when animating, recording or painting ages: scale FieldA into the
    /// palette-index field and colour it into the texture bitmap. An observer may leave that
    /// to the first hook of the same iteration that reads the frame (FieldA does not change
    /// until the iteration's hooks have run).
    virtual void RenderFrame(int iteration) { (void)iteration; }
    /// After rendering when recording is on (the recorder applies its own "every n").
    virtual void RecordStep(int iteration, bool firstOfRun) { (void)iteration, (void)firstOfRun; }
    /// When animating, every n-th iteration: show the texture bitmap.
    virtual void ShowPreview(int iteration) { (void)iteration; }
    /// Every E-th iteration while PaintAges is on; ageIndex may exceed 9 (paint nothing then).
    virtual void PaintAge(int ageIndex, int iteration) { (void)ageIndex, (void)iteration; }
    /// After each iteration while ProcessMessagesDuringGrowth is on.
    virtual void ProcessMessages() {}

    /// End-of-run update after the display field was scaled; k is the reported iteration.
    virtual void FinishRun(int k) { (void)k; }
    /// Clean-up, however the run ended: cursor, progress bar, elapsed time, files. May throw
    /// (closing a file that fails); the error then reaches GrowTexture's caller.
    virtual void RunEnded(double elapsedSeconds) { (void)elapsedSeconds; }
};

enum class RunMode { Fresh, Continued };

/// What a run reads once when it starts (besides the factors, read through the observer).
struct RunParameters {
    RunMode Mode = RunMode::Fresh;
    int ContinueFrom = 0; ///< continued runs: the iteration number on display
    int Iterations = 9;   ///< N: the run ends after iteration max(N − 1, 0)
    bool Animate = true;
    int AnimateEvery = 1;
    bool Record = false;
    int DriftKind = 0;
    SweepOptions Sweeping; ///< engine and threads; every choice grows the same fields
};

enum class RunOutcome { Completed, Escaped, UniformField, Aborted, Overflow, InternalError };

struct RunResult {
    RunOutcome Outcome = RunOutcome::Completed;
    int Reported = 0; ///< the iteration number the run reports (FinishRun's k)
    QString Message;  ///< the text to show for Overflow and InternalError (a UserFileError's
                      ///< own text, without the internal-error prefix)
};

/// A fresh run of that many iterations and drift without animation, as headless growth
/// (a preset's, a map cell's) runs.
inline RunParameters HeadlessFreshRun(int iterations, int driftKind) {
    RunParameters run;
    run.Mode = RunMode::Fresh;
    run.Iterations = iterations;
    run.Animate = false;
    run.DriftKind = driftKind;
    return run;
}

/// Grows the texture: a fresh run restarts from the seeded initial state, a continued run
/// goes on from the current fields. Errors during the iterations are caught and described
/// in the result; an exception from ReadFactors propagates (after RunEnded).
RunResult GrowTexture(TextureEngine& engine, const RunParameters& params, GrowthObserver& observer);

} // namespace mottler
