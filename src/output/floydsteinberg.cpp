#include "output/floydsteinberg.h"

#include <algorithm>
#include <array>
#include <limits>
#include <unordered_map>

namespace mottler {
namespace {

/// The nearest table colour of a colour, remembered: dithered images repeat colours a lot.
class NearestColour {
public:
    explicit NearestColour(const std::vector<PackedColour>& colours) : table(colours) {}

    std::uint8_t IndexOf(const std::array<int, 3>& rgb) {
        const PackedColour key = PackRgb(rgb[0], rgb[1], rgb[2]);
        const auto known = cache.find(key);
        if (known != cache.end())
            return known->second;
        return cache[key] = Search(rgb);
    }

private:
    std::uint8_t Search(const std::array<int, 3>& rgb) const {
        std::size_t best = 0;
        int bestDistance = std::numeric_limits<int>::max();
        for (std::size_t i = 0; i < table.size(); ++i) {
            const int dr = rgb[0] - RedOf(table[i]);
            const int dg = rgb[1] - GreenOf(table[i]);
            const int db = rgb[2] - BlueOf(table[i]);
            const int distance = dr * dr + dg * dg + db * db;
            if (distance < bestDistance) {
                bestDistance = distance;
                best = i;
            }
        }
        return static_cast<std::uint8_t>(best);
    }

    const std::vector<PackedColour>& table;
    std::unordered_map<PackedColour, std::uint8_t> cache;
};

std::array<int, 3> Channels(PackedColour colour) {
    return {RedOf(colour), GreenOf(colour), BlueOf(colour)};
}

} // namespace

std::vector<std::uint8_t> DitherToTable(const QImage& image,
                                        const std::vector<PackedColour>& table) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const int width = rgb.width();
    NearestColour nearest(table);
    std::vector<std::uint8_t> indices;
    indices.reserve(static_cast<std::size_t>(width) * rgb.height());
    // Errors in sixteenths, one slot either side of the row so the edges need no test.
    const auto rowSlots = static_cast<std::size_t>(width + 2) * 3;
    std::vector<int> errorHere(rowSlots), errorBelow(rowSlots);
    for (int y = 0; y < rgb.height(); ++y) {
        std::fill(errorBelow.begin(), errorBelow.end(), 0);
        const std::uint8_t* pixel = rgb.constScanLine(y);
        for (int x = 0; x < width; ++x, pixel += 3) {
            const auto slot = static_cast<std::size_t>(x + 1) * 3;
            std::array<int, 3> wanted{};
            for (std::size_t c = 0; c < 3; ++c)
                wanted[c] = std::clamp(pixel[c] + errorHere[slot + c] / 16, 0, 255);
            const std::uint8_t index = nearest.IndexOf(wanted);
            indices.push_back(index);
            const std::array<int, 3> got = Channels(table[index]);
            for (std::size_t c = 0; c < 3; ++c) {
                const int error = wanted[c] - got[c];
                errorHere[slot + 3 + c] += error * 7;
                errorBelow[slot - 3 + c] += error * 3;
                errorBelow[slot + c] += error * 5;
                errorBelow[slot + 3 + c] += error;
            }
        }
        std::swap(errorHere, errorBelow);
    }
    return indices;
}

} // namespace mottler
