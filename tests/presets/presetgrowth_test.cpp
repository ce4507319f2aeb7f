#include "base/errors.h"
#include "presets/datafolder.h"
#include "presets/inifile.h"
#include "presets/presetgrowth.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace mottler;

namespace {

/// The built-in presets, written into a temporary folder.
class BuiltInPresetsTest : public testing::Test {
protected:
    void SetUp() override {
        QString message;
        ASSERT_TRUE(ExtractResourceFile(path, BuiltInPresetsResource, message))
            << message.toStdString();
    }
    QTemporaryDir dir;
    QString path = dir.filePath("save.ini");
};

bool IsBuiltInFile(const QString& name) {
    for (const BuiltInFile& file : BuiltInFiles)
        if (name == QLatin1String(file.Name))
            return true;
    return false;
}

TEST_F(BuiltInPresetsTest, EveryPresetReadsWithNumbersWhereNumbersBelongAndAUniqueName) {
    const IniFile ini(path);
    const QStringList names = PresetNames(ini);
    EXPECT_GE(names.size(), 45);
    QSet<QString> folded;
    QSet<int> types;
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        folded.insert(name.toLower());
        const Preset preset = ReadPreset(ini, name);
        types.insert(preset.Type);
        EXPECT_NO_THROW(PresetFactors(preset));
        EXPECT_LE(preset.MiddlePoints.size(), 8);
        for (int i = 0; i < preset.MiddlePoints.size(); ++i)
            EXPECT_NO_THROW(PointPosition(preset.MiddlePoints[i], i + 1));
        if (preset.Type == ImageFile) {
            EXPECT_TRUE(QDir::isRelativePath(preset.ImageFile));
            EXPECT_TRUE(IsBuiltInFile(preset.ImageFile));
        }
    }
    EXPECT_EQ(folded.size(), names.size());
    EXPECT_EQ(types, QSet<int>({RandomNoise, RandomShapes, NoiseAndShapes, ImageFile}));
}

TEST_F(BuiltInPresetsTest, ASmallPresetGrowsToTheEndWithoutOverflow) {
    const Preset preset = ReadPreset(IniFile(path), "Tiny Maze (64 X 64)");
    TextureEngine engine;
    const PresetGrowth growth = GrowPreset(engine, preset, ShapeTuning());
    EXPECT_EQ(growth.Result.Outcome, RunOutcome::Completed);
    EXPECT_EQ(growth.Result.Reported, preset.Iterations);
    EXPECT_EQ(engine.TextureBitmap.size(), QSize(64, 64));
    EXPECT_LT(engine.FieldMin, engine.FieldMax);
    EXPECT_EQ(engine.CurrentSeed, preset.Seed);
}

TEST(PresetGrowthTest, AdvancedValuesCountOnlyWhenTheyShowTheAdvancedWindow) {
    Preset preset;
    preset.FactorA = " 622.5 ";
    preset.FactorB = "1000";
    preset.FactorC = "20"; // differs from "12", so the window shows and C counts
    GrowthFactors factors = PresetFactors(preset);
    EXPECT_EQ(factors.FactorA, 622.5);
    EXPECT_EQ(factors.FactorB, 1000.0);
    EXPECT_EQ(factors.FactorC, 20);

    preset.FactorC = "12.5"; // the integer rule reads a decimal as 0
    preset.MultiplierA = "4.0";
    preset.MultiplierB = "3.95";
    preset.Zero = ZeroActionAbs;
    factors = PresetFactors(preset);
    EXPECT_EQ(factors.FactorC, 0);
    EXPECT_EQ(factors.FactorD, 16);
    EXPECT_EQ(factors.MultiplierA, 4.0);
    EXPECT_EQ(factors.MultiplierB, 3.95);
    EXPECT_EQ(factors.Zero, ZeroActionAbs);

    const GrowthFactors standard = PresetFactors(Preset());
    EXPECT_EQ(standard.FactorC, 12);
    EXPECT_EQ(standard.MultiplierA, 4.0);
    EXPECT_EQ(standard.Zero, ZeroActionZero);

    preset.MultiplierB = "abc";
    EXPECT_THROW(PresetFactors(preset), MottlerError);
}

TEST(PresetGrowthTest, PointsComeInLoadOrderAndThoseBeyondTenAreRefused) {
    Preset preset;
    preset.StartColour = "1AFFAB";
    preset.EndColour = "000000";
    for (int i = 0; i < 9; ++i)
        preset.MiddlePoints.append({"FF0000", QString::number(200 - i * 20)});
    ControlPointList points;
    EXPECT_EQ(AddPresetControlPoints(points, preset), 1);
    ASSERT_EQ(points.Count(), 10);
    EXPECT_EQ(points.Points()[0].Kind, PointKind::Start);
    EXPECT_EQ(points.Points()[0].Colour, PackRgb(0x1A, 0xFF, 0xAB));
    EXPECT_EQ(points.Points()[1].Kind, PointKind::End);
    EXPECT_EQ(points.Points()[2].Position(), 200);
    EXPECT_EQ(points.Points()[9].Position(), 60);

    preset.MiddlePoints = {{"FFFFFF", "17"}, {"FFFFFF", "x"}};
    ControlPointList partial;
    EXPECT_THROW(AddPresetControlPoints(partial, preset), MottlerError);
    EXPECT_EQ(partial.Count(), 3);
}

TEST(PresetGrowthTest, AShippedPictureIsFoundInTheDataFolderAndStretchedToThePresetSize) {
    EXPECT_TRUE(ExtractMissingBuiltInFiles().isEmpty());
    Preset preset;
    preset.Type = ImageFile;
    preset.ImageFile = "ripples.png";
    EXPECT_EQ(PresetPicturePath(preset), DataFile("ripples.png"));
    preset.Width = 40;
    preset.Height = 30;
    preset.Iterations = 2;

    TextureEngine stretched;
    EXPECT_EQ(GrowPreset(stretched, preset, ShapeTuning()).Result.Outcome, RunOutcome::Completed);
    EXPECT_EQ(QSize(stretched.Width(), stretched.Height()), QSize(40, 30));
    TextureEngine kept;
    PreparePreset(kept, preset, ShapeTuning(), PictureFit::KeepOwnSize);
    EXPECT_EQ(QSize(kept.Width(), kept.Height()), QSize(128, 128));

    preset.ImageFile = QDir(DataFolder()).filePath("none.png");
    EXPECT_EQ(PresetPicturePath(preset), preset.ImageFile);
    TextureEngine missing;
    EXPECT_THROW(GrowPreset(missing, preset, ShapeTuning()), MottlerError);
}

} // namespace
