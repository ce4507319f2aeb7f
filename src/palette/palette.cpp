#include "palette/palette.h"

namespace mottler {

bool InterpolateColours(Palette& table, int s, int e, PackedColour start, PackedColour end) {
    if (s > e)
        return true;
    const int divisor = e - s > 1 ? e - s : 1;
    for (int j = e; j >= s; --j) {
        if (j < 0 || j > 255)
            return false;
        const int k = j - s;
        const int red = RedOf(start) - (RedOf(start) - RedOf(end)) * k / divisor;
        const int green = GreenOf(start) - (GreenOf(start) - GreenOf(end)) * k / divisor;
        const int blue = BlueOf(start) - (BlueOf(start) - BlueOf(end)) * k / divisor;
        table.Pixels[static_cast<std::size_t>(j)] = {static_cast<std::uint8_t>(blue),
                                                     static_cast<std::uint8_t>(green),
                                                     static_cast<std::uint8_t>(red)};
        table.Colours[static_cast<std::size_t>(j)] = PackRgb(red, green, blue);
    }
    return true;
}

Palette StartupPalette() {
    Palette palette;
    InterpolateColours(palette, 0, 255, PackRgb(255, 255, 255), PackRgb(0, 0, 0));
    return palette;
}

} // namespace mottler
