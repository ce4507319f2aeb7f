#include "palette/colourmaths.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace mottler {
namespace {

int Round(double x) {
    return static_cast<int>(std::nearbyint(x));
}

int ContrastChannel(int v, float f) {
    const int d = v - 127;
    const int magnitude = std::abs(d);
    const int sign = d >= 0 ? 1 : -1;
    if (f > 0.0f)
        return 127 + d + sign * Round((127 - magnitude) * static_cast<double>(f));
    if (f < 0.0f)
        return 127 + d + sign * Round(magnitude * static_cast<double>(f));
    return v;
}

template <typename ChannelFn> PackedColour PerChannel(PackedColour c, ChannelFn fn) {
    return PackRgb(fn(RedOf(c)), fn(GreenOf(c)), fn(BlueOf(c)));
}

} // namespace

float ContrastFactor(int contrast) {
    return static_cast<float>(static_cast<long double>(contrast) / 255.0L);
}

PackedColour AdjustContrast(PackedColour colour, float f) {
    return PerChannel(colour, [f](int v) { return std::clamp(ContrastChannel(v, f), 0, 255); });
}

PackedColour AdjustBrightness(PackedColour colour, int amount) {
    return PerChannel(colour, [amount](int v) { return std::clamp(v + amount, 0, 255); });
}

int MapRange(int v, int inLo, int inHi, int outA, int outB) {
    if (inHi == inLo)
        return outA;
    const long double fraction =
        (static_cast<long double>(v) - inLo) / (static_cast<long double>(inHi) - inLo);
    const long double scaled = fraction * (static_cast<long double>(outB) - outA);
    const long double result = outA + std::nearbyint(scaled);
    return static_cast<int>(
        std::clamp<long double>(result, std::min(outA, outB), std::max(outA, outB)));
}

PackedColour BlendColours(PackedColour a, PackedColour b, float t) {
    const auto blend = [t](int from, int to) {
        return std::clamp(from + Round((to - from) * static_cast<double>(t)), 0, 255);
    };
    return PackRgb(blend(RedOf(a), RedOf(b)), blend(GreenOf(a), GreenOf(b)),
                   blend(BlueOf(a), BlueOf(b)));
}

PackedColour TextColourOn(PackedColour background) {
    const int brightness =
        299 * RedOf(background) + 587 * GreenOf(background) + 114 * BlueOf(background);
    return brightness >= 128 * 1000 ? PackRgb(0, 0, 0) : PackRgb(255, 255, 255);
}

} // namespace mottler
