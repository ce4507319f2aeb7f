#include "palette/colourmaths.h"

#include <gtest/gtest.h>

using namespace mottler;

namespace {

int ContrastOfGrey(int v, int contrast) {
    return RedOf(AdjustContrast(PackRgb(v, v, v), ContrastFactor(contrast)));
}

} // namespace

TEST(AdjustContrast, WorkedExamplesAtPlusAndMinus128) {
    const int in[] = {0, 50, 126, 127, 200, 255};
    const int plus[] = {0, 25, 63, 191, 227, 254};
    const int minus[] = {64, 89, 127, 127, 163, 191};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(ContrastOfGrey(in[i], 128), plus[i]) << in[i];
        EXPECT_EQ(ContrastOfGrey(in[i], -128), minus[i]) << in[i];
    }
    EXPECT_EQ(AdjustContrast(PackRgb(0, 127, 255), ContrastFactor(128)), PackRgb(0, 191, 254));
}

TEST(AdjustContrast, FullContrastSplitsAt127AndFullNegativeGivesGrey) {
    EXPECT_EQ(ContrastOfGrey(127, 255), 254);
    EXPECT_EQ(ContrastOfGrey(126, 255), 0);
    for (int v : {0, 77, 255})
        EXPECT_EQ(ContrastOfGrey(v, -255), 127);
}

TEST(AdjustBrightness, AddsAndClampsPerChannel) {
    EXPECT_EQ(AdjustBrightness(PackRgb(10, 128, 250), 10), PackRgb(20, 138, 255));
    EXPECT_EQ(AdjustBrightness(PackRgb(10, 128, 250), -20), PackRgb(0, 108, 230));
}

TEST(MapRange, PointerPositionsAndClamping) {
    const int top = 61; // the contrast strip, 129 rows
    EXPECT_EQ(MapRange(top, top, top + 129, -255, 255), -255);
    EXPECT_EQ(MapRange(top + 129, top, top + 129, -255, 255), 255);
    EXPECT_EQ(MapRange(top + 64, top, top + 129, -255, 255), -2);
    EXPECT_EQ(MapRange(195 + 61, 195, 195 + 122, -255, 255), 0); // centred brightness pointer
    EXPECT_EQ(MapRange(0, -255, 255, top, top + 129), top + 64) << "64.5 rounds to even";
    EXPECT_EQ(MapRange(300, 0, 100, -255, 255), 255);
    EXPECT_EQ(MapRange(20, 0, 10, 5, -5), -5);
    EXPECT_EQ(MapRange(7, 3, 3, 1, 9), 1) << "an empty input range";
}

TEST(BlendColours, MovesEachChannelByTheRoundedShare) {
    EXPECT_EQ(BlendColours(PackRgb(255, 255, 255), PackRgb(192, 192, 192), 0.5f),
              PackRgb(223, 223, 223));
    EXPECT_EQ(BlendColours(PackRgb(0, 10, 255), PackRgb(1, 20, 0), 0.5f), PackRgb(0, 15, 127));
}

TEST(TextColourOn, DarkOnLightColoursAndLightOnDarkOnes) {
    for (PackedColour light :
         {PackRgb(255, 255, 255), PackRgb(255, 255, 0), PackRgb(0, 255, 0), PackRgb(160, 200, 255)})
        EXPECT_EQ(TextColourOn(light), PackRgb(0, 0, 0));
    for (PackedColour dark :
         {PackRgb(0, 0, 0), PackRgb(0, 0, 128), PackRgb(255, 0, 0), PackRgb(204, 0, 204)})
        EXPECT_EQ(TextColourOn(dark), PackRgb(255, 255, 255));
}
