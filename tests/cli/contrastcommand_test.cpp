#include "clirun.h"
#include "testenv.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace mottler;
using test::CliResult;
using test::RunCli;

TEST(ContrastCommand, PrintsTheFiguresOfAnImageFile) {
    QTemporaryDir dir;
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(0x77, 0x77, 0x77)); // the mean, 246.5, rounds to even: F6
    const QString path = dir.filePath("tile.png");
    ASSERT_TRUE(image.save(path));
    const CliResult result =
        RunCli({"contrast", "--image", path, "--text", "000000", "--alink=#777777"});
    EXPECT_EQ(result.Status, 0) << result.Err.toStdString();
    EXPECT_EQ(result.Out, "average colour: #F6F6F6\n"
                          "text #000000: 19.43:1 AAA against the average, 4.68:1 AA against "
                          "the worst pixel\n"
                          "alink #777777: 4.14:1 fail against the average, 1.00:1 fail against "
                          "the worst pixel\n");
}

TEST(ContrastCommand, MeasuresAGrownTextureWithTheOptionsOfGrow) {
    const CliResult result = RunCli({"contrast", "--text", "FFFFFF", "--seed", "5", "--width", "20",
                                     "--height", "20", "--gradient", "000000,000000"});
    EXPECT_EQ(result.Status, 0) << result.Err.toStdString();
    EXPECT_TRUE(result.Out.startsWith("seed: 5\n"));
    EXPECT_TRUE(result.Out.endsWith("average colour: #000000\ntext #FFFFFF: 21.00:1 AAA against "
                                    "the average, 21.00:1 AAA against the worst pixel\n"));
}

TEST(ContrastCommand, UsageErrorsNameTheOption) {
    EXPECT_EQ(RunCli({"contrast", "--image", "x.png"}).Status, 2);
    EXPECT_EQ(RunCli({"contrast", "--text", "12345G", "--image", "x.png"}).Status, 2);
    const CliResult mixed =
        RunCli({"contrast", "--image", "x.png", "--seed", "1", "--text", "000000"});
    EXPECT_EQ(mixed.Status, 2);
    EXPECT_TRUE(mixed.Err.contains("--seed")) << mixed.Err.toStdString();
    EXPECT_EQ(RunCli({"contrast", "--image", "/no/such.png", "--text", "000000"}).Status, 1);
}
