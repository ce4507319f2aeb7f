#include "addresslimit.h"
#include "avireadback.h"
#include "clirun.h"
#include "filebytes.h"
#include "testenv.h"

#include <QDir>
#include <QImage>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

namespace mottler {
namespace {

using test::CliResult;
using test::RunCli;

QStringList SmallGrow(const QStringList& extra) {
    return QStringList{"grow", "--seed",       "5", "--width", "24", "--height",
                       "16",   "--iterations", "12"} +
           extra;
}

using test::AddressSanitizer;

TEST(CliFailures, StandardOutputOnAFullDiskExitsOneAndAFileThereStaysWhole) {
    QProcess process;
    process.setStandardOutputFile("/dev/full");
    process.start(MOTTLER_CLI_PATH, {"palette"});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("No space left on device"));

    // A file written to standard output keeps it to itself: the summary goes to stderr.
    const test::ToolResult raw = test::RunTool(MOTTLER_CLI_PATH, SmallGrow({"--raw-a", "-"}));
    EXPECT_EQ(raw.ExitCode, 0);
    EXPECT_EQ(raw.Out.size(), 24 * 16 * 4);
    EXPECT_TRUE(raw.Err.contains("seed: 5"));
}

TEST(CliFailures, ABadOutputFolderFailsBeforeTheRun) {
    // A run this long would take minutes: the check comes first.
    const CliResult run =
        RunCli({"grow", "--width", "400", "--height", "400", "--iterations", "100000", "-o",
                test::FreshFolder("cli-bad-folder") + "/missing/out.png"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_TRUE(run.Err.contains("does not exist")) << run.Err.toStdString();
}

TEST(CliFailures, PresetFaultsNameTheFileAndThePreset) {
    const QString folder = test::FreshFolder("cli-presets");
    const QString file = folder + "/faults.ini";
    test::WriteBytes(file, "[Picture]\r\nTexture Type=3\r\n[Bad A]\r\nA=abc\r\n");
    const CliResult picture = RunCli({"grow", "--presets", file, "--preset", "Picture"});
    EXPECT_EQ(picture.Status, 1);
    EXPECT_TRUE(picture.Err.contains("\"Picture\"") && picture.Err.contains(file))
        << picture.Err.toStdString();
    EXPECT_FALSE(picture.Err.contains("option --type")) << picture.Err.toStdString();
    const CliResult badA = RunCli({"grow", "--presets", file, "--preset", "Bad A"});
    EXPECT_EQ(badA.Status, 1);
    EXPECT_TRUE(badA.Err.contains("\"Bad A\" in \"" + file)) << badA.Err.toStdString();

    EXPECT_EQ(RunCli({"grow", "--preset", ""}).Status, 2);
    test::WriteBytes(folder + "/none.ini", "just text\r\n[]\r\n");
    const CliResult listing = RunCli({"presets", "--presets", folder + "/none.ini"});
    EXPECT_EQ(listing.Status, 1);
    EXPECT_TRUE(listing.Err.contains("holds no preset sections")) << listing.Err.toStdString();
}

TEST(CliFailures, MultipliersTakeEveryFiniteFloat) {
    const CliResult largest = RunCli(SmallGrow({"--a", "0", "--amult", "3.4028235e38"}));
    EXPECT_EQ(largest.Status, 0) << largest.Err.toStdString();
    EXPECT_EQ(RunCli(SmallGrow({"--bmult", "-3.4028235e38", "--b", "0"})).Status, 0);
    EXPECT_EQ(RunCli(SmallGrow({"--amult", "3.5e38"})).Status, 2);
}

TEST(CliFailures, AnAddressSpaceLimitGivesTheOutOfMemoryMessage) {
    if (AddressSanitizer)
        GTEST_SKIP() << "AddressSanitizer reserves more address space than any limit allows";
    const QString command = QStringLiteral("ulimit -v 800000; exec '%1' grow --width 20000 "
                                           "--height 20000 --iterations 1")
                                .arg(MOTTLER_CLI_PATH);
    const test::ToolResult run = test::RunTool("bash", {"-c", command});
    EXPECT_EQ(run.ExitCode, 1) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains("not enough memory")) << run.Err.toStdString();
}

TEST(CliFailures, AFullDiskUnderTheAviStillWritesTheImageAndKeepsTheEarlierAvi) {
    const QString folder = test::FreshFolder("cli-full-avi");
    test::WriteBytes(folder + "/run.avi", "the earlier recording");
    // Files of at most 100 kB: room for eight 64 x 64 frames of 12 kB, not for twenty.
    const QString command = QStringLiteral("ulimit -f 100; exec '%1' grow --seed 3 --width 64 "
                                           "--height 64 --a 50 --b 200 --iterations 20 --avi "
                                           "'%2/run.avi' -o '%2/final.png'")
                                .arg(MOTTLER_CLI_PATH, folder);
    const test::ToolResult run = test::RunTool("bash", {"-c", command});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains("Could not add frame") && run.Err.contains("File too large"))
        << run.Err.toStdString();
    EXPECT_EQ(QImage(folder + "/final.png").size(), QSize(64, 64));
    EXPECT_EQ(test::ReadBytes(folder + "/run.avi"), "the earlier recording");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
              QStringList({"final.png", "run.avi"}));
}

TEST(CliFailures, SigtermEndsARecordingWithAFinishedAvi) {
    if (!test::FfmpegAvailable())
        GTEST_SKIP() << "ffprobe/ffmpeg not installed";
    const QString avi = test::FreshFolder("cli-sigterm") + "/run.avi";
    QProcess process;
    process.start(MOTTLER_CLI_PATH,
                  {"grow", "--seed", "3", "--width", "32", "--height", "32", "--a", "50", "--b",
                   "200", "--iterations", "100000000", "--progress", "--avi", avi});
    ASSERT_TRUE(process.waitForStarted());
    // The tenth iteration has been recorded once its progress line is out.
    while (!process.readAllStandardError().contains("iteration") &&
           process.state() == QProcess::Running)
        process.waitForReadyRead(1000);
    QThread::msleep(200);
    ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 130);
    const test::ProbedVideo video = test::ProbeVideo(avi);
    EXPECT_EQ(video.Warnings, QByteArray());
    EXPECT_GE(video.Frames, 10);
    EXPECT_EQ(video.Width, 32);
}

TEST(CliFailures, EveryOutputPathAndFormatLimitIsCheckedBeforeGrowing) {
    const QString folder = test::FreshFolder("cli-checked-first");
    // The summary ("seed: ...") is printed after the run: a check before it prints none.
    const auto expectRefusedBeforeTheRun = [](const CliResult& run, const QString& says) {
        EXPECT_EQ(run.Status, 1) << run.Err.toStdString();
        EXPECT_TRUE(run.Err.contains(says)) << run.Err.toStdString();
        EXPECT_FALSE(run.Out.contains("seed:")) << run.Out.toStdString();
    };
    expectRefusedBeforeTheRun(RunCli(SmallGrow({"--gif", folder + "/missing/run.gif"})),
                              "does not exist");
    expectRefusedBeforeTheRun(RunCli(SmallGrow({"--height-map", folder + "/missing/hm.png"})),
                              "does not exist");
    const QStringList wide = {
        "grow",     "--seed", "1",  "--iterations",       "1", "--width", "16384",
        "--height", "2",      "-o", folder + "/wide.webp"};
    expectRefusedBeforeTheRun(RunCli(wide), "at most 16383 pixels wide and high");
    // A quarter turn makes the tall texture wide.
    const QStringList tall = {
        "grow",     "--seed", "1",        "--iterations", "1",  "--width",           "2",
        "--height", "65501",  "--rotate", "90",           "-o", folder + "/tall.jpg"};
    expectRefusedBeforeTheRun(RunCli(tall), "a JPEG picture can be at most 65500");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST(CliFailures, APresetOfThousandsOfColourPointsSaysSoOnce) {
    const QString home = test::FreshFolder("cli-many-points");
    QByteArray preset = "[Colourful]\r\nSeed=3\r\nIterations=2\r\nWidth=16\r\nHeight=16\r\n";
    for (int i = 1; i <= 3000; ++i)
        preset +=
            "Color" + QByteArray::number(i) + "=FF0000," + QByteArray::number(i % 255) + "\r\n";
    test::WriteBytes(home + "/many.ini", preset);
    const CliResult run = RunCli({"grow", "--presets", home + "/many.ini", "--preset", "Colourful",
                                  "-o", home + "/out.png"});
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Err.count("No more than ten color control points"), 1);
    EXPECT_TRUE(run.Err.contains("2992 points of the preset were left out"))
        << run.Err.toStdString();
}

} // namespace
} // namespace mottler
