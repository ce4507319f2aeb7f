#pragma once

#include "palette/palette.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <optional>

namespace mottler {

/// The pixels of a screen area in global coordinates, or nothing when this desktop does not
/// let programs read the screen (Wayland, the offscreen platform, no screen at that place).
/// The one place that reads the screen, for the colour picker's sampling and the zoom window.
std::optional<QImage> GrabScreenArea(const QRect& area);

/// The colour of one screen pixel, or nothing when the screen cannot be read.
std::optional<PackedColour> ReadScreenPixel(QPoint globalPoint);

/// Shown where a screen pixel was asked for and the desktop gave none.
QString ScreenUnreadableText();

} // namespace mottler
