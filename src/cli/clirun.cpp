#include "cli/clirun.h"

#include <atomic>
#include <cstdio>

namespace mottler::cli {
namespace {

std::atomic<bool> interrupted{false};

extern "C" void OnInterrupt(int) {
    interrupted = true;
}

} // namespace

CliGrowthObserver::CliGrowthObserver(const GrowthFactors& f, bool progress, int iterations)
    : factors(f), showProgress(progress), total(iterations) {
    interrupted = false;
    // A terminal closing or a service stopping ends the run as Ctrl+C does, so the outputs
    // and the AVI file are still finished.
    for (std::size_t i = 0; i < StopSignals.size(); ++i)
        previousHandlers[i] = std::signal(StopSignals[i], OnInterrupt);
}

CliGrowthObserver::~CliGrowthObserver() {
    for (std::size_t i = 0; i < StopSignals.size(); ++i)
        std::signal(StopSignals[i], previousHandlers[i]);
}

bool CliGrowthObserver::EscapePressed() {
    return interrupted.exchange(false);
}

void CliGrowthObserver::Progress(int iteration) {
    if (showProgress)
        std::fprintf(stderr, "iteration %d of %d\n", iteration, total);
}

} // namespace mottler::cli
