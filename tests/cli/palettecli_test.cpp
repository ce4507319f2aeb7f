#include "clirun.h"
#include "filebytes.h"
#include "testenv.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace mottler;
using test::CliResult;
using test::RunCli;

// The gradient given by hand with its middle points and the one "Flame On" loads from its
// preset colour the same texture alike.
TEST(CliGrow, ColoursTheTextureThroughTheGivenGradient) {
    const QString byHand = test::TestHome() + "/flame.bmp";
    const QString preset = test::TestHome() + "/preset.bmp";
    const CliResult run = RunCli(
        {"grow", "--seed", "27057650", "--iterations", "42", "--a", "961", "--b", "950",
         "--gradient", "000000@0,E52923@27,F6F915@105,EF2900@119,DEA500@127,000F16@212,B46E0C@255",
         "-o", byHand});
    ASSERT_EQ(run.Status, 0) << qPrintable(run.Err);
    ASSERT_EQ(RunCli({"grow", "--preset", "Flame On", "-o", preset}).Status, 0);
    const QImage written(byHand, "BMP");
    ASSERT_EQ(written.size(), QSize(100, 100));
    EXPECT_EQ(written, QImage(preset, "BMP"));
}

TEST(CliGrow, WritesJpegByExtensionAndRejectsUnknownOnes) {
    const QString out = test::TestHome() + "/small.jpg";
    const CliResult run = RunCli({"grow", "--iterations", "3", "--quality", "1", "-o", out});
    ASSERT_EQ(run.Status, 0) << qPrintable(run.Err);
    EXPECT_EQ(QImage(out, "JPEG").size(), QSize(100, 100));
    EXPECT_EQ(RunCli({"grow", "-o", test::TestHome() + "/x.tif"}).Status, 2);
}

TEST(CliPalette, ListsTheEntriesOrWritesThemToAFile) {
    const CliResult plain = RunCli({"palette", "--gradient", "FFFFFF,000000"});
    ASSERT_EQ(plain.Status, 0) << qPrintable(plain.Err);
    EXPECT_EQ(RunCli({"palette"}).Out, plain.Out) << "the start-up gradient";
    const QStringList lines = plain.Out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 256);
    EXPECT_EQ(lines[128], "128 7F7F7F");

    const QString file = test::TestHome() + "/palette.txt";
    ASSERT_EQ(RunCli({"palette", "--gradient", "FFFFFF,FF0000@100,000000", "--brightness", "-10",
                      "-o", file})
                  .Status,
              0);
    const QByteArray text = test::ReadBytes(file);
    EXPECT_TRUE(text.startsWith("0 F5F5F5\n")) << text.left(20).constData();
    EXPECT_TRUE(text.contains("\n100 F50000\n"));
}

TEST(CliPalette, BadGradientTextIsAUsageErrorNamingTheOption) {
    for (const char* text :
         {"FFFFFF", "FFFFF,000000", "FFFFFF,808080,000000", "FFFFFF,808080@256,000000",
          "FFFFFF@3,000000", "0,1,2,3,4,5,6,7,8,9,A"}) {
        const CliResult bad = RunCli({"palette", "--gradient", text});
        EXPECT_EQ(bad.Status, 2) << text;
        EXPECT_TRUE(bad.Err.contains("option --gradient")) << qPrintable(bad.Err);
    }
}
