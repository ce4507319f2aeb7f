#include "engine/texturesettings.h"
#include "errortext.h"
#include "presets/advancedfactors.h"

#include <gtest/gtest.h>

using namespace mottler;

TEST(AdvancedFactorsTest, ShownTextsReadCAsAWholeNumberAndTheMultipliersAsDecimals) {
    AdvancedFactorTexts texts;
    texts.FactorC = "12.5";
    texts.MultiplierA = " 2.25";
    texts.ZeroAction = ZeroActionAbs;
    texts.Shown = true;
    const GrowthFactors factors = AdvancedFactors(GrowthFactors{}, texts);
    EXPECT_EQ(factors.FactorC, 0);
    EXPECT_EQ(factors.FactorD, PresetValues::FactorD.Startup);
    EXPECT_EQ(factors.MultiplierA, 2.25);
    EXPECT_EQ(factors.MultiplierB, 4.0);
    EXPECT_EQ(factors.Zero, ZeroActionAbs);
    texts.MultiplierA = "4,0";
    EXPECT_EQ(test::ErrorText([&] { AdvancedFactors(GrowthFactors{}, texts); }),
              "'4,0' is not a valid floating point value");
    // "nan" and "inf" read as numbers, but no run can grow with them.
    for (const char* text : {"NAN", "inf", "-Infinity"}) {
        texts.MultiplierA = text;
        EXPECT_EQ(test::ErrorText([&] { AdvancedFactors(GrowthFactors{}, texts); }),
                  QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
}

// The command line's factors go into a preset and the explorer as texts: those texts run as
// the very factors given, however many digits a multiplier has.
TEST(AdvancedFactorsTest, TheTextsOfFactorsRunAsThoseFactors) {
    GrowthFactors given;
    given.FactorC = -7;
    given.FactorD = 2147483647;
    given.MultiplierA = 0.1;
    given.MultiplierB = 3.9999999999999996;
    given.Zero = ZeroActionB;
    const AdvancedFactorTexts texts = AdvancedTextsOf(given);
    EXPECT_TRUE(texts.Shown);
    const GrowthFactors back = AdvancedFactors(GrowthFactors{}, texts);
    EXPECT_EQ(back.FactorC, given.FactorC);
    EXPECT_EQ(back.FactorD, given.FactorD);
    EXPECT_EQ(back.MultiplierA, given.MultiplierA);
    EXPECT_EQ(back.MultiplierB, given.MultiplierB);
    EXPECT_EQ(back.Zero, given.Zero);
}
