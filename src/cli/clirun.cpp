#include "cli/clirun.h"

#include <QString>
#include <atomic>
#include <cstdio>
#include <unistd.h>

namespace mottler::cli {
namespace {

std::atomic<bool> interrupted{false};

extern "C" void OnInterrupt(int) {
    interrupted = true;
}

constexpr int BarWidth = 30;
/// Blanks over the longest bar line, so that the line is clean when the run ends.
constexpr int LineWidth = 72;

QString TimeText(qint64 seconds) {
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

ProgressStyle ChosenProgressStyle(bool linesAsked) {
    if (linesAsked)
        return ProgressStyle::Lines;
    return ::isatty(STDERR_FILENO) ? ProgressStyle::Bar : ProgressStyle::Quiet;
}

CliGrowthObserver::CliGrowthObserver(const GrowthFactors& f, ProgressStyle progress, int iterations)
    : factors(f), style(progress), total(iterations) {
    interrupted = false;
    // A terminal closing or a service stopping ends the run as Ctrl+C does, so the outputs
    // and the AVI file are still finished.
    for (std::size_t i = 0; i < StopSignals.size(); ++i)
        previousHandlers[i] = std::signal(StopSignals[i], OnInterrupt);
}

CliGrowthObserver::~CliGrowthObserver() {
    for (std::size_t i = 0; i < StopSignals.size(); ++i)
        std::signal(StopSignals[i], previousHandlers[i]);
    if (shownPercent >= 0)
        std::fprintf(stderr, "\r%*s\r", LineWidth, "");
}

bool CliGrowthObserver::EscapePressed() {
    return interrupted.exchange(false);
}

void CliGrowthObserver::ProgressShown() {
    clock.start();
}

void CliGrowthObserver::Progress(int iteration) {
    if (style == ProgressStyle::Lines)
        std::fprintf(stderr, "iteration %d of %d\n", iteration, total);
    else if (style == ProgressStyle::Bar)
        DrawBar(iteration);
}

void CliGrowthObserver::DrawBar(int iteration) {
    const int percent = total > 0 ? static_cast<int>(qint64(iteration) * 100 / total) : 100;
    if (percent == shownPercent)
        return;
    shownPercent = percent;
    const int filled = percent * BarWidth / 100;
    const QString bar = QString(filled, QLatin1Char('#')) + QString(BarWidth - filled, '-');
    // The time left is the time so far, scaled by the iterations still to run.
    QString left = QStringLiteral("--:--:--");
    if (iteration > 0)
        left = TimeText(clock.elapsed() * (total - iteration) / iteration / 1000);
    std::fprintf(stderr, "\r[%s] %3d %%  %s left", qPrintable(bar), percent, qPrintable(left));
    std::fflush(stderr);
}

} // namespace mottler::cli
