#include "cli/arguments.h"
#include "cli/bordercommand.h"
#include "cli/contrastcommand.h"
#include "cli/growcommand.h"
#include "cli/mapcommand.h"
#include "cli/palettecommand.h"
#include "cli/presetscommand.h"
#include "cli/sheetcommand.h"
#include "base/errors.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <new>

using namespace mottler::cli;

namespace {

const char* const MainHelp = R"(Usage: mottler-cli COMMAND [options]

Grows seamless, tileable reaction-diffusion textures without a screen.

Commands:
  border      write a fading-border background image (gradient, border, background)
  contrast    measure how readable text colours are over a background image
  grow        seed a texture, grow it and write the result
  map         grow a map of variations of one texture, two values varied
  palette     list the 256 colours of a gradient
  presets     list the names of the texture presets
  sheet       draw all texture presets into one contact sheet image

Options:
  --help      show this help (or COMMAND --help for a command's options)
  --version   show the version
)";

const std::map<QString, std::function<int(const QStringList&)>>& Commands() {
    static const std::map<QString, std::function<int(const QStringList&)>> commands{
        {"border", RunBorderCommand},
        {"contrast", RunContrastCommand},
        {"grow", RunGrowCommand},
        {"map", RunMapCommand},
        {"palette", RunPaletteCommand},
        {"presets", RunPresetsCommand},
        {"sheet", RunSheetCommand},
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

/// Commands that draw text need the font system, which only a QGuiApplication provides; on
/// the offscreen platform it needs no display.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char* argv[]) {
    if (argc > 1 && (std::strcmp(argv[1], "sheet") == 0 || std::strcmp(argv[1], "map") == 0)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

int RunCommand() {
    try {
        return Dispatch(QCoreApplication::arguments().mid(1));
    } catch (const UsageError& error) {
        std::fprintf(stderr, "mottler-cli: %s\nTry 'mottler-cli --help'.\n", error.what());
        return ExitUsage;
    } catch (const mottler::MottlerError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.Message()));
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "%s\n", OutOfMemoryMessage);
    }
    return ExitFailed;
}

/// Output that never arrived (a full disk, a closed pipe) is a failure, not a success.
int CheckStandardOutput(int status) {
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return status;
    std::fprintf(stderr, "mottler-cli: could not write the standard output: %s\n",
                 errno != 0 ? std::strerror(errno) : "write error");
    return ExitFailed;
}

} // namespace

int main(int argc, char* argv[]) {
    // Past a file-size limit, a write should fail with its reason, not kill the program.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::unique_ptr<QCoreApplication> app = MakeApplication(argc, argv);
    QCoreApplication::setOrganizationName("Quorvex");
    QCoreApplication::setApplicationName("Mottler");
    return CheckStandardOutput(RunCommand());
}
