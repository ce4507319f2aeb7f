// Speed of the growth sweep in cells per second at the sizes users grow most, for every way
// of sweeping, and in the same run each one's speed against the plain one-cell-at-a-time
// implementation the tests check the engine with ("x reference").
#include "engine/certifiedsweep.h"
#include "engine/certifiedteam.h"
#include "engine/engine.h"
#include "engine/growth.h"
#include "engine/lanetexture.h"
#include "engine/random.h"
#include "engine/render.h"
#include "engine/seeding.h"
#include "engine/sweep.h"
#include "engine/sweepcrew.h"
#include "engine/sweepteam.h"
#include "engine/texturesettings.h"
#include "referencetiming.h"

#include <benchmark/benchmark.h>
#include <optional>

using namespace mottler;
using namespace mottler::bench;

namespace {

// These factors grow without bound; restarting from the seeded state every so many sweeps
// keeps the values (and so the timing) in the range a real run of a few hundred iterations
// sees, and far from overflow.
constexpr int SweepsPerRestart = 100;

void Restart(TextureEngine& engine) {
    std::copy_n(engine.InitialA.Data(), engine.CellCount(), engine.FieldA.Data());
    std::copy_n(engine.InitialB.Data(), engine.CellCount(), engine.FieldB.Data());
}

// A w × h texture seeded with noise, its fields at the seeded state.
void SeedEngine(TextureEngine& engine, int w, int h) {
    engine.SetTextureSize(w, h);
    SetRandomSeed(Seed);
    SeedTexture(engine, RandomNoise, ShapeTuning{});
    Restart(engine);
}

SweepCoefficients BenchCoefficients() {
    SweepCoefficients k;
    k.DiffusionA = DiffusionFromFactor(FactorA);
    k.DiffusionB = DiffusionFromFactor(FactorB);
    return k;
}

// Sets "cells/s" and "x reference" from `cells` swept in `seconds`.
void Report(benchmark::State& state, double cells, double seconds, double referenceRate) {
    state.counters["cells/s"] = cells / seconds;
    state.counters["x reference"] = cells / seconds / referenceRate;
}

// Sweeps with `sweep` from the seeded state, restarting every SweepsPerRestart sweeps.
template <class SweepFunction>
void TimeSweeps(benchmark::State& state, SweepFunction&& sweep, bool wallClock) {
    const int w = static_cast<int>(state.range(0));
    const int h = static_cast<int>(state.range(1));
    TextureEngine engine;
    SeedEngine(engine, w, h);
    const SweepCoefficients k = BenchCoefficients();
    int sweeps = 0;
    const double start = wallClock ? WallSeconds() : ThreadSeconds();
    for (auto _ : state) {
        if (++sweeps == SweepsPerRestart) {
            Restart(engine);
            sweeps = 0;
        }
        sweep(engine, k);
        benchmark::DoNotOptimize(engine.FieldA.Data());
    }
    const double seconds = (wallClock ? WallSeconds() : ThreadSeconds()) - start;
    Report(state, double(w) * double(h) * double(state.iterations()), seconds,
           ReferenceRate(w, h, SweepsPerRestart));
}

class QuietObserver : public GrowthObserver {
public:
    GrowthFactors ReadFactors() override {
        GrowthFactors f;
        f.FactorA = FactorA;
        f.FactorB = FactorB;
        return f;
    }
};

} // namespace

static void BM_Reference(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0));
    const int h = static_cast<int>(state.range(1));
    const test::RefTexture seeded = test::RefSeedNoise(w, h, Seed);
    const test::RefFactors f = ReferenceFactors();
    test::RefTexture t = seeded;
    int sweeps = 0;
    const double start = ThreadSeconds();
    for (auto _ : state) {
        if (++sweeps == SweepsPerRestart) {
            t = seeded;
            sweeps = 0;
        }
        test::RefSweep(t, f);
        benchmark::DoNotOptimize(t.A.data());
    }
    const double seconds = ThreadSeconds() - start; // before the reference runs
    Report(state, double(w) * double(h) * double(state.iterations()), seconds,
           ReferenceRate(w, h, SweepsPerRestart));
}

// The x87 sweep on one thread (CPU time).
static void BM_SweepX87(benchmark::State& state) {
    TimeSweeps(
        state, [](TextureEngine& e, const SweepCoefficients& k) { Sweep(e, k); }, false);
}

// The certified double-precision sweep at one vector width (CPU time), with the cells it
// computed again in extended precision per ten million.
static void BM_SweepCertified(benchmark::State& state) {
    const auto width = static_cast<VectorWidth>(state.range(2));
    if (!HasVectorWidth(width)) {
        state.SkipWithError("this processor lacks these instructions");
        return;
    }
    state.SetLabel(VectorWidthName(width));
    long recomputed = 0;
    TimeSweeps(
        state,
        [&](TextureEngine& e, const SweepCoefficients& k) {
            recomputed += CertifiedSweep(e, k, width);
        },
        false);
    state.counters["recomputed per 10M"] =
        1e7 * double(recomputed) /
        (double(state.range(0) * state.range(1)) * double(state.iterations()));
}

// The x87 sweep on a team of threads (wall time: the figures suffer when the machine is busy).
static void BM_SweepX87Threads(benchmark::State& state) {
    SweepTeam team(static_cast<int>(state.range(2)));
    TimeSweeps(
        state, [&](TextureEngine& e, const SweepCoefficients& k) { team.Sweep(e, k); }, true);
}

// The certified AVX-512 sweep on a team of threads (wall time: the figures suffer when the
// machine is busy).
static void BM_SweepCertifiedThreads(benchmark::State& state) {
    if (!HasVectorWidth(VectorWidth::Avx512)) {
        state.SkipWithError("this processor lacks these instructions");
        return;
    }
    CertifiedTeam team(static_cast<int>(state.range(2)), VectorWidth::Avx512);
    TimeSweeps(
        state, [&](TextureEngine& e, const SweepCoefficients& k) { team.Sweep(e, k); }, true);
}

// The texture kept in AVX-512 lanes from one sweep to the next, as a run that shows no frames
// sweeps it, on one thread (CPU time) or a crew of them (wall time; every restart fills the
// lanes anew), with the cells computed again in extended precision per ten million.
static void BM_SweepKept(benchmark::State& state) {
    if (!HasVectorWidth(VectorWidth::Avx512)) {
        state.SkipWithError("this processor lacks these instructions");
        return;
    }
    const int w = static_cast<int>(state.range(0));
    const int h = static_cast<int>(state.range(1));
    const int threads = static_cast<int>(state.range(2));
    std::optional<SweepCrew> crew;
    if (threads > 1)
        crew.emplace(threads);
    TextureEngine engine;
    SeedEngine(engine, w, h);
    const SweepCoefficients k = BenchCoefficients();
    std::optional<LaneTexture> lanes;
    long recomputed = 0;
    int sweeps = 0;
    const auto now = [&] { return crew ? WallSeconds() : ThreadSeconds(); };
    const double start = now();
    for (auto _ : state) {
        if (!lanes || ++sweeps == SweepsPerRestart) {
            Restart(engine);
            lanes.emplace(engine, k, VectorWidth::Avx512, crew ? &*crew : nullptr);
            sweeps = 0;
        }
        recomputed += lanes->Sweep(engine);
    }
    const double seconds = now() - start;
    Report(state, double(w) * double(h) * double(state.iterations()), seconds,
           ReferenceRate(w, h, SweepsPerRestart));
    state.counters["recomputed per 10M"] =
        1e7 * double(recomputed) / (double(w) * double(h) * double(state.iterations()));
}

// A whole run as `mottler-cli grow --threads 1` does it (no rendering; CPU time), against
// the plain implementation's run of as many iterations.
static void BM_GrowRun(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0));
    const int h = static_cast<int>(state.range(1));
    TextureEngine engine;
    SeedEngine(engine, w, h);
    engine.Switches.PaintAges = false;
    RunParameters params;
    params.Iterations = RunIterations;
    params.Animate = false;
    params.Sweeping.Threads = 1;
    QuietObserver observer;
    const double start = ThreadSeconds();
    for (auto _ : state)
        GrowTexture(engine, params, observer);
    const double seconds = ThreadSeconds() - start; // before the reference runs
    Report(state, double(w) * double(h) * RunIterations * double(state.iterations()), seconds,
           ReferenceRate(w, h, RunIterations));
}

// Rendering one frame of a run: FieldA scaled into the palette-index field and coloured
// into the texture bitmap (CPU time).
static void BM_RenderGrowthFrame(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0));
    const int h = static_cast<int>(state.range(1));
    TextureEngine engine;
    SeedEngine(engine, w, h);
    Sweep(engine, BenchCoefficients());
    const Palette palette;
    for (auto _ : state) {
        RenderGrowthFrame(engine, palette);
        benchmark::DoNotOptimize(engine.TextureBitmap.constBits());
    }
}

#define MOTTLER_SIZES(b) b->Args({100, 100})->Args({400, 300})->Args({800, 600})
MOTTLER_SIZES(BENCHMARK(BM_Reference))->Unit(benchmark::kMillisecond);
MOTTLER_SIZES(BENCHMARK(BM_SweepX87))->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SweepCertified)
    ->ArgsProduct({{100}, {100}, {0, 1, 2}})
    ->ArgsProduct({{400}, {300}, {0, 1, 2}})
    ->ArgsProduct({{800}, {600}, {0, 1, 2}})
    ->Args({1600, 1200, 2})
    ->Args({200, 150, 2})
    ->Args({300, 300, 2})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SweepKept)
    ->Args({200, 150, 1})
    ->Args({300, 300, 1})
    ->Args({200, 150, 2})
    ->Args({300, 300, 2})
    ->Args({400, 300, 1})
    ->Args({800, 600, 1})
    ->Args({1600, 1200, 1})
    ->Args({400, 300, 2})
    ->Args({800, 600, 2})
    ->Args({1600, 1200, 2})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SweepCertifiedThreads)
    ->ArgsProduct({{200}, {150}, {2}})
    ->ArgsProduct({{300}, {300}, {2}})
    ->ArgsProduct({{400}, {300}, {2}})
    ->ArgsProduct({{800}, {600}, {2}})
    ->ArgsProduct({{1600}, {1200}, {2}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SweepX87Threads)
    ->ArgsProduct({{100}, {100}, {2, 3}})
    ->ArgsProduct({{400}, {300}, {2, 3}})
    ->ArgsProduct({{800}, {600}, {2, 3}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
MOTTLER_SIZES(BENCHMARK(BM_RenderGrowthFrame))->Unit(benchmark::kMillisecond);
MOTTLER_SIZES(BENCHMARK(BM_GrowRun))->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
