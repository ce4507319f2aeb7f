#include "engine/random.h"
#include "engine/seeding.h"
#include "engine/sweep.h"
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
const Size Sizes[] = {{1, 1}, {1, 7}, {7, 1}, {2, 2}, {5, 3}, {16, 9}, {11, 6}};

} // namespace

// Factors that keep values finite for a dozen sweeps; C = 40 drives many cells of A below
// zero, so every zero action is exercised.
TEST(Sweep, MatchesTheReferenceBitForBitOnEveryGeometryZeroActionAndDrift) {
    test::RefFactors factorSets[3];
    factorSets[1].FactorA = 622;
    factorSets[1].FactorB = 1000;
    factorSets[2] = {300, 700, 40, 20, 3.5, 4.25, 0, 0};
    for (const Size size : Sizes)
        for (std::uint32_t seed : {1u, 35089380u})
            for (const test::RefFactors& base : factorSets)
                for (int zero : {0, 1, 2, 7})
                    for (int drift = 0; drift <= 5; ++drift) {
                        SCOPED_TRACE(testing::Message() << size.W << "x" << size.H << " seed "
                                                        << seed << " A " << double(base.FactorA)
                                                        << " zero " << zero << " drift " << drift);
                        test::RefFactors f = base;
                        f.Zero = zero;
                        f.Drift = drift;
                        test::RefTexture ref = test::RefSeedNoise(size.W, size.H, seed);
                        TextureEngine engine;
                        test::LoadInto(engine, ref);
                        const SweepCoefficients k = test::CoefficientsOf(f);
                        for (int i = 0; i < 12; ++i) {
                            ASSERT_TRUE(test::RefSweep(ref, f));
                            Sweep(engine, k);
                            ASSERT_EQ(engine.FieldMin, ref.Min);
                            ASSERT_EQ(engine.FieldMax, ref.Max);
                            test::RefDrift(ref, drift);
                            ApplyDrift(engine, drift);
                            ASSERT_TRUE(test::SameFields(engine, ref)) << "after sweep " << i;
                        }
                    }
}

TEST(Sweep, NegativeAIsReplacedByTheCellsBBeforeBsUpdate) {
    TextureEngine engine;
    engine.SetTextureSize(1, 1);
    engine.FieldA[0] = 0.0f;
    engine.FieldB[0] = 5.0f;
    SweepCoefficients k; // A: (0 − 0 − 12) × 0.01 + 0 < 0
    k.Zero = ZeroActionB;
    Sweep(engine, k);
    EXPECT_EQ(engine.FieldA[0], 5.0f);
    EXPECT_GT(engine.FieldB[0], 5.0f); // B grew by (16 − 0) × 0.01 after A took its old value
}

// Cells where A × B overflows, placed anywhere (one or two of them, in the same group of
// rows or in different ones, at the wrapping columns or between): the sweep throws and leaves
// the fields and the range exactly as row order leaves them at the first such cell.
TEST(Sweep, OverflowLeavesTheFieldsAsRowOrderLeavesThemAtTheFailingCell) {
    const int w = 9, h = 6, n = w * h;
    const test::RefFactors f{622, 1000, 12, 16, 4.0, 4.0, 0, 0};
    for (int first = 0; first < n; ++first)
        for (int second = first; second < n; ++second) {
            test::RefTexture ref = test::WithOverflowingCells(w, h, first, second);
            TextureEngine engine;
            test::LoadInto(engine, ref);
            ASSERT_FALSE(test::RefSweep(ref, f));
            EXPECT_THROW(Sweep(engine, test::CoefficientsOf(f)), GrowthOverflow);
            ASSERT_TRUE(test::SameFields(engine, ref)) << "cells " << first << ", " << second;
            ASSERT_EQ(engine.FieldMin, ref.Min);
            ASSERT_EQ(engine.FieldMax, ref.Max);
        }
}
