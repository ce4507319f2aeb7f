#include "palette/controlpoints.h"

#include <gtest/gtest.h>

using namespace mottler;

namespace {

ControlPointList StartAndEnd() {
    ControlPointList list;
    list.AddControlPoint(0, PackRgb(255, 255, 255), false, PointKind::Start);
    list.AddControlPoint(255, PackRgb(0, 0, 0), false, PointKind::End);
    return list;
}

} // namespace

TEST(ControlPointList, PlacesMarkersByKindLabelsThemAndRefusesAnEleventh) {
    ControlPointList list = StartAndEnd();
    const int middle = *list.AddControlPoint(100, PackRgb(1, 2, 3), true, PointKind::Middle);
    EXPECT_EQ(list.Points()[0].MarkerTop, -1);
    EXPECT_EQ(list.Points()[1].MarkerTop, 245);
    EXPECT_EQ(list.Find(middle)->MarkerTop, 98);
    EXPECT_EQ(list.Find(middle)->Position(), 100);
    EXPECT_EQ(list.ActivePoint(), middle) << "a new point becomes active";

    for (int i = 0; i < 7; ++i)
        ASSERT_TRUE(list.AddControlPoint(10 + i, 0, true, PointKind::Middle));
    const int active = *list.ActivePoint();
    EXPECT_FALSE(list.AddControlPoint(50, 0, true, PointKind::Middle));
    EXPECT_EQ(list.Count(), 10);
    EXPECT_EQ(list.ActivePoint(), active);
    list.Renumber();
    EXPECT_EQ(list.Points()[8].Number, 9);
    EXPECT_EQ(list.Points()[9].Number, 0);
}

TEST(ControlPointList, RemovingAPointSelectsItsPredecessor) {
    ControlPointList list = StartAndEnd();
    const int start = list.Points()[0].Id;
    const int middle = *list.AddControlPoint(100, 0, true, PointKind::Middle);
    list.RemoveControlPoint(list.Points()[1].Id);
    EXPECT_EQ(list.ActivePoint(), start);
    EXPECT_EQ(list.IndexOf(middle), 1);
    list.ClearControlPoints();
    EXPECT_FALSE(list.ActivePoint());
}

TEST(ControlPointList, OnlyMiddleMarkersMoveAndWithinTheStrip) {
    ControlPointList list = StartAndEnd();
    const int middle = *list.AddControlPoint(100, 0, true, PointKind::Middle);
    EXPECT_EQ(list.MoveMarker(middle, -40), 0);
    EXPECT_EQ(list.Find(middle)->Position(), 2);
    EXPECT_EQ(list.MoveMarker(middle, 400), 252);
    EXPECT_EQ(list.Find(middle)->Position(), 254);
    EXPECT_EQ(list.MoveMarker(list.Points()[0].Id, 50), -1);
}

TEST(ControlPointList, DuplicateHalvesTheMarkersTopInThePageAndWrapsNearTheTop) {
    EXPECT_EQ(DuplicatePosition(PageStripTop + ControlPointList::StartMarkerTop), 29);
    EXPECT_EQ(DuplicatePosition(PageStripTop + 98), 78); // a middle point at 100
    EXPECT_EQ(DuplicatePosition(8), 252);
}
