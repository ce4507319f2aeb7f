#pragma once

#include "engine/engine.h"

#include <immintrin.h>

namespace mottler {

/// Scales FieldA from [FieldMin, FieldMax] onto 0 … 255 into the display field; a uniform
/// field gives all zeros.
void ScaleToDisplayField(TextureEngine& engine);

/// The factor that maps [FieldMin, FieldMax] onto 0 … 255: the quotient in extended
/// precision, rounded to a float. The range must not be empty.
float DisplayScale(const TextureEngine& engine);

/// One cell's scaled value: float((a − low) × scale) in extended precision, negative
/// results 0.
inline float ScaledCell(float a, float low, float scale) {
    using Ext = long double;
    const auto v = static_cast<float>((Ext(a) - Ext(low)) * Ext(scale));
    return v < 0.0f ? 0.0f : v;
}

/// The palette entry of a scaled value: nearest integer, halves to even. CVTSS2SI rounds by
/// the current rounding mode as std::nearbyint does, without a library call per pixel.
inline int PaletteIndex(float scaled) {
    return _mm_cvtss_si32(_mm_set_ss(scaled));
}

} // namespace mottler
