// `mottler-cli map`: every cell equals `grow` with the cell's values pixel for pixel, from
// options and from a preset; labels only when asked; clear usage errors.
#include "clirun.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace mottler::test {
namespace {

const QStringList Texture{"--seed", "3", "--iterations", "30", "--gradient", "FFFFFF,006633"};

QImage Grown(const QTemporaryDir& home, const QStringList& args) {
    const QString file = home.filePath("cell.png");
    const CliResult run = RunCli(QStringList{"grow"} + args + QStringList{"-o", file}, home.path());
    EXPECT_EQ(run.Status, 0) << qPrintable(run.Err);
    return QImage(file).convertToFormat(QImage::Format_RGB888);
}

QImage Map(const QTemporaryDir& home, const QStringList& args) {
    const QString file = home.filePath("map.png");
    const CliResult run = RunCli(QStringList{"map"} + args + QStringList{"-o", file}, home.path());
    EXPECT_EQ(run.Status, 0) << qPrintable(run.Err);
    return QImage(file).convertToFormat(QImage::Format_RGB888);
}

TEST(CliMap, CellsEqualGrowWithTheirValuesAndLieSideBySide) {
    QTemporaryDir home;
    const QImage map = Map(home, Texture + QStringList{"--a", "600:640", "--b", "980:1020",
                                                       "--steps", "3", "--cell", "24x18"});
    ASSERT_EQ(map.size(), QSize(72, 54));
    const QStringList size{"--width", "24", "--height", "18"};
    // The corners and the centre: columns vary A, rows vary B.
    const std::pair<int, int> cells[] = {{0, 0}, {2, 0}, {1, 1}, {0, 2}};
    for (const auto& [column, row] : cells) {
        const QStringList values{"--a", QString::number(600 + 20 * column), "--b",
                                 QString::number(980 + 20 * row)};
        EXPECT_EQ(map.copy(24 * column, 18 * row, 24, 18), Grown(home, Texture + size + values))
            << column << ", " << row;
    }
}

TEST(CliMap, OtherValuesAndPresetsVaryTheSameWay) {
    QTemporaryDir home;
    const QStringList preset{"--preset", "marble", "--iterations", "12", "--cell", "20x16"};
    const QImage map =
        Map(home, preset + QStringList{"--seed", "1:2", "--amult", "3.5:4.5", "--steps", "2"});
    ASSERT_EQ(map.size(), QSize(40, 32));
    const QStringList grow{"--preset", "marble", "--iterations", "12", "--width", "20",
                           "--height", "16",     "--seed",       "2",  "--amult", "3.5"};
    EXPECT_EQ(map.copy(20, 0, 20, 16), Grown(home, grow));
}

TEST(CliMap, LabelsAddBandsForTheValues) {
    QTemporaryDir home;
    const QStringList args = Texture + QStringList{"--a",     "600:640", "--b",    "980:1020",
                                                   "--steps", "2",       "--cell", "10x10"};
    const QImage labelled = Map(home, args + QStringList{"--labels"});
    EXPECT_GT(labelled.width(), 20);
    EXPECT_GT(labelled.height(), 20);
}

TEST(CliMap, ACellThatOverflowsIsCrossedOutNamedAndFailsTheCommand) {
    QTemporaryDir home;
    const QString file = home.filePath("map.png");
    const CliResult run = RunCli(QStringList{"map"} + Texture +
                                     QStringList{"--a", "600:2000000000", "--b", "980:1020",
                                                 "--steps", "2", "--cell", "12x8", "-o", file},
                                 home.path());
    EXPECT_EQ(run.Status, 1);
    EXPECT_TRUE(run.Err.contains("cell 2, 1: The mathematics")) << qPrintable(run.Err);
    const QImage map(file);
    ASSERT_EQ(map.size(), QSize(24, 16)); // written all the same, the failed cells grey
    EXPECT_EQ(map.pixelColor(17, 0), QColor(128, 128, 128));
}

TEST(CliMap, APicturesSeedCannotVary) {
    QTemporaryDir home;
    QImage picture(12, 8, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    ASSERT_TRUE(picture.save(home.filePath("p.png")));
    const QStringList args{"map",
                           "--type",
                           "image",
                           "--image",
                           "p.png",
                           "--seed",
                           "5",
                           "--a",
                           "600:640",
                           "--steps",
                           "2",
                           "-o",
                           home.filePath("map.png")};
    EXPECT_EQ(RunCli(args + QStringList{"--seed", "1:2"}, home.path()).Status, 2);
    const CliResult run = RunCli(args + QStringList{"--b", "980:1020"}, home.path());
    EXPECT_EQ(run.Status, 0) << qPrintable(run.Err);
    const QImage map = QImage(home.filePath("map.png")).convertToFormat(QImage::Format_RGB888);
    ASSERT_EQ(map.size(), QSize(24, 16));
    const QStringList cell{"--type", "image", "--image", "p.png", "--seed",
                           "5",      "--a",   "640",     "--b",   "1020"};
    EXPECT_EQ(map.copy(12, 8, 12, 8), Grown(home, cell));
}

TEST(CliMap, BadCommandLinesAreUsageErrors) {
    QTemporaryDir home;
    const QString out = home.filePath("m.png");
    const QList<QStringList> bad{
        {"map", "--a", "1:2", "--steps", "3", "-o", out},                // one axis
        {"map", "--a", "1:2", "--a", "3:4", "--steps", "3", "-o", out},  // same twice
        {"map", "--a", "1:2", "--b", "1:x", "--steps", "3", "-o", out},  // no number
        {"map", "--a", "1:2", "--b", "1:2", "--steps", "40", "-o", out}, // too many
        {"map", "--a", "1:2", "--b", "1:2", "--steps", "3"},             // no output
        {"map", "--a", "1:2", "--b", "1:2", "--steps", "3", "--cell", "0x5", "-o", out},
        {"map", "--a", "1:2", "--b", "1:2", "--steps", "3", "-o", home.filePath("m.gif")},
        {"map", "--a", "1:2", "--b", "1:2", "--steps", "3", "--avi", "x.avi", "-o", out},
    };
    for (const QStringList& args : bad) {
        const CliResult run = RunCli(args, home.path());
        EXPECT_EQ(run.Status, 2) << qPrintable(args.join(' '));
        EXPECT_FALSE(run.Err.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(out));
}

} // namespace
} // namespace mottler::test
