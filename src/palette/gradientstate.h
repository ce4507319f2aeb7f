#pragma once

#include "palette/controlpoints.h"
#include "palette/palette.h"
#include "palette/rebuild.h"

#include <vector>

namespace mottler {

/// Everything that decides the texture's colours: the control points, contrast and
/// brightness, the palette built from them and what each point contributed to it.
struct GradientState {
    ControlPointList Points;
    int Contrast = 0;           ///< −255 … 255, 0 = none
    int Brightness = 0;         ///< −255 … 255, 0 = none
    bool PaletteLocked = false; ///< a preset load keeps the colours when set
    Palette Colours;
    std::vector<RebuildRecord> Records;

    /// Rebuilds Colours and Records from the points, contrast and brightness.
    void Rebuild() { Records = RebuildPalette(Points, Contrast, Brightness, Colours); }
};

} // namespace mottler
