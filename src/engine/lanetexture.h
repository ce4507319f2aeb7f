#pragma once

#include "engine/certifiedgroup.h"

#include <vector>

namespace mottler {

/// A texture kept in the certified sweep's vector lanes from one sweep to the next, so that
/// a run of sweeps on one thread turns its rows into lanes and back once, not at every sweep.
/// Until Settle writes the lanes back, the fields lag behind and nothing else may read or
/// write them. Every sweep leaves the range, and after Settle the fields, exactly as
/// CertifiedSweep does, an overflow included.
class LaneTexture {
public:
    /// Whether a texture of that size is swept this way: it needs a whole group of rows, and
    /// more rows than that, so that no group is its own neighbour.
    static bool Suits(int w, int h);

    /// The engine's fields into lanes, for sweeps with these coefficients. Throws
    /// std::bad_alloc, with the engine untouched, when the lanes do not fit into memory.
    LaneTexture(TextureEngine& engine, const SweepCoefficients& coefficients,
                VectorWidth vectorWidth);

    /// One sweep; returns the cells computed again in extended precision. On an overflow it
    /// throws GrowthOverflow with the fields and range as CertifiedSweep leaves them; the
    /// lanes are of no further use then.
    long Sweep(TextureEngine& engine);

    /// The lanes back into the fields.
    void Settle(TextureEngine& engine);

private:
    float* Lanes(int group, int field);
    void TakeCheckpoint(const TextureEngine& engine);
    [[noreturn]] void Replay(TextureEngine& engine);

    SweepCoefficients k;
    VectorWidth width;
    int w, h;
    int groups; ///< whole groups of rows in lanes; the rows after them stay in the fields
    std::size_t groupFloats;  ///< one field's lanes of one group
    std::vector<float> lanes; ///< A's and B's lanes of each group in turn, from `first`
    float* first;             ///< the lanes' first float, on a cache line
    std::vector<float> saved; ///< what a block's steps overwrote, until the block holds
    std::vector<certified::LaneMagnitudes> most; ///< each group's, as the last sweep left it
    // The fields as they were this many sweeps ago: an overflow sweeps again from them in
    // row order, which stops where the plain sweep stops.
    std::vector<float> checkpointA, checkpointB;
    int sweepsSinceCheckpoint = 0;
};

} // namespace mottler
