#include "filebytes.h"
#include "palette/colourbands.h"
#include "palette/palettefile.h"
#include "picker/pickersettings.h"
#include "picker/ui/colourbandsview.h"
#include "picker/ui/colourgrid.h"
#include "picker/ui/colourpickerdialog.h"
#include "picker/ui/screengrab.h"
#include "picker/ui/swatchstrip.h"
#include "testenv.h"
#include "widgets/ui/numericedit.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace mottler {
namespace {

constexpr PackedColour White = 0xFFFFFF;
constexpr PackedColour Orange = PackRgb(255, 128, 0);

/// Fresh picker settings, and prompts that record instead of blocking.
class ColourPickerDialogTest : public testing::Test {
protected:
    void SetUp() override {
        PickerSettings::Open().clear();
        ColourPickerDialog::FadeGrid = false;
        PickerPrompts& prompts = ColourPickerDialog::Prompts();
        saved = prompts;
        prompts.Message = [this](QWidget*, const QString& text) { messages << text; };
        prompts.Confirm = [this](QWidget*, const QString& text) {
            questions << text;
            return answer;
        };
        prompts.SchemeName = [this](QWidget*) { return std::optional<QString>(schemeName); };
        prompts.OpenFile = [this](QWidget*, const QString&, const QString& filter,
                                  const QString& selected) {
            dialogFilter = filter;
            dialogSelected = selected;
            return fileToOpen;
        };
    }
    void TearDown() override { ColourPickerDialog::Prompts() = saved; }

    static QStringList Fields(const ColourPickerDialog& d) {
        return {d.txtRed->text(),    d.txtGreen->text(),    d.txtBlue->text(),
                d.txtHexRed->text(), d.txtHexGreen->text(), d.txtHexBlue->text()};
    }
    static QString WriteFile(const QString& name, const QByteArray& bytes) {
        QDir(test::TestHome()).mkpath("palettes");
        const QString path = test::TestHome() + "/palettes/" + name;
        test::WriteBytes(path, bytes);
        return path;
    }

    PickerPrompts saved;
    QStringList messages;
    QStringList questions;
    bool answer = true;
    QString schemeName;
    QString fileToOpen;
    QString dialogFilter;
    QString dialogSelected;
};

TEST_F(ColourPickerDialogTest, InitialColourFillsTheFieldsAndComesBackAfterOk) {
    ColourPickerDialog dialog(nullptr);
    dialog.SetInitialColour(PackRgb(12, 34, 200));
    EXPECT_EQ(Fields(dialog), QStringList({"12", "34", "200", "0C", "22", "C8"}));
    dialog.btnOK->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenColour(), PackRgb(12, 34, 200));
}

TEST_F(ColourPickerDialogTest, WebSafeGridIsShownAndFindSelectsTheNearestCell) {
    ColourPickerDialog dialog(nullptr);
    EXPECT_EQ(dialog.cmbPal->itemText(0), "websafe.pal");
    EXPECT_EQ(dialog.grid1->CellColour(0, 0), White); // the palette itself is pinned in its test
    dialog.grid1->SelectCell(40);
    dialog.SetCurrentColour(PackRgb(250, 250, 250));
    dialog.btnFind->click();
    EXPECT_EQ(dialog.grid1->Selected(), 0);
    EXPECT_EQ(dialog.CurrentColour(), White);
    EXPECT_TRUE(messages.isEmpty());

    dialog.cmbSort->setCurrentIndex(1);
    Q_EMIT dialog.cmbSort->activated(1);
    EXPECT_EQ(dialog.grid1->CellColour(0, 0), 0u);
    EXPECT_EQ(dialog.grid1->CellColour(15, 15), White);
}

TEST_F(ColourPickerDialogTest, PastedHtmlCodeFillsAllSixFieldsAndBadCodeIsReported) {
    ColourPickerDialog dialog(nullptr);
    QGuiApplication::clipboard()->setText("#FF8000");
    QTest::keyClick(dialog.txtHexGreen, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Fields(dialog), QStringList({"255", "128", "0", "FF", "80", "00"}));
    EXPECT_EQ(dialog.CurrentColour(), Orange);

    QGuiApplication::clipboard()->setText("FF80");
    QTest::keyClick(dialog.txtHexRed, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(messages, QStringList{"FF80 is not a valid HTML color code."});
    EXPECT_EQ(dialog.CurrentColour(), Orange);

    QGuiApplication::clipboard()->setText("1, 2,3");
    QTest::keyClick(dialog.txtBlue, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Fields(dialog), QStringList({"1", "2", "3", "01", "02", "03"}));
    QGuiApplication::clipboard()->setText("1,2,300");
    QTest::keyClick(dialog.txtBlue, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dialog.CurrentColour(), PackRgb(1, 2, 3));
    EXPECT_EQ(messages.last(), "All values must be between 0 and 255.");

    // Typing two hex digits sets the decimal field and the colour.
    dialog.txtHexBlue->clear();
    QTest::keyClicks(dialog.txtHexBlue, "7f");
    EXPECT_EQ(dialog.txtBlue->text(), "127");
    EXPECT_EQ(dialog.CurrentColour(), PackRgb(1, 2, 127));
}

TEST_F(ColourPickerDialogTest, CustomSchemeSurvivesANewDialogAndDefaultCannotBeDeleted) {
    {
        ColourPickerDialog dialog(nullptr);
        dialog.btnDeleteScheme->click();
        EXPECT_EQ(messages, QStringList{"The [Default] scheme cannot be deleted."});
        EXPECT_TRUE(questions.isEmpty());

        schemeName = "Warm";
        dialog.btnAddScheme->click();
        EXPECT_EQ(dialog.cmbSchemes->currentText(), "Warm");
        dialog.SetCurrentColour(Orange);
        dialog.SetMenuSwatch(3);
        dialog.mnuSetColor->trigger();
        EXPECT_EQ(dialog.pnlCustom->Hint(3), "#FF8000\r\n255,128,0");
        dialog.btnCancel->click(); // the swatch was saved when set
    }
    ColourPickerDialog again(nullptr);
    EXPECT_EQ(again.cmbSchemes->currentText(), "Warm");
    EXPECT_EQ(again.pnlCustom->Colours()[3], Orange);
    EXPECT_EQ(again.pnlCustom->Colours()[2], White);
    Q_EMIT again.pnlCustom->SwatchClicked(3);
    EXPECT_EQ(again.CurrentColour(), Orange);

    answer = false;
    again.btnDeleteScheme->click();
    EXPECT_TRUE(PickerSettings::SchemeNames().contains("Warm"));
    answer = true;
    again.btnDeleteScheme->click();
    EXPECT_EQ(questions.last(), "Are you sure you want to remove this scheme ?");
    EXPECT_EQ(PickerSettings::SchemeNames(), QStringList{"[Default]"});
    EXPECT_EQ(again.cmbSchemes->currentText(), "[Default]");
    EXPECT_EQ(PickerSettings::Open().value("Last Scheme").toString(), "[Default]");
}

TEST_F(ColourPickerDialogTest, UnreadablePaletteKeepsTheGridAndLoadedFileIsRemembered) {
    const QString act = WriteFile("warm.act", QByteArray(3 * 256, '\x40'));
    // A GIF header whose screen descriptor has no global colour table.
    WriteFile("bad.gif", QByteArray("GIF89a\x01\x00\x01\x00\x00\x00\x00", 13));
    ColourPickerDialog dialog(nullptr);
    fileToOpen = act;
    dialog.btnLoadFile->click();
    EXPECT_EQ(dialogSelected, "Palette Files (RIFF & JASC) (*.pal)");
    EXPECT_EQ(dialog.grid1->CellColour(0, 0), PackRgb(64, 64, 64));
    EXPECT_EQ(dialog.cmbPal->currentText(), "warm.act");
    EXPECT_EQ(dialog.PaletteFolder(), QFileInfo(act).absolutePath());
    fileToOpen.clear();
    dialog.btnLoadFile->click();
    EXPECT_EQ(dialogSelected, "Photoshop Palettes (*.act)");

    dialog.cmbPal->setCurrentIndex(dialog.cmbPal->findText("bad.gif"));
    dialog.cmbPalClick();
    EXPECT_EQ(messages, QStringList{GifPaletteErrorText()});
    EXPECT_EQ(dialog.grid1->CellColour(0, 0), PackRgb(64, 64, 64));
    EXPECT_EQ(dialog.cmbPal->currentText(), "warm.act");

    QFile::remove(act);
    messages.clear();
    ColourPickerDialog next(nullptr);
    EXPECT_EQ(messages, QStringList{"The file \"" + QDir::toNativeSeparators(act) +
                                    "\" does not exist.  The default websafe palette will be "
                                    "displayed instead."});
    EXPECT_EQ(next.cmbPal->currentText(), "websafe.pal");
    EXPECT_EQ(next.grid1->CellColour(0, 0), White);
    EXPECT_EQ(next.cmbPal->findText("warm.act"), -1);
}

TEST_F(ColourPickerDialogTest, SpectrumFindsWhiteAndCtrlArrowUsesTheStoredStep) {
    PickerSettings::Open().setValue(" Arrow Key Movement", "7");
    ColourPickerDialog dialog(nullptr);
    dialog.SetCurrentColour(White);
    dialog.btnMoreColor->click();
    EXPECT_FALSE(dialog.pnlSpectrum->isHidden());
    EXPECT_EQ(dialog.btnFind->toolTip(), "Find nearest color in palette and spectrum");
    EXPECT_EQ(PickerSettings::Open().value("Show ").toString(), "True");
    EXPECT_EQ(dialog.pnlSpectrum->Pick(), QPoint(90, 195));
    QTest::keyClick(dialog.pnlSpectrum, Qt::Key_Left, Qt::ControlModifier);
    QTest::keyClick(dialog.pnlSpectrum, Qt::Key_Down);
    EXPECT_EQ(dialog.pnlSpectrum->Pick(), QPoint(83, 196));
    EXPECT_EQ(dialog.CurrentColour(), PixelAt(dialog.pnlSpectrum->Spectrum(), 83, 196));

    ColourPickerDialog shownAgain(nullptr);
    EXPECT_FALSE(shownAgain.pnlSpectrum->isHidden());
}

TEST_F(ColourPickerDialogTest, ArrowKeysMoveTheSpectrumPickWhereverTheFocusIs) {
    ColourPickerDialog dialog(nullptr);
    dialog.SetCurrentColour(White);
    dialog.show();
    EXPECT_EQ(dialog.btnMoreColor->text(), ">>");
    dialog.btnMoreColor->click();
    EXPECT_EQ(dialog.btnMoreColor->text(), "<<") << "the button says it folds the panel away";
    ASSERT_EQ(dialog.pnlSpectrum->Pick(), QPoint(90, 195));
    int down = 0;
    for (QWidget* focus : std::initializer_list<QWidget*>{
             dialog.btnOK, dialog.cmbSort, dialog.grid1, dialog.btnFind, dialog.cmbSchemes}) {
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Down);
        ++down;
        EXPECT_EQ(dialog.pnlSpectrum->Pick(), QPoint(90, 195 + down))
            << focus->objectName().toStdString();
    }
    dialog.btnMoreColor->click();
    EXPECT_EQ(dialog.btnMoreColor->text(), ">>");
}

TEST_F(ColourPickerDialogTest, APaletteThatFailsAtStartShowsTheWebSafeOneInListAndGrid) {
    const QString bad = WriteFile("bad.gif", QByteArray("GIF89a\x01\x00\x01\x00\x00\x00\x00", 13));
    PickerSettings::Open().setValue("InitialDir", QFileInfo(bad).absolutePath());
    PickerSettings::Open().setValue("Last File", "bad.gif");
    ColourPickerDialog dialog(nullptr);
    EXPECT_EQ(messages, QStringList{GifPaletteErrorText()});
    EXPECT_EQ(dialog.cmbPal->currentText(), "websafe.pal");
    EXPECT_EQ(dialog.grid1->CellColour(0, 0), White);
    EXPECT_EQ(dialog.grid1->CellColour(11, 13), 0) << "entry 215 of the web-safe palette";
    EXPECT_EQ(dialog.grid1->CellColour(4, 0), PackRgb(255, 255, 51));
}

TEST_F(ColourPickerDialogTest, SamplingWithoutAReadableScreenSaysSoAndKeepsTheColour) {
    if (ReadScreenPixel(QPoint(0, 0)))
        GTEST_SKIP() << "this display can be read";
    ColourPickerDialog dialog(nullptr);
    dialog.SetCurrentColour(Orange);
    Q_EMIT dialog.btnSample->pressed();
    EXPECT_FALSE(dialog.Sampling());
    EXPECT_EQ(dialog.lblScreen->text(), ScreenUnreadableText());
    EXPECT_EQ(dialog.CurrentColour(), Orange);
}

} // namespace
} // namespace mottler
