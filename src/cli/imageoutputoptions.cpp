#include "cli/imageoutputoptions.h"

#include "base/bmpfile.h"
#include "cli/report.h"
#include "output/heightmap.h"
#include "output/imagefile.h"
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
Turning and mirroring (--output), height map:
  --rotate 90|180|270  turn the --output image clockwise by that many degrees
  --mirror             write the seamless mirrored tile instead: a half-size copy of the
                       texture with its three mirror images (the texture's size for even
                       sides), after any --rotate
  --height-map FILE    chemical A as a 16-bit greyscale PNG, its least value black and its
                       greatest white, for bump or displacement maps (a uniform field
                       gives all black)
)";

OptionTable ImageOutputOptionTable() {
    return {ValueOption({"rotate"}), FlagOption({"mirror"}), ValueOption({"height-map"})};
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
    } else
        return false;
    return true;
}

void CheckImageOutputOptions(const ImageOutputOptions& options, bool hasOutput) {
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

} // namespace mottler::cli
