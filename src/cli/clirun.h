#pragma once

#include "engine/growth.h"

#include <array>
#include <csignal>

namespace mottler::cli {

/// The signals that stop a run as Escape does: Ctrl+C, SIGTERM and a closed terminal.
inline constexpr std::array<int, 3> StopSignals{SIGINT, SIGTERM, SIGHUP};

/// The command-line side of a growth run: progress on stderr, the stop signals as Escape.
class CliGrowthObserver : public GrowthObserver {
public:
    CliGrowthObserver(const GrowthFactors& factors, bool progress, int iterations);
    ~CliGrowthObserver() override;

    GrowthFactors ReadFactors() override { return factors; }
    bool EscapePressed() override;
    void Progress(int iteration) override;

private:
    GrowthFactors factors;
    bool showProgress;
    int total;
    std::array<void (*)(int), StopSignals.size()> previousHandlers{};
};

} // namespace mottler::cli
