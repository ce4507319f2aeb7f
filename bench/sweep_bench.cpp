// Speed of the growth sweep in cells per second at the sizes users grow most, and in the same
// run its speed against the plain one-cell-at-a-time implementation the tests check it with.
#include "engine/engine.h"
#include "engine/random.h"
#include "engine/seeding.h"
#include "engine/sweep.h"
#include "engine/texturesettings.h"
#include "referencegrowth.h"

#include <benchmark/benchmark.h>
#include <ctime>
#include <map>
#include <utility>

using namespace mottler;

namespace {

constexpr std::uint32_t Seed = 35089380;
constexpr double FactorA = 622;
constexpr double FactorB = 1000;

// These factors grow without bound; restarting from the seeded state every so many sweeps
// keeps the values (and so the timing) in the range a real run of a few hundred iterations
// sees, and far from overflow.
constexpr int SweepsPerRestart = 100;

double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// Cells a second of the plain implementation at w × h, measured once per size (CPU time of
// this thread, at least half a second of sweeps).
double ReferenceRate(int w, int h) {
    static std::map<std::pair<int, int>, double> rates;
    const auto known = rates.find({w, h});
    if (known != rates.end())
        return known->second;
    const test::RefTexture seeded = test::RefSeedNoise(w, h, Seed);
    test::RefFactors f;
    f.FactorA = FactorA;
    f.FactorB = FactorB;
    test::RefTexture t = seeded;
    long sweeps = 0;
    const double start = ThreadSeconds();
    double elapsed = 0;
    for (; elapsed < 0.5; elapsed = ThreadSeconds() - start) {
        if (++sweeps % SweepsPerRestart == 0)
            t = seeded;
        test::RefSweep(t, f);
        benchmark::DoNotOptimize(t.A.data());
    }
    return rates[{w, h}] = double(w) * double(h) * double(sweeps) / elapsed;
}

void Restart(TextureEngine& engine) {
    std::copy_n(engine.InitialA.Data(), engine.CellCount(), engine.FieldA.Data());
    std::copy_n(engine.InitialB.Data(), engine.CellCount(), engine.FieldB.Data());
}

void ReportRate(benchmark::State& state, double cells, int w, int h) {
    state.counters["cells/s"] =
        benchmark::Counter(cells * double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["x reference"] = benchmark::Counter(
        cells * double(state.iterations()) / ReferenceRate(w, h), benchmark::Counter::kIsRate);
}

} // namespace

static void BM_Reference(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0));
    const int h = static_cast<int>(state.range(1));
    const test::RefTexture seeded = test::RefSeedNoise(w, h, Seed);
    test::RefFactors f;
    f.FactorA = FactorA;
    f.FactorB = FactorB;
    test::RefTexture t = seeded;
    int sweeps = 0;
    for (auto _ : state) {
        if (++sweeps == SweepsPerRestart) {
            state.PauseTiming();
            t = seeded;
            sweeps = 0;
            state.ResumeTiming();
        }
        test::RefSweep(t, f);
        benchmark::DoNotOptimize(t.A.data());
    }
    ReportRate(state, double(w) * double(h), w, h);
}

static void BM_Sweep(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0));
    const int h = static_cast<int>(state.range(1));
    TextureEngine engine;
    engine.SetTextureSize(w, h);
    SetRandomSeed(Seed);
    SeedTexture(engine, RandomNoise, ShapeTuning{});
    Restart(engine);
    SweepCoefficients k;
    k.DiffusionA = DiffusionFromFactor(FactorA);
    k.DiffusionB = DiffusionFromFactor(FactorB);
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
    ReportRate(state, double(engine.CellCount()), w, h);
}

#define MOTTLER_SIZES(b) b->Args({100, 100})->Args({400, 300})->Args({800, 600})
MOTTLER_SIZES(BENCHMARK(BM_Reference))->Unit(benchmark::kMillisecond);
MOTTLER_SIZES(BENCHMARK(BM_Sweep))->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
