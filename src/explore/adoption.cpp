#include "explore/adoption.h"

#include "document/texturedocument.h"

namespace mottler {

Variation DocumentVariation(const TextureDocument& document) {
    return {document.Settings(), document.Advanced()};
}

void AdoptVariation(TextureDocument& document, const Variation& variation) {
    const TextureSettings& s = variation.Settings;
    document.SetType(s.Type);
    document.SetSeed(s.Seed);
    document.SetIterations(s.Iterations);
    document.SetFactorA(s.FactorA);
    document.SetFactorB(s.FactorB);
    document.SetDrift(s.DriftKind);
    document.SetAdvanced(variation.Advanced);
}

} // namespace mottler
