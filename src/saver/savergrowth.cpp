#include "saver/savergrowth.h"

#include "base/errors.h"
#include "engine/render.h"
#include "engine/shapes.h"
#include "presets/datafolder.h"
#include "presets/inifile.h"
#include "presets/presetgrowth.h"
#include "presets/shapetuning.h"

#include <algorithm>
#include <thread>

namespace mottler::saver {

/// The saver's side of a run: renders, hands over every shown state at a watchable pace,
/// and ends the run when the saver stops.
class SaverObserver : public GrowthObserver {
public:
    SaverObserver(SaverGrowth& saver, const PreparedPreset& preset)
        : growth(saver), prepared(preset) {}

    GrowthFactors ReadFactors() override { return prepared.Factors; }
    bool EscapePressed() override { return growth.Stopping(); }
    void RenderFrame(int) override { RenderGrowthFrame(growth.engine, prepared.Colours); }
    void ShowPreview(int) override {
        std::this_thread::sleep_until(lastShown + growth.frameInterval);
        lastShown = std::chrono::steady_clock::now();
        Q_EMIT growth.FrameReady(growth.engine.TextureBitmap.copy(), fresh);
        fresh = false;
    }

private:
    SaverGrowth& growth;
    const PreparedPreset& prepared;
    std::chrono::steady_clock::time_point lastShown;
    bool fresh = true;
};

namespace {

/// The growth shows about this many states of each preset, so that long presets do not
/// take ages to grow on screen.
constexpr int ShownStates = 200;

} // namespace

SaverGrowth::SaverGrowth(std::chrono::milliseconds hold, std::chrono::milliseconds pace)
    : holdTime(hold), frameInterval(pace) {}

void SaverGrowth::Run() {
    try {
        // Presets of the "Image File" type read their picture from the data folder; when it
        // cannot be written they fail one by one and the others still show.
        ExtractMissingBuiltInFiles();
    } catch (const MottlerError&) {
    }
    const IniFile presets = IniFile(BuiltInPresetsResource);
    const QStringList names = PresetNames(presets);
    for (qsizetype i = 0; !stopping && !names.isEmpty(); i = (i + 1) % names.size()) {
        try {
            GrowOne(presets, names[i]);
        } catch (const MottlerError& error) {
            Q_EMIT PresetFailed(names[i], error.Message());
        }
        Pause(holdTime);
    }
}

void SaverGrowth::GrowOne(const IniFile& presets, const QString& name) {
    const PreparedPreset prepared =
        PreparePreset(engine, ReadPreset(presets, name), ReadShapeTuning());
    engine.Switches.PaintAges = false;
    engine.Switches.ShowProgress = false;
    RunParameters run = prepared.Run;
    run.Animate = true;
    run.AnimateEvery = std::max(1, run.Iterations / ShownStates);
    SaverObserver observer(*this, prepared);
    const RunResult result = GrowTexture(engine, run, observer);
    if (result.Outcome == RunOutcome::Overflow || result.Outcome == RunOutcome::InternalError)
        throw MottlerError(result.Message);
    RenderDisplayField(engine, prepared.Colours);
    Q_EMIT FrameReady(engine.TextureBitmap.copy(), false);
}

void SaverGrowth::Pause(std::chrono::milliseconds length) {
    const auto end = std::chrono::steady_clock::now() + length;
    while (!stopping && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

} // namespace mottler::saver
