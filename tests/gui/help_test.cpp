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
        QShortcut* f1 = nullptr;
        for (QShortcut* key : window->findChildren<QShortcut*>(Qt::FindDirectChildrenOnly))
            if (key->key() == QKeySequence(Qt::Key_F1))
                f1 = key;
        ASSERT_NE(f1, nullptr);
        Q_EMIT f1->activated();
        ASSERT_NE(OpenHelpWindow(), nullptr);
        EXPECT_EQ(OpenHelpWindow()->Source(), HelpTopicUrl(context));
    }
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
