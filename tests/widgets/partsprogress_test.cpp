#include "widgets/partsprogress.h"

#include <gtest/gtest.h>

namespace mottler {
namespace {

TEST(PartsProgress, PercentRoundsHalvesToEvenAndCountsAreClampedNotWrapped) {
    PartsProgress bar;
    bar.SetTotal(8);
    const std::pair<int, int> halves[] = {{1, 12}, {3, 38}, {7, 88}}; // 12.5, 37.5, 87.5
    for (const auto& [parts, percent] : halves) {
        bar.SetComplete(parts);
        EXPECT_EQ(bar.Percent, percent) << parts;
    }
    bar.SetComplete(9);
    EXPECT_EQ(bar.Complete, 8);
    EXPECT_EQ(bar.Percent, 100);
    bar.SetComplete(-1);
    EXPECT_EQ(bar.Complete, 0);
    bar.SetTotal(100000); // beyond 16 bits, no wrap
    EXPECT_EQ(bar.Complete, 0);
    EXPECT_EQ(bar.Percent, 0);
    bar.SetComplete(70000);
    EXPECT_EQ(bar.Percent, 70);

    PartsProgress empty; // a zero total is an empty bar
    empty.SetComplete(5);
    EXPECT_EQ(empty.Complete, 0);
    EXPECT_EQ(empty.Percent, 0);
    EXPECT_EQ(PartsPercent(3, 0), 0);
}

TEST(FillLength, RoundsHalvesToEven) {
    EXPECT_EQ(FillLength(98, 25), 24); // 24.5
    EXPECT_EQ(FillLength(94, 25), 24); // 23.5
    EXPECT_EQ(FillLength(98, 100), 98);
    EXPECT_EQ(FillLength(98, 0), 0);
}

} // namespace
} // namespace mottler
