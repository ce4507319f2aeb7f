#include "engine/sweep.h"

#include "engine/certifiedsweep.h"
#include "engine/wavefront.h"

#include <algorithm>
#include <cstring>

static_assert(std::numeric_limits<long double>::digits == 64,
              "the sweep needs x87 extended precision: a long double with a 64-bit significand");

namespace mottler {

using namespace wavefront;

float DiffusionFromFactor(double factor) {
    return static_cast<float>(Ext(factor) * 0.05L);
}

std::size_t SweepScratchCells(int width) {
    return std::max(2 * WavefrontRows * static_cast<std::size_t>(width),
                    CertifiedScratchCells(width));
}

void Sweep(TextureEngine& engine, const SweepCoefficients& k) {
    SweepContext s{engine.FieldA.Data(), engine.FieldB.Data(),      k, engine.Width(),
                   engine.Height(),      engine.ScratchRows.Data(), {}};
    s.FieldRange = {9999999.0f, 0.0f};
    PublishRange publish{engine, s.FieldRange};
    WithZeroAction(k.Zero, [&](auto zero) { SweepRowsFrom<decltype(zero)::value>(s, 0); });
}

void ApplyDrift(TextureEngine& engine, int drift) {
    float* const a = engine.FieldA.Data();
    const int n = engine.CellCount();
    const int w = engine.Width();
    const auto rowBytes = static_cast<std::size_t>(w) * sizeof(float);
    float* const hold = engine.ScratchRows.Data();
    switch (drift) {
    case 1:
        std::rotate(a, a + 1, a + n);
        break;
    case 2:
        std::rotate(a, a + n - 1, a + n);
        break;
    case 3:
        std::memcpy(hold, a, rowBytes);
        std::memmove(a, a + w, static_cast<std::size_t>(n - w) * sizeof(float));
        std::memcpy(a + n - w, hold, rowBytes);
        break;
    case 4:
        std::memcpy(hold, a + n - w, rowBytes);
        std::memmove(a + w, a, static_cast<std::size_t>(n - w) * sizeof(float));
        std::memcpy(a, hold, rowBytes);
        break;
    default:
        break;
    }
}

} // namespace mottler
