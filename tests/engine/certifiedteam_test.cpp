#include "engine/certifiedteam.h"
#include "engine/texturesettings.h"
#include "referencegrowth.h"
#include "referencesweep.h"

#include <gtest/gtest.h>

using namespace mottler;

namespace {

struct Size {
    int W, H;
};

const VectorWidth Widths[] = {VectorWidth::Sse2, VectorWidth::Avx2, VectorWidth::Avx512};

} // namespace

// Heights of one group and a short rest, of whole groups only (the last group's row below is
// row 0 as the first group leaves it), of more groups than threads; widths of 2, of fewer
// columns than a group has rows, and over a block of steps; every zero action and a factor
// set that turns the field uniform, for 2 and 3 threads on every width this machine has.
TEST(CertifiedTeam, MatchesTheReferenceBitForBitForEveryThreadCountAndWidth) {
    const Size sizes[] = {{2, 33}, {9, 64}, {150, 65}, {70, 129}, {33, 96}, {40, 30}};
    test::RefFactors factorSets[3];
    factorSets[0] = {622, 1000, 12, 16, 4.0, 4.0, 0, 0};
    factorSets[1] = {300, 700, 40, 20, 3.5, 4.25, 0, 0};
    factorSets[2] = {0, 0, 10000, 16, 4.0, 4.0, 0, 0}; // every A below 0: a uniform field
    for (VectorWidth width : Widths) {
        if (!HasVectorWidth(width))
            continue;
        for (int threads : {2, 3}) {
            CertifiedTeam team(threads, width);
            for (const Size size : sizes)
                for (const test::RefFactors& base : factorSets)
                    for (int zero : {0, 1, 2, 7}) {
                        SCOPED_TRACE(testing::Message()
                                     << VectorWidthName(width) << ", " << threads << " threads, "
                                     << size.W << "x" << size.H << " C " << base.FactorC << " zero "
                                     << zero);
                        test::RefFactors f = base;
                        f.Zero = zero;
                        test::RefTexture ref = test::RefSeedNoise(size.W, size.H, 35089380);
                        TextureEngine engine;
                        test::LoadInto(engine, ref);
                        for (int i = 0; i < 4; ++i) {
                            ASSERT_TRUE(test::RefSweep(ref, f));
                            team.Sweep(engine, test::CoefficientsOf(f));
                            ASSERT_TRUE(test::SameState(engine, ref)) << "after sweep " << i;
                        }
                    }
        }
    }
}

// Overflowing cells in any group or in the rows after the last, one or two of them, while
// other threads run ahead or behind: the team throws and leaves fields and range as row
// order does at the first one.
TEST(CertifiedTeam, OverflowLeavesTheFieldsAsRowOrderLeavesThemAtTheFailingCell) {
    const int w = 21, h = 100, n = w * h;
    const test::RefFactors f{622, 1000, 12, 16, 4.0, 4.0, 0, 0};
    for (int threads : {2, 3}) {
        CertifiedTeam team(threads, VectorWidth::Sse2);
        for (int first = 0; first < n; first += 97)
            for (int second = first; second < n; second += 331) {
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
