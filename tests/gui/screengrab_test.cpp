#include "picker/ui/screengrab.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace mottler {
namespace {

// Runs on a real X11 display (QT_QPA_PLATFORM=xcb, e.g. under xvfb-run); skipped offscreen.
TEST(ScreenGrab, ReadsThePixelsOfAShownWindow) {
    if (!ReadScreenPixel(QPoint(0, 0)))
        GTEST_SKIP() << "the screen cannot be read here";
    QWidget patch(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    patch.setStyleSheet("background: rgb(255, 128, 0)");
    patch.setGeometry(50, 60, 40, 30);
    patch.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&patch));
    QTest::qWait(200);
    EXPECT_EQ(ReadScreenPixel(QPoint(70, 75)), PackRgb(255, 128, 0));
    const std::optional<QImage> area = GrabScreenArea(QRect(55, 65, 4, 3));
    ASSERT_TRUE(area.has_value());
    EXPECT_EQ(area->size(), QSize(4, 3));
    EXPECT_EQ(area->pixelColor(3, 2), QColor(255, 128, 0));
}

TEST(ScreenGrab, OffscreenPlatformGivesNothing) {
    if (QGuiApplication::platformName() != "offscreen")
        GTEST_SKIP() << "not the offscreen platform";
    EXPECT_FALSE(ReadScreenPixel(QPoint(1, 1)).has_value());
    EXPECT_FALSE(GrabScreenArea(QRect(0, 0, 5, 5)).has_value());
}

} // namespace
} // namespace mottler
