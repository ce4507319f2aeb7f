#include "clirun.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using mottler::test::CliResult;
using mottler::test::RunCli;

CliResult RunBorder(const QStringList& args, const QString& home) {
    return RunCli(QStringList{"border"} + args, home);
}

} // namespace

TEST(BorderCommandTest, APresetFromAFreshDataFolderWritesTheStrip) {
    QTemporaryDir home;
    const CliResult r = RunBorder({"--preset", "Sea And The Sky", "-o", "border.png"}, home.path());
    ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
    EXPECT_TRUE(QFile::exists(home.filePath("gradients.ini")));
    const QImage image(home.filePath("border.png"));
    ASSERT_EQ(image.size(), QSize(1025, 10));
    // Start 8404992 (blue 128, green 64) to 12232509 over 27, border to 15000804 over 38.
    EXPECT_EQ(image.pixel(0, 9), qRgb(0, 64, 128));
    EXPECT_EQ(image.pixel(27, 0), qRgb(61, 167, 186));
    EXPECT_EQ(image.pixel(28, 5), qRgb(61, 167, 186));
    EXPECT_EQ(image.pixel(64, 0), qRgb(219, 224, 225));
    EXPECT_EQ(image.pixel(66, 0), qRgb(228, 228, 228)); // the border reaches its own colour
    EXPECT_EQ(image.pixel(67, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(1024, 9), qRgb(255, 255, 255));
}

TEST(BorderCommandTest, OptionsOverrideThePresetAndFailuresAreReported) {
    QTemporaryDir home;
    const CliResult r = RunBorder({"--preset=blood horizon", "--no-border", "--start", "FF0000",
                                   "--width", "40", "--height", "3", "-o", "b.bmp"},
                                  home.path());
    ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
    const QImage image(home.filePath("b.bmp"));
    ASSERT_EQ(image.size(), QSize(40, 3));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(32, 0), qRgb(128, 0, 0));
    EXPECT_EQ(image.pixel(33, 2), qRgb(0, 0, 0));

    const CliResult zero = RunBorder({"--width", "0", "--height", "0"}, home.path());
    EXPECT_EQ(zero.Status, 1);
    EXPECT_EQ(zero.Err, "mottler-cli: Fading border width <= 0.  Please use a higher value.\n");
    const CliResult missing = RunBorder({"--preset", "Nope"}, home.path());
    EXPECT_EQ(missing.Status, 1);
    EXPECT_TRUE(missing.Err.startsWith("mottler-cli: There is no gradient preset \"Nope\""))
        << missing.Err.toStdString();
    EXPECT_EQ(RunBorder({"--start", "red"}, home.path()).Status, 2);
    EXPECT_EQ(RunBorder({"--gradient", "FF0000,0000FF"}, home.path()).Status, 2);
}
