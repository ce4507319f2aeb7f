#pragma once

#include "engine/engine.h"

#include <QImage>

namespace mottler {

/// Chemical A's values as heights from 0 to 1: the field's least finite value is 0, its
/// greatest 1, linearly between. A uniform field is 0 everywhere; values that are not
/// finite are clamped into the range (NaN gives 0).
class HeightScale {
public:
    explicit HeightScale(const ChemicalField& field);
    double operator()(float value) const;

private:
    double min;
    double max;
};

/// Chemical A as a W × H 16-bit greyscale image for use as a bump or displacement map: the
/// heights of HeightScale times 65535, halves to even.
QImage HeightMap(const TextureEngine& engine);

} // namespace mottler
