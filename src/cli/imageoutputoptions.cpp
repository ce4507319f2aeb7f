#include "cli/imageoutputoptions.h"

#include "base/bmpfile.h"
#include "cli/report.h"
#include "output/heightmap.h"
#include "output/imagefile.h"
#include "output/normalmap.h"
#include "output/quarterturn.h"
#include "output/savetile.h"

#include <algorithm>

namespace mottler::cli {
namespace {

constexpr int DegreesPerTurn = 90;

int ParseTurns(const QString& degrees) {
    for (int turns = 1; turns <= 3; ++turns)
        if (degrees == QString::number(turns * DegreesPerTurn))
            return turns;
    throw UsageError(QStringLiteral("option --rotate: \"%1\" is not 90, 180 or 270").arg(degrees));
}

} // namespace

const char* const ImageOutputOptionsHelp = R"(
Turning and mirroring (--output), height and normal maps:
  --rotate 90|180|270  turn the --output image clockwise by that many degrees
  --mirror             write the seamless mirrored tile instead: a half-size copy of the
                       texture with its three mirror images (the texture's size for even
                       sides), after any --rotate
  --height-map FILE    chemical A as a 16-bit greyscale PNG, its least value black and its
                       greatest white, for bump or displacement maps (a uniform field
                       gives all black)
  --normal-map FILE    a tangent-space normal map of chemical A as a 24-bit PNG, for 3D
                       rendering; it tiles like the texture
  --normal-strength S  how many pixels high A's whole range stands, 0 to 1000 (default
                       4): more is steeper
  --normal-directx     green points down (DirectX) instead of up (OpenGL)
)";

OptionTable ImageOutputOptionTable() {
    return {ValueOption({"rotate"}),          FlagOption({"mirror"}),
            ValueOption({"height-map"}),      ValueOption({"normal-map"}),
            ValueOption({"normal-strength"}), FlagOption({"normal-directx"})};
}

bool TakeImageOutputOption(Arguments& args, ImageOutputOptions& options) {
    const QString& option = args.Option();
    if (option == "--rotate")
        options.QuarterTurns = ParseTurns(args.Text());
    else if (option == "--mirror")
        options.Mirror = true;
    else if (option == "--height-map") {
        options.HeightMap = args.NonEmptyText();
        if (ImageFormatOf(options.HeightMap) != ImageFormat::Png)
            throw UsageError("option --height-map: the file name must end in .png");
    } else if (option == "--normal-map") {
        options.NormalMap = args.NonEmptyText();
        if (ImageFormatOf(options.NormalMap) != ImageFormat::Png)
            throw UsageError("option --normal-map: the file name must end in .png");
    } else if (option == "--normal-strength")
        options.Normal.Strength = args.Real(0, MaxNormalStrength);
    else if (option == "--normal-directx")
        options.Normal.Convention = NormalConvention::DirectX;
    else
        return false;
    return true;
}

void CheckImageOutputOptions(const ImageOutputOptions& options, bool hasOutput,
                             const QSet<QString>& given) {
    if (options.NormalMap.isEmpty() &&
        (given.contains("--normal-strength") || given.contains("--normal-directx")))
        throw UsageError("options --normal-strength and --normal-directx need --normal-map");
    if (hasOutput)
        return;
    if (options.QuarterTurns != 0)
        throw UsageError("option --rotate needs --output FILE");
    if (options.Mirror)
        throw UsageError("option --mirror needs --output FILE");
}

void WarnUnlessQualityApplies(const QString& output) {
    const ImageFormat format = ImageFormatOf(output);
    if (format != ImageFormat::Jpeg && format != ImageFormat::Webp)
        ReportWarning("option --quality applies only to a JPEG or WebP --output; it is ignored");
}

QSize OutputImageSize(QSize texture, const ImageOutputOptions& options) {
    const QSize turned = options.QuarterTurns % 2 != 0 ? texture.transposed() : texture;
    if (!options.Mirror)
        return turned;
    // The mirrored tile is made of a copy halved to at least one pixel.
    return {2 * std::max(1, turned.width() / 2), 2 * std::max(1, turned.height() / 2)};
}

QImage OutputImage(const QImage& texture, const ImageOutputOptions& options) {
    return SaveTilePreview(TurnedBy(texture, options.QuarterTurns), options.Mirror);
}

void WriteHeightMapOutput(const TextureEngine& engine, const ImageOutputOptions& options) {
    if (!options.HeightMap.isEmpty())
        WriteFileAtomically(options.HeightMap, EncodePng(HeightMap(engine)));
}

void WriteNormalMapOutput(const TextureEngine& engine, const ImageOutputOptions& options) {
    if (!options.NormalMap.isEmpty())
        WriteFileAtomically(options.NormalMap, EncodePng(NormalMap(engine, options.Normal)));
}

} // namespace mottler::cli
