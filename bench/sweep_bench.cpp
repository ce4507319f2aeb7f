// Speed of the growth sweep in cells per second at the sizes users grow most.
#include "engine/engine.h"
#include "engine/random.h"
#include "engine/seeding.h"
#include "engine/sweep.h"
#include "engine/texturesettings.h"

#include <benchmark/benchmark.h>

using namespace mottler;

namespace {

// These factors grow without bound; restarting from the seeded state every so many sweeps
// keeps the values (and so the timing) in the range a real run of a few hundred iterations
// sees, and far from overflow.
constexpr int SweepsPerRestart = 100;

void Restart(TextureEngine& engine) {
    std::copy_n(engine.InitialA.Data(), engine.CellCount(), engine.FieldA.Data());
    std::copy_n(engine.InitialB.Data(), engine.CellCount(), engine.FieldB.Data());
}

} // namespace

static void BM_Sweep(benchmark::State& state) {
    TextureEngine engine;
    engine.SetTextureSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    SetRandomSeed(35089380);
    SeedTexture(engine, RandomNoise, ShapeTuning{});
    Restart(engine);
    SweepCoefficients k;
    k.DiffusionA = DiffusionFromFactor(622);
    k.DiffusionB = DiffusionFromFactor(1000);
    int sweeps = 0;
    for (auto _ : state) {
        if (++sweeps == SweepsPerRestart) {
            state.PauseTiming();
            Restart(engine);
            sweeps = 0;
            state.ResumeTiming();
        }
        Sweep(engine, k);
        benchmark::DoNotOptimize(engine.FieldA.Data());
    }
    state.counters["cells/s"] = benchmark::Counter(
        double(engine.CellCount()) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Sweep)
    ->Args({100, 100})
    ->Args({400, 300})
    ->Args({800, 600})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
