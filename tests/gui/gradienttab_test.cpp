// The "Gradient Settings" tab driven as a user would: presets drawn in the tile preview,
// dragging the strip's edge, the border, the texture's gradient, and saving a preset that a
// new window finds again.
#include "clirun.h"
#include "engine/ui/agethumbnail.h"
#include "engine/ui/texturepreview.h"
#include "filebytes.h"
#include "gradients/gradientstore.h"
#include "gradients/gradientstrip.h"
#include "mainwindowfixture.h"
#include "picker/ui/colourdropdown.h"
#include "presets/inifile.h"
#include "widgets/ui/numericedit.h"
#include "widgets/ui/updown.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

namespace mottler::test {
namespace {

QColor ColourOf(PackedColour colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

class GradientTabTest : public MainWindowTest {
protected:
    GradientPage& G() { return W().GradientSettings(); }
    TexturePreview* View() { return W().Preview().imgTexture; }
    void EnterTab() { Tabs()->setCurrentWidget((&G())); }
    QColor Column(int x) { return View()->Shown().Picture.pixelColor(x, 7); }

    void Choose(const QString& name) {
        G().cmbGradients->setCurrentIndex(G().cmbGradients->findText(name));
        ASSERT_GE(G().cmbGradients->currentIndex(), 0) << name.toStdString();
        G().cmbGradientsClick();
    }

    void Mouse(QEvent::Type type, int x, Qt::MouseButtons buttons) {
        const QPointF at(x, 10);
        QMouseEvent event(type, at, View()->mapToGlobal(at), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(View(), &event);
    }

    // Answers the name box of the save button with `name`, or cancels it.
    void SaveAs(const QString& name, bool confirm = true) {
        QTimer::singleShot(0, [name, confirm] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "New Gradient Name");
            EXPECT_EQ(box->labelText(), "Please enter a name for your new gradient");
            box->setTextValue(name);
            confirm ? box->accept() : box->reject();
        });
        G().btnSaveGradient->click();
    }
};

TEST_F(GradientTabTest, EnteringLoadsTheFirstPresetAndHidesTheTextureControls) {
    QAction* textureSize = W().menuBar()->addAction("Texture Size");
    textureSize->setObjectName("mnuTextureSize"); // the item the size window hangs on
    EnterTab();
    EXPECT_EQ(G().cmbGradients->currentText(), "Blood Horizon");
    EXPECT_EQ(G().txtGradientWidth->text(), "32");
    EXPECT_EQ(W().Document().LastImageTab(), ImageTab::Gradient);
    EXPECT_TRUE(W().Ages().isHidden());
    EXPECT_FALSE(textureSize->isEnabled());

    Tabs()->setCurrentWidget((&W().Page()));
    EXPECT_EQ(W().Document().LastImageTab(), ImageTab::Texture);
    EXPECT_FALSE(W().Ages().isHidden());
    EXPECT_TRUE(textureSize->isEnabled());
    Choose("Indian Sunset");
    EnterTab(); // a preset is shown now: the tab keeps it
    EXPECT_EQ(G().cmbGradients->currentText(), "Indian Sunset");
}

TEST_F(GradientTabTest, EveryBuiltInPresetDrawsItsStripInThePreview) {
    EnterTab();
    const IniFile store(ProgramGradientFile());
    for (const QString& name : GradientPresetNames(store)) {
        Choose(name);
        GradientSettings expected;
        ApplyLoadedGradient(LoadGradient(store, name), expected);
        QImage strip(View()->size(), QImage::Format_BGR888);
        RedrawGradient(strip, expected, W().Document().Gradient.Colours);
        EXPECT_EQ(View()->Shown().Picture, strip) << name.toStdString();
        EXPECT_EQ(G().fraBorder->isEnabled(), expected.AddBorder) << name.toStdString();
    }
}

TEST_F(GradientTabTest, DraggingTheEdgeSetsTheWidthAndShowsTheSplitCursor) {
    EnterTab();
    Choose("Indian Sunset");                    // width 44, no border, background white
    Mouse(QEvent::MouseMove, 50, Qt::NoButton); // the grip reaches six pixels either side
    EXPECT_EQ(View()->cursor().shape(), Qt::SplitHCursor);
    Mouse(QEvent::MouseMove, 51, Qt::NoButton);
    EXPECT_EQ(View()->cursor().shape(), Qt::ArrowCursor);

    Mouse(QEvent::MouseButtonPress, 44, Qt::LeftButton);
    Mouse(QEvent::MouseMove, 120, Qt::LeftButton);
    EXPECT_EQ(G().txtGradientWidth->text(), "120");
    EXPECT_EQ(G().udWidth->Position(), 120);
    EXPECT_EQ(Column(120), QColor(0, 0, 0)); // the end colour
    EXPECT_EQ(Column(121), QColor(255, 255, 255));
    Mouse(QEvent::MouseMove, -3, Qt::LeftButton); // left of the preview
    EXPECT_EQ(G().txtGradientWidth->text(), "120");
    Mouse(QEvent::MouseButtonRelease, -3, Qt::NoButton);
    EXPECT_EQ(View()->cursor().shape(), Qt::ArrowCursor);

    Tabs()->setCurrentWidget((&W().Page()));
    Mouse(QEvent::MouseMove, 200, Qt::LeftButton);
    EXPECT_EQ(G().txtGradientWidth->text(), "120") << "only the gradient tab drags";
}

TEST_F(GradientTabTest, AddBorderEnablesItsGroupAndDrawsTheBorderAfterTheGradient) {
    EnterTab();
    Choose("Indian Sunset");
    EXPECT_FALSE(G().chkAddBorder->isChecked());
    EXPECT_FALSE(G().fraBorder->isEnabled());
    G().txtBorderWidth->setText("0");
    G().scpBorderColour->SetColour(PackRgb(0, 0, 255));
    Click(G().chkAddBorder);
    EXPECT_TRUE(G().fraBorder->isEnabled());
    EXPECT_EQ(G().txtBorderWidth->text(), "4");
    EXPECT_EQ(Column(45), QColor(0, 0, 0)); // the border starts with the end colour again
    EXPECT_EQ(Column(49), QColor(0, 0, 255));
    EXPECT_EQ(Column(50), QColor(255, 255, 255));

    G().udBorderWidth->UpButton()->click();
    EXPECT_EQ(G().txtBorderWidth->text(), "5");
    EXPECT_EQ(Column(50), QColor(0, 0, 255));
    Click(G().chkAddBorder);
    EXPECT_EQ(Column(45), QColor(255, 255, 255));
}

TEST_F(GradientTabTest, TextureGradientForces256AndUncheckingRestoresTheWidth) {
    EnterTab();
    G().txtGradientWidth->setText("300");
    Click(G().chkUseTextureGradient);
    EXPECT_EQ(G().txtGradientWidth->text(), "256");
    const Palette& palette = W().Document().Gradient.Colours;
    for (int x : {0, 100, 255})
        EXPECT_EQ(Column(x), ColourOf(palette.Colours[static_cast<std::size_t>(x)])) << x;
    Click(G().chkUseTextureGradient);
    EXPECT_EQ(G().txtGradientWidth->text(), "300");

    G().txtGradientWidth->setText("256"); // the box already shows 256: still redrawn
    Click(G().chkUseTextureGradient);
    EXPECT_EQ(Column(0), ColourOf(palette.Colours[0]));
    Click(G().chkUseTextureGradient);
    G().txtGradientWidth->clear();
    Click(G().chkUseTextureGradient);
    Click(G().chkUseTextureGradient);
    EXPECT_EQ(G().txtGradientWidth->text(), "100");
}

TEST_F(GradientTabTest, SavedPresetIsFoundAgainByANewWindow) {
    EnterTab();
    Choose("Indian Sunset");
    G().scpStartColour->SetColour(PackRgb(255, 0, 0));
    G().scpEndColour->SetColour(PackRgb(0, 255, 0));
    G().txtGradientWidth->setText("30");
    SaveAs("Test Border", false); // Cancel saves nothing
    EXPECT_LT(G().cmbGradients->findText("Test Border"), 0);
    SaveAs("Test Border");
    EXPECT_EQ(G().cmbGradients->currentText(), "Test Border");
    EXPECT_TRUE(ReadBytes(ProgramGradientFile())
                    .contains("Test Border=255|65280|[NONE]|[NONE]|16777215|30\r\n"));
    const QImage saved = W().Document().CurrentImage();
    EXPECT_EQ(saved.size(), QSize(1025, 10));
    EXPECT_EQ(saved.pixelColor(0, 9), QColor(255, 0, 0));

    window = std::make_unique<MainWindow>();
    EnterTab();
    Choose("Test Border");
    EXPECT_EQ(G().txtGradientWidth->text(), "30");
    EXPECT_EQ(G().scpEndColour->Colour(), PackRgb(0, 255, 0));
    EXPECT_EQ(W().Document().CurrentImage(), saved);
}

TEST_F(GradientTabTest, SavingUnderAListedNameAsksBeforeReplacingIt) {
    EnterTab();
    Choose("Indian Sunset");
    const QByteArray before = ReadBytes(ProgramGradientFile());
    G().txtGradientWidth->setText("30");
    const auto save = [this] { G().btnSaveGradient->click(); };
    EXPECT_EQ(
        AnsweringDialogs({"Indian Sunset", "No", ""}, save),
        QStringList({"prompt: Indian Sunset", "question: Replace the gradient \"Indian Sunset\"?",
                     "prompt: Indian Sunset"}));
    EXPECT_EQ(ReadBytes(ProgramGradientFile()), before) << "No, then Cancel: nothing saved";
    EXPECT_EQ(AnsweringDialogs({"Indian Sunset", "Yes"}, save).size(), 2);
    EXPECT_NE(ReadBytes(ProgramGradientFile()), before);
    EXPECT_EQ(G().cmbGradients->findText("Indian Sunset"), G().cmbGradients->currentIndex());
}

TEST_F(GradientTabTest, ThePresetsImageIsTheOneMottlerCliBorderWrites) {
    EnterTab();
    Choose("Sea And The Sky");
    const QTemporaryDir folder;
    const QString file = folder.filePath("border.png");
    ASSERT_EQ(RunCli({"border", "--preset", "Sea And The Sky", "-o", file}).Status, 0);
    const QImage fromCli(file);
    EXPECT_EQ(fromCli.size(), QSize(1025, 10));
    EXPECT_EQ(W().Document().CurrentImage().convertToFormat(QImage::Format_RGB32),
              fromCli.convertToFormat(QImage::Format_RGB32));
}

TEST_F(GradientTabTest, EveryCaptionLeadsToItsControlAndEscapeChangesNothing) {
    EnterTab();
    for (QLabel* label : (&G())->findChildren<QLabel*>()) {
        if (label == G().Label21)
            continue;
        ASSERT_NE(label->buddy(), nullptr) << label->text().toStdString();
        EXPECT_NE(label->buddy()->focusPolicy(), Qt::NoFocus);
    }
    G().txtGradientWidth->setText("77");
    QTest::keyClick(G().txtGradientWidth, Qt::Key_Escape);
    QTest::keyClick(G().txtGradientWidth, Qt::Key_Return);
    EXPECT_EQ(G().txtGradientWidth->text(), "77");
    EXPECT_EQ(Column(77), ColourOf(W().Document().FadingBorder().EndColour));
    EXPECT_TRUE(W().isEnabled());
}

} // namespace
} // namespace mottler::test
