// The record-to-file options window.
#include "base/usersettings.h"
#include "recording/ui/recordtofilewindow.h"
#include "widgets/filefilter.h"
#include "widgets/ui/numericedit.h"

#include <QCheckBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace mottler::test {
namespace {

TEST(RecordToFileWindow, CloseNeedsAFileNameOnlyWhileRecordingToAFile) {
    RecordToFileWindow form(nullptr);
    EXPECT_EQ(form.windowTitle(), "Record To File");
    EXPECT_TRUE(form.btnClose->isEnabled());
    EXPECT_TRUE(form.btnClose->isDefault());
    form.chkRecordFile->setChecked(true);
    EXPECT_FALSE(form.btnClose->isEnabled());
    form.txtFile->setText("a");
    EXPECT_TRUE(form.btnClose->isEnabled());
    form.txtFile->clear();
    EXPECT_FALSE(form.btnClose->isEnabled());
    form.chkRecordFile->setChecked(false);
    EXPECT_TRUE(form.btnClose->isEnabled());
}

TEST(RecordToFileWindow, BrowsingAsksForAnAviFileAndKeepsItsFolderAsTheAviPath) {
    RecordToFileWindow form(nullptr);
    FileDialogRequest asked;
    form.txtFile->SetFileDialogRunner([&asked](const FileDialogRequest& request) {
        asked = request;
        return QStringLiteral("/videos/growth.avi");
    });
    form.txtFile->Browse();
    EXPECT_TRUE(asked.Save);
    EXPECT_EQ(asked.Filter, QtFileFilter("*.avi|*.avi"));
    EXPECT_EQ(asked.DefaultSuffix, "avi");
    EXPECT_EQ(form.txtFile->text(), "/videos/growth.avi");
    EXPECT_EQ(UserSettings::ReadString("AVI Path"), "/videos/");
}

} // namespace
} // namespace mottler::test
