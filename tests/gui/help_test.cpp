// The help window, the Help menu, the windows' Help keys and the about box.
#include "app/aboutdialog.h"
#include "base/homepage.h"
#include "engine/ui/advancedwindow.h"
#include "help/ui/helpwindow.h"
#include "help/ui/showhelp.h"
#include "mainwindowfixture.h"
#include "picker/ui/colourpickerdialog.h"
#include "picker/ui/zoomwindow.h"
#include "recording/ui/recordtofilewindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

namespace mottler::test {
namespace {

// Whether the page on display defines the anchor, as the text browser parsed it: the
// help-topic test finds it in the page's text, this that the browser can scroll to it.
bool DocumentHasAnchor(const QTextDocument* document, const QString& anchor) {
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorNames().contains(anchor))
                return true;
    return false;
}

TEST(HelpWindow, ShowsEveryTopicAtItsAnchor) {
    HelpWindow window;
    for (const HelpTopic& topic : HelpTopics()) {
        SCOPED_TRACE(topic.Name.toStdString());
        window.ShowTopic(topic.Context);
        EXPECT_EQ(window.Source(), HelpTopicUrl(topic.Context));
        EXPECT_TRUE(topic.Anchor.isEmpty() ||
                    DocumentHasAnchor(window.Browser()->document(), topic.Anchor));
    }
}

TEST(HelpWindow, HelpButtonAndF1OfAModalDialogOpenItsTopicInAWindowTheDialogDoesNotBlock) {
    RecordToFileWindow form(nullptr);
    bool checked = false;
    QTimer::singleShot(0, &form, [&] {
        QTest::mouseClick(form.btnHelp, Qt::LeftButton);
        HelpWindow* help = OpenHelpWindow();
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->Source().toString(), "qrc:/help/recording.html#record-to-file");
        EXPECT_TRUE(help->isVisible());
        EXPECT_EQ(help->parentWidget(), &form); // a child of the modal dialog is not blocked
        help->ShowTopic(HelpContext::Contents);
        form.activateWindow(); // F1 belongs to the window that has the focus
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_F1);
        EXPECT_EQ(help->Source().fileName(), "recording.html");
        checked = true;
        form.reject();
    });
    form.exec();
    EXPECT_TRUE(checked);
    // Closing the dialog gives the help window back, still open.
    ASSERT_NE(OpenHelpWindow(), nullptr);
    EXPECT_EQ(OpenHelpWindow()->parentWidget(), nullptr);
    EXPECT_TRUE(OpenHelpWindow()->isVisible());
    ShowHelpTopic(HelpContext::Contents);
    ASSERT_NE(OpenHelpWindow(), nullptr);
    EXPECT_EQ(OpenHelpWindow()->Source().fileName(), "index.html");
    EXPECT_FALSE(OpenHelpWindow()->testAttribute(Qt::WA_QuitOnClose));
    OpenHelpWindow()->close();
}

// F1 as the user presses it: the window is active and has the key.
void PressF1In(QWidget* window) {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_F1);
}

// F1 in each window opens that window's page.
TEST(HelpWindow, F1InEachWindowOpensItsTopic) {
    AdvancedWindow advanced(nullptr);
    ColourPickerDialog picker(nullptr);
    ZoomWindow zoom(&picker);
    const std::pair<QWidget*, HelpContext> windows[] = {{&advanced, HelpContext::Advanced},
                                                        {&picker, HelpContext::ColourPicker},
                                                        {&zoom, HelpContext::ZoomHowToUse}};
    for (const auto& [window, context] : windows) {
        SCOPED_TRACE(window->windowTitle().toStdString());
        PressF1In(window);
        ASSERT_NE(OpenHelpWindow(), nullptr);
        EXPECT_EQ(OpenHelpWindow()->Source(), HelpTopicUrl(context));
        window->hide();
    }
    OpenHelpWindow()->close();
}

// The Advanced window belongs to the main window, whose Help menu has F1 too: the window
// with the focus decides.
TEST_F(MainWindowTest, F1OpensThePageOfTheAdvancedWindowAndOfEachTab) {
    W().Commands().btnChangeModeClick();
    auto* advanced = W().findChild<AdvancedWindow*>();
    ASSERT_NE(advanced, nullptr);
    PressF1In(advanced);
    ASSERT_NE(OpenHelpWindow(), nullptr);
    EXPECT_EQ(OpenHelpWindow()->Source(), HelpTopicUrl(HelpContext::Advanced));
    advanced->hide();
    const HelpContext tabs[] = {HelpContext::MainWindow, HelpContext::GradientMaker,
                                HelpContext::WebPreview};
    for (int tab = 0; tab < 3; ++tab) {
        Tabs()->setCurrentIndex(tab);
        PressF1In(&W());
        EXPECT_EQ(OpenHelpWindow()->Source(), HelpTopicUrl(tabs[tab])) << tab;
    }
    OpenHelpWindow()->close();
}

TEST(HelpWindow, EscapeAndCtrlWCloseItAndItsTitleNamesThePageOnce) {
    for (const QKeyCombination key :
         {QKeyCombination(Qt::Key_Escape), QKeyCombination(Qt::ControlModifier, Qt::Key_W)}) {
        ShowHelpTopic(HelpContext::Contents);
        HelpWindow* help = OpenHelpWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(help));
        EXPECT_EQ(help->windowTitle(), "Contents — Mottler Help");
        QTest::keyClick(help, key.key(), key.keyboardModifiers());
        EXPECT_FALSE(help->isVisible());
    }
    ShowHelpTopic(HelpContext::TextureSize);
    EXPECT_EQ(OpenHelpWindow()->windowTitle(), "Texture Size — Mottler Help");
    OpenHelpWindow()->close();
}

// The zoom window stays on top of every window; the manual asked for over it comes above it.
TEST(HelpWindow, ComesAboveAWindowThatStaysOnTop) {
    ColourPickerDialog picker(nullptr);
    ZoomWindow zoom(&picker);
    zoom.show();
    ShowHelpTopic(HelpContext::ZoomHowToUse);
    EXPECT_TRUE(OpenHelpWindow()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(OpenHelpWindow()->isVisible());
    zoom.hide();
    ShowHelpTopic(HelpContext::Contents);
    EXPECT_FALSE(OpenHelpWindow()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    OpenHelpWindow()->close();
}

TEST_F(MainWindowTest, HelpContentsOnF1OpensTheManual) {
    auto* contents = W().findChild<QAction*>("mnuHelpContents");
    ASSERT_NE(contents, nullptr);
    EXPECT_EQ(contents->shortcut(), QKeySequence(Qt::Key_F1));
    contents->trigger();
    ASSERT_NE(OpenHelpWindow(), nullptr);
    EXPECT_EQ(OpenHelpWindow()->Source().fileName(), "index.html");
    EXPECT_FALSE(OpenHelpWindow()->Browser()->toPlainText().isEmpty());
    OpenHelpWindow()->close();
}

TEST(AboutDialog, ShowsTheVersionLicenceAndLibraries) {
    AboutDialog dialog(nullptr);
    EXPECT_TRUE(dialog.lblVersion->text().contains(QStringLiteral("Version " MOTTLER_VERSION)));
    EXPECT_TRUE(dialog.lblVersion->text().contains("MIT"));
    EXPECT_TRUE(dialog.lblVersion->text().contains("GNU GPL, version 3 or later"));
    EXPECT_TRUE(dialog.lblVersion->text().contains(QStringLiteral("href=\"") + HomePageUrl));
    EXPECT_TRUE(dialog.lblLibraries->text().contains(QStringLiteral("Qt ") + qVersion()));
    EXPECT_TRUE(dialog.lblLibraries->text().contains(QRegularExpression("libjpeg\\S* \\d")));
    EXPECT_TRUE(dialog.lblLibraries->text().contains(QRegularExpression("libavcodec \\d+\\.")));
    EXPECT_TRUE(dialog.lblLibraries->text().contains(QRegularExpression("libwebp 1\\.")));
    EXPECT_TRUE(dialog.txtLicence->toPlainText().contains("MIT License"));
    EXPECT_TRUE(dialog.txtLicence->toPlainText().contains("GPL-3.0-or-later"));
}

} // namespace
} // namespace mottler::test
