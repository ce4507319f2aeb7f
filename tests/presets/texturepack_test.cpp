#include "base/errors.h"
#include "filebytes.h"
#include "filesizelimit.h"
#include "presets/inifile.h"
#include "presets/texturepack.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace mottler;

namespace {

class TexturePackTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString presetPath = dir.filePath("save.ini");
    QString packPath = dir.filePath("pack.txp");
    QStringList questions;

    void SetUp() override {
        Store(presetPath, "[Marble]\r\nSeed=1\r\nDrift=2\r\n\r\n[Old]\r\nSeed=5\r\n");
        Store(packPath, "[Sand]\nSeed=7\nA=10\n[marble]\nSeed=8\nB=3\n[Dots]\nSeed=9\n");
    }
    static void Store(const QString& path, const QByteArray& bytes) {
        test::WriteBytes(path, bytes);
    }
    static QByteArray Stored(const QString& path) { return test::ReadBytes(path); }
    /// Imports, answering the questions in turn.
    PackImport Import(QList<PackAnswer> answers) {
        IniFile presets(presetPath);
        return ImportTexturePack(packPath, presets, [&](const QString& question) {
            questions.append(question);
            return answers.isEmpty() ? PackAnswer::Cancel : answers.takeFirst();
        });
    }
};

} // namespace

TEST_F(TexturePackTest, InstallsNewPresetsAndSummarisesThem) {
    Store(presetPath, "[Old]\r\nSeed=5\r\n");
    const PackImport result = Import({});
    EXPECT_FALSE(result.Cancelled);
    EXPECT_EQ(ImportSummary(result.Installed),
              "3 patterns have been installed.\nSand\nmarble\nDots\n");
    EXPECT_EQ(Stored(presetPath), "[Old]\r\nSeed=5\r\n\r\n[Sand]\r\nSeed=7\r\nA=10\r\n\r\n"
                                  "[marble]\r\nSeed=8\r\nB=3\r\n\r\n[Dots]\r\nSeed=9\r\n");
}

TEST_F(TexturePackTest, AnsweringNoKeepsTheExistingPresetWhateverItsCase) {
    Import({PackAnswer::No});
    questions.clear();
    const QByteArray before = Stored(presetPath);
    const PackImport again = Import({PackAnswer::No, PackAnswer::No, PackAnswer::No});
    EXPECT_EQ(questions, QStringList({"A pattern called Sand already exists. Overwrite ?",
                                      "A pattern called marble already exists. Overwrite ?",
                                      "A pattern called Dots already exists. Overwrite ?"}));
    EXPECT_EQ(ImportSummary(again.Installed), "0 patterns have been installed.\n");
    EXPECT_EQ(Stored(presetPath), before);
}

TEST_F(TexturePackTest, YesReplacesEveryOldKeyAndCancelStopsAtOnce) {
    Store(presetPath, "[Marble]\r\nSeed=1\r\nDrift=2\r\n\r\n[Dots]\r\nSeed=5\r\n");
    const PackImport result = Import({PackAnswer::Yes, PackAnswer::Cancel});
    EXPECT_TRUE(result.Cancelled);
    EXPECT_EQ(result.Installed, QStringList({"Sand", "marble"}));
    EXPECT_EQ(questions.size(), 2);
    EXPECT_EQ(Stored(presetPath), "[Dots]\r\nSeed=5\r\n\r\n[Sand]\r\nSeed=7\r\nA=10\r\n\r\n"
                                  "[marble]\r\nSeed=8\r\nB=3\r\n");
}

TEST_F(TexturePackTest, ADamagedPackInstallsNothingAndLeavesThePresetsAlone) {
    static const char damaged[] = "\x89PNG\r\n\x1a\n\0\0[\x01\x02]\nSeed=1\n[]\nk=v\n=\n\xff\xfe[";
    QByteArray garbage(damaged, sizeof damaged - 1);
    garbage += QByteArray(100000, '\0') + "\n[Marble]\n\n[Keyless]\n";
    Store(packPath, garbage);
    const QByteArray before = Stored(presetPath);
    const PackImport result = Import({});
    EXPECT_EQ(ImportSummary(result.Installed), "0 patterns have been installed.\n");
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(Stored(presetPath), before);

    IniFile presets(presetPath);
    EXPECT_THROW(ImportTexturePack(dir.filePath("missing.txp"), presets, {}), MottlerError);
    EXPECT_EQ(Stored(presetPath), before);
}

TEST_F(TexturePackTest, AFullDiskKeepsThePresetsBeforeTheOneThatDidNotFit) {
    Store(presetPath, "[Old]\r\nSeed=5\r\n");
    // Room for "Sand" beside "Old", not for "marble" too.
    const qint64 room = QByteArray("[Old]\r\nSeed=5\r\n\r\n[Sand]\r\nSeed=7\r\nA=10\r\n").size();
    {
        const test::FileSizeLimit limit(room + 8);
        EXPECT_THROW(Import({}), MottlerError);
    }
    EXPECT_EQ(Stored(presetPath), "[Old]\r\nSeed=5\r\n\r\n[Sand]\r\nSeed=7\r\nA=10\r\n");
}
