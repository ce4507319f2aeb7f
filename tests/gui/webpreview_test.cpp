// The "Preview Settings" page: defaults on first showing, what the window shows meanwhile,
// the colour codes on the clipboard, the preview page in the browser and the readability.
#include "help/ui/helpwindow.h"
#include "help/ui/showhelp.h"
#include "mainwindowfixture.h"
#include "picker/ui/colourdropdown.h"
#include "preview/previewpage.h"
#include "preview/ui/textcolouroverlay.h"
#include "widgets/ui/numericedit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrl>

namespace mottler::test {
namespace {

const QString Defaults =
    QStringLiteral(R"( TEXT="#000000" LINK="#0000FF" VLINK="#CC00CC" ALINK="#FF0000")");

class WebPreviewTest : public MainWindowTest {
protected:
    PreviewSettingsPage& T() { return W().Text(); }
    void ShowTab() { Tabs()->setCurrentWidget((&T())); }
    QString Clipboard() { return QGuiApplication::clipboard()->text(); }
    void SetClipboard(const QString& text) { QGuiApplication::clipboard()->setText(text); }
};

TEST_F(WebPreviewTest, ShowingThePageFillsEmptyPickersAndSwapsTheSaveItemForTheSpeedButton) {
    QAction* saveImage = W().menuBar()->addAction("&Save Image");
    saveImage->setObjectName("mnuSaveImage");
    T().scpLink->SetText("123456");
    ASSERT_TRUE(T().scpText->Text().isEmpty());

    ShowTab();
    EXPECT_EQ(T().scpText->HtmlCode(), "000000");
    EXPECT_EQ(T().scpLink->HtmlCode(), "123456") << "a colour already chosen stays";
    EXPECT_EQ(T().scpVisitedLink->HtmlCode(), "CC00CC");
    EXPECT_EQ(T().scpActive->HtmlCode(), "FF0000");
    EXPECT_FALSE(saveImage->isVisible());
    EXPECT_FALSE(saveImage->isEnabled());
    EXPECT_FALSE(W().Preview().btnToClipboard->isHidden());
    EXPECT_FALSE(W().Preview().textColours->isHidden());
    EXPECT_EQ(W().Preview().textColours->Colours()[1], QColor(0x12, 0x34, 0x56));
    EXPECT_TRUE((&W().Recording())->isHidden());
    T().cmbFonts->setCurrentIndex(0);
    EXPECT_EQ(W().Preview().textColours->WordFont().family(), T().cmbFonts->itemText(0));

    Tabs()->setCurrentWidget((&P()));
    EXPECT_TRUE(saveImage->isVisible());
    EXPECT_TRUE(saveImage->isEnabled());
    EXPECT_TRUE(W().Preview().btnToClipboard->isHidden());
    EXPECT_TRUE(W().Preview().textColours->isHidden());
    EXPECT_FALSE((&W().Recording())->isHidden());
}

TEST_F(WebPreviewTest, TheFontListHoldsPlainFamilyNamesEachOnce) {
    QComboBox* fonts = T().cmbFonts;
    ASSERT_GT(fonts->count(), 0);
    QStringList names;
    for (int i = 0; i < fonts->count(); ++i)
        names << fonts->itemText(i);
    for (const QString& name : names)
        EXPECT_FALSE(name.contains('[')) << name.toStdString();
    EXPECT_EQ(names.removeDuplicates(), 0);
}

TEST_F(WebPreviewTest, ChangingAColourRefillsAnEmptiedBoxWithItsDefault) {
    ShowTab();
    T().scpText->SetText("");
    EXPECT_TRUE(T().scpText->Text().isEmpty()) << "the box being emptied stays empty";
    T().scpLink->SetText("123456");
    EXPECT_EQ(T().scpText->HtmlCode(), "000000");
    EXPECT_EQ(W().Preview().textColours->Colours()[0], QColor(0, 0, 0));
}

TEST_F(WebPreviewTest, ColourCodesGoToTheClipboard) {
    ShowTab();
    T().btnCopyToClipboard->click();
    EXPECT_EQ(Clipboard(), Defaults);
    SetClipboard("earlier");
    {
        MessageBoxCatcher box;
        W().Preview().btnToClipboard->click();
        EXPECT_EQ(box.text,
                  "The following text has been placed in your clipboard :\n\n" + Defaults);
    }
    EXPECT_EQ(Clipboard(), Defaults);
    T().btnCopyAsCss->click();
    EXPECT_TRUE(Clipboard().startsWith("body {")) << Clipboard().toStdString();
    EXPECT_TRUE(Clipboard().contains("color: #000000;")) << Clipboard().toStdString();

    // An R,G,B text out of range keeps the box's colour-set flag but gives no colour: no
    // attribute without its digits.
    T().scpText->SetText("300,0,0");
    T().btnCopyToClipboard->click();
    EXPECT_EQ(Clipboard(), Defaults.mid(QStringLiteral(R"( TEXT="#000000")").size()));

    for (ColourDropDown* picker : T().Pickers())
        picker->SetText("");
    T().btnCopyToClipboard->click();
    EXPECT_EQ(Clipboard(), "") << "the page's button copies even nothing, silently";
    SetClipboard("kept");
    MessageBoxCatcher box;
    W().Preview().btnToClipboard->click();
    EXPECT_EQ(box.text, "None of the colors have yet been set, so no text has been placed in "
                        "the clipboard.");
    EXPECT_EQ(Clipboard(), "kept");
}

TEST_F(WebPreviewTest, PreviewInBrowserWritesThePageOpensItAndItGoesAtClose) {
    QList<QUrl> opened;
    bool opens = true;
    W().Preview().SetUrlOpener([&](const QUrl& url) {
        opened << url;
        return opens;
    });
    T().chkUseNewFilename->setChecked(false);
    ShowTab();
    W().Preview().btnPreview->click();
    ASSERT_EQ(opened.size(), 1);
    const QString page = opened[0].toLocalFile();
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(
        file.readAll().contains("<BODY" + Defaults.toLatin1() + R"( BACKGROUND="backgrnd.jpg">)"));
    file.close();

    opens = false;
    {
        MessageBoxCatcher box;
        W().Preview().btnPreview->click();
        EXPECT_TRUE(box.text.contains("could not be opened")) << box.text.toStdString();
        EXPECT_TRUE(box.text.contains(page));
    }
    W().close();
    EXPECT_FALSE(QFile::exists(page));
}

TEST_F(WebPreviewTest, OwnPageWithoutBodyTagIsReportedAndNotOpened) {
    QTemporaryDir folder;
    const QString own = folder.filePath("mine.htm");
    QFile file(own);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><p>no body here</p></html>");
    file.close();
    bool opened = false;
    W().Preview().SetUrlOpener([&](const QUrl&) { return opened = true; });
    T().txtTestPage->setText(own);
    MessageBoxCatcher box;
    W().Preview().btnPreview->click();
    EXPECT_EQ(box.text, NoBodyTagMessage);
    EXPECT_FALSE(opened);
    EXPECT_FALSE(QFile::exists(folder.filePath("~motdemo.htm")));
}

TEST_F(WebPreviewTest, ReadabilityFollowsTheColoursAndTheBackground) {
    ShowTab();
    QLabel* text = T().lblTextReadability;
    EXPECT_TRUE(text->text().contains("against the worst pixel")) << text->text().toStdString();
    const QString black = text->text();
    T().scpText->SetText("FFFFFF");
    EXPECT_NE(text->text(), black);
    T().scpText->SetText("FFF");
    EXPECT_EQ(text->text(), "") << "no figures without a colour";

    T().scpText->SetText("FFFFFF");
    const QString white = text->text();
    W().Document().Engine.TextureBitmap.fill(Qt::black);
    T().BackgroundChanged();
    ASSERT_TRUE(QTest::qWaitFor([&] { return text->text() != white; }, 2000));
    EXPECT_TRUE(text->text().startsWith("21.00:1 AAA against the average,\n21.00:1 AAA"))
        << text->text().toStdString();
}

// Each figure on a line of its own, whole: no word of it wraps onto a line alone.
TEST_F(WebPreviewTest, EachReadabilityFigureHasALineOfItsOwn) {
    W().resize(W().minimumSizeHint());
    ShowTab();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&W()));
    QApplication::processEvents();
    QLabel* text = T().lblTextReadability;
    const QStringList lines = text->text().split('\n');
    ASSERT_EQ(lines.size(), 2) << text->text().toStdString();
    for (const QString& line : lines)
        EXPECT_LE(text->fontMetrics().horizontalAdvance(line), text->contentsRect().width())
            << line.toStdString();
}

TEST_F(WebPreviewTest, F1OnThePageOpensItsTopicAndTheWindowsF1StaysElsewhere) {
    W().show();
    W().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&W()));
    ShowTab();
    T().cmbFonts->setFocus();
    QTest::keyClick(T().cmbFonts, Qt::Key_F1);
    ASSERT_NE(OpenHelpWindow(), nullptr);
    EXPECT_EQ(OpenHelpWindow()->Source().fileName(), "web-preview.html");
    W().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&W()));
    Tabs()->setCurrentWidget((&P()));
    P().txtRandomSeed->setFocus();
    QTest::keyClick(P().txtRandomSeed, Qt::Key_F1);
    EXPECT_EQ(OpenHelpWindow()->Source().fileName(), "main-window.html");
    OpenHelpWindow()->close();
}

// Lays the page out at its least size: every control gets at least its own least size and
// every wrapped text the height it needs.
void ExpectNothingSqueezed(MainWindow& window) {
    window.resize(window.minimumSizeHint());
    window.show();
    window.findChild<QTabWidget*>("pgControl")->setCurrentWidget((&window.Text()));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    // The page at its own least size, whatever room the window gives it.
    QWidget* page = (&window.Text());
    page->layout()->setGeometry(QRect(QPoint(), page->minimumSizeHint()));
    const auto controls = page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (const QWidget* control : controls) {
        if (control == window.Text().txtTestPage->BrowseButton())
            continue; // as high as its box by design
        SCOPED_TRACE(control->objectName().toStdString() + " " +
                     control->metaObject()->className());
        EXPECT_GE(control->width(), control->minimumSizeHint().width());
        EXPECT_GE(control->height(), control->minimumSizeHint().height());
        const auto* label = qobject_cast<const QLabel*>(control);
        if (label != nullptr && label->wordWrap()) {
            EXPECT_GE(label->height(), label->heightForWidth(label->width()))
                << label->text().toStdString();
        }
    }
}

TEST_F(WebPreviewTest, NothingOnThePageIsSqueezedAtTheDefaultOrALargerFont) {
    T().scpText->SetText("777777"); // the longest figures: two ratios with "fail"
    ExpectNothingSqueezed(W());
    const QFont standard = QApplication::font();
    QFont larger = standard;
    larger.setPointSizeF(standard.pointSizeF() * 1.25);
    QApplication::setFont(larger);
    {
        MainWindow big;
        ExpectNothingSqueezed(big);
    }
    QApplication::setFont(standard);
}

} // namespace
} // namespace mottler::test
