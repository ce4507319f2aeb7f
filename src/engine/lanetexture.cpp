#include "engine/lanetexture.h"

#include <cstdint>
#include <cstring>
#include <new>
#include <stdexcept>

namespace mottler {

using certified::TeamGroupRows;
using wavefront::Range;
using wavefront::SweepContext;

namespace {

// Sweeps between two checkpoints: an overflow sweeps at most this many again. Taking one
// costs about a sweep's worth of copying.
constexpr int SweepsPerCheckpoint = 64;

void CopyRow(const float* from, float* to, int w) {
    std::memcpy(to, from, std::size_t(w) * sizeof(float));
}

LargeBlock LanesOf(std::size_t floats) {
    LargeBlock block = LargeBlock::Allocate(floats * sizeof(float));
    if (!block.Data())
        throw std::bad_alloc();
    return block;
}

SweepContext ContextOf(TextureEngine& engine, const SweepCoefficients& k) {
    return {engine.FieldA.Data(), engine.FieldB.Data(),      k, engine.Width(),
            engine.Height(),      engine.ScratchRows.Data(), {}};
}

} // namespace

bool LaneTexture::Suits(int w, int h) {
    return w >= 2 && h > TeamGroupRows;
}

LaneTexture::LaneTexture(TextureEngine& engine, const SweepCoefficients& coefficients,
                         VectorWidth vectorWidth, SweepCrew* sweepCrew)
    : k(coefficients), width(vectorWidth), w(engine.Width()), h(engine.Height()), crew(sweepCrew),
      threads(sweepCrew ? sweepCrew->Threads() : 1), groups(h / TeamGroupRows),
      rowsFollow(groups * TeamGroupRows < h), groupFloats(certified::KeptLaneFloats(w)),
      lanes(LanesOf(2 * std::size_t(groups) * groupFloats + 64 / sizeof(float))),
      saved(std::size_t(threads), std::vector<float>(certified::KeptScratchFloats())),
      fallbacks(std::size_t(threads)), ranges(std::size_t(groups) * TeamGroupRows),
      edges(4 * std::size_t(groups) * std::size_t(w)), most(std::size_t(groups)) {
    const auto start = reinterpret_cast<std::uintptr_t>(lanes.Data());
    first = static_cast<float*>(lanes.Data()) + ((64 - start % 64) % 64) / sizeof(float);
    const std::size_t cells = std::size_t(w) * std::size_t(h);
    if (!checkpointA.Allocate(cells) || !checkpointB.Allocate(cells))
        throw std::bad_alloc();
    TakeCheckpoint(engine);
    const SweepContext s = ContextOf(engine, k);
    EachGroup([&](int g) {
        const int y = g * TeamGroupRows;
        most[std::size_t(g)] = certified::KeepRows(s, y, Lanes(g, 0), Lanes(g, 1));
        for (int field = 0; field < 2; ++field) {
            const float* rows = field == 0 ? s.A : s.B;
            CopyRow(rows + std::size_t(y) * std::size_t(w), FirstRow(g, field), w);
            CopyRow(rows + std::size_t(y + TeamGroupRows - 1) * std::size_t(w), LastRow(g, field),
                    w);
        }
    });
}

float* LaneTexture::Lanes(int group, int field) {
    return first + (2 * std::size_t(group) + std::size_t(field)) * groupFloats;
}

// job(g) for every group, spread over the crew's threads: for work on each group's own lanes
// and rows that needs nothing from any other group.
template <class Job> void LaneTexture::EachGroup(const Job& job) {
    const auto band = [&](int t) {
        for (int g = t; g < groups; g += threads)
            job(g);
    };
    if (crew)
        crew->Run(band);
    else
        band(0);
}

void LaneTexture::TakeCheckpoint(const TextureEngine& engine) {
    std::memcpy(checkpointA.Data(), engine.FieldA.Data(), checkpointA.Cells() * sizeof(float));
    std::memcpy(checkpointB.Data(), engine.FieldB.Data(), checkpointB.Cells() * sizeof(float));
    sweepsSinceCheckpoint = 0;
}

long LaneTexture::Sweep(TextureEngine& engine) {
    if (sweepsSinceCheckpoint == SweepsPerCheckpoint) {
        Settle(engine);
        TakeCheckpoint(engine);
    }
    constexpr int R = TeamGroupRows;
    SweepContext s = ContextOf(engine, k);
    s.FieldRange = {9999999.0f, 0.0f};
    std::fill(fallbacks.begin(), fallbacks.end(), 0);
    std::fill(ranges.begin(), ranges.end(), Range{});
    if (!SweepGroups(s))
        Replay(engine);
    for (const Range& r : ranges)
        s.FieldRange.Add(r);
    long recomputed = 0;
    for (long n : fallbacks)
        recomputed += n;
    if (rowsFollow) {
        // The rows after the groups read the last group's last row and row 0 as this sweep
        // left them, from the fields.
        const std::size_t lastKept = std::size_t(groups * R - 1) * std::size_t(w);
        CopyRow(LastRow(groups - 1, 0), s.A + lastKept, w);
        CopyRow(LastRow(groups - 1, 1), s.B + lastKept, w);
        CopyRow(FirstRow(0, 0), s.A, w);
        CopyRow(FirstRow(0, 1), s.B, w);
        try {
            recomputed += certified::SweepRowsFrom(s, width, groups * R);
        } catch (const GrowthOverflow&) {
            Replay(engine);
        }
    }
    ++sweepsSinceCheckpoint;
    engine.FieldMin = s.FieldRange.Min;
    engine.FieldMax = s.FieldRange.Max;
    return recomputed;
}

// Every group, on the crew's threads or the caller's; false when a value did not fit.
bool LaneTexture::SweepGroups(const SweepContext& s) {
    if (!crew)
        return Band(s, 0);
    crew->Run([&](int t) { Band(s, t); });
    return !crew->Failed();
}

// Groups t, t + threads, … until they are done or one does not finish.
bool LaneTexture::Band(const SweepContext& s, int t) {
    SweepContext own = s;
    for (int g = t; g < groups; g += threads)
        if (!SweepGroup(own, t, g))
            return false;
    return true;
}

bool LaneTexture::SweepGroup(SweepContext& s, int t, int g) {
    constexpr int R = TeamGroupRows;
    // The row above: the group above's last as this sweep leaves it, or the texture's last
    // row as the sweep before left it. The row below: the group below's first as the sweep
    // before left it, or row 0 as this sweep left it; the last group then waits for all of
    // the first. With rows after the groups, the first group's row above and the last
    // group's row below are rows of the fields, which no group writes.
    const bool aboveInFields = g == 0 && rowsFollow;
    const bool belowInFields = g + 1 == groups && rowsFollow;
    const int above = g > 0 ? g - 1 : groups - 1, below = g + 1 < groups ? g + 1 : 0;
    const std::size_t lastRow = std::size_t(h - 1) * std::size_t(w);
    const std::size_t nextRow = std::size_t(groups * R) * std::size_t(w);
    const certified::GroupLinks links{aboveInFields ? s.A + lastRow : LastRow(above, 0),
                                      aboveInFields ? s.B + lastRow : LastRow(above, 1),
                                      LastRow(g, 0),
                                      LastRow(g, 1),
                                      crew,
                                      g,
                                      t,
                                      w};
    const certified::KeptGroup group{Lanes(g, 0),
                                     Lanes(g, 1),
                                     belowInFields ? s.A + nextRow : FirstRow(below, 0),
                                     belowInFields ? s.B + nextRow : FirstRow(below, 1),
                                     FirstRow(g, 0),
                                     FirstRow(g, 1),
                                     &most[std::size_t(g)]};
    if (crew && g + 1 == groups && !rowsFollow &&
        !crew->Await(0, certified::GroupLinks::Report(0, w, w + 1)))
        return false;
    if (!certified::SweepKeptGroup(s, width, group, links, saved[std::size_t(t)].data(),
                                   &ranges[std::size_t(g) * R], fallbacks[std::size_t(t)]))
        return false;
    if (crew)
        links.Passed(w + 1);
    return true;
}

void LaneTexture::Settle(TextureEngine& engine) {
    const SweepContext s = ContextOf(engine, k);
    EachGroup(
        [&](int g) { certified::ReleaseRows(s, g * TeamGroupRows, Lanes(g, 0), Lanes(g, 1)); });
}

void LaneTexture::Replay(TextureEngine& engine) {
    std::memcpy(engine.FieldA.Data(), checkpointA.Data(), checkpointA.Cells() * sizeof(float));
    std::memcpy(engine.FieldB.Data(), checkpointB.Data(), checkpointB.Cells() * sizeof(float));
    for (int i = 0; i < sweepsSinceCheckpoint; ++i)
        CertifiedSweep(engine, k, width);
    CertifiedSweep(engine, k, width); // throws GrowthOverflow where the row order stops
    throw std::logic_error("a sweep in kept lanes overflowed where the fields' sweep did not");
}

} // namespace mottler
