#pragma once

#include "engine/growth.h"

#include <csignal>

namespace mottler::cli {

/// The command-line side of a growth run: progress on stderr, Ctrl+C as Escape.
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
    void (*previousHandler)(int) = SIG_DFL;
};

} // namespace mottler::cli
