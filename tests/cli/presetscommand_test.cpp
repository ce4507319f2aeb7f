#include "clirun.h"
#include "filebytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using mottler::test::CliResult;

CliResult RunPresets(const QStringList& args, const QString& home) {
    return mottler::test::RunCli(QStringList{"presets"} + args, home);
}

} // namespace

TEST(PresetsCommandTest, ListsTheBuiltInPresetsAndWritesTheBuiltInFilesToTheDataFolder) {
    QTemporaryDir home;
    const CliResult result = RunPresets({}, home.path() + "/fresh");
    EXPECT_EQ(result.Status, 0);
    const QStringList names = result.Out.split('\n', Qt::SkipEmptyParts);
    EXPECT_GE(names.size(), 45); // the order is pinned by the pack listing below
    EXPECT_TRUE(names.contains("Marble"));
    for (const char* file : {"save.ini", "ripples.png", "loremipsum.txt"})
        EXPECT_TRUE(QFile::exists(home.path() + "/fresh/" + file)) << file;
}

TEST(PresetsCommandTest, ListsAPackAndFailsClearlyOnAMissingFile) {
    QTemporaryDir home;
    const QString pack = home.filePath("pack.txp");
    mottler::test::WriteBytes(pack, "[zebra]\nSeed=1\n[Apple]\nSeed=2\n[banana]\n");
    EXPECT_EQ(RunPresets({"--presets", pack}, home.path()).Out, "Apple\nbanana\nzebra\n");

    const CliResult missing = RunPresets({"--presets=" + home.filePath("none.ini")}, home.path());
    EXPECT_EQ(missing.Status, 1);
    EXPECT_EQ(missing.Err,
              "mottler-cli: The file \"" + home.filePath("none.ini") + "\" does not exist.\n");
    EXPECT_EQ(RunPresets({"--frobnicate"}, home.path()).Status, 2);
}
