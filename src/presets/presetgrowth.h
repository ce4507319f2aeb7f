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
/// points were there already (the window says so once, with RefusedPointsMessage). Throws
/// MottlerError when a position is not a whole number; the points added so far stay.
int AddPresetControlPoints(ControlPointList& points, const Preset& preset);

/// TooManyControlPointsMessage, and for more than one refused point how many were left out:
/// a preset may carry thousands, and one message box each would never end.
QString RefusedPointsMessage(int refused);

/// The factors a run reads after the preset was loaded. A and B: their texts as decimal
/// numbers. The advanced values only when the preset shows the Advanced window
/// (NeedsAdvancedWindow): C and D by the integer rule IntValue (so "12.5" reads as 0), the
/// multipliers as decimal numbers, the zero action as stored; otherwise the defaults.
/// Throws MottlerError when an A, B or multiplier text is not a number.
GrowthFactors PresetFactors(const Preset& preset);

/// The picture file of an "Image File" preset: its "File", where a relative path is taken
/// relative to the data folder (the built-in pictures live beside "save.ini").
QString PresetPicturePath(const Preset& preset);

/// The steps of a preset load. LoadPresetSteps calls them in the one order that decides how a
/// preset grows; the main window applies each to its document and controls, PreparePreset to
/// an engine without windows. A step that throws (a value that is no number) stops the load
/// there, keeping the steps already done.
class PresetLoadSteps {
public:
    virtual ~PresetLoadSteps() = default;
    /// The texture size (each target decides whether it changes).
    virtual void Size(int width, int height) = 0;
    /// Iterations, the A and B factors and the drift.
    virtual void Factors(const Preset& preset) = 0;
    /// The gradient with contrast and brightness, and the advanced values.
    virtual void Colours(const Preset& preset) = 0;
    /// The preview page's colours.
    virtual void PreviewColours(const Preset&) {}
    /// The texture type, RandomSeed := Seed, and the seeding.
    virtual void Seed(const Preset& preset) = 0;
    /// "Image File" presets: the picture as initial texture.
    virtual void Picture(const QString& path) = 0;
    /// The fresh run the load ends with (not for "Image File", whose picture load grows).
    virtual void Grow() {}
};

/// The one preset load: size, factors, colours, preview colours, seed and seeding, then the
/// picture (PresetPicturePath) for "Image File" presets or else the fresh run.
void LoadPreset(const Preset& preset, PresetLoadSteps& steps);

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

/// Loads the preset into the engine as choosing it in the main window does, through the same
/// LoadPreset and without the windows: the texture size (when it differs from the engine's),
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
/// failed (Result says so, with its message). The sweep takes `threads` threads (0: as many
/// as pay). Throws as PreparePreset does.
PresetGrowth GrowPreset(TextureEngine& engine, const Preset& preset, const ShapeTuning& tuning,
                        int threads = 0, PictureFit fit = PictureFit::Stretch);

} // namespace mottler
