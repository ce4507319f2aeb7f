#include "clirun.h"
#include "filebytes.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>

namespace {

using mottler::test::CliResult;
using mottler::test::RunCli;

using mottler::test::ReadBytes;
using mottler::test::WriteBytes;

const QStringList MarbleByHand{"grow", "--seed", "35089380",   "--a",          "622",
                               "--b",  "1000",   "--gradient", "FFFFFF,009999"};

// A preset's own values, iterations too, are pinned by the gradient test of "Flame On"; here
// options beside a preset override its values.
TEST(CliPresetGrow, OptionsOverrideThePresetsValues) {
    QTemporaryDir home;
    const QString preset = home.filePath("preset.bmp");
    const QString byHand = home.filePath("hand.bmp");
    const QStringList overrides{"--iterations", "7", "--width", "30", "-o"};
    const CliResult loaded = RunCli(
        QStringList{"grow", "--preset", "marble"} + overrides + QStringList{preset}, home.path());
    ASSERT_EQ(loaded.Status, 0) << qPrintable(loaded.Err);
    EXPECT_TRUE(loaded.Out.startsWith("seed: 35089380\niterations: 7\n"));
    ASSERT_EQ(RunCli(MarbleByHand + overrides + QStringList{byHand}, home.path()).Status, 0);
    EXPECT_FALSE(ReadBytes(preset).isEmpty());
    EXPECT_EQ(ReadBytes(preset), ReadBytes(byHand));
}

TEST(CliPresetGrow, APictureGivenOnTheCommandLineIsFoundInTheWorkingFolder) {
    QTemporaryDir home;
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    ASSERT_TRUE(picture.save(home.filePath("mine.png")));
    const QStringList grow{"grow", "--preset", "Ripples In The Pond", "--iterations", "3"};
    const CliResult run = RunCli(grow + QStringList{"--image", "mine.png"}, home.path());
    EXPECT_EQ(run.Status, 0) << qPrintable(run.Err);
    EXPECT_EQ(RunCli(grow, home.path()).Status, 0); // its own picture, from the data folder
}

TEST(CliPresetGrow, AnUnknownPresetOrFileFailsClearly) {
    QTemporaryDir home;
    const CliResult unknown = RunCli({"grow", "--preset", "No Such Thing"}, home.path());
    EXPECT_EQ(unknown.Status, 1);
    EXPECT_EQ(unknown.Err, "mottler-cli: There is no preset \"No Such Thing\" in \"" +
                               home.filePath("save.ini") + "\".\n");
    const CliResult noFile =
        RunCli({"grow", "--preset", "Marble", "--presets", home.filePath("none.ini")}, home.path());
    EXPECT_EQ(noFile.Status, 1);
    EXPECT_TRUE(noFile.Err.contains("none.ini")) << qPrintable(noFile.Err);
    EXPECT_EQ(RunCli({"grow", "--presets", home.filePath("save.ini")}, home.path()).Status, 2);
    EXPECT_EQ(RunCli({"grow", "--preset", "Marble", "--image", "x.png"}, home.path()).Status, 2);
    EXPECT_EQ(RunCli({"grow", "--preset", "Marble", "--type", "image"}, home.path()).Status, 2);
}

TEST(CliSheet, DrawsEveryPresetOfAFileIntoOneImage) {
    QTemporaryDir home;
    const QString presets = home.filePath("two.ini");
    WriteBytes(presets, "[Small Spots]\r\nSeed=5\r\nIterations=9\r\nA=995\r\nB=0\r\nWidth=24\r\n"
                        "Height=16\r\n\r\n[Broken]\r\nSeed=1\r\nA=many\r\n");
    const QString sheet = home.filePath("sheet.png");
    const CliResult run =
        RunCli({"sheet", "--presets", presets, "--columns", "3", "--size", "32", "-o", sheet},
               home.path());
    EXPECT_EQ(run.Status, 1); // "Broken" cannot be grown
    EXPECT_TRUE(run.Out.contains("Small Spots: 24 x 16, iterations 9")) << qPrintable(run.Out);
    EXPECT_TRUE(run.Err.contains("Broken: The value \"many\" of \"A\" is not a valid number."))
        << qPrintable(run.Err);
    const QImage image(sheet);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 2 * (32 + 8) + 8);

    WriteBytes(presets, "[Small Spots]\r\nSeed=5\r\nIterations=9\r\nA=995\r\nB=0\r\nWidth=24\r\n");
    EXPECT_EQ(
        RunCli({"sheet", "--presets", presets, "-o", home.filePath("s.jpg")}, home.path()).Status,
        0);
    EXPECT_FALSE(QImage(home.filePath("s.jpg")).isNull());
    EXPECT_EQ(RunCli({"sheet", "-o", home.filePath("sheet.tif")}, home.path()).Status, 2);
}

} // namespace

// The presets grow on every core at once: the lines keep the list's order and the sheet is the
// same image run after run.
TEST(CliSheet, GrowsOnEveryCoreAndKeepsTheListsOrder) {
    QTemporaryDir home;
    const QString presets = home.filePath("four.ini");
    QByteArray ini;
    for (const char* name : {"Delta", "Alpha", "Charlie", "Bravo"})
        ini += QByteArray("[") + name +
               "]\r\nSeed=7\r\nIterations=" + QByteArray::number(int(std::strlen(name)) * 20) +
               "\r\nA=622\r\nB=1000\r\nWidth=40\r\nHeight=30\r\n\r\n";
    WriteBytes(presets, ini);
    const auto sheet = [&](const char* file) {
        const CliResult run =
            RunCli({"sheet", "--presets", presets, "-o", home.filePath(file)}, home.path());
        EXPECT_EQ(run.Status, 0) << qPrintable(run.Err);
        return run.Out;
    };
    const QString out = sheet("one.png");
    const QStringList order = {"Alpha:", "Bravo:", "Charlie:", "Delta:"};
    for (int i = 1; i < order.size(); ++i)
        EXPECT_LT(out.indexOf(order[i - 1]), out.indexOf(order[i])) << qPrintable(out);
    EXPECT_EQ(sheet("two.png"), out);
    EXPECT_EQ(QImage(home.filePath("one.png")), QImage(home.filePath("two.png")));
}
