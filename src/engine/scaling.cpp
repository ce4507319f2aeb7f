#include "engine/scaling.h"

#include <algorithm>

namespace mottler {
namespace {

using Ext = long double;

void ScaleInto(const TextureEngine& engine, float* target) {
    const float* a = engine.FieldA.Data();
    const Ext low = engine.FieldMin;
    const auto scale =
        static_cast<float>(Ext(TextureEngine::PaletteTop) / (Ext(engine.FieldMax) - low));
    for (int k = engine.LastIndex(); k >= 0; --k) {
        const auto v = static_cast<float>((Ext(a[k]) - low) * Ext(scale));
        target[k] = v < 0.0f ? 0.0f : v;
    }
}

} // namespace

void ScaleToDisplayField(TextureEngine& engine) {
    float* display = engine.DisplayField.Data();
    if (engine.FieldMin == engine.FieldMax)
        std::fill(display, display + engine.CellCount(), 0.0f);
    else
        ScaleInto(engine, display);
}

void ScaleToPaletteIndexField(TextureEngine& engine) {
    ScaleInto(engine, engine.PaletteIndexField.Data());
}

} // namespace mottler
