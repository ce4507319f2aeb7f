#pragma once

#include "engine/engine.h"

#include <QImage>

namespace mottler {

/// Which way a normal map's green channel points.
enum class NormalConvention {
    OpenGl,  ///< green up: a slope rising toward the top of the picture is green
    DirectX, ///< green down: the green channel of OpenGL inverted
};

/// The strength a normal map has unless the user chooses another.
inline constexpr double DefaultNormalStrength = 4.0;
/// The greatest strength accepted.
inline constexpr double MaxNormalStrength = 1000.0;

/// How a normal map is made from the heights.
struct NormalMapOptions {
    /// How many pixels high the field's whole range stands: 0 is flat, more is steeper.
    double Strength = DefaultNormalStrength;
    NormalConvention Convention = NormalConvention::OpenGl;
};

/// Chemical A as a W × H tangent-space normal map (24-bit RGB) for 3D rendering. The heights
/// are those of HeightScale (0 … 1) times the strength; the slopes are central differences
/// with the neighbours wrapped at the edges, so the map tiles exactly as the texture does:
/// sx = (h(x + 1, y) − h(x − 1, y)) / 2 and sy = (h(x, y + 1) − h(x, y − 1)) / 2, with y
/// counted downward. The normal (−sx, sy, 1) for OpenGL or (−sx, −sy, 1) for DirectX,
/// made unit length, is stored as ((n + 1) / 2 × 255) per channel, halves to even.
QImage NormalMap(const TextureEngine& engine, const NormalMapOptions& options);

} // namespace mottler
