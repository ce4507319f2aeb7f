#include "gradients/gradientstrip.h"

#include "base/errors.h"
#include "errortext.h"
#include "palette/palette.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace mottler;

namespace {

constexpr PackedColour Black = PackRgb(0, 0, 0);
constexpr PackedColour White = PackRgb(255, 255, 255);
constexpr PackedColour Red = PackRgb(255, 0, 0);

PackedColour PixelAt(const QImage& image, int x, int y) {
    const QRgb rgb = image.pixel(x, y);
    return PackRgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

/// The colour of column x, or 1 (not a colour of any test) when its rows differ.
PackedColour ColumnColour(const QImage& image, int x) {
    for (int y = 1; y < image.height(); ++y)
        if (PixelAt(image, x, y) != PixelAt(image, x, 0))
            return 1;
    return PixelAt(image, x, 0);
}

GradientSettings BlackToWhite(const char* width) {
    GradientSettings s;
    s.StartColour = Black;
    s.EndColour = White;
    s.BackgroundColour = Red;
    s.GradientWidth = width;
    return s;
}

QImage Drawn(const GradientSettings& s, int width = 348, int height = 453) {
    QImage preview(width, height, QImage::Format_BGR888);
    RedrawGradient(preview, s, Palette{});
    return preview;
}

QString MessageOf(const GradientSettings& s) {
    return test::ErrorText([&] { MakeGradientImage(Drawn(s, 20, 2), s); });
}

} // namespace

TEST(GradientStripTest, WidthFourFromBlackToWhiteDrawsFiveGreysThenBackground) {
    const QImage preview = Drawn(BlackToWhite("4"), 20, 3);
    const int greys[] = {0, 63, 127, 191, 255};
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(ColumnColour(preview, x), PackRgb(greys[x], greys[x], greys[x])) << x;
    for (int x = 5; x < 20; ++x)
        EXPECT_EQ(ColumnColour(preview, x), Red) << x;
}

TEST(GradientStripTest, WidthIsClampedToOneAndTwoHundredFiftyFive) {
    const QImage wide = Drawn(BlackToWhite("300"), 300, 2);
    EXPECT_EQ(ColumnColour(wide, 254), PackRgb(254, 254, 254));
    EXPECT_EQ(ColumnColour(wide, 255), White);
    EXPECT_EQ(ColumnColour(wide, 256), Red);
    for (const char* width : {"0", "", "-3"}) {
        const QImage narrow = Drawn(BlackToWhite(width), 4, 2);
        EXPECT_EQ(ColumnColour(narrow, 0), Black) << width;
        EXPECT_EQ(ColumnColour(narrow, 1), White) << width;
        EXPECT_EQ(ColumnColour(narrow, 2), Red) << width;
    }
}

TEST(GradientStripTest, TextureGradientTakesPaletteEntriesForGradientAndBorder) {
    GradientSettings s = BlackToWhite("3");
    s.UseTextureGradient = true;
    s.AddBorder = true;
    s.BorderWidth = "2";
    Palette palette;
    for (int i = 0; i < 256; ++i)
        palette.Colours[std::size_t(i)] = PackRgb(i, 255 - i, 7);
    QImage preview(10, 2, QImage::Format_BGR888);
    RedrawGradient(preview, s, palette);
    const int expected[] = {0, 1, 2, 3, 0, 1, 2};
    for (int x = 0; x < 7; ++x)
        EXPECT_EQ(ColumnColour(preview, x), palette.Colours[std::size_t(expected[x])]) << x;
    EXPECT_EQ(ColumnColour(preview, 7), Red);
}

// The output shows every column the preview draws: 48 + 1 gradient columns and 4 + 1 border
// columns, the last of them the border colour itself.
TEST(GradientStripTest, OutputCopiesEveryGradientAndBorderColumnThePreviewDraws) {
    GradientSettings s = BlackToWhite("48");
    s.AddBorder = true;
    s.BorderWidth = "4";
    s.BorderColour = PackRgb(0, 0, 200);
    const QImage preview = Drawn(s);
    const QImage image = MakeGradientImage(preview, s);
    ASSERT_EQ(image.size(), QSize(1025, 10));
    for (int x = 0; x < 54; ++x)
        EXPECT_EQ(ColumnColour(image, x), PixelAt(preview, x, 0)) << x;
    EXPECT_EQ(ColumnColour(image, 49), White); // the border starts with the end colour again
    EXPECT_EQ(ColumnColour(image, 51), PackRgb(128, 128, 228));
    EXPECT_EQ(ColumnColour(image, 53), PackRgb(0, 0, 200));
    for (int x = 54; x < 1025; ++x)
        ASSERT_EQ(ColumnColour(image, x), Red) << x;
    // Without the border its width adds nothing, and the gradient's end colour is shown.
    s.AddBorder = false;
    const QImage plain = MakeGradientImage(Drawn(s), s);
    EXPECT_EQ(ColumnColour(plain, 48), White);
    EXPECT_EQ(ColumnColour(plain, 49), Red);
}

TEST(GradientStripTest, OutputBeyondTheStripExtendsItsColumnsDownAndTheBackgroundRight) {
    GradientSettings s = BlackToWhite("40");
    s.SaveWidth = "60";
    s.SaveHeight = "7";
    const QImage preview = Drawn(s, 30, 2);
    const QImage image = MakeGradientImage(preview, s);
    for (int x = 0; x < 30; ++x)
        EXPECT_EQ(ColumnColour(image, x), PixelAt(preview, x, 1)) << x;
    for (int x = 30; x < 60; ++x)
        EXPECT_EQ(ColumnColour(image, x), Red) << x;
    EXPECT_EQ(ColumnColour(MakeGradientImage(QImage(), s), 0), Red);
}

TEST(GradientStripTest, OutputSizeBelowOneIsRefusedWidthFirst) {
    GradientSettings s = BlackToWhite("4");
    s.SaveWidth = "0";
    s.SaveHeight = "0";
    EXPECT_EQ(MessageOf(s), "Fading border width <= 0.  Please use a higher value.");
    s.SaveWidth = "5";
    s.SaveHeight = "";
    EXPECT_EQ(MessageOf(s), "Fading border height <= 0.  Please use a higher value.");
    s.SaveWidth = s.SaveHeight = "2147483647";
    EXPECT_EQ(MessageOf(s), FadingBorderMemoryMessage);
}
