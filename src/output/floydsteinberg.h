#pragma once

#include "palette/palette.h"

#include <QImage>
#include <cstdint>
#include <vector>

namespace mottler {

/// Each pixel's index in the table (1 … 256 colours), row-major, with Floyd–Steinberg error
/// diffusion: a pixel's error against its nearest table colour goes 7/16 to the right,
/// 3/16, 5/16 and 1/16 to the three pixels below. Nearest is the smallest squared RGB
/// distance, the lowest index on a tie.
std::vector<std::uint8_t> DitherToTable(const QImage& image,
                                        const std::vector<PackedColour>& table);

} // namespace mottler
