#include "base/errors.h"
#include "filebytes.h"
#include "fuzzinputs.h"
#include "palette/palettefile.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>
#include <utility>

namespace mottler {
namespace {

using Body = std::function<void(const QByteArray&)>;

/// A palette reader as a fuzz target's body: any bytes give at most 256 colours or a
/// MottlerError that says something.
Body PaletteReader(PaletteFileColours (*read)(const QByteArray&)) {
    return [read](const QByteArray& bytes) {
        try {
            const int count = read(bytes).Count;
            EXPECT_TRUE(count >= 0 && count <= 256) << count;
        } catch (const MottlerError& error) {
            EXPECT_FALSE(error.Message().isEmpty());
        }
    };
}

// Every committed input of each fuzz target (seed files and former crashers) runs through the
// target's body, which aborts on a finding; an exception other than the documented ones fails
// the test.
TEST(FuzzCorpus, EveryCommittedInputRunsThroughItsTarget) {
    const std::pair<const char*, Body> targets[] = {
        {"presetfile", fuzz::FuzzPresetFile},     {"texturepack", fuzz::FuzzTexturePack},
        {"picture", fuzz::FuzzPicture},           {"colourtext", fuzz::FuzzColourTexts},
        {"writers", fuzz::FuzzWriters},           {"jasc", PaletteReader(ReadJascPalette)},
        {"riff", PaletteReader(ReadRiffPalette)}, {"act", PaletteReader(ReadActPalette)},
        {"gif", PaletteReader(ReadGifPalette)},   {"numbers", fuzz::FuzzNumbers},
    };
    for (const auto& [target, body] : targets) {
        SCOPED_TRACE(target);
        const QDir folder(QStringLiteral(MOTTLER_FUZZ_CORPUS) + "/" + target);
        const QStringList names = folder.entryList(QDir::Files);
        EXPECT_FALSE(names.isEmpty()) << "no corpus in " << folder.path().toStdString();
        for (const QString& name : names)
            EXPECT_NO_THROW(body(test::ReadBytes(folder.filePath(name)))) << name.toStdString();
    }
    QDir(fuzz::ScratchFolder()).removeRecursively();
}

} // namespace
} // namespace mottler
