#pragma once

#include "engine/engine.h"
#include "palette/palette.h"
#include "recording/frames.h"

#include <QImage>

namespace mottler {

/// The frame coloured through the palette: a 24-bit (BGR888) bitmap of the frame's own size,
/// each cell's value rounded half-to-even to its palette entry.
QImage FrameToBitmap(const Frame& frame, const Palette& palette);

/// Copies the frame into the display field when the frame has the texture's current size and
/// returns true. A frame recorded at another size is not copied (false): show its
/// FrameToBitmap instead, which keeps to the frame's own block.
bool CopyFrameToDisplayField(const Frame& frame, TextureEngine& engine);

} // namespace mottler
