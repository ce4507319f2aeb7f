#include "explore/adoption.h"

#include "document/texturedocument.h"

namespace mottler {

Variation DocumentVariation(const TextureDocument& document) {
    return {document.Settings(), document.Advanced()};
}

namespace {

// The trackbar's range grows in steps of 1000, as Shift+right-click grows it, until the value
// fits.
void FitRange(TextureDocument& document, RangedValue ranged, int value) {
    while (document.Maximum(ranged) < value)
        document.RaiseMaximum(ranged);
}

} // namespace

void AdoptVariation(TextureDocument& document, const Variation& variation) {
    const TextureDocument::Step step(document, QStringLiteral("Adopt Variation"));
    const TextureSettings& s = variation.Settings;
    FitRange(document, RangedValue::Iterations, s.Iterations);
    FitRange(document, RangedValue::FactorA, s.FactorA);
    FitRange(document, RangedValue::FactorB, s.FactorB);
    document.SetType(s.Type);
    document.SetSeed(s.Seed);
    document.SetIterations(s.Iterations);
    document.SetFactorA(s.FactorA);
    document.SetFactorB(s.FactorB);
    document.SetDrift(s.DriftKind);
    document.SetAdvanced(variation.Advanced);
}

} // namespace mottler
