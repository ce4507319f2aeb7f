#pragma once

#include "engine/engine.h"

#include <cmath>

namespace mottler {

/// Scales FieldA from [FieldMin, FieldMax] onto 0 … 255 into the display field; a uniform
/// field gives all zeros.
void ScaleToDisplayField(TextureEngine& engine);

/// The same into the palette-index field, during a run (the range is never empty there).
void ScaleToPaletteIndexField(TextureEngine& engine);

/// The palette entry of a scaled value: nearest integer, halves to even.
inline int PaletteIndex(float scaled) {
    return static_cast<int>(std::nearbyint(scaled));
}

} // namespace mottler
