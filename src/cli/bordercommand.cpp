#include "cli/bordercommand.h"

#include "base/errors.h"
#include "cli/arguments.h"
#include "cli/colouroptions.h"
#include "cli/imageoutputoptions.h"
#include "gradients/gradientstore.h"
#include "gradients/gradientstrip.h"
#include "output/imagefile.h"
#include "output/jpegfile.h"
#include "palette/colourtext.h"
#include "presets/inifile.h"

#include <QRegularExpression>
#include <functional>
#include <limits>
#include <vector>

namespace mottler::cli {
namespace {

constexpr qint64 IntMin = std::numeric_limits<std::int32_t>::min();
constexpr qint64 IntMax = std::numeric_limits<std::int32_t>::max();

const char* const BorderHelp = R"(Usage: mottler-cli border [options]

Writes a fading-border page background: a gradient on the left, optionally followed by a
border gradient, then the background colour, as the "Gradient Settings" tab saves it.

Gradient (colours as RRGGBB, red first):
  --preset NAME          start from the gradient preset NAME (any case) of "gradients.ini"
                         in the data folder (written from the built-in gradients when
                         missing); the options below override its values
  --start RRGGBB         start colour of the gradient (default 000000)
  --end RRGGBB           end colour of the gradient (default FFFFFF)
  --gradient-width N     gradient width, 1 to 10000; at most 256 columns are drawn
                         (default 48)
  --background RRGGBB    background colour right of the gradients (default FFFFFF)
  --border RRGGBB        add a border gradient from the end colour to this colour
  --border-width N       border width, 1 to 999 (default 4)
  --no-border            leave the border out (of a preset that has one)
  --texture-gradient     take both gradients from the texture palette below instead of the
                         colours; sets the gradient width to 256 (--gradient-width still
                         overrides it)

Texture palette (with --texture-gradient):
)";

const char* const BorderOutputHelp = R"(
Output:
  --width N, --height N  size of the image (default 1025 x 10)
  -o, --output FILE      a 24-bit BMP, PNG, JPEG, GIF (216 web-safe colours) or WebP by the
                         name's extension (.bmp, .png, .jpg, .jpeg, .gif, .webp); default
                         border.png
  --quality N            JPEG and WebP quality, 1 to 100 (default 80); WebP at 100 is
                         lossless

Exit status: 0 on success, 1 when the image could not be made or written, 2 for a usage
error.
)";

using SettingsChange = std::function<void(GradientSettings&)>;

/// What `mottler-cli border` takes from its command line. The gradient options are kept as
/// changes, applied in order over the preset's values (or the defaults).
struct BorderOptions {
    QString PresetName;
    bool TextureGradient = false;
    ColourOptions Colours; ///< the texture palette of --texture-gradient
    bool ColoursGiven = false;
    std::vector<SettingsChange> Changes;
    QString Output = QStringLiteral("border.png");
    int Quality = DefaultJpegQuality;
    bool QualityGiven = false;
};

PackedColour ColourArgument(Arguments& a) {
    static const QRegularExpression pattern(QStringLiteral("^[0-9A-Fa-f]{6}$"));
    const QString text = a.Text();
    if (!pattern.match(text).hasMatch())
        throw UsageError(QStringLiteral("option %1: \"%2\" is not RRGGBB").arg(a.Option(), text));
    return ColourFromPresetHex(text);
}

QString IntegerText(Arguments& a, qint64 min, qint64 max) {
    return QString::number(a.Integer(min, max));
}

/// Reads the option when it changes a gradient setting; false for any other option.
bool TakeSettingsOption(Arguments& a, std::vector<SettingsChange>& changes) {
    const QString& opt = a.Option();
    if (opt == "--start") {
        changes.push_back([c = ColourArgument(a)](GradientSettings& s) { s.StartColour = c; });
    } else if (opt == "--end") {
        changes.push_back([c = ColourArgument(a)](GradientSettings& s) { s.EndColour = c; });
    } else if (opt == "--background") {
        changes.push_back([c = ColourArgument(a)](GradientSettings& s) { s.BackgroundColour = c; });
    } else if (opt == "--border") {
        changes.push_back([c = ColourArgument(a)](GradientSettings& s) {
            s.BorderColour = c;
            s.AddBorder = true;
        });
    } else if (opt == "--no-border") {
        changes.push_back([](GradientSettings& s) { s.AddBorder = false; });
    } else if (opt == "--border-width") {
        changes.push_back([w = IntegerText(a, 1, 999)](GradientSettings& s) { s.BorderWidth = w; });
    } else if (opt == "--gradient-width") {
        changes.push_back(
            [w = IntegerText(a, 1, 10000)](GradientSettings& s) { s.GradientWidth = w; });
    } else if (opt == "--width") {
        // Any number: a width or height below 1 gets the program's own message.
        changes.push_back(
            [w = IntegerText(a, IntMin, IntMax)](GradientSettings& s) { s.SaveWidth = w; });
    } else if (opt == "--height") {
        changes.push_back(
            [h = IntegerText(a, IntMin, IntMax)](GradientSettings& s) { s.SaveHeight = h; });
    } else {
        return false;
    }
    return true;
}

OptionTable BorderOptionTable() {
    OptionTable table;
    for (const char* name : {"preset", "quality", "start", "end", "background", "border",
                             "border-width", "gradient-width", "width", "height"})
        table << ValueOption({name});
    table << ValueOption({"o", "output"}) << FlagOption({"texture-gradient"})
          << FlagOption({"no-border"});
    return table + ColourOptionTable();
}

QString BorderHelpText() {
    return QString::fromUtf8(BorderHelp) + ColourOptionsHelp + BorderOutputHelp;
}

BorderOptions ParseBorderOptions(const QStringList& args) {
    BorderOptions o;
    Arguments a(args, BorderOptionTable(), BorderHelpText());
    for (QString opt = a.NextOption(); !opt.isEmpty(); opt = a.NextOption()) {
        if (opt == "--preset") {
            o.PresetName = a.NonEmptyText();
        } else if (opt == "--texture-gradient") {
            o.TextureGradient = true;
        } else if (opt == "--output") {
            o.Output = a.NonEmptyText();
        } else if (opt == "--quality") {
            o.Quality = a.Integer(1, 100);
            o.QualityGiven = true;
        } else if (TakeColourOption(a, o.Colours)) {
            o.ColoursGiven = true;
        } else {
            TakeSettingsOption(a, o.Changes);
        }
    }
    const ImageFormat format = ImageFormatOf(o.Output);
    if (format == ImageFormat::Unknown)
        throw UsageError("option --output: the file name must end in .bmp, .png, .jpg, .jpeg, "
                         ".gif or .webp");
    if (o.ColoursGiven && !o.TextureGradient)
        throw UsageError("options --gradient, --contrast and --brightness need --texture-gradient");
    if (o.QualityGiven)
        WarnUnlessQualityApplies(o.Output);
    return o;
}

/// The preset's values over the defaults, as loading it in the program sets them.
void ApplyPreset(const QString& name, GradientSettings& settings) {
    const IniFile store(ProgramGradientFile());
    if (!store.KeyExists(GradientSection, name))
        throw MottlerError(QStringLiteral("There is no gradient preset \"%1\" in \"%2\".")
                               .arg(name, store.Path()));
    const LoadedGradient loaded = LoadGradient(store, name);
    if (!loaded.Loadable)
        throw MottlerError(
            QStringLiteral("The gradient preset \"%1\" in \"%2\" does not hold six fields.")
                .arg(name, store.Path()));
    if (!loaded.Error.isEmpty())
        throw MottlerError(loaded.Error);
    ApplyLoadedGradient(loaded, settings);
}

GradientSettings MergedSettings(const BorderOptions& o) {
    GradientSettings settings;
    if (!o.PresetName.isEmpty())
        ApplyPreset(o.PresetName, settings);
    if (o.TextureGradient) {
        settings.UseTextureGradient = true;
        settings.GradientWidth = QLatin1String(TextureGradientWidthText);
    }
    for (const SettingsChange& change : o.Changes)
        change(settings);
    return settings;
}

void Execute(const BorderOptions& o) {
    const GradientSettings settings = MergedSettings(o);
    const QImage strip = DrawFullGradientStrip(settings, BuildPalette(o.Colours));
    WriteImage(MakeGradientImage(strip, settings), o.Output, o.Quality);
}

} // namespace

int RunBorderCommand(const QStringList& args) {
    Execute(ParseBorderOptions(args));
    return ExitOk;
}

} // namespace mottler::cli
