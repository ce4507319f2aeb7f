#include "picker/ui/screengrab.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

namespace mottler {
namespace {

// Reading a real display is checked by the zoom window's drag test under X11.
TEST(ScreenGrab, OffscreenPlatformGivesNothing) {
    if (QGuiApplication::platformName() != "offscreen")
        GTEST_SKIP() << "not the offscreen platform";
    EXPECT_FALSE(ReadScreenPixel(QPoint(1, 1)).has_value());
    EXPECT_FALSE(GrabScreenArea(QRect(0, 0, 5, 5)).has_value());
}

} // namespace
} // namespace mottler
