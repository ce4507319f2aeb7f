#include "filebytes.h"
#include "presets/datafolder.h"
#include "scopedenv.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace mottler;

using test::ReadBytes;

TEST(DataFolderTest, TheBuiltInPresetsHoldTheShippedSectionsWithCrLf) {
    QTemporaryDir dir;
    const QString path = dir.filePath("new/folder/save.ini");
    QString message;
    ASSERT_TRUE(ExtractResourceFile(path, BuiltInPresetsResource, message));
    const QByteArray stored = ReadBytes(path);
    EXPECT_FALSE(QByteArray(stored).replace("\r\n", "").contains('\n'));
    EXPECT_TRUE(stored.contains("\r\n\r\n[Marble]\r\nSeed=35089380\r\nIterations=124\r\nA=622\r\n"
                                "B=1000\r\nStart Color=FFFFFF\r\nEnd Color=009999\r\n\r\n"));
    EXPECT_TRUE(stored.contains(
        "\r\n\r\n[It Is Scratched]\r\nSeed=13391070\r\nIterations=16\r\nA=866\r\nB=1000\r\n"
        "Start Color=000000\r\nEnd Color=FF96C0\r\nColor1=1AFFAB,17\r\nColor2=000000,37\r\n"
        "Width=100\r\nHeight=100\r\n\r\n"));
    EXPECT_TRUE(stored.contains(
        "\r\n\r\n[Flame On]\r\nSeed=27057650\r\nIterations=42\r\nA=961\r\nB=950\r\n"
        "Start Color=000000\r\nEnd Color=B46E0C\r\nColor1=E52923,27\r\nColor2=F6F915,105\r\n"
        "Color3=EF2900,119\r\nColor4=DEA500,127\r\nColor5=000F16,212\r\nWidth=100\r\n"
        "Height=100\r\nColorText=\r\nColorLink=\r\nColorVLink=\r\nColorALink=\r\n"));
}

TEST(DataFolderTest, ExtractionReportsItsFailureAndLeavesExistingFilesAlone) {
    QTemporaryDir dir;
    const QString blocker = dir.filePath("file");
    test::WriteBytes(blocker, "");
    QString message;
    EXPECT_FALSE(ExtractResourceFile(blocker + "/save.ini", BuiltInPresetsResource, message));
    EXPECT_TRUE(message.startsWith("An error occurred while trying to extract :/presets/save.ini"
                                   " to " +
                                   blocker + "/save.ini.\n\n"));
    EXPECT_GT(message.size(), message.indexOf("\n\n") + 2);
    EXPECT_FALSE(ExtractResourceFile(dir.filePath("x"), ":/nothing/here", message));
    EXPECT_EQ(message, "An error occurred while trying to extract :/nothing/here to " +
                           dir.filePath("x") + ".\n\nThe resource does not exist.");

    test::WriteBytes(blocker, "mine");
    EXPECT_TRUE(ExtractWhenMissing(blocker, BuiltInPresetsResource, message));
    EXPECT_EQ(ReadBytes(blocker), "mine");
}

TEST(DataFolderTest, BuiltInFilesAreExtractedWhenMissingAndNeverOverwritten) {
    QTemporaryDir home;
    const test::ScopedEnv data("MOTTLER_HOME", home.path().toLocal8Bit());
    const QString picture = home.filePath("ripples.png");
    test::WriteBytes(home.filePath("loremipsum.txt"), "my own text");

    EXPECT_EQ(ExtractMissingBuiltInFiles(), QStringList());
    EXPECT_EQ(ProgramPresetFile(), home.filePath("save.ini"));
    EXPECT_EQ(QImage(picture).size(), QSize(128, 128));
    EXPECT_EQ(ReadBytes(home.filePath("loremipsum.txt")), "my own text");

    QFile::remove(home.filePath("loremipsum.txt"));
    QFile(picture).open(QIODevice::WriteOnly | QIODevice::Truncate);
    EXPECT_EQ(ExtractMissingBuiltInFiles(), QStringList());
    EXPECT_TRUE(ReadBytes(home.filePath("loremipsum.txt")).startsWith("<p>Lorem ipsum "));
    EXPECT_EQ(ReadBytes(picture), QByteArray()); // a file that is there stays, whatever it holds
}
