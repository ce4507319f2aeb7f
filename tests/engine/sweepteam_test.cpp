#include "engine/sweepteam.h"
#include "engine/texturesettings.h"
#include "referencegrowth.h"
#include "referencesweep.h"

#include <gtest/gtest.h>

using namespace mottler;

// Widths 1 and 2, odd heights, heights that leave a short last group, and widths over the
// steps a group reports at a time, with every zero action; a factor set that turns the
// field uniform; each for 2 and 3 threads against the plain row order.
TEST(SweepTeam, MatchesTheReferenceBitForBitForEveryThreadCount) {
    for (int threads : {2, 3}) {
        SCOPED_TRACE(testing::Message() << threads << " threads");
        SweepTeam team(threads);
        test::ExpectSweepsMatchTheReference(
            [&](TextureEngine& e, const SweepCoefficients& k) { team.Sweep(e, k); },
            {{1, 9}, {2, 7}, {5, 2}, {70, 11}, {97, 13}, {40, 30}}, 6);
    }
}

// Overflowing cells in any group, one or two of them, while other threads run ahead or
// behind: the team throws and leaves fields and range as row order does at the first one.
TEST(SweepTeam, OverflowLeavesTheFieldsAsRowOrderLeavesThemAtTheFailingCell) {
    for (int threads : {2, 3}) {
        SCOPED_TRACE(testing::Message() << threads << " threads");
        SweepTeam team(threads);
        test::ExpectOverflowLeavesTheRowOrdersState(
            [&](TextureEngine& e, const SweepCoefficients& k) { team.Sweep(e, k); }, 37, 10, 7, 23);
    }
}
