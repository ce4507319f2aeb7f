#include "base/usersettings.h"
#include "testenv.h"
#include "widgets/ui/numericedit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFocusEvent>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace mottler {
namespace {

void Leave(QWidget* box) {
    QFocusEvent leaving(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &leaving);
}

// The rules themselves are pinned case by case in the rules test; this checks the box applies
// them to typed keys and reports only the keys that pass.
TEST(NumericEdit, TypedKeysGoThroughTheNumericRules) {
    NumericEdit box;
    box.SetNumericOnly(true);
    box.SetMax(255);
    QSignalSpy keys(&box, &NumericEdit::KeyPress);
    QTest::keyClicks(&box, "2x56");
    EXPECT_EQ(box.text(), "25");
    EXPECT_EQ(keys.count(), 2);
    EXPECT_EQ(box.IntValue(), 25);
    // Control keys pass: backspace, then cursor Home and a leading minus.
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Home);
    QTest::keyClicks(&box, "-");
    EXPECT_EQ(box.text(), "-2");
    EXPECT_FALSE(box.acceptDrops()); // dropped text would pass no rules
    box.clear();
    box.SetAllowDecimal(true);
    EXPECT_EQ(box.DecimalPlaces(), 2);
    QTest::keyClicks(&box, "3.145");
    EXPECT_EQ(box.text(), "3.14");
    box.SetAllowDecimal(false);
    EXPECT_EQ(box.DecimalPlaces(), 0);
}

TEST(NumericEdit, LeavingRaisesTextBelowMinButKeepsEmptyText) {
    NumericEdit box;
    box.SetMin(1);
    box.setText("0");
    Leave(&box);
    EXPECT_EQ(box.text(), "1");
    box.clear();
    Leave(&box);
    EXPECT_EQ(box.text(), "");
}

TEST(NumericEdit, PasteIntoNumericBoxKeepsOnlyTheDigitsThatFit) {
    NumericEdit box;
    box.SetNumericOnly(true);
    box.SetMax(500);
    QGuiApplication::clipboard()->setText("1,234 px");
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.text(), "123");
    box.selectAll();
    QGuiApplication::clipboard()->setText("15");
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.text(), "15");

    // The context menu's Paste goes through the same rules.
    box.show();
    box.selectAll();
    QGuiApplication::clipboard()->setText("4a2");
    QContextMenuEvent menuRequest(QContextMenuEvent::Mouse, QPoint(5, 5),
                                  box.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&box, &menuRequest);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith("&Paste"))
            action->trigger();
    }
    menu->close();
    EXPECT_EQ(box.text(), "42");
}

TEST(NumericEdit, TextIsStoredAndLoadedUnderItsKey) {
    NumericEdit box;
    box.SetStoreInSettings(true);
    box.SetSettingsKey("Export");
    EXPECT_EQ(box.SettingsKey(), "\\Export");
    box.SetSettingsValueName("Name");
    box.SetOptions(NumericEdit::seOnChange);
    box.setText("frames");
    EXPECT_EQ(UserSettings::ReadString("Export/Name"), "frames");

    NumericEdit again;
    again.SetStoreInSettings(true);
    again.SetSettingsKey("\\Software\\Quorvex\\Mottler\\Export");
    again.SetSettingsValueName("Name");
    again.LoadFromSettings();
    EXPECT_EQ(again.text(), "frames");
}

TEST(NumericEdit, WriteWithoutKeyShowsInternalErrorAndWritesNothing) {
    NumericEdit box;
    box.SetSettingsValueName("Orphan");
    box.setText("lost");
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = message->text();
            message->accept();
        }
    });
    box.WriteToSettings();
    EXPECT_EQ(shown, "TQuorEdit Internal Error : WriteToRegistry called while sRegPath was "
                     "blank !");
    EXPECT_EQ(UserSettings::ReadString("Orphan", "none"), "none");
}

class BrowseTest : public testing::Test {
protected:
    void SetUp() override {
        QDir(test::TestHome()).mkpath("textures");
        box = new NumericEdit(&window);
        box->setGeometry(10, 20, 150, 22);
        box->SetFileBrowser(true);
        box->SetFileFilter("Bitmaps|*.bmp");
        box->SetFileDefaultExt(".bmp");
        box->SetFileBrowserStartFolderKey("\\Software\\Quorvex\\Mottler\\Browse");
        box->SetFileBrowserStartFolderName("InitDir");
        box->SetFileDialogRunner([this](const FileDialogRequest& request) {
            requests.push_back(request);
            return answer;
        });
    }
    QWidget window;
    NumericEdit* box = nullptr;
    std::vector<FileDialogRequest> requests;
    QString answer;
    const QString textures = test::TestHome() + "/textures/";
};

TEST_F(BrowseTest, ButtonSitsRightOfTheBoxAndFollowsIt) {
    QToolButton* button = box->BrowseButton();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->parentWidget(), &window);
    EXPECT_EQ(button->geometry(), QRect(160, 20, 24, 22));
    box->move(30, 40);
    box->setEnabled(false);
    EXPECT_EQ(button->geometry(), QRect(180, 40, 24, 22));
    EXPECT_FALSE(button->isEnabled());
    window.show();
    EXPECT_TRUE(button->isVisible());
    box->hide();
    EXPECT_FALSE(button->isVisible());
}

TEST_F(BrowseTest, StoredStartFolderIsUsedAndTheChosenFolderStoredBack) {
    UserSettings::WriteString("Browse/InitDir", test::TestHome());
    answer = textures + "tile.bmp";
    QTest::mouseClick(box->BrowseButton(), Qt::LeftButton);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].StartFolder, test::TestHome());
    EXPECT_FALSE(requests[0].Save);
    EXPECT_EQ(requests[0].Filter, "Bitmaps (*.bmp)");
    EXPECT_EQ(requests[0].DefaultSuffix, "bmp");
    EXPECT_EQ(box->text(), textures + "tile.bmp");
    EXPECT_EQ(UserSettings::ReadString("Browse/InitDir"), textures);

    // Next time the folder of the text exists and comes first; nothing is stored then.
    box->SetFileGlyph(BrowseGlyph::sgSave);
    answer = test::TestHome() + "/out.bmp";
    box->Browse();
    EXPECT_EQ(requests[1].StartFolder, textures);
    EXPECT_TRUE(requests[1].Save);
    EXPECT_EQ(UserSettings::ReadString("Browse/InitDir"), textures);
}

TEST_F(BrowseTest, CancelledDialogLeavesTextAndStoredFolder) {
    UserSettings::WriteString("Browse/InitDir", textures);
    box->setText("keep me");
    box->Browse();
    EXPECT_EQ(box->text(), "keep me");
    EXPECT_EQ(UserSettings::ReadString("Browse/InitDir"), textures);
}

} // namespace
} // namespace mottler
