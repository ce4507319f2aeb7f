#include "palette/colourmatch.h"
#include "palette/palettefile.h"
#include "palette/websafepalette.h"

#include <gtest/gtest.h>

namespace mottler {
namespace {

TEST(ColourMatch, LuminanceRoundsHalvesToEven) {
    EXPECT_EQ(LuminanceOf(PackRgb(1, 0, 0)), 0); // 0.5
    EXPECT_EQ(LuminanceOf(PackRgb(3, 0, 0)), 2); // 1.5
    EXPECT_EQ(LuminanceOf(PackRgb(5, 200, 0)), 100);
    EXPECT_EQ(LuminanceOf(PackRgb(255, 255, 254)), 254); // 254.5
}

TEST(ColourMatch, LuminanceSortIsStableAndLeavesTheRestInPlace) {
    std::array<PackedColour, 256> colours{};
    colours[0] = PackRgb(200, 200, 200);
    colours[1] = PackRgb(0, 100, 0); // lightness 50
    colours[2] = PackRgb(100, 0, 0); // lightness 50, after the green one in the file
    colours[3] = PackRgb(10, 10, 10);
    colours[4] = PackRgb(1, 1, 1); // beyond the count
    SortByLuminance(colours, 4);
    EXPECT_EQ(colours[0], PackRgb(10, 10, 10));
    EXPECT_EQ(colours[1], PackRgb(0, 100, 0));
    EXPECT_EQ(colours[2], PackRgb(100, 0, 0));
    EXPECT_EQ(colours[3], PackRgb(200, 200, 200));
    EXPECT_EQ(colours[4], PackRgb(1, 1, 1));
}

TEST(ColourMatch, DistanceWeightsGreenAndRejectsEarly) {
    EXPECT_EQ(ColourDistance(PackRgb(1, 2, 3), PackRgb(3, 5, 7)), 10 * 9 + 3 * 4 + 16);
    EXPECT_EQ(ColourDistance(PackRgb(0, 0, 0), PackRgb(0, 3, 0), 90), RejectedDistance);
    EXPECT_EQ(ColourDistance(PackRgb(0, 0, 0), PackRgb(0, 3, 0), 91), 90);
}

TEST(ColourMatch, FindsWhiteForNearWhiteOnTheWebSafePalette) {
    const PaletteFileColours websafe = ReadRiffPalette(WebSafePaletteBytes());
    EXPECT_EQ(FindNearestColour(websafe.Colours, PackRgb(250, 250, 250)), 0);
    EXPECT_EQ(FindNearestColour(websafe.Colours, PackRgb(0, 0, 0)), 215);
    EXPECT_EQ(FindNearestColour(websafe.Colours, PackRgb(200, 110, 40)), 58); // 204,102,51
}

TEST(ColourMatch, SpectrumSearchScansFromTheBottomRightAndSkipsTheLastRow) {
    QImage spectrum(4, 5, QImage::Format_RGB888);
    spectrum.fill(QColor(0, 0, 255));
    spectrum.setPixelColor(3, 4, QColor(10, 20, 30)); // last row: never searched
    spectrum.setPixelColor(1, 1, QColor(10, 20, 30));
    spectrum.setPixelColor(0, 3, QColor(10, 20, 30));
    EXPECT_EQ(FindInSpectrum(spectrum, PackRgb(10, 20, 30)), QPoint(1, 1));
    spectrum.setPixelColor(2, 0, QColor(12, 20, 30));
    spectrum.setPixelColor(2, 2, QColor(12, 20, 30));
    EXPECT_EQ(FindInSpectrum(spectrum, PackRgb(11, 20, 30)), QPoint(2, 2));
    // White and black sit at the middle of the side columns, whatever the spectrum holds.
    QImage red(91, 390, QImage::Format_RGB888);
    red.fill(Qt::red);
    EXPECT_EQ(FindInSpectrum(red, PackRgb(255, 255, 255)), QPoint(90, 195));
    EXPECT_EQ(FindInSpectrum(red, 0), QPoint(0, 195));
    EXPECT_EQ(FindInSpectrum(QImage(), PackRgb(1, 2, 3)), std::nullopt);
}

} // namespace
} // namespace mottler
