#include "cli/sheetcommand.h"

#include "base/errors.h"
#include "base/filereplacement.h"
#include "base/orderedwork.h"
#include "cli/arguments.h"
#include "cli/contactsheet.h"
#include "cli/presetsource.h"
#include "cli/report.h"
#include "output/imagefile.h"
#include "presets/presetgrowth.h"
#include "presets/shapetuning.h"

#include <cstdio>

namespace mottler::cli {
namespace {

const char* const SheetHelp = R"(Usage: mottler-cli sheet [options]

Grows every texture preset, as loading it in the program does, and draws them all into one
contact sheet: each texture as a small picture (tiled 2 x 2 when it fits the cell, so that
any seam would show) with the preset's name underneath. Presets are taken in the order of
the program's list and grown on every core at once. Large presets take a while. For each
preset a line with its size, iterations and range of A goes to stdout; a preset that cannot be
grown is reported on stderr, shown crossed out, and makes the exit status 1.

Options:
  -o, --output FILE  the sheet: PNG, JPEG, BMP, GIF or WebP by the name's extension
                     (default presets.png)
  --presets FILE     draw the presets of FILE (a preset file or texture pack) instead of the
                     data folder's "save.ini" (written from the built-in presets when missing)
  --columns N        pictures in a row, 1 to 100 (default 6)
  --size N           a picture's cell in pixels, 16 to 1024 (default 160)
  --help             show this help
  --version          show the version

Exit status: 0 when every preset was drawn, 1 when one could not be grown or the sheet
could not be written, 2 for a usage error.
)";

struct SheetOptions {
    QString Output = QStringLiteral("presets.png");
    QString PresetFile;
    int Columns = 6;
    int Size = 160;
};

SheetOptions ParseOptions(const QStringList& args) {
    SheetOptions o;
    Arguments a(args,
                {ValueOption({"o", "output"}), ValueOption({"presets"}), ValueOption({"columns"}),
                 ValueOption({"size"})},
                QString::fromUtf8(SheetHelp));
    for (QString opt = a.NextOption(); !opt.isEmpty(); opt = a.NextOption()) {
        if (opt == "--output")
            o.Output = a.NonEmptyText();
        else if (opt == "--presets")
            o.PresetFile = a.NonEmptyText();
        else if (opt == "--columns")
            o.Columns = a.Integer(1, 100);
        else
            o.Size = a.Integer(16, 1024);
    }
    if (ImageFormatOf(o.Output) == ImageFormat::Unknown)
        throw UsageError(
            "option --output: the file name must end in .bmp, .png, .jpg, .jpeg, .gif or .webp");
    return o;
}

QString Describe(const QString& name, const TextureEngine& engine, const RunResult& result) {
    QString line = QStringLiteral("%1: %2 x %3, iterations %4, A %5 … %6")
                       .arg(EscapedForTerminal(name))
                       .arg(engine.Width())
                       .arg(engine.Height())
                       .arg(result.Reported)
                       .arg(static_cast<double>(engine.FieldMin), 0, 'g', 6)
                       .arg(static_cast<double>(engine.FieldMax), 0, 'g', 6);
    if (result.Outcome == RunOutcome::UniformField)
        line += QStringLiteral(", stopped: the field of A became uniform");
    return line;
}

/// A preset grown for the sheet: its texture and the line that describes it, or a null
/// texture and why it could not be grown.
struct SheetGrowth {
    QImage Texture;
    QString Line;
    QString Error;
};

SheetGrowth GrowForSheet(const IniFile& file, const QString& name, const ShapeTuning& tuning) {
    try {
        TextureEngine engine;
        // One thread each: the sheet grows a preset on every core already.
        const PresetGrowth growth = GrowPreset(engine, ReadPreset(file, name), tuning, 1);
        const RunOutcome outcome = growth.Result.Outcome;
        if (outcome == RunOutcome::Overflow || outcome == RunOutcome::InternalError)
            return {{}, {}, EscapedForTerminal(name) + ": " + growth.Result.Message};
        return {engine.TextureBitmap, Describe(name, engine, growth.Result), {}};
    } catch (const MottlerError& error) {
        return {{}, {}, EscapedForTerminal(name) + ": " + error.Message()};
    }
}

int Execute(const SheetOptions& o) {
    CheckWritablePath(o.Output); // before the long work of growing every preset
    const IniFile file = OpenPresetFile(o.PresetFile);
    const QStringList names = PresetNames(file);
    if (names.isEmpty())
        throw MottlerError(QStringLiteral("There are no presets in \"%1\".").arg(file.Path()));
    // One preset per core; the lines come out in the list's order all the same.
    const ShapeTuning tuning = ReadShapeTuning();
    std::vector<SheetGrowth> grown(static_cast<std::size_t>(names.size()));
    std::vector<SheetCell> cells;
    bool allGrown = true;
    RunInOrder(
        static_cast<int>(names.size()), 0,
        [&](int i) { grown[static_cast<std::size_t>(i)] = GrowForSheet(file, names[i], tuning); },
        [&](int i) {
            SheetGrowth& growth = grown[static_cast<std::size_t>(i)];
            if (growth.Texture.isNull())
                ReportError(growth.Error);
            else
                PrintLine(growth.Line);
            std::fflush(stdout);
            allGrown = allGrown && !growth.Texture.isNull();
            cells.push_back({std::move(growth.Texture), names[i]});
        });
    WriteImage(DrawContactSheet(cells, o.Columns, o.Size), o.Output, 90);
    return allGrown ? ExitOk : ExitFailed;
}

} // namespace

int RunSheetCommand(const QStringList& args) {
    return Execute(ParseOptions(args));
}

} // namespace mottler::cli
