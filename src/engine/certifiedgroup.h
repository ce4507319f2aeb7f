#pragma once

// The pieces of the certified sweep a team of threads runs: groups of rows that meet the
// groups above and below them through the crew.

#include "engine/certifiedsweep.h"
#include "engine/sweepcrew.h"
#include "engine/wavefront.h"

namespace mottler::certified {

/// Rows of a group a team sweeps: four vectors of eight lanes.
constexpr int TeamGroupRows = 32;

/// How a group meets its neighbours: the row above as updated (a row of the fields, or what
/// the group above hands on), where its own last row goes as its steps finish it, and in a
/// team the crew through which it waits for the group above and reports how many
/// columns it handed on (Width + 1 once its rows are back in the fields).
struct GroupLinks {
    const float* AboveA;
    const float* AboveB;
    float* HandOnA = nullptr; ///< null: no group waits for this one
    float* HandOnB = nullptr;
    SweepCrew* Crew = nullptr; ///< null: one thread, the group above is done
    int Group = 0;
    int Thread = 0;
    int Width = 0;

    static long Report(int group, int w, int columns) { return long(group) * (w + 2) + columns; }

    /// Waits until the group above has handed on its columns before `columns`; false when the
    /// team stopped.
    bool AwaitAbove(int columns) const {
        return !Crew || Group == 0 || Crew->Await(Group - 1, Report(Group - 1, Width, columns));
    }
    void Passed(int columns) const { Crew->Report(Thread, Report(Group, Width, columns)); }
    /// Stops the team, if any, at a value that does not fit; false.
    bool Stop() const {
        if (Crew)
            Crew->Fail();
        return false;
    }
};

/// Rows y … y + TeamGroupRows − 1 through the lane buffers in `s.Scratch`, their ranges into
/// `ranges` (TeamGroupRows of them, in row order), the cells computed again in extended
/// precision added to `fallbacks`. False, with the fields untouched, when a value does not
/// fit or the team stopped.
bool SweepTeamGroup(wavefront::SweepContext& s, VectorWidth width, int y, const GroupLinks& links,
                    wavefront::Range* ranges, long& fallbacks);

/// Floats of one field's lanes of a group of TeamGroupRows rows kept between sweeps.
std::size_t KeptLaneFloats(int w);

/// The greatest magnitudes of A's and of B's values in a group's kept lanes.
struct LaneMagnitudes {
    float A = 0;
    float B = 0;
};

/// Rows y … y + TeamGroupRows − 1 of the fields into kept lanes, and back.
LaneMagnitudes KeepRows(const wavefront::SweepContext& s, int y, float* lanesA, float* lanesB);
void ReleaseRows(const wavefront::SweepContext& s, int y, const float* lanesA, const float* lanesB);

/// A group's rows kept in lanes between sweeps, and the row below it as it stands (not yet
/// updated). SweepKeptGroup sweeps the group in its lanes with the results of SweepTeamGroup,
/// meeting the group above through `links`, writing its first row out as its steps finish
/// it, its ranges into `ranges`, keeping a block's slots in `saved` (KeptScratchFloats)
/// while the block's steps run. False when a value does not fit or the team stopped: the
/// lanes are then partly swept.
struct KeptGroup {
    float* LanesA;
    float* LanesB;
    const float* BelowA;
    const float* BelowB;
    float* FirstA; ///< the group's first row as the steps finish it, for the group above
    float* FirstB;
    LaneMagnitudes* Most; ///< as the sweep before left the lanes, then as this one does
};
bool SweepKeptGroup(wavefront::SweepContext& s, VectorWidth width, const KeptGroup& group,
                    const GroupLinks& links, float* saved, wavefront::Range* ranges,
                    long& fallbacks);

/// Floats of the scratch SweepKeptGroup keeps a block's slots in.
std::size_t KeptScratchFloats();

/// Rows y … h − 1 as one thread sweeps them, their range folded into s.FieldRange; returns the
/// cells computed again. Throws GrowthOverflow as Sweep does.
long SweepRowsFrom(wavefront::SweepContext& s, VectorWidth width, int y);

} // namespace mottler::certified
