#include "cli/palettecommand.h"

#include "base/bmpfile.h"
#include "cli/arguments.h"
#include "cli/colouroptions.h"
#include "palette/colourtext.h"

#include <cstdio>

namespace mottler::cli {
namespace {

const char* const PaletteHelp = R"(Usage: mottler-cli palette [options]

Builds the 256-entry palette of a gradient and lists it, one entry a line as
"index RRGGBB" (index 0 is the start of the gradient, 255 its end).

Options:
)";

const char* const PaletteOutputHelp =
    R"(  -o, --output FILE    write the list to FILE instead of standard output

Exit status: 0 on success, 1 when the file could not be written, 2 for a usage error.
)";

struct PaletteOptions {
    ColourOptions Colours;
    QString Output;
};

PaletteOptions ParsePaletteOptions(const QStringList& args) {
    PaletteOptions o;
    Arguments a(args, OptionTable{ValueOption({"o", "output"})} + ColourOptionTable(),
                QString::fromUtf8(PaletteHelp) + ColourOptionsHelp + PaletteOutputHelp);
    for (QString opt = a.NextOption(); !opt.isEmpty(); opt = a.NextOption()) {
        if (opt == "--output")
            o.Output = a.NonEmptyText();
        else
            TakeColourOption(a, o.Colours);
    }
    return o;
}

QByteArray PaletteListing(const Palette& palette) {
    QByteArray text;
    for (int i = 0; i < 256; ++i)
        text += QStringLiteral("%1 %2\n")
                    .arg(i)
                    .arg(ColourToHex(palette.Colours[static_cast<std::size_t>(i)]))
                    .toLatin1();
    return text;
}

} // namespace

int RunPaletteCommand(const QStringList& args) {
    const PaletteOptions options = ParsePaletteOptions(args);
    const QByteArray listing = PaletteListing(BuildPalette(options.Colours));
    if (options.Output.isEmpty()) {
        std::fwrite(listing.constData(), 1, static_cast<std::size_t>(listing.size()), stdout);
        return ExitOk;
    }
    WriteFileAtomically(options.Output, listing);
    return ExitOk;
}

} // namespace mottler::cli
