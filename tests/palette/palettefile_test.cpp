#include "base/bmpfile.h"
#include "base/errors.h"
#include "errortext.h"
#include "palette/palettefile.h"
#include "testenv.h"

#include <QDir>
#include <gtest/gtest.h>

namespace mottler {
namespace {

QByteArray JascText(const QString& count, int lines) {
    QByteArray text = "JASC-PAL\r\n0100\r\n" + count.toLatin1() + "\r\n";
    for (int i = 0; i < lines; ++i)
        text += QByteArray::number(i) + " 1 2\r\n";
    return text;
}

QByteArray RiffBytes(int statedCount, int entries) {
    QByteArray bytes("RIFF\0\0\0\0PAL data\0\0\0\0\0\x03", 22);
    bytes.append(char(statedCount & 0xFF)).append(char(statedCount >> 8));
    for (int i = 0; i < entries; ++i)
        bytes.append(char(10)).append(char(20)).append(char(30)).append(char(i == 0 ? 4 : 0));
    return bytes;
}

QByteArray GifBytes(int packed, int tableEntries) {
    QByteArray bytes("GIF89a\x01\x00\x01\x00", 10);
    bytes.append(char(packed)).append(char(0)).append(char(0));
    for (int i = 0; i < tableEntries; ++i)
        bytes.append(char(i)).append(char(100)).append(char(200));
    return bytes;
}

QString WriteTestFile(const QString& name, const QByteArray& bytes) {
    const QString path = QDir(test::TestHome()).filePath(name);
    WriteFileAtomically(path, bytes);
    return path;
}

TEST(JascPalette, CountIsCappedAt256AndEntriesBeyondItAreBlack) {
    const PaletteFileColours capped = ReadJascPalette(JascText("300", 300));
    EXPECT_EQ(capped.Count, 256);
    EXPECT_EQ(capped.Colours[255], PackRgb(255, 1, 2));
    const PaletteFileColours ten = ReadJascPalette(JascText("10", 20));
    EXPECT_EQ(ten.Count, 10);
    EXPECT_EQ(ten.Colours[9], PackRgb(9, 1, 2));
    for (int i = 10; i < 256; ++i)
        EXPECT_EQ(ten.Colours[static_cast<std::size_t>(i)], 0u) << i;
}

TEST(JascPalette, ReadsMissingLinesAsBlackAndAcceptsPlainLineFeeds) {
    const PaletteFileColours read = ReadJascPalette("JASC-PAL\n0100\n4\n1 2 3\n4 5 6\n");
    EXPECT_EQ(read.Count, 4);
    EXPECT_EQ(read.Colours[1], PackRgb(4, 5, 6));
    EXPECT_EQ(read.Colours[2], 0u);
}

TEST(JascPalette, ReadsAnUnreadableCountAsZeroAndRefusesBadColourLines) {
    EXPECT_EQ(ReadJascPalette(JascText("lots", 5)).Count, 0);
    EXPECT_EQ(ReadJascPalette(JascText("-3", 5)).Count, 0);
    EXPECT_EQ(ReadJascPalette("JASC-PAL").Count, 0);
    for (const char* line : {"256 0 0", "1 2", "red 0 0"})
        EXPECT_THROW(ReadJascPalette("JASC-PAL\r\n0100\r\n1\r\n" + QByteArray(line) + "\r\n"),
                     MottlerError)
            << line;
}

TEST(RiffPalette, ReadsEntriesWithTheFlagsAsTopByteAndOnlyThosePresent) {
    const PaletteFileColours read = ReadRiffPalette(RiffBytes(2, 2));
    EXPECT_EQ(read.Count, 2);
    EXPECT_EQ(read.Colours[0], PackRgb(10, 20, 30) | 0x04000000u);
    EXPECT_EQ(read.Colours[1], PackRgb(10, 20, 30));
    EXPECT_EQ(read.Colours[2], 0u);

    const PaletteFileColours cut = ReadRiffPalette(RiffBytes(300, 3) + QByteArray("\x01\x02", 2));
    EXPECT_EQ(cut.Count, 3); // a stated 300, three whole entries and half of one
    EXPECT_EQ(cut.Colours[2], PackRgb(10, 20, 30));
    EXPECT_EQ(cut.Colours[3], 0u);
}

TEST(RiffPalette, RefusesAShortHeaderOrAnotherFormType) {
    EXPECT_THROW(ReadRiffPalette(RiffBytes(2, 2).left(23)), MottlerError);
    QByteArray wave = RiffBytes(2, 2);
    wave.replace(8, 4, "WAVE");
    EXPECT_THROW(ReadRiffPalette(wave), MottlerError);
}

TEST(ActPalette, ReadsCompleteEntriesOfAShortTable) {
    const PaletteFileColours read = ReadActPalette(QByteArray("\x01\x02\x03\x04\x05\x06\x07", 7));
    EXPECT_EQ(read.Count, 256);
    EXPECT_EQ(read.Colours[1], PackRgb(4, 5, 6));
    EXPECT_EQ(read.Colours[2], 0u);
    EXPECT_THROW(ReadActPalette(QByteArray("\x01\x02", 2)), MottlerError);
}

TEST(GifPalette, ReadsTheGlobalColourTable) {
    const PaletteFileColours read = ReadGifPalette(GifBytes(0x81, 4));
    EXPECT_EQ(read.Count, 256);
    EXPECT_EQ(read.Colours[3], PackRgb(3, 100, 200));
    EXPECT_EQ(read.Colours[4], 0u);
}

TEST(GifPalette, GivesTheGifMessageForEveryUnreadableFile) {
    const QString message = "An error occurred while reading this file.  It is either not a "
                            "valid GIF file or it has no Global Palette.";
    EXPECT_EQ(test::ErrorText([] { ReadGifPalette(GifBytes(0x01, 4)); }),
              message); // no global table
    EXPECT_EQ(test::ErrorText([] { ReadGifPalette(GifBytes(0x81, 3)); }),
              message); // table cut short
    EXPECT_EQ(test::ErrorText([] { ReadGifPalette(GifBytes(0x81, 4).replace(0, 3, "PNG")); }),
              message);
    EXPECT_EQ(test::ErrorText([] { ReadGifPalette("GIF89a"); }), message);
}

TEST(PaletteFile, ChoosesTheReaderByExtensionAndContent) {
    EXPECT_EQ(ReadPaletteFile(WriteTestFile("a.PAL", JascText("1", 1))).Colours[0],
              PackRgb(0, 1, 2));
    EXPECT_EQ(ReadPaletteFile(WriteTestFile("b.pal", RiffBytes(1, 1))).Count, 1);
    EXPECT_EQ(ReadPaletteFile(WriteTestFile("c.gif", GifBytes(0x80, 2))).Colours[1],
              PackRgb(1, 100, 200));
    EXPECT_THROW(ReadPaletteFile(WriteTestFile("d.pal", GifBytes(0x80, 2))), MottlerError);
    EXPECT_THROW(ReadPaletteFile(WriteTestFile("e.txt", JascText("1", 1))), MottlerError);
    EXPECT_THROW(ReadPaletteFile(QDir(test::TestHome()).filePath("missing.act")), MottlerError);
}

TEST(PaletteFile, RefusesAnOversizedPaletteButReadsALargeGifPicture) {
    const QByteArray huge(2 * 1024 * 1024, '\0');
    EXPECT_THROW(ReadPaletteFile(WriteTestFile("huge.act", huge)), MottlerError);
    EXPECT_THROW(ReadPaletteFile(WriteTestFile("huge.pal", "JASC-PAL\r\n" + huge)), MottlerError);
    const QString gif = WriteTestFile("big.gif", GifBytes(0x80, 2) + huge);
    EXPECT_EQ(ReadPaletteFile(gif).Colours[0], PackRgb(0, 100, 200));
}

} // namespace
} // namespace mottler
