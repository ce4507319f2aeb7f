#pragma once

#include "palette/palette.h"

namespace mottler {

/// The contrast factor of a Contrast value −255 … 255: Contrast / 255 held as a float.
float ContrastFactor(int contrast);

/// Pushes each channel away from 127 (f > 0) or pulls it toward 127 (f < 0); f is −1 … 1.
/// With d = v − 127 and R rounding halves to even: f > 0 gives 127 + d ± R((127 − |d|) × f),
/// f < 0 gives 127 + d ± R(|d| × f), the sign being that of d. At f = 1 every channel ≥ 127
/// becomes 254 and every lower one 0; at f = −1 every channel becomes 127.
PackedColour AdjustContrast(PackedColour colour, float f);

/// Adds the amount to each channel, clamped into 0 … 255.
PackedColour AdjustBrightness(PackedColour colour, int amount);

/// outA + R((v − inLo) / (inHi − inLo) × (outB − outA)), clamped into the interval between
/// outA and outB. An empty input range (inHi = inLo) gives outA.
int MapRange(int v, int inLo, int inHi, int outA, int outB);

/// Each channel a + R((b − a) × t).
PackedColour BlendColours(PackedColour a, PackedColour b, float t);

/// Black or white, whichever reads better on the colour (by its perceived brightness).
PackedColour TextColourOn(PackedColour background);

} // namespace mottler
