#pragma once

#include "engine/engine.h"
#include "engine/growth.h"
#include "engine/initialimage.h"
#include "engine/shapes.h"
#include "palette/controlpoints.h"
#include "palette/palette.h"
#include "palette/rebuild.h"
#include "presets/preset.h"

#include <QString>
#include <vector>

namespace mottler {

/// Adds the preset's control points in the order a preset load adds them: the start point,
/// the end point, then "Color1", "Color2", ... as middle points (the order decides between
/// markers at the same height). Returns how many middle points were refused because ten
/// points were there already; the window shows TooManyControlPointsMessage for each. Throws
/// MottlerError when a position is not a whole number; the points added so far stay.
int AddPresetControlPoints(ControlPointList& points, const Preset& preset);

/// The factors a run reads after the preset was loaded. A and B: their texts as decimal
/// numbers. The advanced values only when the preset shows the Advanced window
/// (NeedsAdvancedWindow): C and D by the integer rule IntValue (so "12.5" reads as 0), the
/// multipliers as decimal numbers, the zero action as stored; otherwise the defaults.
/// Throws MottlerError when an A, B or multiplier text is not a number.
GrowthFactors PresetFactors(const Preset& preset);

/// The picture file of an "Image File" preset: its "File", where a relative path is taken
/// relative to the data folder (the built-in pictures live beside "save.ini").
QString PresetPicturePath(const Preset& preset);

/// A preset applied to the engine and ready to grow.
struct PreparedPreset {
    ControlPointList Points;            ///< the gradient, sorted by the rebuild
    std::vector<RebuildRecord> Records; ///< what the rebuild made of each point
    Palette Colours;                    ///< the palette the texture is coloured through
    int RefusedPoints = 0;              ///< colour keys beyond the tenth point, skipped
    GrowthFactors Factors;              ///< what the run's ReadFactors returns
    RunParameters Run;                  ///< a fresh run of the preset's iterations and drift,
                                        ///< without animation
};

/// Loads the preset into the engine as choosing it in the main window does, in the same
/// order and without the windows: the texture size (when it differs from the engine's),
/// the factors, the gradient with contrast and brightness, then RandomSeed := Seed and
/// SeedTexture, and for "Image File" the picture (PresetPicturePath) as initial texture.
/// A picture of another size is fitted by `fit`: the window asks the user, headless callers
/// stretch it over the preset's size. Throws MottlerError (a value that is no number, a
/// missing or unreadable picture, not enough memory); nothing has been grown then.
PreparedPreset PreparePreset(TextureEngine& engine, const Preset& preset, const ShapeTuning& tuning,
                             PictureFit fit = PictureFit::Stretch);

/// What GrowPreset did.
struct PresetGrowth {
    PreparedPreset Prepared;
    RunResult Result;
};

/// PreparePreset, then the fresh run a preset load ends with, headless (no animation, ages,
/// progress or Escape). Afterwards the display field holds the final state and the texture
/// bitmap shows it coloured through the preset's palette, unless the run overflowed or
/// failed (Result says so, with its message). Throws as PreparePreset does.
PresetGrowth GrowPreset(TextureEngine& engine, const Preset& preset, const ShapeTuning& tuning,
                        PictureFit fit = PictureFit::Stretch);

} // namespace mottler
