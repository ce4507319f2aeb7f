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
