#pragma once

#include "cli/growoptions.h"
#include "presets/preset.h"

namespace mottler::cli {

/// The preset with the values of the grow options given on the command line in place of its
/// own, as texts the way the program's controls would hold them. Throws UsageError for
/// --image when the merged texture type is not "image", MottlerError when the preset's own
/// type is "image" but it names no picture and the command line gives none.
Preset OverridePreset(Preset preset, const GrowOptions& options);

/// How a preset's picture of another size is fitted: --fit when given, else stretched over
/// the preset's size (the program asks; the command line cannot).
PictureFit PresetPictureFit(const GrowOptions& options);

} // namespace mottler::cli
