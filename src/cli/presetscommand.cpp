#include "cli/presetscommand.h"

#include "base/errors.h"
#include "cli/arguments.h"
#include "cli/presetsource.h"

#include <cstdio>

namespace mottler::cli {
namespace {

const char* const PresetsHelp = R"(Usage: mottler-cli presets [options]

Lists the names of the texture presets, sorted alphabetically without regard to case.
Without --presets it reads "save.ini" in the data folder ($MOTTLER_HOME, else
~/.local/share/Quorvex/Mottler), writing the built-in presets (and the picture and text
files they come with) there first when they are missing.

Options:
  --presets FILE   list the presets of FILE instead (a preset file or a texture pack)
  --help           show this help
)";

struct PresetsOptions {
    QString File;
    bool Help = false;
};

PresetsOptions ParseOptions(const QStringList& args) {
    PresetsOptions options;
    Arguments arguments(args);
    for (QString option = arguments.NextOption(); !option.isEmpty();
         option = arguments.NextOption()) {
        if (option == "--help" || option == "-h")
            options.Help = true;
        else if (option == "--presets")
            options.File = arguments.Text();
        else
            throw UsageError(QStringLiteral("unknown option %1").arg(option));
    }
    return options;
}

} // namespace

int RunPresetsCommand(const QStringList& args) {
    const PresetsOptions options = ParseOptions(args);
    if (options.Help) {
        std::fputs(PresetsHelp, stdout);
        return ExitOk;
    }
    try {
        const IniFile file = OpenPresetFile(options.File);
        QStringList names = PresetNames(file);
        names.removeAll(QString()); // "[]" names nothing that could be loaded
        if (names.isEmpty())
            throw MottlerError(
                QStringLiteral("The file \"%1\" holds no preset sections.").arg(file.Path()));
        for (const QString& name : names)
            std::fputs(qPrintable(name + QLatin1Char('\n')), stdout);
        return ExitOk;
    } catch (const MottlerError& error) {
        std::fputs(qPrintable(error.Message() + '\n'), stderr);
        return ExitFailed;
    }
}

} // namespace mottler::cli
