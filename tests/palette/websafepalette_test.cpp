#include "base/bmpfile.h"
#include "filebytes.h"
#include "palette/palettefile.h"
#include "palette/websafepalette.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace mottler {
namespace {

TEST(WebSafePalette, RunsFromWhiteToBlackWithRedOutermostThenBlackPadding) {
    const PaletteFileColours read = ReadRiffPalette(WebSafePaletteBytes());
    EXPECT_EQ(read.Count, 256);
    EXPECT_EQ(read.Colours[0], PackRgb(255, 255, 255));
    EXPECT_EQ(read.Colours[1], PackRgb(255, 255, 204));
    EXPECT_EQ(read.Colours[6], PackRgb(255, 204, 255));
    EXPECT_EQ(read.Colours[36], PackRgb(204, 255, 255));
    EXPECT_EQ(read.Colours[215], PackRgb(0, 0, 0));
    EXPECT_EQ(read.Colours[214], PackRgb(0, 0, 51));
    for (std::size_t i = 216; i < 256; ++i)
        EXPECT_EQ(read.Colours[i], 0u);
    EXPECT_EQ(WebSafePaletteBytes().size(), 24 + 1024);
}

TEST(WebSafePalette, IsWrittenOnceAndAnExistingFileIsKept) {
    const QString folder = test::FreshFolder("websafe-temp");
    const QString path = EnsureWebSafePaletteFile(folder);
    EXPECT_EQ(path, QDir(folder).filePath("websafe.pal"));
    EXPECT_EQ(ReadPaletteFile(path).Colours[0], PackRgb(255, 255, 255));

    WriteFileAtomically(path, "users own");
    EnsureWebSafePaletteFile(folder);
    EXPECT_EQ(test::ReadBytes(path), "users own");

    // A dangling link planted at the name would otherwise create a file elsewhere.
    const QString planted = test::FreshFolder("websafe-planted");
    ASSERT_TRUE(QFile::link(folder + "/elsewhere.pal", planted + "/websafe.pal"));
    EXPECT_THROW(EnsureWebSafePaletteFile(planted), MottlerError);
    EXPECT_FALSE(QFileInfo::exists(folder + "/elsewhere.pal"));
}

} // namespace
} // namespace mottler
