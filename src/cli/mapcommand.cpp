#include "cli/mapcommand.h"

#include "base/errors.h"
#include "cli/arguments.h"
#include "cli/growoptions.h"
#include "cli/presetoverrides.h"
#include "cli/presetsource.h"
#include "document/texturedocument.h"
#include "engine/initialimage.h"
#include "engine/random.h"
#include "explore/adoption.h"
#include "explore/mapimage.h"
#include "explore/variationmap.h"
#include "output/imagefile.h"
#include "presets/advancedfactors.h"
#include "presets/shapetuning.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace mottler::cli {
namespace {

const char* const MapHelp =
    R"(Usage: mottler-cli map [grow's options or --preset NAME] --a FROM:TO --b FROM:TO
                      --steps N [--cell WxH] [--labels] -o FILE

Grows a map of variations of one texture: the columns vary one value from FROM to TO, the
rows another, evenly spaced, every other value as grow's options or the preset give it.
Each cell is exactly the texture `mottler-cli grow` grows with the cell's values. The cells
are grown on every processor core and written side by side, without gaps.

Varied values (exactly two, each FROM:TO; the first given varies across the columns):
  --a, --b             the diffusion factors (whole numbers)
  --c, --d             the reaction constants
  --amult, --bmult     the neighbour weights (four decimals)
  --iterations         the iterations grown
  --seed               the random seed (not with --type image)

Map:
  --steps N            cells per side, 2 to 16
  --cell WxH           the size each cell is grown at (default: the texture's size)
  --labels             the values above the columns and left of the rows
  -o, --output FILE    the map: BMP, PNG, JPEG or WebP by the name's extension
  --quality N          JPEG and WebP quality, 1 to 100 (default 80)

Every other option of grow that sets the texture (--preset, --presets, --seed N, --type,
--image, --fit, --width, --height, --iterations N, --a X, ..., --zero, --drift and the colour
options) sets the map's texture.
)";

constexpr int FewestSteps = 2;
constexpr int MostSteps = 16;

/// What `map` adds to grow's options.
struct MapOptions {
    std::vector<VariationAxis> Axes;
    int Steps = 0;
    bool Labels = false;
    bool Help = false;
    QString Output;
    QStringList GrowArguments; ///< everything else, for grow's parser
};

void PrintError(const QString& text) {
    std::fputs(qPrintable(text + '\n'), stderr);
}

/// Splits "--name=value"; returns the name and sets `value` when it was inline.
QString OptionName(const QString& arg, std::optional<QString>& value) {
    const qsizetype equals = arg.indexOf('=');
    if (!arg.startsWith("--") || equals < 0)
        return arg;
    value = arg.mid(equals + 1);
    return arg.left(equals);
}

QString TakeValue(const QStringList& args, int& i, const QString& name,
                  std::optional<QString>& value) {
    if (value)
        return *value;
    if (i + 1 >= args.size())
        throw UsageError(QStringLiteral("option %1 needs a value").arg(name));
    return args[++i];
}

double RangeEnd(const QString& text, const QString& name) {
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || !std::isfinite(number) || std::abs(number) > 2147483647.0)
        throw UsageError(
            QStringLiteral("option %1: \"%2\" is not a number of the range").arg(name, text));
    return number;
}

VariationAxis Axis(VariedValue value, const QString& range, const QString& name) {
    const QStringList ends = range.split(':');
    if (ends.size() != 2)
        throw UsageError(QStringLiteral("option %1: the range must be FROM:TO").arg(name));
    return {value, RangeEnd(ends[0], name), RangeEnd(ends[1], name)};
}

int Steps(const QString& text) {
    bool ok = false;
    const int steps = text.toInt(&ok);
    if (!ok || steps < FewestSteps || steps > MostSteps)
        throw UsageError(QStringLiteral("option --steps: a whole number from %1 to %2")
                             .arg(FewestSteps)
                             .arg(MostSteps));
    return steps;
}

// "--cell WxH" grows each cell at that size: grow's --width and --height.
QStringList CellSize(const QString& text) {
    static const QRegularExpression size(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
    const QRegularExpressionMatch match = size.match(text);
    if (!match.hasMatch() || match.captured(1).toInt() < 1 || match.captured(2).toInt() < 1)
        throw UsageError(QStringLiteral("option --cell: the size must be WxH, e.g. 160x120"));
    return {"--width", match.captured(1), "--height", match.captured(2)};
}

MapOptions ParseMapOptions(const QStringList& args) {
    MapOptions m;
    for (int i = 0; i < args.size(); ++i) {
        std::optional<QString> inlineValue;
        const QString name = OptionName(args[i], inlineValue);
        const auto varied = name.startsWith("--") ? VariedValueNamed(name.mid(2)) : std::nullopt;
        if (name == "--help" || name == "-h") {
            m.Help = true;
        } else if (name == "--steps") {
            m.Steps = Steps(TakeValue(args, i, name, inlineValue));
        } else if (name == "--labels") {
            m.Labels = true;
        } else if (name == "--cell") {
            m.GrowArguments << CellSize(TakeValue(args, i, name, inlineValue));
        } else if (name == "-o" || name == "--output") {
            m.Output = TakeValue(args, i, name, inlineValue);
        } else if (varied && (inlineValue ? inlineValue->contains(':')
                                          : i + 1 < args.size() && args[i + 1].contains(':'))) {
            m.Axes.push_back(Axis(*varied, TakeValue(args, i, name, inlineValue), name));
        } else {
            m.GrowArguments << args[i];
        }
    }
    return m;
}

void Validate(const MapOptions& m) {
    if (m.Axes.size() != 2 || m.Axes[0].Value == m.Axes[1].Value)
        throw UsageError("map: give exactly two different values to vary, each as FROM:TO");
    if (m.Steps == 0)
        throw UsageError("map: option --steps N is required");
    if (m.Output.isEmpty())
        throw UsageError("map: option -o FILE is required");
    const ImageFormat format = ImageFormatOf(m.Output);
    if (format == ImageFormat::Unknown || format == ImageFormat::Gif)
        throw UsageError(
            "option --output: the file name must end in .bmp, .png, .jpg, .jpeg or .webp");
}

int WholeFactor(double factor, const char* option) {
    if (factor != std::round(factor) || std::abs(factor) > 2147483647.0)
        throw UsageError(QStringLiteral("map: option %1 takes a whole number here").arg(option));
    return static_cast<int>(factor);
}

/// The texture every cell starts from, its palette and how its fields are seeded.
struct MapTexture {
    Variation Centre;
    Palette Colours;
    CellSeeding Seeding;
};

// A picture's B noise is drawn from the seed, as grow draws it; every cell then starts from
// the same fields.
std::shared_ptr<const InitialFields> PictureFields(const GrowOptions& o, QSize& size) {
    TextureEngine engine;
    engine.SetTextureSize(size.width(), size.height());
    const QImage picture = ReadPicture(o.Texture.ImageFile);
    SetRandomSeed(static_cast<std::uint32_t>(*o.Seed));
    UsePictureAsInitialTexture(engine, picture, o.Fit);
    size = QSize(engine.Width(), engine.Height());
    return std::make_shared<InitialFields>(CopyInitialFields(engine));
}

MapTexture FromOptions(GrowOptions& o) {
    if (!o.Seed) {
        ReseedFromClock();
        o.Seed = static_cast<std::int32_t>(RandomSeed());
    }
    MapTexture t;
    t.Centre.Settings = o.Texture;
    t.Centre.Settings.Seed = *o.Seed;
    t.Centre.Settings.FactorA = WholeFactor(o.Factors.FactorA, "--a");
    t.Centre.Settings.FactorB = WholeFactor(o.Factors.FactorB, "--b");
    t.Centre.Advanced = AdvancedTextsOf(o.Factors);
    t.Colours = BuildPalette(o.Colours);
    QSize size(o.Texture.Width, o.Texture.Height);
    if (o.Texture.Type == ImageFile)
        t.Seeding.Picture = PictureFields(o, size);
    t.Seeding.Width = size.width();
    t.Seeding.Height = size.height();
    return t;
}

// The preset loaded as the program loads it, so the map's cells are what the window grows.
MapTexture FromPreset(const GrowOptions& o, const ShapeTuning& tuning) {
    const IniFile file = OpenPresetFile(o.PresetFile);
    const Preset preset = InPreset(
        file, o.PresetName, [&] { return OverridePreset(NamedPreset(file, o.PresetName), o); });
    TextureDocument doc;
    InPreset(file, o.PresetName, [&] {
        doc.ApplyPreset(
            preset, tuning,
            [&](const QString& path) { doc.UsePicture(ReadPicture(path), PresetPictureFit(o)); },
            [] {});
    });
    MapTexture t{DocumentVariation(doc),
                 doc.Gradient.Colours,
                 {doc.Engine.Width(), doc.Engine.Height(), tuning, nullptr}};
    if (preset.Type == ImageFile)
        t.Seeding.Picture = std::make_shared<InitialFields>(CopyInitialFields(doc.Engine));
    return t;
}

void ReportFailures(const std::vector<GrownCell>& cells, int steps) {
    for (std::size_t k = 0; k < cells.size(); ++k)
        if (cells[k].Failed())
            PrintError(QStringLiteral("cell %1, %2: %3")
                           .arg(static_cast<int>(k) % steps + 1)
                           .arg(static_cast<int>(k) / steps + 1)
                           .arg(QString(cells[k].Message).replace('\n', ' ').simplified()));
}

// grow's options that set the texture or its colours; the others (recording, raw fields,
// turning the output, the engine) have no meaning for a map and are refused, not ignored.
void CheckTextureOptionsOnly(const GrowOptions& o) {
    static const QSet<QString> texture{
        "--preset",   "--presets",  "--seed",       "--type", "--image", "--fit",
        "--width",    "--height",   "--iterations", "--a",    "--b",     "--c",
        "--d",        "--amult",    "--bmult",      "--zero", "--drift", "--quality",
        "--gradient", "--contrast", "--brightness"};
    for (const QString& option : o.Given)
        if (!texture.contains(option))
            throw UsageError(QStringLiteral("map: option %1 is for grow only").arg(option));
}

int ExecuteMap(const MapOptions& m) {
    GrowOptions o = ParseGrowOptions(m.GrowArguments);
    CheckTextureOptionsOnly(o);
    const ShapeTuning tuning = ReadShapeTuning();
    MapTexture texture = o.PresetName.isEmpty() ? FromOptions(o) : FromPreset(o, tuning);
    texture.Seeding.Tuning = tuning;
    if (texture.Seeding.Picture &&
        (m.Axes[0].Value == VariedValue::Seed || m.Axes[1].Value == VariedValue::Seed))
        throw UsageError("map: --seed cannot vary for a picture, whose fields no seed draws");
    const VariationMap map{texture.Centre, m.Axes[0], m.Axes[1], m.Steps};
    const std::vector<GrownCell> grown = GrowCells(map.Cells(), map.Steps, texture.Seeding);
    std::vector<QImage> pictures;
    for (const GrownCell& cell : grown)
        pictures.push_back(ColourCell(cell, texture.Colours));
    const MapLabels labels = LabelsOf(map);
    WriteImage(ComposeMapImage(pictures, map.Steps, m.Labels ? &labels : nullptr), m.Output,
               o.Quality);
    std::printf("seed: %d\n", map.Centre.Settings.Seed);
    ReportFailures(grown, map.Steps);
    const bool failed =
        std::any_of(grown.begin(), grown.end(), [](const GrownCell& c) { return c.Failed(); });
    return failed ? ExitFailed : ExitOk;
}

} // namespace

int RunMapCommand(const QStringList& args) {
    const MapOptions options = ParseMapOptions(args);
    if (options.Help) {
        std::fputs(MapHelp, stdout);
        return ExitOk;
    }
    Validate(options);
    try {
        return ExecuteMap(options);
    } catch (const MottlerError& error) {
        PrintError(error.Message());
        return ExitFailed;
    }
}

} // namespace mottler::cli
