#include "base/errors.h"
#include "filebytes.h"
#include "palette/palettefile.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace mottler {
namespace {

using Reader = std::function<PaletteFileColours(const QByteArray&)>;

/// Every committed fuzz input (valid files, broken ones and former crashers) must give colours
/// or a MottlerError from its reader, never another exception or a crash.
void RunCorpus(const QString& reader, const Reader& read) {
    const QDir folder(QStringLiteral(MOTTLER_FUZZ_CORPUS) + "/" + reader);
    const QStringList names = folder.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty()) << "no corpus in " << folder.path().toStdString();
    for (const QString& name : names) {
        const QByteArray bytes = test::ReadBytes(folder.filePath(name));
        try {
            const PaletteFileColours colours = read(bytes);
            EXPECT_GE(colours.Count, 0) << name.toStdString();
            EXPECT_LE(colours.Count, 256) << name.toStdString();
        } catch (const MottlerError& error) {
            EXPECT_FALSE(error.Message().isEmpty()) << name.toStdString();
        }
    }
}

TEST(PaletteCorpus, JascInputsReadOrFailCleanly) {
    RunCorpus("jasc", ReadJascPalette);
}
TEST(PaletteCorpus, RiffInputsReadOrFailCleanly) {
    RunCorpus("riff", ReadRiffPalette);
}
TEST(PaletteCorpus, ActInputsReadOrFailCleanly) {
    RunCorpus("act", ReadActPalette);
}
TEST(PaletteCorpus, GifInputsReadOrFailCleanly) {
    RunCorpus("gif", ReadGifPalette);
}

} // namespace
} // namespace mottler
