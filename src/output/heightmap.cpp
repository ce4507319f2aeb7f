#include "output/heightmap.h"

#include "base/imagememory.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace mottler {
namespace {

constexpr double Top = 65535.0;

struct Range {
    double Min = std::numeric_limits<double>::infinity();
    double Max = -std::numeric_limits<double>::infinity();
};

Range FiniteRange(const float* cells, std::size_t count) {
    Range range;
    for (std::size_t k = 0; k < count; ++k)
        if (std::isfinite(cells[k])) {
            range.Min = std::min(range.Min, double(cells[k]));
            range.Max = std::max(range.Max, double(cells[k]));
        }
    return range;
}

quint16 Height(float value, const Range& range) {
    if (!(range.Max > range.Min) || std::isnan(value))
        return 0;
    const double scaled = (double(value) - range.Min) / (range.Max - range.Min) * Top;
    return static_cast<quint16>(std::nearbyint(std::clamp(scaled, 0.0, Top)));
}

} // namespace

QImage HeightMap(const TextureEngine& engine) {
    const int w = engine.Width();
    QImage map = NewImage(w, engine.Height(), QImage::Format_Grayscale16);
    const Range range = FiniteRange(engine.FieldA.Data(), std::size_t(engine.CellCount()));
    for (int y = 0; y < engine.Height(); ++y) {
        auto* row = reinterpret_cast<quint16*>(map.scanLine(y));
        const float* cells = engine.FieldA.Data() + std::ptrdiff_t(y) * w;
        for (int x = 0; x < w; ++x)
            row[x] = Height(cells[x], range);
    }
    return map;
}

} // namespace mottler
