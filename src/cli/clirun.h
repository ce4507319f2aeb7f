#pragma once

#include "engine/growth.h"

#include <QElapsedTimer>
#include <array>
#include <csignal>

namespace mottler::cli {

/// The signals that stop a run as Escape does: Ctrl+C, SIGTERM and a closed terminal.
inline constexpr std::array<int, 3> StopSignals{SIGINT, SIGTERM, SIGHUP};

/// How a run reports its progress on stderr.
enum class ProgressStyle {
    Quiet, ///< nothing (stderr is a file or a pipe)
    Lines, ///< "iteration i of n" every tenth iteration (--progress)
    Bar,   ///< a bar with the percentage and the time left, redrawn in place (a terminal)
};

/// The style a run uses: lines when asked for, a bar when stderr is a terminal, else quiet.
ProgressStyle ChosenProgressStyle(bool linesAsked);

/// The command-line side of a growth run: progress on stderr, the stop signals as Escape.
class CliGrowthObserver : public GrowthObserver {
public:
    CliGrowthObserver(const GrowthFactors& factors, ProgressStyle progress, int iterations);
    ~CliGrowthObserver() override;

    GrowthFactors ReadFactors() override { return factors; }
    bool EscapePressed() override;
    void ProgressShown() override;
    void Progress(int iteration) override;

private:
    void DrawBar(int iteration);

    GrowthFactors factors;
    ProgressStyle style;
    int total;
    QElapsedTimer clock;
    int shownPercent = -1;
    std::array<void (*)(int), StopSignals.size()> previousHandlers{};
};

} // namespace mottler::cli
