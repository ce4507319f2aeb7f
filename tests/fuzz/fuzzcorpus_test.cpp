#include "filebytes.h"
#include "fuzzinputs.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace mottler {
namespace {

/// Runs every committed input of a fuzz target (seed files and former crashers) through the
/// target's body, which aborts on a finding; an exception other than the documented ones
/// fails the test.
void ReplayCorpus(const QString& target, const std::function<void(const QByteArray&)>& body) {
    const QDir folder(QStringLiteral(MOTTLER_FUZZ_CORPUS) + "/" + target);
    const QStringList names = folder.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty()) << "no corpus in " << folder.path().toStdString();
    for (const QString& name : names) {
        EXPECT_NO_THROW(body(test::ReadBytes(folder.filePath(name)))) << name.toStdString();
    }
    QDir(fuzz::ScratchFolder()).removeRecursively();
}

TEST(FuzzCorpus, PresetFiles) {
    ReplayCorpus("presetfile", fuzz::FuzzPresetFile);
}
TEST(FuzzCorpus, TexturePacks) {
    ReplayCorpus("texturepack", fuzz::FuzzTexturePack);
}
TEST(FuzzCorpus, Pictures) {
    ReplayCorpus("picture", fuzz::FuzzPicture);
}
TEST(FuzzCorpus, ColourTexts) {
    ReplayCorpus("colourtext", fuzz::FuzzColourTexts);
}
TEST(FuzzCorpus, Writers) {
    ReplayCorpus("writers", fuzz::FuzzWriters);
}

} // namespace
} // namespace mottler
