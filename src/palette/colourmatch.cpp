#include "palette/colourmatch.h"

#include <algorithm>
#include <cmath>

namespace mottler {
namespace {

constexpr PackedColour RgbMask = 0xFFFFFF;

PackedColour PackedFromQRgb(QRgb rgb) {
    return PackRgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

} // namespace

int LuminanceOf(PackedColour colour) {
    const int red = RedOf(colour);
    const int green = GreenOf(colour);
    const int blue = BlueOf(colour);
    const int sum = std::max({red, green, blue}) + std::min({red, green, blue});
    return static_cast<int>(std::nearbyint(sum / 2.0));
}

void SortByLuminance(std::array<PackedColour, 256>& colours, int count) {
    const auto end = colours.begin() + std::clamp(count, 0, 256);
    std::stable_sort(colours.begin(), end, [](PackedColour a, PackedColour b) {
        return LuminanceOf(a) < LuminanceOf(b);
    });
}

int ColourDistance(PackedColour a, PackedColour b, int best) {
    const int dRed = RedOf(a) - RedOf(b);
    const int dGreen = GreenOf(a) - GreenOf(b);
    const int dBlue = BlueOf(a) - BlueOf(b);
    const int greenTerm = 10 * dGreen * dGreen;
    if (greenTerm >= best)
        return RejectedDistance;
    return greenTerm + 3 * dRed * dRed + dBlue * dBlue;
}

int FindNearestColour(const std::array<PackedColour, 256>& grid, PackedColour colour) {
    int bestIndex = 0;
    int best = RejectedDistance;
    for (int i = 0; i < 256; ++i) {
        const int distance = ColourDistance(grid[static_cast<std::size_t>(i)], colour, best);
        if (distance == 0)
            return i;
        if (distance < best) {
            best = distance;
            bestIndex = i;
        }
    }
    return bestIndex;
}

std::optional<QPoint> FindInSpectrum(const QImage& spectrum, PackedColour colour) {
    const int width = spectrum.width();
    const int height = spectrum.height();
    if (width <= 0 || height <= 0)
        return std::nullopt;
    if ((colour & RgbMask) == PackRgb(255, 255, 255))
        return QPoint(width - 1, height / 2);
    if ((colour & RgbMask) == 0)
        return QPoint(0, height / 2);
    std::optional<QPoint> nearest;
    int best = RejectedDistance;
    for (int x = width - 1; x >= 0; --x) {
        for (int y = height - 2; y >= 0; --y) {
            const int distance = ColourDistance(PackedFromQRgb(spectrum.pixel(x, y)), colour, best);
            if (distance == 0)
                return QPoint(x, y);
            if (distance < best) {
                best = distance;
                nearest = QPoint(x, y);
            }
        }
    }
    return nearest;
}

} // namespace mottler
