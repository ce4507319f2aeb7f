#pragma once

#include <QImage>

namespace mottler {

/// The image turned 90° clockwise as a 24-bit (BGR888) image of swapped size: for a source
/// of W × H, destination pixel (x, y) is source pixel (y, H − 1 − x).
QImage TurnedRight(const QImage& image);

/// The image turned 90° counter-clockwise as a 24-bit (BGR888) image of swapped size:
/// destination pixel (x, y) is source pixel (W − 1 − y, x).
QImage TurnedLeft(const QImage& image);

/// The image turned by `quarterTurns` × 90° clockwise (negative turns counter-clockwise);
/// a multiple of four gives a 24-bit copy of the image.
QImage TurnedBy(const QImage& image, int quarterTurns);

} // namespace mottler
