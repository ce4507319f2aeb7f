#include "engine/sweeper.h"

#include <cstdlib>
#include <system_error>
#include <thread>

namespace mottler {
namespace {

// Below this many cells a second thread costs more than it saves: each group is short, so
// the threads wait on each other and pass cache lines back and forth more than they sweep.
constexpr double LargeTextureCells = 800.0 * 600.0;

// Whether a core is free for a second thread: a thread that waits on a busy machine's
// scheduler holds the whole wavefront up.
bool CoreToSpare() {
    const unsigned cores = std::thread::hardware_concurrency();
    double load = 0;
    return cores >= 2 && getloadavg(&load, 1) == 1 && load <= double(cores) - 1.5;
}

} // namespace

std::optional<SweepEngine> SweepEngineNamed(const QString& name) {
    if (name == QLatin1String("auto"))
        return SweepEngine::Auto;
    if (name == QLatin1String("x87"))
        return SweepEngine::X87;
    return std::nullopt;
}

SweepOptions WithEnvironmentEngine(SweepOptions options) {
    const std::optional<SweepEngine> pinned =
        SweepEngineNamed(qEnvironmentVariable("MOTTLER_ENGINE"));
    if (pinned)
        options.Engine = *pinned;
    return options;
}

int AutomaticSweepThreads(int width, int height) {
    const bool large = double(width) * double(height) >= LargeTextureCells;
    return large && CoreToSpare() ? 2 : 1;
}

Sweeper::Sweeper(const SweepOptions& options, int width, int height) {
    int threads = options.Threads;
    if (threads < 1)
        threads = options.Engine == SweepEngine::Auto ? AutomaticSweepThreads(width, height) : 1;
    if (threads <= 1)
        return;
    try {
        team = std::make_unique<SweepTeam>(threads);
    } catch (const std::system_error&) {
        // No threads to be had: one thread grows the same texture, only slower.
    }
}

void Sweeper::Sweep(TextureEngine& engine, const SweepCoefficients& k) {
    if (team)
        team->Sweep(engine, k);
    else
        mottler::Sweep(engine, k);
}

} // namespace mottler
