#pragma once

#include <array>
#include <cstdint>

namespace mottler {

/// A colour as a packed value: red in bits 0–7, green 8–15, blue 16–23, high byte 0.
using PackedColour = std::uint32_t;

inline constexpr PackedColour PackRgb(int red, int green, int blue) {
    return static_cast<PackedColour>(red) | static_cast<PackedColour>(green) << 8 |
           static_cast<PackedColour>(blue) << 16;
}
inline constexpr int RedOf(PackedColour c) {
    return static_cast<int>(c & 0xFF);
}
inline constexpr int GreenOf(PackedColour c) {
    return static_cast<int>(c >> 8 & 0xFF);
}
inline constexpr int BlueOf(PackedColour c) {
    return static_cast<int>(c >> 16 & 0xFF);
}

/// The 256-entry colour table every texture is coloured through, held twice in parallel:
/// Pixels as blue, green, red bytes (copied straight into BGR888 scan lines) and Colours as
/// packed values. Entry 0 is the top of the gradient strip, 255 the bottom.
struct Palette {
    std::array<std::array<std::uint8_t, 3>, 256> Pixels{};
    std::array<PackedColour, 256> Colours{};
};

/// Fills entries e down to s of both tables with a straight run from start to end: per
/// channel start − trunc((start − end) × k / max(e − s, 1)), k = j − s, so entry s is the
/// start colour and entry e the end colour exactly. Nothing when s > e. Stops at the first
/// entry index outside 0 … 255 and returns false then (the entries written so far stay).
bool InterpolateColours(Palette& table, int s, int e, PackedColour start, PackedColour end);

/// The start-up gradient: white at entry 0 to black at 255.
Palette StartupPalette();

} // namespace mottler
