#include "engine/random.h"
#include "referencegrowth.h"

#include <gtest/gtest.h>

using namespace mottler;

TEST(Random, StepsFromSeedOneGiveTheKnownSequence) {
    SetRandomSeed(1);
    EXPECT_EQ(RandomInt(0), 0u);
    EXPECT_EQ(RandomSeed(), 134775814u);
    EXPECT_EQ(RandomReal(), 3698175007.0 / 4294967296.0);
    EXPECT_EQ(RandomSeed(), 3698175007u);
}

TEST(Random, IntTakesTheHighWordOfTheProductAndMatchesAnIndependentGenerator) {
    test::RefGenerator ref{0xDEADBEEFu};
    SetRandomSeed(0xDEADBEEFu);
    const std::uint32_t ranges[] = {0u, 1u, 2u, 10u, 256u, 100000u, 0x80000000u, 0xFFFFFFFFu};
    for (int round = 0; round < 50; ++round) {
        for (std::uint32_t n : ranges) {
            const std::uint32_t value = RandomInt(n);
            EXPECT_EQ(value, ref.Int(n));
            if (n >= 1 && n <= 0x80000000u) {
                EXPECT_LT(value, n);
            }
        }
        EXPECT_EQ(RandomReal(), ref.Real());
    }
    EXPECT_EQ(RandomSeed(), ref.State);
}
