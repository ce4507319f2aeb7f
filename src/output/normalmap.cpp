#include "output/normalmap.h"

#include "base/imagememory.h"
#include "output/heightmap.h"

#include <cmath>

namespace mottler {
namespace {

std::uint8_t Channel(double component) {
    return static_cast<std::uint8_t>(std::nearbyint((component + 1.0) / 2.0 * 255.0));
}

} // namespace

QImage NormalMap(const TextureEngine& engine, const NormalMapOptions& options) {
    const int w = engine.Width();
    const int h = engine.Height();
    QImage map = NewImage(w, h, QImage::Format_RGB888);
    const HeightScale scale(engine.FieldA);
    const float* cells = engine.FieldA.Data();
    const auto height = [&](int x, int y) {
        return scale(cells[std::ptrdiff_t(y) * w + x]) * options.Strength;
    };
    const double up = options.Convention == NormalConvention::OpenGl ? 1.0 : -1.0;
    for (int y = 0; y < h; ++y) {
        const int above = (y + h - 1) % h;
        const int below = (y + 1) % h;
        std::uint8_t* row = map.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const double sx = (height((x + 1) % w, y) - height((x + w - 1) % w, y)) / 2.0;
            const double sy = (height(x, below) - height(x, above)) / 2.0;
            const double nx = -sx;
            const double ny = up * sy;
            const double length = std::sqrt(nx * nx + ny * ny + 1.0);
            row[3 * x] = Channel(nx / length);
            row[3 * x + 1] = Channel(ny / length);
            row[3 * x + 2] = Channel(1.0 / length);
        }
    }
    return map;
}

} // namespace mottler
