#include "cli/presetoverrides.h"

#include "base/errors.h"
#include "cli/arguments.h"
#include "palette/colourtext.h"
#include "presets/advancedfactors.h"

#include <QFileInfo>

namespace mottler::cli {
namespace {

/// A number as the shortest text that reads back as the same double.
QString NumberText(double value) {
    return QString::number(value, 'g', 17);
}

void OverrideGradient(Preset& preset, const std::vector<GradientStop>& stops) {
    preset.StartColour = ColourToHex(stops.front().Colour);
    preset.EndColour = ColourToHex(stops.back().Colour);
    preset.MiddlePoints.clear();
    for (std::size_t i = 1; i + 1 < stops.size(); ++i)
        preset.MiddlePoints.append(
            {ColourToHex(stops[i].Colour), QString::number(*stops[i].Position)});
}

void OverrideSeeding(Preset& p, const GrowOptions& o) {
    if (o.Has("--seed"))
        p.Seed = *o.Seed;
    if (o.Has("--type"))
        p.Type = o.Texture.Type;
    // A picture named on the command line is relative to the working folder, not to the
    // data folder that a preset's own "File" is relative to.
    if (o.Has("--image"))
        p.ImageFile = QFileInfo(o.Texture.ImageFile).absoluteFilePath();
    if (o.Has("--width"))
        p.Width = o.Texture.Width;
    if (o.Has("--height"))
        p.Height = o.Texture.Height;
    if (o.Has("--image") && p.Type != ImageFile)
        throw UsageError("option --image needs --type image or a preset of that type");
    if (p.Type == ImageFile && p.ImageFile.isEmpty() && o.Has("--type"))
        throw UsageError("option --type image needs --image FILE");
    if (p.Type == ImageFile && p.ImageFile.isEmpty())
        throw MottlerError("its texture type is Image File, but it names no picture (\"File\").");
}

void OverrideGrowth(Preset& p, const GrowOptions& o) {
    if (o.Has("--iterations"))
        p.Iterations = o.Texture.Iterations;
    const AdvancedFactorTexts advanced = AdvancedTextsOf(o.Factors);
    if (o.Has("--a"))
        p.FactorA = NumberText(o.Factors.FactorA);
    if (o.Has("--b"))
        p.FactorB = NumberText(o.Factors.FactorB);
    if (o.Has("--c"))
        p.FactorC = advanced.FactorC;
    if (o.Has("--d"))
        p.FactorD = advanced.FactorD;
    if (o.Has("--amult"))
        p.MultiplierA = advanced.MultiplierA;
    if (o.Has("--bmult"))
        p.MultiplierB = advanced.MultiplierB;
    if (o.Has("--zero"))
        p.Zero = advanced.ZeroAction;
    if (o.Has("--drift"))
        p.DriftKind = o.Texture.DriftKind;
}

void OverrideColours(Preset& p, const GrowOptions& o) {
    if (o.Has("--gradient"))
        OverrideGradient(p, o.Colours.Gradient);
    if (o.Has("--contrast"))
        p.Contrast = o.Colours.Contrast;
    if (o.Has("--brightness"))
        p.Brightness = o.Colours.Brightness;
}

} // namespace

Preset OverridePreset(Preset preset, const GrowOptions& options) {
    OverrideSeeding(preset, options);
    OverrideGrowth(preset, options);
    OverrideColours(preset, options);
    return preset;
}

PictureFit PresetPictureFit(const GrowOptions& options) {
    return options.Has("--fit") ? options.Fit : PictureFit::Stretch;
}

} // namespace mottler::cli
