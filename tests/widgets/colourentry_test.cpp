#include "widgets/colourentry.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace mottler {
namespace {

constexpr PackedColour ButtonFace = PackRgb(239, 239, 239);
constexpr PackedColour Orange = PackRgb(255, 128, 0);

struct EntryFixture : testing::Test {
    EntryFixture() {
        Entry.SetMessageHandler([this](const QString& m) { Messages.append(m); });
        Entry.SetChangeHandler([this] { ++Changes; });
    }
    void TypeText(const QString& text) {
        for (const QChar c : text)
            Entry.Type(c);
    }
    ColourEntry Entry{ButtonFace};
    QStringList Messages;
    int Changes = 0;
};

TEST_F(EntryFixture, DecimalTextSetsTheColourAndOutOfRangeWarnsOnlyWithWarnings) {
    Entry.SetText("255,128,0");
    EXPECT_TRUE(Entry.IsDecimalMode());
    EXPECT_EQ(Entry.Colour(), Orange);
    EXPECT_EQ(Entry.HtmlCode(), "FF8000");
    EXPECT_FALSE(Entry.IsColourSet()); // only hex-mode text sets the flag

    Entry.SetText("256,0,0");
    EXPECT_FALSE(Entry.IsTextValid());
    EXPECT_EQ(Entry.Colour(), ButtonFace);
    EXPECT_TRUE(Messages.isEmpty());
    Entry.SetWarnings(true);
    Entry.SetText("256,0,0");
    EXPECT_EQ(Messages, QStringList{"All values must be between 0 and 255."});
    Entry.SetText("-1,0,0");
    EXPECT_EQ(Messages.size(), 2);
    Entry.SetText("1,2,3,4");
    EXPECT_EQ(Messages.size(), 2);
}

TEST_F(EntryFixture, CommaAfterDigitsIsInsertedInDecimalMode) {
    TypeText("255,");
    EXPECT_EQ(Entry.Text(), "255,");
    EXPECT_TRUE(Entry.IsDecimalMode());
    TypeText("128,0");
    EXPECT_EQ(Entry.Colour(), Orange);
}

TEST_F(EntryFixture, KeyFilterFollowsTheMode) {
    TypeText("12g#X.a9z");
    EXPECT_EQ(Entry.Text(), "12.a9");
    TypeText("77");
    EXPECT_EQ(Entry.Text(), "12.a97"); // six characters at most
    Entry.Type(QChar(0x08));
    EXPECT_EQ(Entry.Text(), "12.a9");
    Entry.SetText("1,2,3");
    EXPECT_TRUE(Entry.AcceptsCharacter(','));
    EXPECT_FALSE(Entry.AcceptsCharacter('.'));
    EXPECT_EQ(Entry.MaxLength(), 0);
}

TEST_F(EntryFixture, SixCharactersWithADotKeepTheFlagButGiveTheButtonFace) {
    TypeText("12.456");
    EXPECT_EQ(Entry.Text(), "12.456");
    EXPECT_TRUE(Entry.IsColourSet());
    EXPECT_EQ(Entry.Colour(), ButtonFace);
    EXPECT_EQ(Entry.HtmlCode(), "");
    EXPECT_EQ(Messages.last(), "HTML colours must be entered using hexadecimal characters.  "
                               "This includes the numbers from 0 to 9 and the letters from A "
                               "to F.");
    const qsizetype before = Messages.size();
    Entry.Type(','); // no conversion possible: the text stays
    EXPECT_EQ(Entry.Text(), "12.456");
    EXPECT_FALSE(Entry.IsDecimalMode());
    EXPECT_EQ(Messages.size(), before + 1);
}

} // namespace
} // namespace mottler
