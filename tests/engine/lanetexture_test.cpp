#include "engine/lanetexture.h"
#include "engine/texturesettings.h"
#include "referencegrowth.h"
#include "referencesweep.h"

#include <gtest/gtest.h>
#include <memory>

using namespace mottler;

namespace {

const VectorWidth Widths[] = {VectorWidth::Sse2, VectorWidth::Avx2, VectorWidth::Avx512};

// One width and crew (null: the caller's thread) of ExpectKeptLanesMatch.
void ExpectKeptLanesMatchOn(const test::RefTexture& seeded, const test::RefFactors& f, int sweeps,
                            int settleEvery, VectorWidth width, SweepCrew* crew) {
    SCOPED_TRACE(testing::Message()
                 << VectorWidthName(width) << ", " << (crew ? crew->Threads() : 1) << " threads");
    test::RefTexture ref = seeded;
    TextureEngine engine;
    test::LoadInto(engine, ref);
    LaneTexture lanes(engine, test::CoefficientsOf(f), width, crew);
    for (int i = 0; i < sweeps; ++i) {
        SCOPED_TRACE(testing::Message() << "sweep " << i);
        if (!test::RefSweep(ref, f)) {
            EXPECT_THROW(lanes.Sweep(engine), GrowthOverflow);
            ASSERT_TRUE(test::SameState(engine, ref)) << "at the overflow";
            return;
        }
        lanes.Sweep(engine);
        ASSERT_EQ(engine.FieldMin, ref.Min);
        ASSERT_EQ(engine.FieldMax, ref.Max);
        if ((i + 1) % settleEvery == 0 || i + 1 == sweeps) {
            lanes.Settle(engine);
            ASSERT_TRUE(test::SameState(engine, ref));
        }
    }
}

// Sweeps `seeded` in kept lanes, on one thread and on crews of two and three, and in plain
// row order side by side until `sweeps` are done or a cell overflows; the range after every
// sweep, the fields after every `settleEvery`th and at the end (or the overflow) must be the
// row order's bit for bit.
void ExpectKeptLanesMatch(const test::RefTexture& seeded, const test::RefFactors& f, int sweeps,
                          int settleEvery) {
    std::unique_ptr<SweepCrew> crews[] = {nullptr, std::make_unique<SweepCrew>(2),
                                          std::make_unique<SweepCrew>(3)};
    for (const std::unique_ptr<SweepCrew>& crew : crews)
        for (VectorWidth width : Widths) {
            if (HasVectorWidth(width))
                ExpectKeptLanesMatchOn(seeded, f, sweeps, settleEvery, width, crew.get());
        }
}

} // namespace

// Random sizes (whole groups of rows only, or with rows after them; widths from 2, narrower
// than a group and wider), factors and zero actions: the texture kept in lanes, settled now
// and then, matches the plain row order; every fifth configuration has a cell that overflows.
TEST(LaneTexture, RandomConfigurationsMatchTheReference) {
    test::RefGenerator random{20261208};
    for (int config = 0; config < 60; ++config) {
        const int w = 2 + int(random.Int(90));
        const int h = config % 3 == 0 ? 32 * (2 + int(random.Int(3))) : 33 + int(random.Int(110));
        test::RefFactors f;
        f.FactorA = random.Int(1200);
        f.FactorB = random.Int(1200);
        f.FactorC = int(random.Int(45));
        f.FactorD = int(random.Int(30));
        f.MultiplierA = 2.0 + random.Real() * 3.0;
        f.MultiplierB = 2.0 + random.Real() * 3.0;
        const int zeros[] = {ZeroActionZero, ZeroActionB, ZeroActionAbs, 7};
        f.Zero = zeros[random.Int(4)];
        test::RefTexture seeded = test::RefSeedNoise(w, h, random.Step());
        if (config % 5 == 4) {
            const std::size_t bomb = random.Int(std::uint32_t(seeded.A.size()));
            seeded.A[bomb] = seeded.B[bomb] = 1e20f;
        }
        SCOPED_TRACE(testing::Message() << "config " << config << ", " << w << "x" << h);
        ExpectKeptLanesMatch(seeded, f, 7, 1 + int(random.Int(4)));
    }
}

// A's own weight negative: values grow a little every sweep until one overflows, some 120
// sweeps into the run (texture of whole groups) or 110 (rows after them). The overflow leaves
// the fields and range of the plain row order, however many sweeps the lanes have been
// ahead of the fields.
TEST(LaneTexture, AnOverflowLongAfterTheFieldsWereLastWrittenMatchesTheReference) {
    const test::RefFactors f{300, 900, 12, 16, -1.0, 4.0, 0, 0};
    for (const int h : {96, 100}) {
        const test::RefTexture seeded = test::RefSeedNoise(70, h, 11);
        test::RefTexture ref = seeded;
        int sweeps = 0;
        while (test::RefSweep(ref, f))
            ++sweeps;
        ASSERT_GT(sweeps, 100); // more sweeps than the lanes run ahead of the fields at most
        ExpectKeptLanesMatch(seeded, f, sweeps + 1, 1000);
    }
}
