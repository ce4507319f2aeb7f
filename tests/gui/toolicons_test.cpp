// Tool-button pictures that say what the button does.
#include "mainwindowfixture.h"
#include "widgets/ui/toolicons.h"

#include <QApplication>
#include <QAbstractButton>

namespace mottler::test {
namespace {

QByteArray Picture(const QIcon& icon) {
    const QImage image = icon.pixmap(16).toImage();
    return {reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()};
}

// The reset of contrast and brightness is no undo (the Edit menu has that) nor a broom, and
// the button that opens Export Animation saves nothing at once: no disk.
TEST_F(MainWindowTest, ResetAndExportButtonsShowNeitherUndoNorBroomNorDisk) {
    auto* reset = W().findChild<QAbstractButton*>("btnResetCB");
    auto* exportAnimation = W().findChild<QAbstractButton*>("btnSaveRecording");
    ASSERT_TRUE(reset && exportAnimation);
    const QByteArray resetPicture = Picture(reset->icon());
    EXPECT_NE(resetPicture, Picture(QIcon::fromTheme("edit-undo")));
    EXPECT_NE(resetPicture,
              Picture(QApplication::style()->standardIcon(QStyle::SP_DialogResetButton)));
    EXPECT_NE(Picture(exportAnimation->icon()),
              Picture(ToolIcon("document-save", QStyle::SP_DialogSaveButton)));
    EXPECT_FALSE(reset->icon().isNull());
    EXPECT_FALSE(exportAnimation->icon().isNull());
}

} // namespace
} // namespace mottler::test
