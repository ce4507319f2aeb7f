#include "palette/palette.h"

#include <gtest/gtest.h>

using namespace mottler;

namespace {

int RedAt(const Palette& p, int i) {
    return RedOf(p.Colours[static_cast<std::size_t>(i)]);
}

} // namespace

TEST(InterpolateColours, WorkedExamplesTruncateTowardTheStartColour) {
    Palette rising, falling;
    InterpolateColours(rising, 0, 100, PackRgb(0, 0, 0), PackRgb(255, 0, 0));
    InterpolateColours(falling, 0, 100, PackRgb(255, 0, 0), PackRgb(0, 0, 0));
    const int entries[] = {0, 1, 50, 99, 100};
    const int up[] = {0, 2, 127, 252, 255};
    const int down[] = {255, 253, 128, 3, 0};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(RedAt(rising, entries[i]), up[i]) << entries[i];
        EXPECT_EQ(RedAt(falling, entries[i]), down[i]) << entries[i];
    }
    EXPECT_EQ(falling.Pixels[1], (std::array<std::uint8_t, 3>{0, 0, 253})) << "blue, green, red";
}

TEST(InterpolateColours, StopsAtTheFirstEntryOutsideTheTable) {
    Palette p;
    EXPECT_TRUE(InterpolateColours(p, 9, 3, PackRgb(1, 1, 1), PackRgb(2, 2, 2)));
    EXPECT_EQ(p.Colours[5], 0u) << "s > e writes nothing";

    EXPECT_FALSE(InterpolateColours(p, 250, 300, PackRgb(9, 9, 9), PackRgb(9, 9, 9)));
    EXPECT_EQ(p.Colours[250], 0u) << "the segment fails at its first entry, 300";

    EXPECT_FALSE(InterpolateColours(p, -2, 2, PackRgb(0, 0, 0), PackRgb(4, 4, 4)));
    EXPECT_EQ(RedAt(p, 0), 2) << "entries 2 … 0 are written before -1 fails";
}
