#pragma once

#include "base/presetkeys.h"
#include "engine/growth.h"

#include <QString>

namespace mottler {

/// The Advanced window's values as its boxes hold them, and whether the window is shown. The
/// texts are kept as typed: a preset saves them exactly ("4.0"), and a run converts them only
/// when it starts (AdvancedFactors). The start-up texts are the defaults of
/// base/presetkeys.h, the multipliers with one decimal.
struct AdvancedFactorTexts {
    QString FactorC = QString::number(PresetValues::FactorC.Startup);
    QString FactorD = QString::number(PresetValues::FactorD.Startup);
    QString MultiplierA = QString::number(PresetValues::MultiplierA.Startup) + ".0";
    QString MultiplierB = QString::number(PresetValues::MultiplierB.Startup) + ".0";
    /// The zero action selected, −1 when none is.
    int ZeroAction = PresetValues::ZeroAction.Startup;
    /// The values steer a run only while the window is shown.
    bool Shown = false;
};

/// The factors a run uses: `factors` with the advanced values of `texts` while the window is
/// shown (C and D by the integer rule IntValue, so "12.5" runs as 0; the multipliers as
/// decimal numbers), else `factors` unchanged. Throws MottlerError with DecimalNumber's
/// message when a shown multiplier is not a number.
GrowthFactors AdvancedFactors(GrowthFactors factors, const AdvancedFactorTexts& texts);

/// The other way: the texts, shown, that run as the factors' C, D, multipliers and zero
/// action (the multipliers as the shortest texts that read back as the same numbers).
AdvancedFactorTexts AdvancedTextsOf(const GrowthFactors& factors);

} // namespace mottler
