#include "picker/pickersettings.h"

#include <gtest/gtest.h>

namespace mottler {
namespace {

TEST(PickerSettings, TrueTextsAreTheFiveWordsInAnyCase) {
    for (const char* text : {"yes", "TRUE", "Y", "t", "1", " True "})
        EXPECT_TRUE(PickerSettings::IsTrueText(text)) << text;
    for (const char* text : {"", "false", "0", "no", "on", "2"})
        EXPECT_FALSE(PickerSettings::IsTrueText(text)) << text;
}

TEST(PickerSettings, SchemesKeepSixteenSwatchesAndDefaultIsNeverDeleted) {
    PickerSettings::Open().clear();
    EXPECT_EQ(PickerSettings::SchemeNames(), QStringList{"[Default]"});
    SchemeColours colours{};
    colours.fill(0x0080FF);
    PickerSettings::WriteScheme("[Default]", colours);
    PickerSettings::WriteScheme("warm", colours);
    PickerSettings::WriteScheme("Cool", colours);
    EXPECT_EQ(PickerSettings::SchemeNames(), QStringList({"[Default]", "Cool", "warm"}));
    // "[Default]" lives in the group itself, the others in subgroups; values are text.
    QSettings settings = PickerSettings::Open();
    EXPECT_EQ(settings.value("Custom Colours/15").toString(), "33023");
    EXPECT_EQ(settings.value("Custom Colours/warm/0").toString(), "33023");

    settings.remove("Custom Colours/warm/4");
    settings.sync();
    const SchemeColours read = PickerSettings::ReadScheme("warm");
    EXPECT_EQ(read[3], 0x0080FFu);
    EXPECT_EQ(read[4], 0xFFFFFFu); // missing reads white
    EXPECT_EQ(PickerSettings::ReadScheme("never stored")[0], 0xFFFFFFu);

    PickerSettings::DeleteScheme("[Default]");
    PickerSettings::DeleteScheme("warm");
    EXPECT_EQ(PickerSettings::SchemeNames(), QStringList({"[Default]", "Cool"}));
    EXPECT_EQ(PickerSettings::ReadScheme("[Default]")[0], 0x0080FFu);
}

} // namespace
} // namespace mottler
