#include "engine/growth.h"

#include "base/errors.h"
#include "engine/scaling.h"
#include "engine/sweep.h"
#include "engine/texturesettings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cmath>
#include <new>
#include <optional>

namespace mottler {
namespace {

SweepCoefficients CoefficientsFrom(const GrowthFactors& f) {
    SweepCoefficients k;
    k.FactorC = static_cast<float>(f.FactorC);
    k.FactorD = static_cast<float>(f.FactorD);
    k.MultiplierA = static_cast<float>(f.MultiplierA);
    k.MultiplierB = static_cast<float>(f.MultiplierB);
    k.DiffusionA = DiffusionFromFactor(f.FactorA);
    k.DiffusionB = DiffusionFromFactor(f.FactorB);
    k.Zero = f.Zero;
    return k;
}

// The age thumbnail a continued run paints next, in extended precision as defined. Indices
// above 9 paint nothing, so the quotient is capped before the conversion to int: a large
// start with a small N would not fit.
int ContinuedAgeIndex(int start, int n) {
    const long double interval = static_cast<long double>(std::max(n - 1, 1)) / 10.0L;
    const long double steps = std::trunc(static_cast<long double>(start) / interval);
    return static_cast<int>(std::clamp(steps, -1e9L, 8.0L)) + 2;
}

class Run {
public:
    Run(TextureEngine& e, const RunParameters& p, GrowthObserver& o)
        : engine(e), params(p), observer(o) {}

    RunResult Execute();

private:
    void Prepare();
    RunResult Iterations();
    void Iterate(int i);
    FieldsAfter FieldsAfterSweep(int i) const;
    void Finish(int k);

    TextureEngine& engine;
    const RunParameters& params;
    GrowthObserver& observer;
    SweepCoefficients coefficients;
    std::optional<Sweeper> sweeper;
    int start = 0;
    int last = 0; ///< the run's last iteration
    int ageIndex = 1;
    int ageInterval = 1;
    bool firstIteration = true;
    RunOutcome stopReason = RunOutcome::Aborted; // why a silent abort ended the run
};

void Run::Prepare() {
    observer.RunStarting();
    if (params.Mode == RunMode::Fresh) {
        observer.ClearFrames();
        observer.ClearAges();
        ageIndex = 1;
        const auto n = static_cast<std::size_t>(engine.CellCount());
        std::copy_n(engine.InitialA.Data(), n, engine.FieldA.Data());
        std::copy_n(engine.InitialB.Data(), n, engine.FieldB.Data());
        start = 0;
    } else {
        start = params.ContinueFrom;
        ageIndex = ContinuedAgeIndex(start, params.Iterations);
    }
    observer.IterationsPlanned(params.Iterations);
    coefficients = CoefficientsFrom(observer.ReadFactors());
    sweeper.emplace(WithEnvironmentEngine(params.Sweeping), engine.CellCount());
    observer.EscapePressed(); // an Escape pressed before the run does not count
    observer.ProgressShown();
}

void Run::Finish(int k) {
    sweeper->Settle(engine);
    ScaleToDisplayField(engine);
    observer.FinishRun(k);
}

void Run::Iterate(int i) {
    if (observer.EscapePressed()) {
        observer.DrainInput();
        stopReason = RunOutcome::Escaped;
        Finish(i - 1);
        throw SilentAbort();
    }
    const EngineSwitches& switches = engine.Switches;
    if (switches.ShowProgress && i % 10 == 0)
        observer.Progress(i);
    sweeper->Sweep(engine, coefficients, FieldsAfterSweep(i));
    if (engine.FieldMin == engine.FieldMax) {
        stopReason = RunOutcome::UniformField;
        Finish(i - 1);
        throw SilentAbort();
    }
    if (params.Animate || params.Record || switches.PaintAges)
        observer.RenderFrame(i);
    if (params.Record)
        observer.RecordStep(i, firstIteration);
    if (params.Animate && (params.AnimateEvery < 2 || i % params.AnimateEvery == 0))
        observer.ShowPreview(i);
    if (switches.PaintAges && i % ageInterval == 0)
        observer.PaintAge(ageIndex++, i);
    ApplyDrift(engine, params.DriftKind);
    firstIteration = false;
    if (switches.ProcessMessagesDuringGrowth)
        observer.ProcessMessages();
}

// Whether anything but the next sweep reads or writes the fields after iteration i's sweep:
// a frame, a drift, the window's messages, or the end of the run.
FieldsAfter Run::FieldsAfterSweep(int i) const {
    const EngineSwitches& switches = engine.Switches;
    const bool used = i >= last || params.Animate || params.Record || switches.PaintAges ||
                      params.DriftKind != NoDrift || switches.ProcessMessagesDuringGrowth;
    return used ? FieldsAfter::Used : FieldsAfter::Untouched;
}

RunResult Run::Execute() {
    QElapsedTimer clock;
    clock.start();
    // The clean-up runs however the run ends. It is called directly rather than from a
    // destructor: it may release files and throw, which must reach the caller as an error.
    try {
        Prepare();
    } catch (...) {
        observer.RunEnded(double(clock.elapsed()) / 1000.0);
        throw;
    }
    last = std::max(params.Iterations - 1, 0);
    ageInterval = std::max((last + 1) / 9, 1);
    clock.restart();
    const RunResult result = Iterations();
    observer.RunEnded(double(clock.elapsed()) / 1000.0);
    return result;
}

RunResult Run::Iterations() {
    RunResult result;
    int i = start;
    try {
        for (; i <= last; ++i)
            Iterate(i);
        result.Reported = last + 1;
        Finish(result.Reported);
    } catch (const SilentAbort&) {
        result.Outcome = stopReason;
        result.Reported = i - 1;
    } catch (const GrowthOverflow&) {
        result.Outcome = RunOutcome::Overflow;
        result.Message = QCoreApplication::translate("mottler::Growth", OverflowMessage);
    } catch (const UserFileError& error) {
        result.Outcome = RunOutcome::InternalError;
        result.Message = error.Message(); // the user's file: not a fault of the program
    } catch (const MottlerError& error) {
        result.Outcome = RunOutcome::InternalError;
        result.Message =
            QCoreApplication::translate("mottler::Growth", InternalErrorPrefix) + error.Message();
    } catch (const std::bad_alloc&) {
        result.Outcome = RunOutcome::InternalError;
        result.Message = QCoreApplication::translate("mottler::Growth", InternalErrorPrefix) +
                         QCoreApplication::translate("mottler::Growth", "Out of memory");
    } catch (const std::exception& error) {
        result.Outcome = RunOutcome::InternalError;
        result.Message = QCoreApplication::translate("mottler::Growth", InternalErrorPrefix) +
                         QString::fromLocal8Bit(error.what());
    }
    sweeper->Settle(engine); // however the run ended, the fields hold its last sweep
    return result;
}

} // namespace

RunResult GrowTexture(TextureEngine& engine, const RunParameters& params,
                      GrowthObserver& observer) {
    return Run(engine, params, observer).Execute();
}

} // namespace mottler
