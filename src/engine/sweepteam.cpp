#include "engine/sweepteam.h"

#include "engine/sweepcrew.h"
#include "engine/wavefront.h"

#include <vector>

namespace mottler {
namespace {

using namespace wavefront;

// Steps a group does between two reports of its progress: often enough that the group below
// rarely waits, seldom enough that the cache line holding the report rarely moves between
// cores.
constexpr int StepsPerReport = 32;

} // namespace

class SweepTeam::Crew {
public:
    explicit Crew(int threads);

    int Threads() const { return crew.Threads(); }
    void Sweep(TextureEngine& engine, const SweepCoefficients& k);

private:
    void Prepare(TextureEngine& engine, const SweepCoefficients& k);
    void RunBand(int t);
    template <int Zero> void Band(int t);
    template <int Zero, int Rows> bool PacedGroup(int t, int group);
    template <int Zero, int Rows> bool PacedLastGroup(int t, int group, int rows);
    int GroupsCompleted() const;
    long Report(int group, int steps) const { return long(group) * (fullSteps + 1) + steps; }
    SweepContext Context(int t, const SweepCoefficients& k);

    SweepCrew crew;
    std::vector<std::vector<float>> scratch; // per thread: its group before the group
    std::vector<int> underWay;               // per thread: the group it left unfinished, or −1
    std::vector<Range> groupRanges;

    // The sweep under way.
    float* a = nullptr;
    float* b = nullptr;
    const SweepCoefficients* coefficients = nullptr;
    int w = 0;
    int h = 0;
    int groups = 0;
    int fullSteps = 0;
};

SweepTeam::Crew::Crew(int n)
    : crew(n), scratch(static_cast<std::size_t>(n)), underWay(static_cast<std::size_t>(n), -1) {}

SweepContext SweepTeam::Crew::Context(int t, const SweepCoefficients& k) {
    return {a, b, k, w, h, scratch[static_cast<std::size_t>(t)].data(), {}};
}

void SweepTeam::Crew::Prepare(TextureEngine& engine, const SweepCoefficients& k) {
    a = engine.FieldA.Data();
    b = engine.FieldB.Data();
    coefficients = &k;
    w = engine.Width();
    h = engine.Height();
    groups = (h + WavefrontRows - 1) / WavefrontRows;
    fullSteps = w + WavefrontRows - 1;
    for (std::vector<float>& rows : scratch)
        rows.resize(SweepScratchCells(w));
    groupRanges.resize(static_cast<std::size_t>(groups));
    std::fill(underWay.begin(), underWay.end(), -1);
}

void SweepTeam::Crew::RunBand(int t) {
    WithZeroAction(coefficients->Zero, [&](auto zero) { Band<decltype(zero)::value>(t); });
}

// Groups t, t + threads, … until the sweep ends or stops.
template <int Zero> void SweepTeam::Crew::Band(int t) {
    for (int group = t; group < groups; group += crew.Threads()) {
        if (crew.Failed())
            return;
        const int rows = std::min(WavefrontRows, h - group * WavefrontRows);
        const bool done = rows == WavefrontRows
                              ? PacedGroup<Zero, WavefrontRows>(t, group)
                              : PacedLastGroup<Zero, WavefrontRows - 1>(t, group, rows);
        if (!done)
            return;
    }
}

template <int Zero, int Rows> bool SweepTeam::Crew::PacedLastGroup(int t, int group, int rows) {
    if constexpr (Rows > 1)
        if (rows != Rows)
            return PacedLastGroup<Zero, Rows - 1>(t, group, rows);
    return PacedGroup<Zero, Rows>(t, group);
}

// One group's wavefront, a few steps at a time: step x reads the row above at column x, which
// the group above does at its step x + WavefrontRows − 1. A value that does not fit stops the
// whole sweep before this group reports the steps that stored it, so no other group reads it.
template <int Zero, int Rows> bool SweepTeam::Crew::PacedGroup(int t, int group) {
    SweepContext s = Context(t, *coefficients);
    const GroupRows<Rows> g(group * WavefrontRows, w, h);
    SaveRows(s, g.Row[0], g.Cells(w));
    underWay[static_cast<std::size_t>(t)] = group;
    Range ranges[Rows];
    const X87Interior x87;
    const int steps = g.Steps(w);
    for (int x0 = 0; x0 < steps; x0 += StepsPerReport) {
        const int x1 = std::min(x0 + StepsPerReport, steps);
        if (group > 0 &&
            !crew.Await(group - 1, Report(group - 1, std::min(x1 - 1 + WavefrontRows, fullSteps))))
            return false;
        if (RunSteps<Zero>(s, g, ranges, x0, x1, x87) & NotFiniteMask) {
            crew.Fail();
            return false;
        }
        crew.Report(t, Report(group, x1));
    }
    Range total;
    for (const Range& r : ranges)
        total.Add(r);
    groupRanges[static_cast<std::size_t>(group)] = total;
    underWay[static_cast<std::size_t>(t)] = -1;
    return true;
}

// Groups finish in order (each needs all of the one above), so the finished ones are a prefix.
int SweepTeam::Crew::GroupsCompleted() const {
    for (int group = 0; group < groups; ++group) {
        const int rows = std::min(WavefrontRows, h - group * WavefrontRows);
        if (crew.Done(group) < Report(group, w + rows - 1))
            return group;
    }
    return groups;
}

void SweepTeam::Crew::Sweep(TextureEngine& engine, const SweepCoefficients& k) {
    Prepare(engine, k);
    crew.Run([this](int t) { RunBand(t); });
    SweepContext s = Context(0, k);
    s.FieldRange = {9999999.0f, 0.0f};
    PublishRange publish{engine, s.FieldRange};
    const int completed = GroupsCompleted();
    for (int group = 0; group < completed; ++group)
        s.FieldRange.Add(groupRanges[static_cast<std::size_t>(group)]);
    if (completed == groups)
        return;
    // A value did not fit somewhere: put back the groups left unfinished and go on in row
    // order from the first of them, which stops at the first such cell as Sweep does.
    for (int t = 0; t < crew.Threads(); ++t) {
        const int group = underWay[static_cast<std::size_t>(t)];
        if (group >= 0) {
            const int rows = std::min(WavefrontRows, h - group * WavefrontRows);
            RestoreRows(Context(t, k), group * WavefrontRows * w, rows * w);
        }
    }
    WithZeroAction(k.Zero, [&](auto zero) {
        SweepRowsFrom<decltype(zero)::value>(s, completed * WavefrontRows);
    });
}

SweepTeam::SweepTeam(int threads) : crew(std::make_unique<Crew>(threads)) {}

SweepTeam::~SweepTeam() = default;

int SweepTeam::Threads() const {
    return crew->Threads();
}

void SweepTeam::Sweep(TextureEngine& engine, const SweepCoefficients& k) {
    crew->Sweep(engine, k);
}

} // namespace mottler
