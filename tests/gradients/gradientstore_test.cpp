#include "scopedenv.h"
#include "gradients/gradientstore.h"

#include "errortext.h"
#include "filebytes.h"
#include "presets/datafolder.h"
#include "presets/inifile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace mottler;

namespace {

/// The built-in gradients as the program ships them, written out independently of the
/// resource so that a damaged resource is caught.
QByteArray BuiltInGradientsText() {
    const char* const lines[] = {
        "[Gradients]",
        "Soft Gold=4210816|65535|0|4|16777215|48",
        "Sunspot=8454143|65535|0|4|16777215|44",
        "Tree Daemon Green=32768|4259584|8421376|4|16777215|33",
        "Clouds=16776960|16777215|4194304|4|16777215|32",
        "Blood Horizon=217|128|4194432|4|0|32",
        "Ice To Sea You=16777215|8421504|8388608|33|8421376|39",
        "Indian Sunset=7314399|0|[NONE]|[NONE]|16777215|44",
        "Blue As=16711808|8388608|4194304|4|12615680|30",
        "Cold Down There=9400615|5513492|[NONE]|[NONE]|4194304|30",
        "Corona=4210816|65535|16777215|50|16777215|24",
        "Fiery Fade=255|4586229|16777215|32|16777215|39",
        "Orange Vapour=4227327|16777215|[NONE]|[NONE]|16777215|23",
        "Blue Vapour=8404992|16777215|[NONE]|[NONE]|16777215|23",
        "Sea And The Sky=8404992|12232509|15000804|38|16777215|27",
        "Polarized Glacial Steam=16777215|8421504|8388608|33|8388608|26",
        "Lemon Tree Home Away=13158|0|15198183|2|13434879|27",
    };
    QByteArray text;
    for (const char* line : lines)
        text += QByteArray(line) + "\r\n";
    return text;
}

class GradientStoreTest : public ::testing::Test {
protected:
    IniFile Store(const QByteArray& bytes) {
        test::WriteBytes(path, bytes);
        return IniFile(path);
    }
    QTemporaryDir dir;
    QString path = dir.filePath("gradients.ini");
};

} // namespace

TEST_F(GradientStoreTest, AFirstStartWritesTheBuiltInGradientsByteForByte) {
    QString file;
    {
        const test::ScopedEnv home("MOTTLER_HOME", dir.filePath("fresh").toLocal8Bit());
        EXPECT_EQ(ExtractMissingBuiltInFiles(), QStringList());
        file = ProgramGradientFile();
    }

    EXPECT_EQ(file, dir.filePath("fresh/gradients.ini"));
    EXPECT_EQ(test::ReadBytes(file), BuiltInGradientsText());
    const QStringList names = GradientPresetNames(IniFile(file));
    EXPECT_EQ(names.size(), 16);
    EXPECT_EQ(names.value(0), "Blood Horizon");
    EXPECT_EQ(names.value(15), "Tree Daemon Green");
}

TEST_F(GradientStoreTest, IndianSunsetTurnsTheBorderOffWithWidthFour) {
    GradientSettings s;
    s.AddBorder = true;
    s.BorderWidth = "17";
    s.BorderColour = 123;
    const LoadedGradient loaded = LoadGradient(Store(BuiltInGradientsText()), "indian sunset");
    EXPECT_TRUE(loaded.Complete());
    ApplyLoadedGradient(loaded, s);
    EXPECT_EQ(s.StartColour, 7314399u);
    EXPECT_EQ(s.EndColour, 0u);
    EXPECT_FALSE(s.AddBorder);
    EXPECT_EQ(s.BorderWidth, "4");
    EXPECT_EQ(s.BorderColour, 123u); // no border: the picker keeps its colour
    EXPECT_EQ(s.BackgroundColour, 16777215u);
    EXPECT_EQ(s.GradientWidth, "44");
}

TEST_F(GradientStoreTest, SavingWritesOneLineAndOverwritesByName) {
    IniFile store = Store("[Gradients]\r\nOld=1|2|3|4|5|6\r\n");
    GradientSettings s;
    s.StartColour = PackRgb(255, 0, 0);
    s.EndColour = PackRgb(0, 255, 0);
    s.BackgroundColour = PackRgb(255, 255, 255);
    s.GradientWidth = "30";
    EXPECT_EQ(SaveGradient(store, "Name", s), "Name");
    s.GradientWidth = "300";
    EXPECT_EQ(SaveGradient(store, "OLD", s), "Old");
    EXPECT_EQ(test::ReadBytes(path), "[Gradients]\r\nOld=255|65280|[NONE]|[NONE]|16777215|300\r\n"
                                     "Name=255|65280|[NONE]|[NONE]|16777215|30\r\n");
    EXPECT_EQ(GradientPresetNames(store), QStringList({"Name", "Old"}));
    EXPECT_EQ(LoadGradient(store, "Old").GradientWidth, "300");

    EXPECT_EQ(test::ErrorText([&] { SaveGradient(store, "a=b", s); }),
              "The key name \"a=b\" cannot be stored in an INI file.");
    EXPECT_EQ(GradientPresetNames(IniFile(path)), QStringList({"Name", "Old"}));
}

TEST_F(GradientStoreTest, AValueWithoutSixFieldsIsListedButNeverLoads) {
    IniFile store = Store("[Gradients]\r\nFive=1|2|[NONE]|[NONE]|5|\r\nSeven=1|2|3|4|5|6|7\r\n"
                          "Trailing=1|2|[NONE]|[NONE]|5|6|\r\n");
    GradientSettings emptyWidth;
    emptyWidth.GradientWidth.clear();
    SaveGradient(store, "Saved Empty", emptyWidth);
    EXPECT_EQ(GradientPresetNames(store),
              QStringList({"Five", "Saved Empty", "Seven", "Trailing"}));
    for (const char* name : {"Five", "Saved Empty", "Seven", "Missing"}) {
        const LoadedGradient loaded = LoadGradient(store, name);
        EXPECT_FALSE(loaded.Loadable) << name;
        EXPECT_FALSE(loaded.StartColour) << name;
    }
    EXPECT_TRUE(LoadGradient(store, "Trailing").Complete());
}

TEST_F(GradientStoreTest, AMalformedColourStopsTheLoadAfterTheStepsAlreadyDone) {
    const IniFile store = Store("[Gradients]\r\nEnd=255|green|0|4|0|30\r\n"
                                "Background=1|2|3|9|0x10|30\r\nHuge=1|2|16777216|9|0|30\r\n");
    const LoadedGradient end = LoadGradient(store, "End");
    EXPECT_EQ(end.StartColour, 255u);
    EXPECT_FALSE(end.EndColour || end.Border || end.BackgroundColour || end.GradientWidth);
    EXPECT_EQ(end.Error, "The end colour \"green\" of the gradient \"End\" is not a valid colour "
                         "number.");

    const LoadedGradient background = LoadGradient(store, "Background");
    ASSERT_TRUE(background.Border);
    EXPECT_EQ(background.Border->Width, "9");
    EXPECT_FALSE(background.BackgroundColour || background.GradientWidth);
    EXPECT_FALSE(background.Complete());

    const LoadedGradient huge = LoadGradient(store, "Huge");
    EXPECT_EQ(huge.EndColour, 2u);
    EXPECT_FALSE(huge.Border);
    EXPECT_FALSE(huge.Error.isEmpty());
}
