#pragma once

#include <QImage>

namespace mottler {

/// A 2w × 2h 24-bit image of a w × h image: the image itself top left, flipped left to right
/// top right, flipped top to bottom bottom left and flipped both ways bottom right, so the
/// result tiles without seams whatever the image's edges are.
QImage MirrorTile(const QImage& image);

} // namespace mottler
