#include "widgets/colourentry.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace mottler {
namespace {

constexpr PackedColour ButtonFace = PackRgb(239, 239, 239);
constexpr PackedColour Orange = PackRgb(255, 128, 0);

struct EntryFixture : testing::Test {
    EntryFixture() {
        entry.SetMessageHandler([this](const QString& m) { messages.append(m); });
        entry.SetChangeHandler([this] { ++changes; });
    }
    void TypeText(const QString& text) {
        for (const QChar c : text)
            entry.Type(c);
    }
    ColourEntry entry{ButtonFace};
    QStringList messages;
    int changes = 0;
};

TEST_F(EntryFixture, DecimalTextSetsTheColourAndOutOfRangeWarnsOnlyWithWarnings) {
    entry.SetText("255,128,0");
    EXPECT_TRUE(entry.IsDecimalMode());
    EXPECT_EQ(entry.Colour(), Orange);
    EXPECT_EQ(entry.HtmlCode(), "FF8000");
    EXPECT_FALSE(entry.IsColourSet()); // only hex-mode text sets the flag

    entry.SetText("256,0,0");
    EXPECT_FALSE(entry.IsTextValid());
    EXPECT_EQ(entry.Colour(), ButtonFace);
    EXPECT_TRUE(messages.isEmpty());
    entry.SetWarnings(true);
    entry.SetText("256,0,0");
    EXPECT_EQ(messages, QStringList{"All values must be between 0 and 255."});
    entry.SetText("-1,0,0");
    EXPECT_EQ(messages.size(), 2);
    entry.SetText("1,2,3,4");
    EXPECT_EQ(messages.size(), 2);
}

TEST_F(EntryFixture, CommaAfterDigitsIsInsertedInDecimalMode) {
    TypeText("255,");
    EXPECT_EQ(entry.Text(), "255,");
    EXPECT_TRUE(entry.IsDecimalMode());
    TypeText("128,0");
    EXPECT_EQ(entry.Colour(), Orange);
}

TEST_F(EntryFixture, KeyFilterFollowsTheMode) {
    TypeText("12g#X.a9z");
    EXPECT_EQ(entry.Text(), "12.a9");
    TypeText("77");
    EXPECT_EQ(entry.Text(), "12.a97"); // six characters at most
    entry.Type(QChar(0x08));
    EXPECT_EQ(entry.Text(), "12.a9");
    entry.SetText("1,2,3");
    EXPECT_TRUE(entry.AcceptsCharacter(','));
    EXPECT_FALSE(entry.AcceptsCharacter('.'));
    EXPECT_EQ(entry.MaxLength(), 0);
}

TEST_F(EntryFixture, SixCharactersWithADotKeepTheFlagButGiveTheButtonFace) {
    TypeText("12.456");
    EXPECT_EQ(entry.Text(), "12.456");
    EXPECT_TRUE(entry.IsColourSet());
    EXPECT_EQ(entry.Colour(), ButtonFace);
    EXPECT_EQ(entry.HtmlCode(), "");
    EXPECT_EQ(messages.last(), "HTML colours must be entered using hexadecimal characters.  "
                               "This includes the numbers from 0 to 9 and the letters from A "
                               "to F.");
    const qsizetype before = messages.size();
    entry.Type(','); // no conversion possible: the text stays
    EXPECT_EQ(entry.Text(), "12.456");
    EXPECT_FALSE(entry.IsDecimalMode());
    EXPECT_EQ(messages.size(), before + 1);
}

} // namespace
} // namespace mottler
