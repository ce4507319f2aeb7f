#pragma once

#include "palette/palette.h"

#include <QString>
#include <optional>

namespace mottler {

// Two hexadecimal rules on purpose, because the two readers really differ:
// - ColourFromHtmlCode is the strict rule of typed and pasted HTML codes (colour drop-down,
//   colour picker): exactly six hexadecimal digits or nothing.
// - ColourFromPresetHex is the lenient rule of preset files: it reads what the original program
//   read and never fails (a broken value becomes the button-face colour).

/// Six upper-case hexadecimal digits, red first: white "FFFFFF", pure red "FF0000".
QString ColourToHex(PackedColour colour);

/// Red from characters 1–2, green from 3–4, blue from the last two, each read as hexadecimal.
/// When any part is not a hexadecimal number (also for texts shorter than 3 characters) the
/// result is ButtonFaceColour().
PackedColour ColourFromPresetHex(const QString& text);

/// The desktop's button-face colour: the Button colour of the application palette when a
/// QGuiApplication runs, else RGB(240, 240, 240).
PackedColour ButtonFaceColour();

/// "R,G,B" in decimal without spaces ("255,128,0").
QString DecimalTextOf(PackedColour colour);

/// Whether every character is a hexadecimal digit (either case); true for empty text.
bool IsHexDigits(const QString& text);

/// The colour of an HTML code of exactly six hexadecimal digits, red first; nothing otherwise.
std::optional<PackedColour> ColourFromHtmlCode(const QString& code);

} // namespace mottler
