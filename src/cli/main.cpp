#include "base/errors.h"
#include "base/imagememory.h"
#include "cli/arguments.h"
#include "cli/bordercommand.h"
#include "cli/contrastcommand.h"
#include "cli/growcommand.h"
#include "cli/mapcommand.h"
#include "cli/palettecommand.h"
#include "cli/presetscommand.h"
#include "cli/report.h"
#include "cli/sheetcommand.h"

#include <QCommandLineParser>
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

Grows seamless, tileable reaction-diffusion textures without a screen. Options take their
value as "--name VALUE" or "--name=VALUE", short ones as "-o FILE" or "-oFILE"; "--" ends
the options.

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

Exit status:
  0    success
  1    the work failed (the message says why)
  2    a usage error: an unknown option, a missing or bad value
  130  Ctrl+C, SIGTERM or SIGHUP stopped a run (the outputs are still written)
)";

const std::map<QString, std::function<int(const QStringList&)>>& Commands() {
    static const std::map<QString, std::function<int(const QStringList&)>> commands{
        {"border", RunBorderCommand},   {"contrast", RunContrastCommand},
        {"grow", RunGrowCommand},       {"map", RunMapCommand},
        {"palette", RunPaletteCommand}, {"presets", RunPresetsCommand},
        {"sheet", RunSheetCommand},
    };
    return commands;
}

/// The options before the command, then the command and its arguments as they were given.
QStringList TopLevelArguments(const QStringList& args) {
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    AddInformationOptions(parser);
    if (!parser.parse(QStringList{QStringLiteral("mottler-cli")} + args))
        throw UsageError(ParseErrorText(parser));
    AnswerInformationRequest(parser, QString::fromUtf8(MainHelp));
    return parser.positionalArguments();
}

int Dispatch(const QStringList& args) {
    if (args.isEmpty()) {
        std::fputs(MainHelp, stderr);
        return ExitUsage;
    }
    const QStringList given = TopLevelArguments(args);
    if (given.isEmpty())
        throw UsageError("a command is needed");
    const auto command = Commands().find(given.front());
    if (command == Commands().end())
        throw UsageError(QStringLiteral("unknown command \"%1\"").arg(given.front()));
    return command->second(given.mid(1));
}

/// Commands that draw text need the font system, which only a QGuiApplication provides; on
/// the offscreen platform it needs no display.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char* argv[]) {
    const int command = argc > 2 && std::strcmp(argv[1], "--") == 0 ? 2 : 1;
    if (argc > command &&
        (std::strcmp(argv[command], "sheet") == 0 || std::strcmp(argv[command], "map") == 0)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

/// Where a usage error sends the user: the command's own help when a known command was given.
QString HelpCommand(const QStringList& args) {
    const QStringList given = args.value(0) == "--" ? args.mid(1) : args;
    return Commands().count(given.value(0)) != 0
               ? QStringLiteral("mottler-cli %1 --help").arg(given.value(0))
               : QStringLiteral("mottler-cli --help");
}

int RunCommand() {
    const QStringList args = QCoreApplication::arguments().mid(1);
    try {
        return Dispatch(args);
    } catch (const InformationRequest& request) {
        std::fputs(qPrintable(request.Text), stdout);
        return ExitOk;
    } catch (const UsageError& error) {
        std::fprintf(stderr, "mottler-cli: %s\nTry '%s'.\n", error.what(),
                     qPrintable(HelpCommand(args)));
        return ExitUsage;
    } catch (const mottler::MottlerError& error) {
        ReportError(error.Message());
    } catch (const std::bad_alloc&) {
        ReportError(OutOfMemoryMessage);
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
    mottler::KeepImageThreadsStarted();
    return CheckStandardOutput(RunCommand());
}
