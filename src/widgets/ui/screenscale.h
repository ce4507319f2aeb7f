#pragma once

class QPainter;

namespace mottler {

/// Whether the painter draws on a screen whose scale is not a whole number (1.5, say): a
/// picture's pixels can then only be spread smoothly (SmoothPixmapTransform), never drawn as
/// exact blocks.
bool HasFractionalScale(const QPainter& painter);

} // namespace mottler
