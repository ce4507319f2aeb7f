#include "presets/advancedfactors.h"

#include "base/numbers.h"

namespace mottler {

GrowthFactors AdvancedFactors(GrowthFactors factors, const AdvancedFactorTexts& texts) {
    if (!texts.Shown)
        return factors;
    factors.FactorC = IntValue(texts.FactorC);
    factors.FactorD = IntValue(texts.FactorD);
    factors.MultiplierA = DecimalNumber(texts.MultiplierA);
    factors.MultiplierB = DecimalNumber(texts.MultiplierB);
    factors.Zero = texts.ZeroAction;
    return factors;
}

AdvancedFactorTexts AdvancedTextsOf(const GrowthFactors& factors) {
    AdvancedFactorTexts texts;
    texts.FactorC = QString::number(factors.FactorC);
    texts.FactorD = QString::number(factors.FactorD);
    texts.MultiplierA = QString::number(factors.MultiplierA, 'g', 17);
    texts.MultiplierB = QString::number(factors.MultiplierB, 'g', 17);
    texts.ZeroAction = factors.Zero;
    texts.Shown = true;
    return texts;
}

} // namespace mottler
