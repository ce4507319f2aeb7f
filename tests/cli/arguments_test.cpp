// The command line as people type it by habit: the parser on its own, then every command.
#include "avireadback.h"
#include "cli/arguments.h"
#include "clirun.h"
#include "filebytes.h"
#include "testenv.h"

#include <QFile>
#include <gtest/gtest.h>

namespace mottler::cli {
namespace {

using test::CliResult;
using test::RunCli;

const OptionTable Table{ValueOption({"o", "output"}), ValueOption({"seed"}),
                        FlagOption({"progress"})};

/// The options as the walk gives them, "name=value" (or the name alone for a flag).
QStringList Walk(const QStringList& args) {
    Arguments a(args, Table, "the help\n");
    QStringList walked;
    for (QString option = a.NextOption(); !option.isEmpty(); option = a.NextOption())
        walked << a.AsGiven().join('=');
    return walked;
}

QString UsageErrorOf(const QStringList& args) {
    try {
        Walk(args);
    } catch (const UsageError& error) {
        return QString::fromStdString(error.what());
    }
    return {};
}

QString InformationOf(const QStringList& args) {
    try {
        Walk(args);
    } catch (const InformationRequest& request) {
        return request.Text;
    }
    return {};
}

TEST(Arguments, TakeValuesInEveryUsualFormInTheGivenOrder) {
    EXPECT_EQ(
        Walk({"-ofile.png", "--seed=-5", "--progress", "-o", "-", "--seed", "7", "--"}),
        QStringList({"--output=file.png", "--seed=-5", "--progress", "--output=-", "--seed=7"}));
    EXPECT_EQ(Walk({"--output=", "--"}), QStringList({"--output="}));
}

TEST(Arguments, NameWhatIsWrong) {
    EXPECT_EQ(UsageErrorOf({"--bogus"}), "unknown option --bogus");
    EXPECT_EQ(UsageErrorOf({"-x"}), "unknown option -x");
    EXPECT_EQ(UsageErrorOf({"--seed"}), "option --seed needs a value");
    EXPECT_EQ(UsageErrorOf({"--progress=yes"}), "option --progress takes no value");
    EXPECT_EQ(UsageErrorOf({"--", "--seed"}), "unexpected argument \"--seed\"");
    EXPECT_EQ(UsageErrorOf({"stray"}), "unexpected argument \"stray\"");
    EXPECT_EQ(InformationOf({"--seed", "1", "--help"}), "the help\n");
    EXPECT_EQ(InformationOf({"-h"}), "the help\n");
    EXPECT_EQ(InformationOf({"--version"}), VersionText());
}

TEST(CommandLine, EveryCommandAnswersHelpAndVersion) {
    for (const char* command : {"border", "contrast", "grow", "palette", "presets", "sheet"}) {
        const CliResult version = RunCli({command, "--version"});
        EXPECT_EQ(version.Status, 0) << command;
        EXPECT_EQ(version.Out, "mottler-cli " MOTTLER_VERSION "\n") << command;
        const CliResult help = RunCli({command, "-h"});
        EXPECT_EQ(help.Status, 0) << command;
        EXPECT_TRUE(help.Out.startsWith(QStringLiteral("Usage: mottler-cli ") + command))
            << command;
    }
    const CliResult main = RunCli({"--help"});
    EXPECT_TRUE(main.Out.contains("130")) << main.Out.toStdString();
    EXPECT_EQ(RunCli({"--version"}).Out, "mottler-cli " MOTTLER_VERSION "\n");
    EXPECT_EQ(RunCli({"--", "palette", "--version"}).Status, 0);
}

TEST(CommandLine, UsageErrorsNameTheOptionAndRunErrorsCarryThePrefix) {
    const CliResult unknown = RunCli({"contrast", "--bogus", "--text", "000000"});
    EXPECT_EQ(unknown.Status, 2);
    EXPECT_EQ(unknown.Err, "mottler-cli: unknown option --bogus\n"
                           "Try 'mottler-cli contrast --help'.\n");
    const CliResult failed = RunCli({"palette", "-o", "/nonexistent-folder/p.txt"});
    EXPECT_EQ(failed.Status, 1);
    EXPECT_TRUE(failed.Err.startsWith("mottler-cli: ")) << failed.Err.toStdString();
    EXPECT_EQ(failed.Err.count("mottler-cli: "), 1) << failed.Err.toStdString();
}

TEST(CommandLine, AnEmptyFileNameIsAUsageError) {
    const QStringList grow{"grow", "--iterations", "1", "--width", "8", "--height", "8"};
    for (const char* option :
         {"-o", "--output", "--raw-a", "--raw-b", "--avi", "--gif", "--frames-bmp", "--presets",
          "--image", "--height-map", "--video", "--normal-map"}) {
        const CliResult run = RunCli(grow + QStringList{option, ""});
        EXPECT_EQ(run.Status, 2) << option;
        EXPECT_TRUE(run.Err.contains("not empty")) << option << run.Err.toStdString();
    }
    EXPECT_EQ(RunCli({"palette", "--output="}).Status, 2);
    EXPECT_EQ(RunCli({"presets", "--presets", ""}).Status, 2);
    EXPECT_EQ(RunCli({"sheet", "-o", ""}).Status, 2);
    EXPECT_EQ(RunCli({"border", "-o", ""}).Status, 2);
    EXPECT_EQ(RunCli({"contrast", "--text", "000000", "--image", ""}).Status, 2);
}

TEST(CommandLine, AttachedValuesAndTheEndOfOptionsWriteTheSameFile) {
    const QString folder = test::FreshFolder("cli-conventions");
    const QStringList grow{"grow", "--seed",       "4", "--width", "20", "--height",
                           "12",   "--iterations", "5"};
    ASSERT_EQ(RunCli(grow + QStringList{"-o", folder + "/spaced.bmp"}).Status, 0);
    ASSERT_EQ(RunCli(grow + QStringList{"-o" + folder + "/attached.bmp", "--"}).Status, 0);
    EXPECT_EQ(test::ReadBytes(folder + "/attached.bmp"), test::ReadBytes(folder + "/spaced.bmp"));

    // An option that changes nothing is named, and the work still gets done.
    const CliResult quality =
        RunCli(grow + QStringList{"--quality", "50", "-o", folder + "/q.png"});
    EXPECT_EQ(quality.Status, 0);
    EXPECT_TRUE(quality.Err.contains("mottler-cli: warning: option --quality"))
        << quality.Err.toStdString();
}

TEST(CommandLine, PresetNamesReachTheTerminalWithTheirControlCharactersEscaped) {
    const QString pack = test::FreshFolder("cli-escapes") + "/pack.txp";
    test::WriteBytes(pack, "[Red\x1b[31mAlert\x07]\r\nSeed=1\r\n[Plain]\r\nSeed=2\r\n");
    const CliResult listing = RunCli({"presets", "--presets", pack});
    EXPECT_EQ(listing.Status, 0);
    EXPECT_EQ(listing.Out, "Plain\nRed\\x1B[31mAlert\\x07\n");
}

TEST(CommandLine, ATerminalShowsAProgressBarThatIsClearedAtTheEnd) {
    // script(1) gives the run a terminal of its own.
    const QString command = QStringLiteral("'%1' grow --seed 3 --width 32 --height 32 --a 50 "
                                           "--b 200 --iterations 200 >/dev/null")
                                .arg(MOTTLER_CLI_PATH);
    const test::ToolResult run = test::RunTool("script", {"-qec", command, "/dev/null"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    // Every tenth iteration is reported: the last at 190 of 200.
    EXPECT_TRUE(run.Out.contains(" 95 %") && run.Out.contains("left")) << run.Out.toStdString();
    EXPECT_TRUE(run.Out.contains("\r" + QByteArray(72, ' ') + "\r")) << run.Out.toStdString();
    // Without a terminal, nothing.
    const CliResult quiet =
        RunCli({"grow", "--width", "16", "--height", "16", "--iterations", "200"});
    EXPECT_FALSE(quiet.Err.contains("%")) << quiet.Err.toStdString();
}

} // namespace
} // namespace mottler::cli
