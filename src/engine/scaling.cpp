#include "engine/scaling.h"

#include <algorithm>

namespace mottler {
namespace {

void ScaleInto(const TextureEngine& engine, float* target) {
    const float* a = engine.FieldA.Data();
    const float low = engine.FieldMin;
    const float scale = DisplayScale(engine);
    for (int k = engine.LastIndex(); k >= 0; --k)
        target[k] = ScaledCell(a[k], low, scale);
}

} // namespace

float DisplayScale(const TextureEngine& engine) {
    using Ext = long double;
    return static_cast<float>(Ext(TextureEngine::PaletteTop) /
                              (Ext(engine.FieldMax) - Ext(engine.FieldMin)));
}

void ScaleToDisplayField(TextureEngine& engine) {
    float* display = engine.DisplayField.Data();
    if (engine.FieldMin == engine.FieldMax)
        std::fill(display, display + engine.CellCount(), 0.0f);
    else
        ScaleInto(engine, display);
}

} // namespace mottler
