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
    previousHandler = std::signal(SIGINT, OnInterrupt);
}

CliGrowthObserver::~CliGrowthObserver() {
    std::signal(SIGINT, previousHandler);
}

bool CliGrowthObserver::EscapePressed() {
    return interrupted.exchange(false);
}

void CliGrowthObserver::Progress(int iteration) {
    if (showProgress)
        std::fprintf(stderr, "iteration %d of %d\n", iteration, total);
}

} // namespace mottler::cli
