#pragma once

#include "palette/palette.h"

#include <QImage>

namespace mottler {

/// Heights of the brightness and contrast strips beside the gradient strip.
inline constexpr int BrightnessStripHeight = 122;
inline constexpr int ContrastStripHeight = 129;

/// The gradient strip: 1 × 256 (BGR888), row y showing Pixels[y]. The widget stretches it.
QImage DrawGradientStrip(const Palette& palette);

/// The pictures of the two adjustment strips, one pixel per row, stretched by the widgets.
struct AdjustStrips {
    QImage Brightness; ///< 1 pixel wide: black at the top to white at the bottom
    QImage Contrast;   ///< 2 pixels wide: a check pattern from plain grey to black and white
};

/// Draws both strips at BrightnessStripHeight and ContrastStripHeight rows.
AdjustStrips DrawAdjustStrips();

} // namespace mottler
