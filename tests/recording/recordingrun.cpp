#include "recordingrun.h"

#include "engine/random.h"
#include "engine/render.h"
#include "engine/seeding.h"
#include "engine/texturesettings.h"

namespace mottler::test {

void SeedLivelyTexture(TextureEngine& engine, int width, int height) {
    engine.SetTextureSize(width, height);
    SetRandomSeed(1);
    SeedTexture(engine, RandomNoise, ShapeTuning{});
}

RecordingRunObserver::RecordingRunObserver(TextureEngine& e, std::function<void(int, bool)> r)
    : engine(e), record(std::move(r)) {}

GrowthFactors RecordingRunObserver::ReadFactors() {
    GrowthFactors factors;
    factors.FactorA = 50;
    factors.FactorB = 200;
    return factors;
}

bool RecordingRunObserver::EscapePressed() {
    return renderedIteration + 1 == EscapeAt;
}

void RecordingRunObserver::RenderFrame(int iteration) {
    RenderGrowthFrame(engine, palette);
    renderedIteration = iteration;
}

RunResult GrowRecorded(TextureEngine& engine, int iterations, RecordingRunObserver& observer) {
    RunParameters params;
    params.Iterations = iterations;
    params.Animate = false;
    params.Record = true;
    engine.Switches.PaintAges = false;
    return GrowTexture(engine, params, observer);
}

} // namespace mottler::test
