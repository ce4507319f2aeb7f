#pragma once

#include "palette/palette.h"

#include <QString>

namespace mottler {

/// Six upper-case hexadecimal digits, red first: white "FFFFFF", pure red "FF0000".
QString ColourToHex(PackedColour colour);

/// Red from characters 1–2, green from 3–4, blue from the last two, each read as hexadecimal.
/// When any part is not a hexadecimal number (also for texts shorter than 3 characters) the
/// result is ButtonFaceColour().
PackedColour HexToColour(const QString& text);

/// The desktop's button-face colour: the Button colour of the application palette when a
/// QGuiApplication runs, else RGB(240, 240, 240).
PackedColour ButtonFaceColour();

} // namespace mottler
