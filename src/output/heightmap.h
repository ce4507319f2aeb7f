#pragma once

#include "engine/engine.h"

#include <QImage>

namespace mottler {

/// Chemical A as a W × H 16-bit greyscale image for use as a bump or displacement map: the
/// field's least value becomes 0 and its greatest 65535, linearly between (halves to even).
/// A uniform field gives all 0; values that are not finite are left out of the range and
/// clamped into it (NaN gives 0).
QImage HeightMap(const TextureEngine& engine);

} // namespace mottler
