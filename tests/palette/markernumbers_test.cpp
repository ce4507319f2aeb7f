#include "palette/markernumbers.h"

#include <gtest/gtest.h>

namespace mottler {
namespace {

constexpr int NumberHeight = 13;

TEST(MarkerNumbers, CloseMarkersShowOneNumberAndTheActivePointsAlways) {
    ControlPointList points;
    const int start = *points.AddControlPoint(0, 0, false, PointKind::Start);
    const int end = *points.AddControlPoint(255, 0, false, PointKind::End);
    const int a = *points.AddControlPoint(100, 0, true, PointKind::Middle);
    const int b = *points.AddControlPoint(108, 0, true, PointKind::Middle);
    const int c = *points.AddControlPoint(121, 0, true, PointKind::Middle); // 13 below a
    points.SelectControlPoint(start);
    EXPECT_EQ(HiddenMarkerNumbers(points, NumberHeight), std::set<int>{b});
    points.SelectControlPoint(b);
    EXPECT_EQ(HiddenMarkerNumbers(points, NumberHeight), std::set<int>{a}) << "c is 13 below b";
    // Far apart, every number shows.
    points.MoveMarker(b, 150);
    points.MoveMarker(c, 200);
    EXPECT_TRUE(HiddenMarkerNumbers(points, NumberHeight).empty());
    (void)end;
}

} // namespace
} // namespace mottler
