#include "presets/advancedfactors.h"

#include "base/errors.h"
#include "engine/texturesettings.h"

#include <gtest/gtest.h>

using namespace mottler;

namespace {

AdvancedFactorTexts Shown(const QString& c, const QString& multiplierA) {
    AdvancedFactorTexts texts;
    texts.FactorC = c;
    texts.MultiplierA = multiplierA;
    texts.ZeroAction = ZeroActionAbs;
    texts.Shown = true;
    return texts;
}

} // namespace

TEST(AdvancedFactorsTest, ShownTextsReadCAsAWholeNumberAndTheMultipliersAsDecimals) {
    const GrowthFactors factors = AdvancedFactors(GrowthFactors{}, Shown("12.5", " 2.25"));
    EXPECT_EQ(factors.FactorC, 0);
    EXPECT_EQ(factors.FactorD, PresetValues::FactorD.Startup);
    EXPECT_EQ(factors.MultiplierA, 2.25);
    EXPECT_EQ(factors.MultiplierB, 4.0);
    EXPECT_EQ(factors.Zero, ZeroActionAbs);
}

TEST(AdvancedFactorsTest, AShownMultiplierThatIsNoNumberGivesItsError) {
    try {
        AdvancedFactors(GrowthFactors{}, Shown("12", "4,0"));
        FAIL() << "no error";
    } catch (const MottlerError& error) {
        EXPECT_EQ(error.Message(), "'4,0' is not a valid floating point value");
    }
}
