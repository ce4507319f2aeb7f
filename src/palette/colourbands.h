#pragma once

#include "palette/palette.h"

#include <QImage>

namespace mottler {

/// Shown when a colour is read from a picture that is not 24 bits per pixel.
inline constexpr const char* NotTwentyFourBitMessage =
    QT_TRANSLATE_NOOP("mottler::ColourBands", "Cannot scan less than 24bit bitmap.");

/// The colour spectrum to sample from: `width` pixels wide (2 … 256), 6 × n rows (n in
/// 1 … 255), BGR888. Six bands of n rows run red→yellow→green→cyan→blue→purple→red; across
/// a row column 0 is black, the colour rises to full at the middle, fades toward white and
/// the last column is white.
QImage DrawSpectrum(int width, int n);

/// The colour at (x, y); negative coordinates read 0, beyond the picture gives black.
/// Throws MottlerError(NotTwentyFourBitMessage) unless the picture is 24 bits per pixel.
PackedColour PixelAt(const QImage& image, int x, int y);

} // namespace mottler
