#pragma once

#include "palette/controlpoints.h"
#include "palette/palette.h"

#include <cstdint>
#include <vector>

namespace mottler {

/// What one control point contributed to the latest rebuild, in list order.
struct RebuildRecord {
    PackedColour BaseColour = 0;     ///< the point's colour as chosen
    PackedColour AdjustedColour = 0; ///< after contrast, then brightness
    std::int32_t Position = 0;
};

/// Rebuilds the palette from the points: sorts the list by marker top and renumbers it,
/// adjusts each point's colour by Contrast (as ContrastFactor) and then Brightness (both
/// −255 … 255, 0 = none), clamps the last position into 0 … 255 and interpolates every
/// segment between consecutive points. The table is not cleared first; a segment that
/// would leave the table ends the interpolation, keeping the entries written so far.
/// Returns one record per point. The caller redraws the strip (DrawGradientStrip) and,
/// where the texture should follow, re-renders it (RenderDisplayField).
std::vector<RebuildRecord> RebuildPalette(ControlPointList& points, int contrast, int brightness,
                                          Palette& palette);

/// The start-up gradient's points: white start, black end.
void AddStartupControlPoints(ControlPointList& points);

} // namespace mottler
