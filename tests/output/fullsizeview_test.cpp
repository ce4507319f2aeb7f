#include "base/usersettings.h"
#include "output/fullsizeview.h"

#include <gtest/gtest.h>

using namespace mottler;

namespace {

/// How many pixels of the picture have exactly this colour.
int Count(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

/// The client area painted as the view paints it, over a white background.
QImage PaintedClient(const QImage& tile, QSize client) {
    QImage painted(client, QImage::Format_RGB32);
    painted.fill(Qt::white);
    QPainter painter(&painted);
    PaintFullSizeTiles(painter, tile, client);
    return painted;
}

} // namespace

TEST(FullSizeView, CaptionCountsWholeTilesAtLeastOneAndAddsTheHintAndFrame) {
    const QSize tile(100, 100);
    EXPECT_EQ(FullSizeCaption({tile, {450, 320}, 0, 0}), "4 by 3 tiles");
    EXPECT_EQ(FullSizeCaption({tile, {450, 320}, 3, 0}),
              "4 by 3 tiles (Right-click for original image)");
    EXPECT_EQ(FullSizeCaption({tile, {450, 320}, 1, 12}),
              "4 by 3 tiles (Right-click for original image) Frame 12");
    // A tile wider or taller than the window is still one tile on show.
    EXPECT_EQ(FullSizeCaption({tile, {60, 320}, 0, 4}), "1 by 3 tiles Frame 4");
    EXPECT_EQ(FullSizeCaption({{3000, 3000}, {1920, 1080}, 0, 0}), "1 by 1 tiles");
    EXPECT_EQ(FullSizeCaption({{2001, 1}, {1920, 1080}, 0, 0}), "1 by 1080 tiles");
    EXPECT_EQ(FullSizeCaption({QSize(0, 0), {450, 320}, 1, 4}), QString());
}

TEST(FullSizeView, TilesTheClientIncludingThePartlyVisibleEdgeTiles) {
    QImage tile(100, 100, QImage::Format_BGR888);
    tile.fill(Qt::blue);
    tile.setPixel(0, 0, qRgb(255, 0, 0));
    const QImage painted = PaintedClient(tile, {450, 320});
    EXPECT_EQ(Count(painted, qRgb(255, 0, 0)), 5 * 4);
    EXPECT_EQ(Count(painted, qRgb(255, 255, 255)), 0);
    EXPECT_EQ(painted.pixel(400, 300), qRgb(255, 0, 0));

    const QImage narrow = PaintedClient(tile, {60, 320});
    EXPECT_EQ(Count(narrow, qRgb(255, 0, 0)), 4);
    EXPECT_EQ(Count(narrow, qRgb(255, 255, 255)), 0);
}

TEST(FullSizeView, GradientStripIsWidenedWithTheBackgroundColour) {
    QImage strip(30, 10, QImage::Format_RGB32);
    strip.fill(Qt::green);
    const QImage wide = WidenGradientStrip(strip, 50, QColor(10, 20, 30));
    ASSERT_EQ(wide.size(), QSize(50, 10));
    EXPECT_EQ(wide.pixel(29, 9), qRgb(0, 255, 0));
    EXPECT_EQ(wide.pixel(30, 0), qRgb(10, 20, 30));
    EXPECT_EQ(wide.pixel(49, 9), qRgb(10, 20, 30));

    EXPECT_EQ(GradientPageWidth(), 2001);
    UserSettings::WriteInt("Gradient Width", 1500);
    EXPECT_EQ(GradientPageWidth(), 1500);
    UserSettings::WriteInt("Gradient Width", 2000000000);
    EXPECT_EQ(GradientPageWidth(), 2001);
    UserSettings::WriteInt("Gradient Width", 0);
    EXPECT_EQ(GradientPageWidth(), 2001);
}
