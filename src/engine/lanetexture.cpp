#include "engine/lanetexture.h"

#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace mottler {

using certified::KeptRow;
using certified::RowView;
using certified::TeamGroupRows;
using wavefront::Range;
using wavefront::SweepContext;

namespace {

// Sweeps between two checkpoints: an overflow sweeps at most this many again. Taking one
// costs about a sweep's worth of copying.
constexpr int SweepsPerCheckpoint = 64;

// A kept lane into a row of the fields.
void CopyRow(RowView lane, float* row, int w) {
    for (int x = 0; x < w; ++x)
        row[x] = lane[x];
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
                         VectorWidth vectorWidth)
    : k(coefficients), width(vectorWidth), w(engine.Width()), h(engine.Height()),
      groups(h / TeamGroupRows), groupFloats(certified::KeptLaneFloats(w)),
      lanes(2 * std::size_t(groups) * groupFloats + 64 / sizeof(float)),
      saved(certified::KeptScratchFloats()), most(std::size_t(groups)) {
    const auto start = reinterpret_cast<std::uintptr_t>(lanes.data());
    first = lanes.data() + ((64 - start % 64) % 64) / sizeof(float);
    TakeCheckpoint(engine);
    const SweepContext s = ContextOf(engine, k);
    for (int g = 0; g < groups; ++g)
        most[std::size_t(g)] = certified::KeepRows(s, g * TeamGroupRows, Lanes(g, 0), Lanes(g, 1));
}

float* LaneTexture::Lanes(int group, int field) {
    return first + (2 * std::size_t(group) + std::size_t(field)) * groupFloats;
}

void LaneTexture::TakeCheckpoint(const TextureEngine& engine) {
    const std::size_t cells = std::size_t(w) * std::size_t(h);
    checkpointA.assign(engine.FieldA.Data(), engine.FieldA.Data() + cells);
    checkpointB.assign(engine.FieldB.Data(), engine.FieldB.Data() + cells);
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
    const bool rowsFollow = groups * R < h;
    long fallbacks = 0;
    // With rows after the groups, the first group's row above is the texture's last row and
    // the last group's row below the first row after the groups, both in the fields.
    const float* lastRowA = s.A + std::size_t(h - 1) * std::size_t(w);
    const float* lastRowB = s.B + std::size_t(h - 1) * std::size_t(w);
    const float* nextRowA = s.A + std::size_t(groups * R) * std::size_t(w);
    const float* nextRowB = s.B + std::size_t(groups * R) * std::size_t(w);
    for (int g = 0; g < groups; ++g) {
        // The row above: the group above's last as this sweep left it, or the texture's last
        // row as the sweep before left it. The row below: the group below's first as the
        // sweep before left it, or row 0 as this sweep left it.
        const int above = g > 0 ? g - 1 : groups - 1, below = g + 1 < groups ? g + 1 : 0;
        const certified::KeptGroup group{
            Lanes(g, 0),
            Lanes(g, 1),
            g == 0 && rowsFollow ? RowView(lastRowA) : KeptRow(Lanes(above, 0), R - 1),
            g == 0 && rowsFollow ? RowView(lastRowB) : KeptRow(Lanes(above, 1), R - 1),
            g + 1 == groups && rowsFollow ? RowView(nextRowA) : KeptRow(Lanes(below, 0), 0),
            g + 1 == groups && rowsFollow ? RowView(nextRowB) : KeptRow(Lanes(below, 1), 0),
            &most[std::size_t(g)]};
        Range ranges[R];
        if (!certified::SweepKeptGroup(s, width, group, saved.data(), ranges, fallbacks))
            Replay(engine);
        for (const Range& r : ranges)
            s.FieldRange.Add(r);
    }
    if (rowsFollow) {
        // The rows after the groups read the last group's last row and row 0 as this sweep
        // left them, from the fields.
        const std::size_t lastKept = std::size_t(groups * R - 1) * std::size_t(w);
        CopyRow(KeptRow(Lanes(groups - 1, 0), R - 1), s.A + lastKept, w);
        CopyRow(KeptRow(Lanes(groups - 1, 1), R - 1), s.B + lastKept, w);
        CopyRow(KeptRow(Lanes(0, 0), 0), s.A, w);
        CopyRow(KeptRow(Lanes(0, 1), 0), s.B, w);
        try {
            fallbacks += certified::SweepRowsFrom(s, width, groups * R);
        } catch (const GrowthOverflow&) {
            Replay(engine);
        }
    }
    ++sweepsSinceCheckpoint;
    engine.FieldMin = s.FieldRange.Min;
    engine.FieldMax = s.FieldRange.Max;
    return fallbacks;
}

void LaneTexture::Settle(TextureEngine& engine) {
    const SweepContext s = ContextOf(engine, k);
    for (int g = 0; g < groups; ++g)
        certified::ReleaseRows(s, g * TeamGroupRows, Lanes(g, 0), Lanes(g, 1));
}

void LaneTexture::Replay(TextureEngine& engine) {
    std::memcpy(engine.FieldA.Data(), checkpointA.data(), checkpointA.size() * sizeof(float));
    std::memcpy(engine.FieldB.Data(), checkpointB.data(), checkpointB.size() * sizeof(float));
    for (int i = 0; i < sweepsSinceCheckpoint; ++i)
        CertifiedSweep(engine, k, width);
    CertifiedSweep(engine, k, width); // throws GrowthOverflow where the row order stops
    throw std::logic_error("a sweep in kept lanes overflowed where the fields' sweep did not");
}

} // namespace mottler
