#include "cli/presetscommand.h"

#include "base/errors.h"
#include "cli/arguments.h"
#include "cli/presetsource.h"
#include "cli/report.h"

namespace mottler::cli {
namespace {

const char* const PresetsHelp = R"(Usage: mottler-cli presets [options]

Lists the names of the texture presets, sorted alphabetically without regard to case.
Without --presets it reads "save.ini" in the data folder ($MOTTLER_HOME, else
~/.local/share/Quorvex/Mottler), writing the built-in presets (and the picture and text
files they come with) there first when they are missing.

Control characters in a name are shown escaped ("\x1B"), so that a name from a texture
pack cannot recolour or clear the terminal.

Options:
  --presets FILE   list the presets of FILE instead (a preset file or a texture pack)
  --help           show this help
  --version        show the version

Exit status: 0 on success, 1 when the file could not be read or holds no presets, 2 for a
usage error.
)";

/// The file given with --presets, or an empty string for the data folder's.
QString ParsePresetFile(const QStringList& args) {
    Arguments arguments(args, {ValueOption({"presets"})}, QString::fromUtf8(PresetsHelp));
    QString file;
    while (!arguments.NextOption().isEmpty())
        file = arguments.NonEmptyText();
    return file;
}

} // namespace

int RunPresetsCommand(const QStringList& args) {
    const IniFile file = OpenPresetFile(ParsePresetFile(args));
    QStringList names = PresetNames(file);
    names.removeAll(QString()); // "[]" names nothing that could be loaded
    if (names.isEmpty())
        throw MottlerError(
            QStringLiteral("The file \"%1\" holds no preset sections.").arg(file.Path()));
    for (const QString& name : names)
        PrintLine(EscapedForTerminal(name));
    return ExitOk;
}

} // namespace mottler::cli
