#include "base/errors.h"
#include "preview/textcontrast.h"

#include <gtest/gtest.h>

using namespace mottler;

namespace {

constexpr PackedColour Black = PackRgb(0, 0, 0);
constexpr PackedColour White = PackRgb(255, 255, 255);
constexpr PackedColour Grey77 = PackRgb(0x77, 0x77, 0x77);

} // namespace

TEST(ContrastRatio, KnownPairs) {
    EXPECT_DOUBLE_EQ(ContrastRatio(Black, White), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(White, Black), 21.0);
    EXPECT_NEAR(ContrastRatio(Grey77, White), 4.478, 0.001);
    EXPECT_DOUBLE_EQ(ContrastRatio(PackRgb(12, 200, 99), PackRgb(12, 200, 99)), 1.0);
    EXPECT_NEAR(RelativeLuminance(PackRgb(255, 0, 0)), 0.2126, 1e-12);
}

TEST(ContrastRatio, VerdictsAndTextNeverRoundUpToALevel) {
    EXPECT_EQ(VerdictForNormalText(ContrastRatio(Grey77, White)), ContrastVerdict::Fail);
    EXPECT_EQ(RatioText(ContrastRatio(Grey77, White)), "4.47:1");
    EXPECT_EQ(VerdictForNormalText(4.5), ContrastVerdict::AA);
    EXPECT_EQ(VerdictForNormalText(6.99), ContrastVerdict::AA);
    EXPECT_EQ(VerdictForNormalText(7.0), ContrastVerdict::AAA);
    EXPECT_EQ(RatioText(21), "21.00:1");
}

TEST(BackgroundContrast, OneDarkPixelFailsWhereTheAverageStillPasses) {
    QImage tile(10, 10, QImage::Format_BGR888);
    tile.fill(Qt::white);
    tile.setPixel(3, 4, qRgb(20, 20, 20));
    const BackgroundContrast background(tile);
    EXPECT_EQ(background.AverageColour(), PackRgb(253, 253, 253)); // 252.65 each
    const TextReadability r = background.Readability(Black);
    EXPECT_EQ(VerdictForNormalText(r.AgainstAverage), ContrastVerdict::AAA);
    EXPECT_EQ(VerdictForNormalText(r.AgainstWorstPixel), ContrastVerdict::Fail);
    EXPECT_DOUBLE_EQ(r.AgainstWorstPixel, ContrastRatio(Black, PackRgb(20, 20, 20)));
}

// The darkest and lightest pixels give the best ratio for a mid-grey text, not the worst:
// the worst is the pixel nearest the text in luminance.
TEST(BackgroundContrast, TheWorstPixelIsTheNearestInLuminanceNotAnExtreme) {
    QImage tile(3, 1, QImage::Format_RGB32);
    tile.setPixel(0, 0, qRgb(0, 0, 0));
    tile.setPixel(1, 0, qRgb(0x70, 0x80, 0x70));
    tile.setPixel(2, 0, qRgb(255, 255, 255));
    const TextReadability r = BackgroundContrast(tile).Readability(Grey77);
    EXPECT_DOUBLE_EQ(r.AgainstWorstPixel, ContrastRatio(Grey77, PackRgb(0x70, 0x80, 0x70)));
    EXPECT_LT(r.AgainstWorstPixel, 1.1);
}
