#include "engine/certifiedteam.h"
#include "engine/texturesettings.h"
#include "referencegrowth.h"
#include "referencesweep.h"

#include <gtest/gtest.h>

using namespace mottler;

namespace {

const VectorWidth Widths[] = {VectorWidth::Sse2, VectorWidth::Avx2, VectorWidth::Avx512};

} // namespace

// Heights of one group and a short rest, of whole groups only (the last group's row below is
// row 0 as the first group leaves it), of more groups than threads; widths of 2, of fewer
// columns than a group has rows, and over a block of steps; every zero action and a factor
// set that turns the field uniform, for 2 and 3 threads on every width this machine has.
TEST(CertifiedTeam, MatchesTheReferenceBitForBitForEveryThreadCountAndWidth) {
    for (VectorWidth width : Widths) {
        if (!HasVectorWidth(width))
            continue;
        for (int threads : {2, 3}) {
            SCOPED_TRACE(testing::Message() << VectorWidthName(width) << ", " << threads);
            CertifiedTeam team(threads, width);
            test::ExpectSweepsMatchTheReference(
                [&](TextureEngine& e, const SweepCoefficients& k) { team.Sweep(e, k); },
                {{2, 33}, {9, 64}, {150, 65}, {70, 129}, {33, 96}, {40, 30}}, 4);
        }
    }
}

// Overflowing cells in any group or in the rows after the last, one or two of them, while
// other threads run ahead or behind: the team throws and leaves fields and range as row
// order does at the first one.
TEST(CertifiedTeam, OverflowLeavesTheFieldsAsRowOrderLeavesThemAtTheFailingCell) {
    for (int threads : {2, 3}) {
        SCOPED_TRACE(testing::Message() << threads << " threads");
        CertifiedTeam team(threads, VectorWidth::Sse2);
        test::ExpectOverflowLeavesTheRowOrdersState(
            [&](TextureEngine& e, const SweepCoefficients& k) { team.Sweep(e, k); }, 21, 100, 97,
            331);
    }
}
