#include "output/heightmap.h"

#include "base/imagememory.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace mottler {
namespace {

constexpr double Top = 65535.0;

} // namespace

HeightScale::HeightScale(const ChemicalField& field)
    : min(std::numeric_limits<double>::infinity()), max(-std::numeric_limits<double>::infinity()) {
    const float* cells = field.Data();
    for (std::size_t k = 0; k < field.Cells(); ++k)
        if (std::isfinite(cells[k])) {
            min = std::min(min, double(cells[k]));
            max = std::max(max, double(cells[k]));
        }
}

double HeightScale::operator()(float value) const {
    if (!(max > min) || std::isnan(value))
        return 0.0;
    return std::clamp((double(value) - min) / (max - min), 0.0, 1.0);
}

QImage HeightMap(const TextureEngine& engine) {
    const int w = engine.Width();
    QImage map = NewImage(w, engine.Height(), QImage::Format_Grayscale16);
    const HeightScale height(engine.FieldA);
    for (int y = 0; y < engine.Height(); ++y) {
        auto* row = reinterpret_cast<quint16*>(map.scanLine(y));
        const float* cells = engine.FieldA.Data() + std::ptrdiff_t(y) * w;
        for (int x = 0; x < w; ++x)
            row[x] = static_cast<quint16>(std::nearbyint(height(cells[x]) * Top));
    }
    return map;
}

} // namespace mottler
