#include "base/errors.h"
#include "engine/texturesettings.h"
#include "errortext.h"
#include "filebytes.h"
#include "presets/datafolder.h"
#include "presets/inifile.h"
#include "presets/preset.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace mottler;

namespace {

class PresetTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("save.ini");

    IniFile Holding(const QByteArray& bytes) {
        test::WriteBytes(path, bytes);
        return IniFile(path);
    }
    QByteArray Stored() { return test::ReadBytes(path); }
};

Preset EveryValueChanged() {
    Preset p;
    p.Seed = -1772316075;
    p.Iterations = 42;
    p.FactorA = "961";
    p.FactorB = "950";
    p.DriftKind = DriftUp;
    p.StartColour = "0A0B0C";
    p.EndColour = "B46E0C";
    p.MiddlePoints = {{"E52923", "27"}, {"F6F915", "105"}};
    p.Width = 320;
    p.Height = 1;
    p.TextColour = "";
    p.LinkColour = "111111";
    p.VisitedLinkColour = "222222";
    p.ActiveLinkColour = "333333";
    p.Type = ImageFile;
    p.Contrast = -255;
    p.Brightness = 17;
    p.ImageFile = "/pictures/a b=c.jpg";
    p.FactorC = "12.5";
    p.FactorD = "abc";
    p.MultiplierA = "3.9";
    p.MultiplierB = "";
    p.Zero = ZeroActionAbs;
    return p;
}

} // namespace

TEST_F(PresetTest, SavingWritesTheKeysInTheirOrderAndReadingGivesEveryValueBack) {
    IniFile ini(path);
    SavePreset(ini, "All", EveryValueChanged());
    EXPECT_EQ(Stored(),
              "[All]\r\nSeed=-1772316075\r\nIterations=42\r\nA=961\r\nB=950\r\nDrift=3\r\n"
              "Start Color=0A0B0C\r\nEnd Color=B46E0C\r\nColor1=E52923,27\r\n"
              "Color2=F6F915,105\r\nWidth=320\r\nHeight=1\r\nColorText=\r\n"
              "ColorLink=111111\r\nColorVLink=222222\r\nColorALink=333333\r\n"
              "Texture Type=3\r\nContrast=-255\r\nBrightness=17\r\n"
              "File=/pictures/a b=c.jpg\r\nC=12.5\r\nD=abc\r\nAMult=3.9\r\nBMult=\r\n"
              "ZeroAction=2\r\n");
    Preset expected = EveryValueChanged();
    expected.TextColour = "000000"; // an empty preview colour reads as its default
    EXPECT_EQ(ReadPreset(IniFile(path), "all"), expected);
}

TEST_F(PresetTest, KeysAtTheirDefaultsAreLeftOutAndOldKeysVanish) {
    IniFile ini = Holding("[It Is Scratched]\r\nSeed=1\r\nWidth=100\r\nHeight=100\r\nDrift=0\r\n"
                          "Obsolete=1\r\nAMult=4.0\r\nC=12.0\r\n\r\n[Next]\r\nk=v\r\n");
    const Preset loaded = ReadPreset(ini, "It Is Scratched");
    EXPECT_TRUE(NeedsAdvancedWindow(loaded)); // "4.0" is not the text "4"
    SavePreset(ini, "It Is Scratched", loaded);
    EXPECT_EQ(Stored(), "[Next]\r\nk=v\r\n\r\n[It Is Scratched]\r\nSeed=1\r\nIterations=100\r\n"
                        "A=50\r\nB=50\r\nStart Color=000000\r\nEnd Color=FFFFFF\r\n");
    EXPECT_FALSE(NeedsAdvancedWindow(ReadPreset(ini, "It Is Scratched")));
}

TEST_F(PresetTest, TheFirstDriftIsSavedAsOnlyNoDriftIsLeftOut) {
    IniFile ini(path);
    Preset preset;
    preset.DriftKind = DriftLeft;
    SavePreset(ini, "Left", preset);
    EXPECT_TRUE(Stored().contains("\r\nDrift=1\r\n")) << Stored().toStdString();
    EXPECT_EQ(ReadPreset(IniFile(path), "Left").DriftKind, DriftLeft);
}

TEST_F(PresetTest, ReadsTheBuiltInPresetsWithTheirDefaults) {
    QString message;
    ASSERT_TRUE(ExtractResourceFile(path, BuiltInPresetsResource, message))
        << message.toStdString();
    const IniFile ini(path);
    // The shipped text of these sections is pinned in the data-folder test; here the empty
    // preview colours and the keys left out read as their defaults.
    const Preset flame = ReadPreset(ini, "Flame On");
    EXPECT_EQ(flame.TextColour, "000000");
    EXPECT_EQ(flame.ActiveLinkColour, "FF0000");
    const Preset coins = ReadPreset(ini, "coin spots");
    EXPECT_EQ(QStringList({QString::number(coins.Iterations), coins.FactorA, coins.FactorB,
                           coins.StartColour, coins.EndColour}),
              QStringList({"9", "995", "0", "FFFFFF", "000000"}));
    EXPECT_FALSE(NeedsAdvancedWindow(coins));
}

TEST_F(PresetTest, MiddlePointsStopAtTheFirstMissingOrEmptyColour) {
    const IniFile ini = Holding("[P]\nColor1=000000,10\nColor3=FFFFFF,30\n"
                                "[Q]\nColor1=AB,5\nColor2=\nColor3=FFFFFF,30\n");
    EXPECT_EQ(ReadPreset(ini, "P").MiddlePoints, QList<PresetPoint>({{"000000", "10"}}));
    EXPECT_EQ(ReadPreset(ini, "Q").MiddlePoints, QList<PresetPoint>({{"AB", "5"}}));
}

TEST_F(PresetTest, ValuesThatAreNoNumbersStopTheLoadWithAClearError) {
    EXPECT_EQ(FactorPosition("622", "A"), 622);
    EXPECT_EQ(FactorPosition("12.5", "A"), 12);
    EXPECT_EQ(FactorPosition("13.5", "A"), 14);
    EXPECT_EQ(FactorPosition("1e300", "A"), 2147483647);
    EXPECT_EQ(test::ErrorText([] { FactorPosition("abc", "B"); }),
              "The value \"abc\" of \"B\" is not a valid number.");
    EXPECT_EQ(test::ErrorText([] {
                  PointPosition({"FFFFFF", "1.5"}, 2);
              }),
              "The position \"1.5\" of \"Color2\" is not a valid whole number.");
    EXPECT_THROW(PointPosition({"FFFFFF17", ""}, 1), MottlerError);
    EXPECT_EQ(PointPosition({"FFFFFF", "300"}, 1), 255);
}

TEST_F(PresetTest, OutOfRangeValuesBecomeWhatTheControlsCanHold) {
    const IniFile ini = Holding("[P]\nDrift=9\nTexture Type=-1\nZeroAction=3\nWidth=0\n"
                                "Height=-5\nContrast=999\nBrightness=-300\n");
    const Preset p = ReadPreset(ini, "P");
    EXPECT_EQ(std::vector<int>(
                  {p.DriftKind, p.Type, p.Zero, p.Width, p.Height, p.Contrast, p.Brightness}),
              std::vector<int>({0, 0, 0, 100, 100, 255, -255}));
}
