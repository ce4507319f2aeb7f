#pragma once

#include "base/largeblock.h"
#include "engine/certifiedgroup.h"
#include "engine/chemicalfield.h"

#include <vector>

namespace mottler {

/// A texture kept in the certified sweep's vector lanes from one sweep to the next, so that
/// a run of sweeps turns its rows into lanes and back once, not at every sweep. With a crew,
/// its threads take the groups of rows in turn, each group following the one above it and
/// reading the last row that group hands on as it finishes it, as CertifiedTeam does. Until
/// Settle writes the lanes back, the fields lag behind and nothing else may read or write
/// them. Every sweep leaves the range, and after Settle the fields, exactly as CertifiedSweep
/// does, an overflow included.
class LaneTexture {
public:
    /// Whether a texture of that size is swept this way: it needs a whole group of rows, and
    /// more rows than that, so that no group is its own neighbour.
    static bool Suits(int w, int h);

    /// The engine's fields into lanes, for sweeps with these coefficients, on the crew's
    /// threads or, without one, the caller's. Throws std::bad_alloc, with the engine
    /// untouched, when the lanes do not fit into memory.
    LaneTexture(TextureEngine& engine, const SweepCoefficients& coefficients,
                VectorWidth vectorWidth, SweepCrew* crew = nullptr);

    /// One sweep; returns the cells computed again in extended precision. On an overflow it
    /// throws GrowthOverflow with the fields and range as CertifiedSweep leaves them; the
    /// lanes are of no further use then.
    long Sweep(TextureEngine& engine);

    /// The lanes back into the fields.
    void Settle(TextureEngine& engine);

private:
    float* Lanes(int group, int field);
    float* FirstRow(int group, int field) { return EdgeRow(group, field); }
    float* LastRow(int group, int field) { return EdgeRow(group, 2 + field); }
    float* EdgeRow(int group, int edge) {
        return edges.data() + (4 * std::size_t(group) + std::size_t(edge)) * std::size_t(w);
    }
    template <class Job> void EachGroup(const Job& job);
    bool SweepGroups(const wavefront::SweepContext& s);
    bool Band(const wavefront::SweepContext& s, int t);
    bool SweepGroup(wavefront::SweepContext& s, int t, int g);
    void TakeCheckpoint(const TextureEngine& engine);
    [[noreturn]] void Replay(TextureEngine& engine);

    SweepCoefficients k;
    VectorWidth width;
    int w, h;
    SweepCrew* crew;
    int threads;
    int groups;      ///< whole groups of rows in lanes; the rows after them stay in the fields
    bool rowsFollow; ///< rows after the groups
    std::size_t groupFloats; ///< one field's lanes of one group
    LargeBlock lanes;        ///< A's and B's lanes of each group in turn, from `first`
    float* first;            ///< the lanes' first float, on a cache line
    std::vector<std::vector<float>> saved; ///< per thread: what a block's steps overwrote
    std::vector<long> fallbacks;           ///< per thread: the cells computed again
    std::vector<wavefront::Range> ranges;  ///< per row of the groups
    // Each group's first and last rows, A's then B's, as its last sweep finished them: the
    // rows the groups above and below it read, side by side rather than spread over its lanes.
    std::vector<float> edges;
    std::vector<certified::LaneMagnitudes> most; ///< each group's, as the last sweep left it
    // The fields as they were this many sweeps ago: an overflow sweeps again from them in
    // row order, which stops where the plain sweep stops.
    ChemicalField checkpointA, checkpointB;
    int sweepsSinceCheckpoint = 0;
};

} // namespace mottler
