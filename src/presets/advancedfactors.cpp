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

} // namespace mottler
