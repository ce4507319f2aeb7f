#pragma once

#include "palette/palette.h"

#include <QString>
#include <optional>

namespace mottler {

/// "R,G,B" in decimal without spaces ("255,128,0").
QString DecimalTextOf(PackedColour colour);

/// Whether every character is a hexadecimal digit (either case); true for empty text.
bool IsHexDigits(const QString& text);

/// The colour of an HTML code of exactly six hexadecimal digits, red first; nothing otherwise.
std::optional<PackedColour> ColourFromHexCode(const QString& code);

} // namespace mottler
