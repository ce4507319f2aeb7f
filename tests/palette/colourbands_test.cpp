#include "base/errors.h"
#include "errortext.h"
#include "palette/colourbands.h"
#include "palette/strips.h"

#include <gtest/gtest.h>

using namespace mottler;

TEST(DrawSpectrum, BlackFirstColumnWhiteLastAndTheHuesBetween) {
    const QImage s = DrawSpectrum(52, 43);
    ASSERT_EQ(s.size(), QSize(52, 258));
    for (int y = 0; y < 258; ++y) {
        ASSERT_EQ(PixelAt(s, 0, y), PackRgb(0, 0, 0)) << y;
        ASSERT_EQ(PixelAt(s, 51, y), PackRgb(255, 255, 255)) << y;
    }
    // Row 0 is pure red: a sixth of it in column 1, full at the middle, then toward white.
    EXPECT_EQ(PixelAt(s, 1, 0), PackRgb(42, 0, 0));
    EXPECT_EQ(PixelAt(s, 25, 0), PackRgb(255, 0, 0));
    EXPECT_EQ(PixelAt(s, 50, 0), PackRgb(255, 212, 212));
    EXPECT_EQ(PixelAt(s, 25, 43), PackRgb(255, 255, 0));
    EXPECT_EQ(PixelAt(s, 25, 215), PackRgb(128, 0, 128));
    EXPECT_EQ(PixelAt(s, 25, 257), PackRgb(252, 0, 3)) << "purple almost back to red";
}

TEST(PixelAt, ClampsNegativesGivesBlackBeyondAndRefusesOtherDepths) {
    QImage image(2, 2, QImage::Format_RGB888);
    image.fill(QColor(10, 20, 30));
    image.setPixelColor(0, 0, QColor(1, 2, 3));
    EXPECT_EQ(PixelAt(image, -5, -1), PackRgb(1, 2, 3));
    EXPECT_EQ(PixelAt(image, 2, 0), PackRgb(0, 0, 0));
    EXPECT_EQ(PixelAt(image, 0, 2), PackRgb(0, 0, 0));
    EXPECT_EQ(test::ErrorText([] { PixelAt(QImage(2, 2, QImage::Format_RGB32), 0, 0); }),
              "Cannot scan less than 24bit bitmap.");
}

TEST(DrawAdjustStrips, BrightnessRampAndContrastChecks) {
    const AdjustStrips strips = DrawAdjustStrips();
    const auto grey = [](int v) { return PackRgb(v, v, v); };
    ASSERT_EQ(strips.Brightness.size(), QSize(1, 122));
    EXPECT_EQ(PixelAt(strips.Brightness, 0, 0), grey(0));
    EXPECT_EQ(PixelAt(strips.Brightness, 0, 61), grey(128));
    EXPECT_EQ(PixelAt(strips.Brightness, 0, 121), grey(255));

    const QImage& c = strips.Contrast;
    ASSERT_EQ(c.size(), QSize(2, 129));
    EXPECT_EQ(PixelAt(c, 0, 0), grey(192));
    EXPECT_EQ(PixelAt(c, 1, 0), grey(192));
    EXPECT_EQ(PixelAt(c, 0, 1), grey(191)) << "row 0 stands alone; black starts at row 1";
    EXPECT_EQ(PixelAt(c, 1, 1), grey(192));
    EXPECT_LT(RedOf(PixelAt(c, 0, 5)), RedOf(PixelAt(c, 1, 5)));
    EXPECT_GT(RedOf(PixelAt(c, 0, 6)), RedOf(PixelAt(c, 1, 6)));
    EXPECT_EQ(PixelAt(c, 0, 128), grey(255));
    EXPECT_EQ(PixelAt(c, 1, 128), grey(1));
}
