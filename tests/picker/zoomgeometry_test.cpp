#include "picker/zoomgeometry.h"

#include <gtest/gtest.h>

namespace mottler {
namespace {

const QRect Screen(0, 0, 1920, 1080);
const QSize View(180, 176);

TEST(ZoomGeometry, SourceAtMagnificationsOneAndSixteenIsTheViewSizeDivTheMagnification) {
    const ZoomGeometry zoom = ComputeZoomGeometry({500, 400}, View, 1, Screen);
    EXPECT_EQ(zoom.Source, QRect(410, 312, 180, 176));
    EXPECT_EQ(zoom.Copied, QRect(411, 313, 178, 174));
    EXPECT_EQ(zoom.Target, QRect(2, 2, 179, 175));
    const ZoomGeometry at16 = ComputeZoomGeometry({500, 400}, View, 16, Screen);
    EXPECT_EQ(at16.Source, QRect(495, 395, 11, 11)); // the view size div 16
    EXPECT_EQ(at16.Copied, QRect(496, 396, 9, 9));
}

TEST(ZoomGeometry, SourceStaysInsideTheScreen) {
    EXPECT_EQ(ComputeZoomGeometry({3, 2}, View, 2, Screen).Source, QRect(0, 0, 90, 88));
    EXPECT_EQ(ComputeZoomGeometry({1919, 1079}, View, 2, Screen).Source, QRect(1830, 992, 90, 88));
    const QRect second(1920, 0, 1280, 1024);
    EXPECT_EQ(ComputeZoomGeometry({1921, 500}, View, 1, second).Source.left(), 1920);
}

} // namespace
} // namespace mottler
