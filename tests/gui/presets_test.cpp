// Presets from the main window: the built-in list, loading, saving and the program settings.
#include "engine/random.h"
#include "engine/texturesettings.h"
#include "engine/ui/advancedwindow.h"
#include "mainwindowfixture.h"
#include "palette/colourtext.h"
#include "palette/ui/gradienteditor.h"
#include "picker/ui/colourdropdown.h"
#include "presets/datafolder.h"
#include "presets/inifile.h"
#include "presets/preset.h"
#include "presets/presetgrowth.h"
#include "presets/shapetuning.h"
#include "widgets/ui/numericedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace mottler::test {
namespace {

class PresetTest : public MainWindowTest {
protected:
    void Load(const QString& name) {
        const int index = P().cmbPresets->findText(name, Qt::MatchFixedString);
        ASSERT_GE(index, 0) << name.toStdString();
        P().cmbPresets->setCurrentIndex(index);
        W().Presets().cmbPresetsClick();
    }

    // Adds a preset section by hand, as an edited file or a pack would hold it.
    void WriteSection(const QString& name, const QList<QPair<QString, QString>>& keys) {
        IniFile file(DataFile(PresetFileName));
        for (const auto& [key, value] : keys)
            file.WriteString(name, key, value);
        W().Presets().LoadPresetNames();
    }

    // Answers the dialogs of one "Save this pattern" (see AnsweringDialogs).
    QStringList SaveAnswering(QStringList answers) {
        return AnsweringDialogs(std::move(answers), [this] { W().Presets().btnSavePresetClick(); });
    }

    QString SavedSeed(const QString& name) {
        return QString::number(ReadPreset(IniFile(DataFile(PresetFileName)), name).Seed);
    }

    std::vector<std::pair<PackedColour, int>> PointsShown() {
        std::vector<std::pair<PackedColour, int>> points;
        for (const ControlPoint& p : W().Document().Gradient.Points.Points())
            points.emplace_back(p.Colour, p.Position());
        return points;
    }
};

TEST_F(PresetTest, BuiltInPresetsAreListedInAlphabeticalOrder) {
    QComboBox* list = P().cmbPresets;
    EXPECT_GE(list->count(), 45);
    for (int i = 1; i < list->count(); ++i)
        EXPECT_LT(list->itemText(i - 1).compare(list->itemText(i), Qt::CaseInsensitive), 0);
    EXPECT_GE(list->findText("Marble"), 0);
}

TEST_F(PresetTest, ChoosingMarbleGrowsTheSameTextureAsTheHeadlessLoad) {
    Load("Marble");
    EXPECT_EQ(P().txtRandomSeed->text(), "35089380");
    EXPECT_EQ(P().tbIterations->value(), 124);
    EXPECT_EQ(P().spFactorA->value(), 622);
    EXPECT_EQ(P().spFactorB->value(), 1000);
    EXPECT_EQ(W().Preview().lblFrameNumber->text(), "124");
    const auto points = PointsShown();
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points.back().first, ColourFromPresetHex("009999"));

    TextureEngine headless;
    const IniFile file(DataFile(PresetFileName));
    GrowPreset(headless, ReadPreset(file, "Marble"), ReadShapeTuning());
    const float* a = headless.FieldA.Data();
    EXPECT_EQ(FieldA(), std::vector<float>(a, a + headless.CellCount()));
    EXPECT_EQ(W().Document().Engine.TextureBitmap, headless.TextureBitmap);
}

TEST_F(PresetTest, SavedPresetLoadsBackItsColoursAndTexture) {
    // A fixed gradient: a random one whose last middle point lies below the end point's
    // marker is saved with that point as the end point, and so does not load back the same.
    SetRandomSeed(1);
    Part<GradientEditor>().RandomGradient();
    W().Document().Gradient.Contrast = 40;
    W().Document().Gradient.Brightness = -30;
    Part<GradientEditor>().RebuildPalette();
    Generate(2468, 35);
    const auto points = PointsShown();
    const std::vector<float> texture = FieldA();
    SaveAnswering({"My Texture"});
    EXPECT_GE(P().cmbPresets->findText("My Texture"), 0);

    Part<GradientEditor>().RandomGradient();
    Generate(1, 10);
    Load("my texture"); // names are found without regard to case
    EXPECT_EQ(PointsShown(), points);
    EXPECT_EQ(W().Document().Gradient.Contrast, 40);
    EXPECT_EQ(W().Document().Gradient.Brightness, -30);
    EXPECT_EQ(FieldA(), texture);
}

TEST_F(PresetTest, SavingUnderAnExistingNameAsksFirst) {
    Generate(2468, 35);
    SaveAnswering({"Mine"});
    const QString first = SavedSeed("Mine");
    Generate(1357, 20);
    // "No" goes back to the name box, still holding the name; cancelling there keeps the file.
    EXPECT_EQ(SaveAnswering({"Mine", "No", ""}),
              QStringList({"prompt: ", "question: Replace the preset \"Mine\"?", "prompt: Mine"}));
    EXPECT_EQ(SavedSeed("Mine"), first);

    EXPECT_EQ(SaveAnswering({"mine", "Yes"}).size(), 2);
    EXPECT_NE(SavedSeed("Mine"), first);
    int listed = 0;
    for (int i = 0; i < P().cmbPresets->count(); ++i)
        listed += P().cmbPresets->itemText(i).compare("mine", Qt::CaseInsensitive) == 0;
    EXPECT_EQ(listed, 1);

    EXPECT_EQ(SaveAnswering({"Marble", "Yes"}).last(), "question: Replace the preset \"Marble\"?");
}

TEST_F(PresetTest, ASecondWindowsPresetIsListedAndKeptWhenThisOneSaves) {
    Generate(2468, 10);
    // Another window (another process) saves a preset after this one has read the file.
    IniFile(DataFile(PresetFileName)).WriteString("Theirs", "Seed", "5");
    ASSERT_TRUE(QTest::qWaitFor([&] { return P().cmbPresets->findText("Theirs") >= 0; }));
    SaveAnswering({"Mine"});
    const IniFile stored(DataFile(PresetFileName));
    EXPECT_TRUE(stored.SectionExists("Theirs"));
    EXPECT_TRUE(stored.SectionExists("Mine"));
    // A hand edit that removes a preset takes it off the list.
    IniFile(DataFile(PresetFileName)).EraseSection("Theirs");
    EXPECT_TRUE(QTest::qWaitFor([&] { return P().cmbPresets->findText("Theirs") < 0; }));
    EXPECT_GE(P().cmbPresets->findText("Mine"), 0);
}

TEST_F(PresetTest, ThousandsOfColourPointsAreReportedInOneMessage) {
    IniSection crowded{"Crowded", {{"Seed", "3"}, {"Width", "16"}, {"Height", "16"}}};
    for (int i = 1; i <= 2000; ++i)
        crowded.Entries.append(
            {"Color" + QString::number(i), "00FF00," + QString::number(i % 250)});
    IniFile(DataFile(PresetFileName)).AppendSection(crowded);
    W().Presets().LoadPresetNames();
    QStringList shown;
    QTimer script;
    QObject::connect(&script, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown.append(box->text());
            box->button(QMessageBox::Ok)->click();
        }
    });
    script.start(5);
    Load("Crowded");
    script.stop();
    EXPECT_EQ(shown, QStringList({"No more than ten color control points can be created.  1992 "
                                  "points of the preset were left out."}));
}

TEST_F(PresetTest, NegativeSeedLoadsAsNegative) {
    Load("Bigfoot Was Here ?");
    EXPECT_EQ(P().txtRandomSeed->text(), "-1772316075");
    EXPECT_EQ(W().Document().Engine.CurrentSeed, -1772316075);
}

TEST_F(PresetTest, LockedPaletteKeepsTheGradientWhileTheRestLoads) {
    Part<GradientEditor>().LockButton()->click();
    const auto before = PointsShown();
    Load("Flame On");
    EXPECT_EQ(PointsShown(), before);
    EXPECT_EQ(P().txtRandomSeed->text(), "27057650");
}

TEST_F(PresetTest, PreservedSizeKeepsTheCurrentSize) {
    W().Document().SetPreserveSize(true);
    Load("Huge 1 (800 X 600)");
    EXPECT_EQ(W().Document().Engine.Width(), 100);
    EXPECT_EQ(W().Document().Engine.Height(), 100);
}

TEST_F(PresetTest, HandWrittenValuesLoadAsTheDefaultsAndPointsSay) {
    WriteSection("Edited", {{"Seed", "5"},
                            {"Iterations", "5"},
                            {"A", "600"},
                            {"B", "900"},
                            {"Color1", "1AFFAB,17"},
                            {"ColorText", ""},
                            {"AMult", "4.0"}});
    ASSERT_FALSE(Part<AdvancedWindow>().isVisible());
    Load("Edited");
    const auto points = PointsShown();
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[1], std::make_pair(PackRgb(0x1A, 0xFF, 0xAB), 17));
    EXPECT_EQ(W().Text().scpText->HtmlCode(), "000000");
    EXPECT_TRUE(Part<AdvancedWindow>().isVisible()) << "\"4.0\" differs from the text 4";
    EXPECT_EQ(W().Document().CurrentPreset().MultiplierA, "4.0");
}

TEST_F(PresetTest, ALoadWritesTheSettingsAsTheControlsCanHoldThem) {
    WriteSection("Wide", {{"Seed", "5"}, {"Iterations", "3000"}, {"A", "-7"}, {"Drift", "3"}});
    Load("Wide");
    const TextureSettings& settings = W().Document().Settings();
    EXPECT_EQ(settings.Iterations, 1000);
    EXPECT_EQ(P().tbIterations->value(), 1000);
    EXPECT_EQ(settings.FactorA, 0);
    EXPECT_EQ(settings.DriftKind, DriftUp);
    EXPECT_EQ(P().cmbDrift->currentIndex(), DriftUp);
    EXPECT_EQ(W().Preview().lblFrameNumber->text(), "1000");
    EXPECT_EQ(W().Document().CurrentPreset().FactorA, "0");
}

TEST_F(PresetTest, AFactorThatIsNoNumberStopsTheLoadAtItsStep) {
    WriteSection("Broken", {{"Seed", "5"}, {"Iterations", "77"}, {"A", "lots"}});
    MessageBoxCatcher catcher;
    Load("Broken");
    EXPECT_EQ(catcher.text, "The value \"lots\" of \"A\" is not a valid number.");
    EXPECT_EQ(P().tbIterations->value(), 77); // the step before stays done
    EXPECT_EQ(W().Document().Settings().Iterations, 77);
    EXPECT_EQ(W().Document().Settings().FactorA, P().spFactorA->value());
    EXPECT_NE(P().txtRandomSeed->text(), "5");
}

TEST(ProgramSettingsWindow, FirstStartShowsTheDefaultsAndCloseStoresThemAsText) {
    {
        MainWindow window;
        EXPECT_EQ(window.GradientSettings().txtSaveHeight->text(), "10");
        EXPECT_EQ(window.GradientSettings().txtSaveWidth->text(), "1025");
        EXPECT_FALSE(window.Text().chkUseNewFilename->isChecked());
        window.GradientSettings().txtSaveWidth->clear();
        window.close();
    }
    QSettings settings("Quorvex", "Mottler");
    EXPECT_EQ(settings.value("BorderSaveHeight").toString(), "10");
    EXPECT_EQ(settings.value("BorderSaveWidth").toString(), "0");
    EXPECT_EQ(settings.value("UseNewFilename").toString(), "0");
    settings.setValue("UseNewFilename", "2");
    settings.sync();
    MainWindow again;
    EXPECT_TRUE(again.Text().chkUseNewFilename->isChecked());
    EXPECT_EQ(again.GradientSettings().txtSaveWidth->text(), "0");
}

} // namespace
} // namespace mottler::test
