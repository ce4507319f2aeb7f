#include "palette/rebuild.h"

#include <gtest/gtest.h>

using namespace mottler;

namespace {

PackedColour At(const Palette& p, int i) {
    return p.Colours[static_cast<std::size_t>(i)];
}

ControlPointList Gradient(PackedColour start, PackedColour end) {
    ControlPointList list;
    list.AddControlPoint(0, start, false, PointKind::Start);
    list.AddControlPoint(255, end, false, PointKind::End);
    return list;
}

void ExpectWhiteToBlack(const Palette& p) {
    for (int j = 0; j < 256; ++j)
        ASSERT_EQ(At(p, j), PackRgb(255 - j, 255 - j, 255 - j)) << j;
}

} // namespace

TEST(RebuildPalette, SortsByMarkerAndRecordsBaseAdjustedAndPosition) {
    ControlPointList list = Gradient(PackRgb(0, 0, 0), PackRgb(255, 255, 255));
    list.AddControlPoint(200, PackRgb(100, 0, 0), true, PointKind::Middle);
    list.AddControlPoint(50, PackRgb(0, 100, 0), true, PointKind::Middle);
    Palette p;
    const auto records = RebuildPalette(list, 0, 10, p);
    ASSERT_EQ(records.size(), 4u);
    const int positions[] = {0, 50, 200, 255};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(records[i].Position, positions[i]);
        EXPECT_EQ(list.Points()[i].Number, static_cast<int>(i) + 1);
    }
    EXPECT_EQ(records[1].BaseColour, PackRgb(0, 100, 0));
    EXPECT_EQ(records[1].AdjustedColour, PackRgb(10, 110, 10));
    EXPECT_EQ(At(p, 50), PackRgb(10, 110, 10));
}

TEST(RebuildPalette, TwoPointsAtOnePositionLeaveTheSecondColourThere) {
    ControlPointList list = Gradient(PackRgb(255, 255, 255), PackRgb(0, 0, 0));
    list.AddControlPoint(100, PackRgb(255, 0, 0), true, PointKind::Middle);
    list.AddControlPoint(100, PackRgb(0, 0, 255), true, PointKind::Middle);
    Palette p;
    RebuildPalette(list, 0, 0, p);
    EXPECT_EQ(At(p, 99), PackRgb(255, 3, 3));
    EXPECT_EQ(At(p, 100), PackRgb(0, 0, 255));
    EXPECT_EQ(At(p, 101), PackRgb(0, 0, 254));
}

TEST(RebuildPalette, PointsBelowTheEndMarkerOrGivenNegativePositionsChangeNothing) {
    for (int position : {248, 254, -50}) {
        ControlPointList list;
        AddStartupControlPoints(list);
        const int odd =
            *list.AddControlPoint(position, PackRgb(255, 0, 0), true, PointKind::Middle);
        Palette p;
        const auto records = RebuildPalette(list, 0, 0, p);
        EXPECT_EQ(list.IndexOf(odd), position > 0 ? 2 : 0);
        EXPECT_EQ(records[static_cast<std::size_t>(list.IndexOf(odd))].Position,
                  std::max(position, 0));
        ExpectWhiteToBlack(p);
    }
}

TEST(RebuildPalette, FullContrastTurnsNearGreysIntoWhiteAndBlack) {
    ControlPointList list = Gradient(PackRgb(128, 128, 128), PackRgb(126, 126, 126));
    Palette p;
    const auto records = RebuildPalette(list, 255, 0, p);
    EXPECT_EQ(records[0].AdjustedColour, PackRgb(254, 254, 254));
    EXPECT_EQ(records[1].AdjustedColour, PackRgb(0, 0, 0));
    EXPECT_EQ(At(p, 0), PackRgb(254, 254, 254));
    EXPECT_EQ(At(p, 255), PackRgb(0, 0, 0));
}
