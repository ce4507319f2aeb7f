// The main window's generation commands, driven through its real controls.
#include "engine/texturesettings.h"
#include "engine/ui/advancedwindow.h"
#include "engine/ui/agethumbnail.h"
#include "engine/ui/texturepreview.h"
#include "mainwindowfixture.h"
#include "presets/preset.h"
#include "widgets/ui/numericedit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QSet>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

namespace mottler::test {
namespace {

TEST(MainWindowStartUp, StartsAtOneHundredByOneHundredWithTheStartUpValues) {
    MainWindow window;
    EXPECT_EQ(window.windowTitle(), "Mottler - [100 by 100]");
    EXPECT_EQ(window.Preview().lblTextureSize->text(), "100 by 100");
    EXPECT_FALSE(window.Page().btnContinue->isEnabled());
    EXPECT_EQ(window.Page().tbIterations->value(), 9);
    EXPECT_EQ(window.Page().spFactorA->value(), 995);
    EXPECT_EQ(window.Page().spFactorB->value(), 0);
}

TEST_F(MainWindowTest, RandomizeWritesTheNewSeedIntoTheSeedBox) {
    P().txtRandomSeed->setText("12345");
    Click(P().btnRandomize);
    EXPECT_NE(P().txtRandomSeed->text(), "12345");
    EXPECT_EQ(P().txtRandomSeed->text().toInt(), W().Document().Engine.CurrentSeed);
}

// After a new size nothing grown is on display: Continue waits for a run, the frame label,
// the preview and the thumbnails show no old texture.
TEST_F(MainWindowTest, ANewSizeClearsTheDisplayAndDisablesContinue) {
    Generate(777, 40);
    P().tbIterations->setValue(60);
    ASSERT_TRUE(P().btnContinue->isEnabled());
    ASSERT_EQ(W().Preview().lblFrameNumber->text(), "40");
    W().Document().ChangeSize(30, 20, {});
    EXPECT_FALSE(P().btnContinue->isEnabled());
    EXPECT_EQ(W().Preview().lblFrameNumber->text(), "");
    EXPECT_TRUE(W().Preview().imgTexture->Shown().Picture.isNull());
    const QImage age = W().Ages().Age(1)->grab().toImage();
    EXPECT_EQ(age.pixelColor(age.width() / 2, age.height() / 2), age.pixelColor(1, 1))
        << "the thumbnail is cleared";
}

// One run at a time: Generate and Continue are disabled while a run goes.
TEST_F(MainWindowTest, GenerateAndContinueAreDisabledDuringARun) {
    Generate(777, 40);
    P().tbIterations->setValue(60);
    QList<bool> enabledDuring;
    QObject::connect(&W().Document(), &TextureDocument::RunStateChanged, [&](bool running) {
        if (running)
            enabledDuring << P().btnGo->isEnabled() << P().btnContinue->isEnabled();
    });
    Click(P().btnContinue);
    EXPECT_EQ(enabledDuring, QList<bool>({false, false}));
    EXPECT_TRUE(P().btnGo->isEnabled());
}

// The frame label follows the run at every age, not only at its end.
TEST_F(MainWindowTest, TheFrameLabelShowsTheIterationOfEachAgeDuringTheRun) {
    QStringList shown;
    QObject::connect(&W().Document(), &TextureDocument::AgePainted,
                     [&](int, int) { shown << W().Preview().lblFrameNumber->text(); });
    Generate(777, 18);
    EXPECT_EQ(shown, QStringList({"0", "2", "4", "6", "8", "10", "12", "14", "16"}));
    EXPECT_EQ(W().Preview().lblFrameNumber->text(), "18");
}

// The texture's own controls under the preview do nothing for the fading border.
TEST_F(MainWindowTest, TheGradientTabHidesTheTexturesOwnControlsUnderThePreview) {
    Tabs()->setCurrentIndex(1);
    for (QWidget* control : {static_cast<QWidget*>(W().Preview().btnChangeSize),
                             static_cast<QWidget*>(W().Preview().chkTile),
                             static_cast<QWidget*>(W().Preview().chkAnimate),
                             static_cast<QWidget*>(W().Preview().lblFrameNumber)})
        EXPECT_FALSE(control->isVisibleTo(&W())) << control->objectName().toStdString();
    Tabs()->setCurrentIndex(0);
    EXPECT_TRUE(W().Preview().btnChangeSize->isVisibleTo(&W()));
}

// A regrowth equal to the continued run also shows that a seed grows the same every time.
TEST_F(MainWindowTest, ContinueGrowsExactlyTheAddedIterations) {
    Generate(777, 40);
    EXPECT_FALSE(P().btnContinue->isEnabled());
    P().tbIterations->setValue(60);
    ASSERT_TRUE(P().btnContinue->isEnabled());
    Click(P().btnContinue);
    EXPECT_FALSE(P().btnContinue->isEnabled());
    const std::vector<float> continued = FieldA();
    Generate(777, 60);
    EXPECT_EQ(FieldA(), continued);

    P().tbIterations->setValue(50); // below the grown count
    EXPECT_FALSE(P().btnContinue->isEnabled());
}

// The controls write the document's settings as they change, and a run reads only these: a
// control that shows another value without its change reaching the document does not count.
TEST_F(MainWindowTest, ControlsWriteTheSettingsThatTheRunReads) {
    const TextureSettings& settings = W().Document().Settings();
    P().spFactorA->selectAll();
    QTest::keyClicks(P().spFactorA, "700");
    P().tbFactorB->setValue(300);
    P().cmbDrift->setCurrentIndex(DriftLeft);
    EXPECT_EQ(settings.FactorA, 700);
    EXPECT_EQ(settings.FactorB, 300);
    EXPECT_EQ(settings.DriftKind, DriftLeft);
    Generate(31, 20);
    EXPECT_EQ(settings.Iterations, 20);
    const std::vector<float> grown = FieldA();

    {
        const QSignalBlocker a(P().spFactorA), aSlider(P().tbFactorA), n(P().spIterations),
            nSlider(P().tbIterations), drift(P().cmbDrift);
        P().spFactorA->setValue(100);
        P().tbFactorA->setValue(100);
        P().spIterations->setValue(5);
        P().tbIterations->setValue(5);
        P().cmbDrift->setCurrentIndex(NoDrift);
    }
    P().txtRandomSeed->setText("31");
    Click(P().btnGo);
    EXPECT_EQ(FieldA(), grown);
    EXPECT_EQ(W().Preview().lblFrameNumber->text(), "20");
    EXPECT_EQ(W().Document().CurrentPreset().FactorA, "700");
    EXPECT_EQ(W().Document().CurrentPreset().DriftKind, DriftLeft);
}

TEST_F(MainWindowTest, AgeThumbnailClickRegrowsToItsAge) {
    Generate(4242, 20);
    AgeThumbnail* third = W().Ages().Age(3); // painted after iteration 4 (every second iteration)
    EXPECT_EQ(third->Tag(), 5);
    EXPECT_EQ(third->toolTip(), "Iterations : 5");
    Click(third);
    EXPECT_EQ(P().spIterations->value(), 5);
    const std::vector<float> regrown = FieldA();
    Generate(4242, 5);
    EXPECT_EQ(FieldA(), regrown);
}

TEST_F(MainWindowTest, AgeThumbnailTakesTheFocusAndEnterRegrowsToItsAge) {
    Generate(4242, 20);
    AgeThumbnail* third = W().Ages().Age(3);
    EXPECT_EQ(third->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(third->accessibleDescription(), "Iterations : 5");
    QTest::keyClick(third, Qt::Key_Return);
    EXPECT_EQ(P().spIterations->value(), 5);
}

// Tab goes through the preview's controls row by row, as they are seen.
TEST_F(MainWindowTest, TabFollowsThePreviewRows) {
    const PreviewFrame& preview = W().Preview();
    const QList<QWidget*> order{preview.btnChangeSize, preview.chkTile,       preview.btnSaveImage,
                                preview.chkAnimate,    preview.txtAnimateMod, preview.btnPreview};
    for (qsizetype i = 1; i < order.size(); ++i)
        EXPECT_EQ(order[i - 1]->nextInFocusChain(), order[i])
            << order[i]->objectName().toStdString();
}

TEST_F(MainWindowTest, AMultiplierThatIsNotANumberGrowsNothing) {
    Generate(99, 25);
    const std::vector<float> before = FieldA();
    Part<AdvancedWindow>().show();
    Part<AdvancedWindow>().txtAMultiplier->setText("abc");
    MessageBoxCatcher catcher;
    W().Commands().GrowTexture(RunMode::Continued);
    EXPECT_EQ(FieldA(), before);
    EXPECT_FALSE(catcher.text.isEmpty());
}

// The Advanced window's boxes and its showing write the document's texts; a run converts
// those texts when it starts, and only while the window is shown. A box or a hide whose change
// does not reach the document does not count, and a text is saved as typed even where the
// run reads it otherwise.
TEST_F(MainWindowTest, AdvancedBoxesWriteTheTextsThatTheRunConverts) {
    AdvancedWindow& advanced = Part<AdvancedWindow>();
    Generate(99, 25);
    const std::vector<float> defaults = FieldA();
    advanced.txtCFactor->setText("20");
    Click(P().btnGo);
    EXPECT_EQ(FieldA(), defaults) << "a hidden Advanced window must not count";
    Click(P().btnChangeMode);
    EXPECT_EQ(W().Document().Advanced().FactorC, "20");
    EXPECT_TRUE(W().Document().Advanced().Shown);
    Generate(99, 25);
    const std::vector<float> grown = FieldA();
    EXPECT_NE(grown, defaults);

    {
        const QSignalBlocker shown(advanced), box(advanced.txtCFactor);
        advanced.txtCFactor->setText("12");
        advanced.hide();
    }
    Generate(99, 25);
    EXPECT_EQ(FieldA(), grown) << "the run reads the document, not the boxes";
    EXPECT_EQ(W().Document().CurrentPreset().FactorC, "20");

    advanced.show();
    advanced.txtCFactor->setText("0");
    Generate(99, 25);
    const std::vector<float> zero = FieldA();
    advanced.txtCFactor->setText("12.5");
    Generate(99, 25);
    EXPECT_EQ(FieldA(), zero) << "C is read by the integer rule";
    EXPECT_EQ(W().Document().CurrentPreset().FactorC, "12.5");
    advanced.btnClose->click();
    Generate(99, 25);
    EXPECT_EQ(FieldA(), defaults);
}

TEST_F(MainWindowTest, EscapeBeforeTheRunDoesNotCountButDuringTheRunStopsIt) {
    P().txtRandomSeed->setText("5");
    P().spIterations->setValue(300);
    QCoreApplication::postEvent(P().btnGo,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    Click(P().btnGo);
    EXPECT_EQ(W().Preview().lblFrameNumber->text(), "300");

    QTimer::singleShot(0, [this] {
        QCoreApplication::postEvent(
            P().btnGo, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    });
    W().Commands().btnGoClick();
    const int reported = W().Preview().lblFrameNumber->text().toInt();
    EXPECT_LT(reported, 299);
    const std::vector<float> stopped = FieldA();
    if (reported < 0) { // stopped before the first iteration: the seeded state stays
        const float* initial = W().Document().Engine.InitialA.Data();
        EXPECT_EQ(stopped, std::vector<float>(initial, initial + stopped.size()));
        return;
    }
    Generate(5, reported + 1);
    EXPECT_EQ(FieldA(), stopped);
}

TEST_F(MainWindowTest, ShiftRightClickOnASpinBoxRaisesItsRangeByOneThousand) {
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(P().spIterations, Qt::RightButton, Qt::ShiftModifier);
    EXPECT_EQ(P().spIterations->maximum(), 4000);
    EXPECT_EQ(P().tbIterations->maximum(), 4000);

    // The edit box's own menu, which follows the click, does not open.
    W().show();
    bool menuOpened = false;
    QTimer::singleShot(50, [&menuOpened] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            menuOpened = true;
            popup->close();
        }
    });
    QLineEdit* edit = P().spIterations->findChild<QLineEdit*>();
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(4, 4), edit->mapToGlobal(QPoint(4, 4)),
                           Qt::ShiftModifier);
    QApplication::sendEvent(edit, &menu);
    QTest::qWait(100);
    EXPECT_FALSE(menuOpened);
    EXPECT_EQ(P().spIterations->maximum(), 4000);
}

TEST_F(MainWindowTest, EveryToolButtonHasAHintAndItsOwnIcon) {
    QMap<qint64, QString> icons;
    for (QToolButton* button : (&P())->findChildren<QToolButton*>()) {
        EXPECT_FALSE(button->toolTip().isEmpty()) << button->objectName().toStdString();
        ASSERT_FALSE(button->icon().isNull()) << button->objectName().toStdString();
        const QImage picture = button->icon().pixmap(16).toImage();
        const qint64 key = qHash(
            QByteArray(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes()));
        EXPECT_FALSE(icons.contains(key)) << button->objectName().toStdString() << " looks like "
                                          << icons.value(key).toStdString();
        icons.insert(key, button->objectName());
    }
    EXPECT_GE(icons.size(), 7);
}

TEST_F(MainWindowTest, TabRunsDownTheColumnsAndEveryControlIsLabelled) {
    const QList<QWidget*> expected{
        P().txtRandomSeed, P().btnRandomize, P().cmbTextureType, P().btnOpenImage,
        P().tbIterations,  P().spIterations, P().tbFactorA,      P().spFactorA,
        P().tbFactorB,     P().spFactorB,    P().cmbDrift,       P().btnChangeMode,
        P().btnGo,         P().btnContinue,  P().cmbPresets,     P().btnSavePreset};
    QList<QWidget*> chain;
    for (QWidget* w = P().txtRandomSeed; chain.size() < expected.size(); w = w->nextInFocusChain())
        if (expected.contains(w))
            chain.append(w);
    EXPECT_EQ(chain, expected);

    QSet<QWidget*> labelled;
    for (QLabel* label : (&P())->findChildren<QLabel*>())
        labelled.insert(label->buddy());
    for (QWidget* control : (&P())->findChildren<QWidget*>()) {
        const auto* button = qobject_cast<QAbstractButton*>(control);
        // Controls of the window itself, not the parts of compound ones or their popups.
        if (!(control->focusPolicy() & Qt::TabFocus) || control->window() != &W() ||
            control->parentWidget()->inherits("QAbstractSpinBox"))
            continue;
        const bool named = labelled.contains(control) || !control->accessibleName().isEmpty() ||
                           (button != nullptr && !button->text().isEmpty());
        EXPECT_TRUE(named) << control->metaObject()->className() << " "
                           << control->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, ShiftClickOnTheBackgroundTogglesTheRunTime) {
    QLabel* time = W().findChild<QLabel*>("lblTime");
    ASSERT_NE(time, nullptr);
    W().show();
    EXPECT_FALSE(time->isVisible());
    QTest::mouseClick(W().centralWidget(), Qt::LeftButton, Qt::ShiftModifier, QPoint(2, 2));
    EXPECT_TRUE(time->isVisible());
}

} // namespace
} // namespace mottler::test
