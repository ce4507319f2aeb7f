#include "engine/sweepteam.h"
#include "engine/texturesettings.h"
#include "referencegrowth.h"
#include "referencesweep.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace mottler;

namespace {

struct Size {
    int W, H;
};

} // namespace

// Widths 1 and 2, odd heights, heights that leave a short last group, and widths over the
// steps a group reports at a time, with every zero action; a factor set that turns the
// field uniform; each for 2 and 3 threads against the plain row order.
TEST(SweepTeam, MatchesTheReferenceBitForBitForEveryThreadCount) {
    const Size sizes[] = {{1, 9}, {2, 7}, {5, 2}, {70, 11}, {97, 13}, {40, 30}};
    test::RefFactors factorSets[3];
    factorSets[0] = {622, 1000, 12, 16, 4.0, 4.0, 0, 0};
    factorSets[1] = {300, 700, 40, 20, 3.5, 4.25, 0, 0};
    factorSets[2] = {0, 0, 10000, 16, 4.0, 4.0, 0, 0}; // every A below 0: a uniform field
    for (int threads : {2, 3}) {
        SweepTeam team(threads);
        for (const Size size : sizes)
            for (const test::RefFactors& base : factorSets)
                for (int zero : {0, 1, 2, 7}) {
                    SCOPED_TRACE(testing::Message()
                                 << threads << " threads, " << size.W << "x" << size.H << " C "
                                 << base.FactorC << " zero " << zero);
                    test::RefFactors f = base;
                    f.Zero = zero;
                    test::RefTexture ref = test::RefSeedNoise(size.W, size.H, 35089380);
                    TextureEngine engine;
                    test::LoadInto(engine, ref);
                    for (int i = 0; i < 6; ++i) {
                        ASSERT_TRUE(test::RefSweep(ref, f));
                        team.Sweep(engine, test::CoefficientsOf(f));
                        ASSERT_TRUE(test::SameState(engine, ref)) << "after sweep " << i;
                    }
                }
    }
}

// Overflowing cells in any group, one or two of them, while other threads run ahead or
// behind: the team throws and leaves fields and range as row order does at the first one.
TEST(SweepTeam, OverflowLeavesTheFieldsAsRowOrderLeavesThemAtTheFailingCell) {
    const int w = 37, h = 10, n = w * h;
    const test::RefFactors f{622, 1000, 12, 16, 4.0, 4.0, 0, 0};
    for (int threads : {2, 3}) {
        SweepTeam team(threads);
        for (int first = 0; first < n; first += 7)
            for (int second = first; second < n; second += 23) {
                test::RefTexture ref = test::WithOverflowingCells(w, h, first, second);
                TextureEngine engine;
                test::LoadInto(engine, ref);
                ASSERT_FALSE(test::RefSweep(ref, f));
                EXPECT_THROW(team.Sweep(engine, test::CoefficientsOf(f)), GrowthOverflow);
                ASSERT_TRUE(test::SameState(engine, ref))
                    << threads << " threads, cells " << first << ", " << second;
            }
    }
}
