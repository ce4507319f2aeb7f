#include "cli/arguments.h"
#include "cli/growcommand.h"
#include "cli/palettecommand.h"
#include "cli/presetscommand.h"

#include <QCoreApplication>
#include <cstdio>
#include <functional>
#include <map>

using namespace mottler::cli;

namespace {

const char* const MainHelp = R"(Usage: mottler-cli COMMAND [options]

Grows seamless, tileable reaction-diffusion textures without a screen.

Commands:
  grow        seed a texture, grow it and write the result
  palette     list the 256 colours of a gradient
  presets     list the names of the texture presets

Options:
  --help      show this help (or COMMAND --help for a command's options)
  --version   show the version
)";

const std::map<QString, std::function<int(const QStringList&)>>& Commands() {
    static const std::map<QString, std::function<int(const QStringList&)>> commands{
        {"grow", RunGrowCommand},
        {"palette", RunPaletteCommand},
        {"presets", RunPresetsCommand},
    };
    return commands;
}

int Dispatch(const QStringList& args) {
    if (args.isEmpty() || args[0] == "--help" || args[0] == "-h") {
        std::fputs(MainHelp, args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? ExitUsage : ExitOk;
    }
    if (args[0] == "--version") {
        std::printf("mottler-cli %s\n", MOTTLER_VERSION);
        return ExitOk;
    }
    const auto command = Commands().find(args[0]);
    if (command == Commands().end())
        throw UsageError(QStringLiteral("unknown command \"%1\"").arg(args[0]));
    return command->second(args.mid(1));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Quorvex");
    QCoreApplication::setApplicationName("Mottler");
    try {
        return Dispatch(QCoreApplication::arguments().mid(1));
    } catch (const UsageError& error) {
        std::fprintf(stderr, "mottler-cli: %s\nTry 'mottler-cli --help'.\n", error.what());
        return ExitUsage;
    }
}
