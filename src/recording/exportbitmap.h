#pragma once

#include "palette/palette.h"
#include "recording/exportsequence.h"
#include "recording/frames.h"

#include <QImage>

namespace mottler {

/// The bitmap of one sequence entry: its frame coloured through the palette (FrameToBitmap),
/// and for a blended entry mixed per channel with the blend frame, each channel
/// (own × (D − W) + other × W) / D rounded half to even. A blend frame of another size than
/// the entry's frame is left out.
QImage ExportEntryBitmap(const FrameList& frames, const Palette& palette, const ExportEntry& entry);

} // namespace mottler
