#pragma once

// What the benchmarks that compare with the plain reference implementation share: the
// texture of the timings (seed 35089380, factors A 622 and B 1000, 300 iterations),
// the clocks, and the reference's speed, measured once per shape in the same run.

#include "referencegrowth.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <map>
#include <tuple>

namespace mottler::bench {

inline constexpr std::uint32_t Seed = 35089380;
inline constexpr double FactorA = 622;
inline constexpr double FactorB = 1000;
inline constexpr int RunIterations = 300;

// CPU time of this thread: a fairer clock than the wall on a machine others are using.
inline double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

inline double WallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

inline test::RefFactors ReferenceFactors() {
    test::RefFactors f;
    f.FactorA = FactorA;
    f.FactorB = FactorB;
    return f;
}

// Cells a second of the plain implementation, sweeping w × h cells `sweeps` at a time from
// the seeded state (a whole run when sweeps is RunIterations); measured once per shape, in
// this thread's CPU time, over at least half a second.
inline double ReferenceRate(int w, int h, int sweeps) {
    static std::map<std::tuple<int, int, int>, double> rates;
    const auto known = rates.find({w, h, sweeps});
    if (known != rates.end())
        return known->second;
    const test::RefTexture seeded = test::RefSeedNoise(w, h, Seed);
    const test::RefFactors f = ReferenceFactors();
    long done = 0;
    const double start = ThreadSeconds();
    double elapsed = 0;
    for (; elapsed < 0.5; elapsed = ThreadSeconds() - start) {
        test::RefTexture t = seeded;
        for (int i = 0; i < sweeps; ++i)
            test::RefSweep(t, f);
        benchmark::DoNotOptimize(t.A.data());
        done += sweeps;
    }
    return rates[{w, h, sweeps}] = double(w) * double(h) * double(done) / elapsed;
}

} // namespace mottler::bench
