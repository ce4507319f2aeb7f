#include "cli/contrastcommand.h"

#include "cli/arguments.h"
#include "cli/growcommand.h"
#include "cli/growoptions.h"
#include "engine/initialimage.h"
#include "palette/colourtext.h"
#include "preview/textcontrast.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>

namespace mottler::cli {
namespace {

const char* const ContrastHelp =
    R"(Usage: mottler-cli contrast --text RRGGBB [--link RRGGBB] [--vlink RRGGBB]
                           [--alink RRGGBB] (--image FILE | grow options)

Prints how readable text in each colour is over a web-page background: the WCAG contrast
ratio against the background's average colour and against its worst pixel (the lowest
ratio over all pixels of the tile), each with its verdict for normal text: AAA (7:1),
AA (4.5:1) or fail.

  --text RRGGBB        the text colour (six hexadecimal digits, red first; a leading #
                       is allowed)
  --link RRGGBB        the colour of links
  --vlink RRGGBB       the colour of visited links
  --alink RRGGBB       the colour of active links
  --image FILE         measure this picture (BMP, JPEG, GIF, PNG, ...)

Without --image (or with --type image or --preset, where --image is the picture the
texture grows from) the options of `mottler-cli grow` grow a texture, which is then
measured coloured through its gradient; see `mottler-cli grow --help`.

Exit status: 0 on success, 1 when the image could not be read or grown, 2 for a usage
error, 130 when a signal stopped the growth.
)";

/// One text colour to measure and the name it is printed with.
struct NamedColour {
    const char* Name;
    const char* Option;
    std::optional<PackedColour> Colour;
};

struct ContrastOptions {
    std::vector<NamedColour> Colours{{"text", "--text", {}},
                                     {"link", "--link", {}},
                                     {"vlink", "--vlink", {}},
                                     {"alink", "--alink", {}}};
    QString Image;
    QStringList GrowArgs;
};

PackedColour ParseColour(const QString& option, QString text) {
    if (text.startsWith(QLatin1Char('#')))
        text.remove(0, 1);
    const std::optional<PackedColour> colour = ColourFromHtmlCode(text);
    if (!colour)
        throw UsageError(QStringLiteral("option %1: \"%2\" is not RRGGBB").arg(option, text));
    return *colour;
}

/// The colour options, then every option of `grow` (--image among them).
OptionTable ContrastOptionTable() {
    return OptionTable{ValueOption({"text"}), ValueOption({"link"}), ValueOption({"vlink"}),
                       ValueOption({"alink"})} +
           GrowOptionTable();
}

/// Reads this command's own options; the others are passed on to the parser of `grow`.
ContrastOptions ParseContrastOptions(const QStringList& args) {
    ContrastOptions o;
    Arguments a(args, ContrastOptionTable(), QString::fromUtf8(ContrastHelp));
    bool grows = false;
    for (QString opt = a.NextOption(); !opt.isEmpty(); opt = a.NextOption()) {
        const auto own = std::find_if(o.Colours.begin(), o.Colours.end(),
                                      [&](const NamedColour& c) { return opt == c.Option; });
        grows = grows || opt == "--type" || opt == "--preset";
        if (own != o.Colours.end())
            own->Colour = ParseColour(opt, a.Text());
        else if (opt == "--image")
            o.Image = a.NonEmptyText();
        else
            o.GrowArgs += a.AsGiven();
    }
    // With --type or --preset, --image is the picture the texture grows from.
    if (grows && !o.Image.isEmpty())
        o.GrowArgs += QStringList{"--image", std::exchange(o.Image, QString())};
    if (!o.Colours.front().Colour)
        throw UsageError("option --text RRGGBB is needed");
    if (!o.Image.isEmpty() && !o.GrowArgs.isEmpty())
        throw UsageError(QStringLiteral("option %1 cannot be used with --image FILE alone; "
                                        "give --type image to grow from the picture")
                             .arg(o.GrowArgs.front()));
    return o;
}

void PrintFigures(const ContrastOptions& o, const QImage& background) {
    const BackgroundContrast measured(background);
    std::printf("average colour: #%s\n", qPrintable(ColourToHex(measured.AverageColour())));
    for (const NamedColour& c : o.Colours) {
        if (!c.Colour)
            continue;
        std::printf("%s #%s: %s\n", c.Name, qPrintable(ColourToHex(*c.Colour)),
                    qPrintable(ReadabilityText(measured.Readability(*c.Colour))));
    }
}

int Measure(const ContrastOptions& o) {
    if (!o.Image.isEmpty()) {
        PrintFigures(o, ReadPicture(o.Image));
        return ExitOk;
    }
    GrowOptions grow = ParseGrowOptions(o.GrowArgs);
    QImage texture;
    const int status = ExecuteGrow(grow, &texture);
    if (status == ExitOk)
        PrintFigures(o, texture);
    return status;
}

} // namespace

int RunContrastCommand(const QStringList& args) {
    return Measure(ParseContrastOptions(args));
}

} // namespace mottler::cli
