// Getting the image out of the main window: the texture size window, the full-size view, the
// clipboard and the wallpaper question.
#include "engine/ui/texturepreview.h"
#include "mainwindowfixture.h"
#include "output/texturesize.h"
#include "output/ui/fullsizeview.h"
#include "output/ui/texturesizedialog.h"
#include "presets/datafolder.h"
#include "scopedenv.h"
#include "testenv.h"
#include "widgets/ui/numericedit.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <functional>

namespace mottler::test {
namespace {

class ImageOutputTest : public MainWindowTest {
protected:
    TextureEngine& Engine() { return W().Document().Engine; }

    /// Opens the texture size window with F2's handler and lets `use` work in it.
    void InSizeWindow(std::function<void(TextureSizeDialog&)> use) {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TextureSizeDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            opened = true;
            use(*dialog);
        });
        W().mnuTextureSizeClick();
        EXPECT_TRUE(opened);
    }

    void ChooseSize(const QString& width, const QString& height) {
        InSizeWindow([&](TextureSizeDialog& dialog) {
            dialog.txtWidth->setText(width);
            dialog.txtHeight->setText(height);
            dialog.btnOK->click();
        });
    }
};

TEST_F(ImageOutputTest, CancelKeepsThePreserveSizeFlagAndOkTakesIt) {
    InSizeWindow([](TextureSizeDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Texture Size");
        EXPECT_FALSE(dialog.chkSameSize->isChecked());
        dialog.chkSameSize->setChecked(true);
        dialog.btnCancel->click();
    });
    EXPECT_FALSE(W().Document().PreserveSize());
    InSizeWindow([](TextureSizeDialog& dialog) {
        dialog.chkSameSize->setChecked(true);
        dialog.btnOK->click();
    });
    EXPECT_TRUE(W().Document().PreserveSize());
}

TEST_F(ImageOutputTest, TheSameSizeKeepsTheTextureAndANewHeightSeedsANewOne) {
    Generate(35089380, 20);
    const std::vector<float> field = FieldA();
    const QImage bitmap = Engine().TextureBitmap;
    ChooseSize("100", "100");
    EXPECT_EQ(FieldA(), field);
    EXPECT_EQ(Engine().TextureBitmap, bitmap);

    ChooseSize("100", "101");
    EXPECT_EQ(Engine().Height(), 101);
    EXPECT_TRUE(W().windowTitle().endsWith("[100 by 101]"));
    EXPECT_EQ(W().Preview().lblTextureSize->text(), "100 by 101");
    EXPECT_EQ(Engine().TextureBitmap.size(), QSize(100, 101));
}

TEST_F(ImageOutputTest, ImpossibleSizesLeaveTheTextureAsItWas) {
    Generate(35089380, 20);
    const std::vector<float> field = FieldA();
    const QString title = W().windowTitle();
    MessageBoxCatcher catcher;
    InSizeWindow([&](TextureSizeDialog& dialog) {
        dialog.txtHeight->setText("1");
        dialog.btnOK->click();
        EXPECT_EQ(catcher.text, TextureTooSmallMessage);
        EXPECT_TRUE(dialog.isVisible()) << "the window stays open for a correction";
        dialog.txtHeight->setText("200000");
        dialog.txtWidth->setText("200000");
        dialog.btnOK->click();
    });
    EXPECT_EQ(catcher.text, NotEnoughMemoryMessage);
    EXPECT_EQ(Engine().Width(), 100);
    EXPECT_EQ(Engine().Height(), 100);
    EXPECT_EQ(FieldA(), field);
    EXPECT_EQ(W().windowTitle(), title);
}

TEST_F(ImageOutputTest, TheFullSizeViewTilesTheTextureAndFollowsTheRendering) {
    Generate(35089380, 10);
    QTest::mouseDClick(W().Preview().imgTexture, Qt::LeftButton);
    FullSizeView& view = Part<FullSizeView>();
    ASSERT_TRUE(view.isVisible());
    view.resize(450, 320);
    EXPECT_EQ(view.windowTitle(), "4 by 3 tiles");
    EXPECT_EQ(view.Picture(), Engine().TextureBitmap);

    QTest::mouseClick(&view, Qt::RightButton);
    EXPECT_EQ(view.Picture(), Engine().TextureBitmap) << "no initial picture at index 0";
    Generate(35089380, 20);
    EXPECT_EQ(view.Picture(), Engine().TextureBitmap);
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_FALSE(view.isVisible());
}

TEST_F(ImageOutputTest, TheFullSizeViewNamesTheRecordedFrameOnlyUntilItIsHidden) {
    W().Document().SetTextureSize(20, 20);
    W().Recording().chkRecord->setChecked(true);
    Generate(31, 5);
    W().imgTextureDblClick();
    FullSizeView& view = Part<FullSizeView>();
    W().Recording().tbFrames->setValue(2);
    EXPECT_TRUE(view.windowTitle().endsWith(" Frame 2")) << view.windowTitle().toStdString();
    EXPECT_EQ(view.Picture(), Engine().TextureBitmap);
    Click(W().Recording().btnBack);
    EXPECT_TRUE(view.windowTitle().endsWith(" Frame 1"));
    W().Document().RenderTexture(); // a recolour while frame 1 stays on show
    EXPECT_TRUE(view.windowTitle().endsWith(" Frame 1")) << view.windowTitle().toStdString();
    EXPECT_EQ(view.Picture(), Engine().TextureBitmap);
    QTest::mouseClick(&view, Qt::LeftButton);
    EXPECT_FALSE(view.isVisible());
    W().imgTextureDblClick();
    EXPECT_FALSE(view.windowTitle().contains("Frame"));
}

// The captions themselves are pinned in the core test of the view's caption.
TEST(FullSizeView, OffersTheInitialPictureOnlyForTextureTypesThatHaveOne) {
    int typeIndex = 0;
    FullSizeView view(nullptr, [&typeIndex] { return typeIndex; });
    int rightClicks = 0;
    QObject::connect(&view, &FullSizeView::RightClicked, [&rightClicks] { ++rightClicks; });
    view.ShowFullSize(QImage(100, 100, QImage::Format_BGR888));
    QTest::mouseClick(&view, Qt::RightButton);
    EXPECT_EQ(rightClicks, 0);
    typeIndex = 2;
    view.resize(450, 320);
    EXPECT_EQ(view.windowTitle(), "4 by 3 tiles (Right-click for original image)");
    QTest::mouseClick(&view, Qt::RightButton);
    EXPECT_EQ(rightClicks, 1);
}

TEST_F(ImageOutputTest, F4PutsExactlyTheTextureOnTheClipboard) {
    Generate(35089380, 10);
    MessageBoxCatcher catcher;
    W().mnuCopyToClipboardClick();
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.convertToFormat(QImage::Format_BGR888), Engine().TextureBitmap);
    EXPECT_EQ(catcher.text, "Your image has been copied to the clipboard.");
}

TEST_F(ImageOutputTest, NoToTheWallpaperQuestionWritesNothing) {
    MessageBoxCatcher catcher; // closing the question answers No
    W().mnuSetAsWallpaperClick();
    EXPECT_EQ(catcher.text, "Would you like to make this texture your desktop wallpaper ?");
    EXPECT_TRUE(QDir(DataFolder()).entryList({"desktop.*"}).isEmpty());
}

TEST_F(ImageOutputTest, AWallpaperNoDesktopTookIsReportedWithTheFilesPlace) {
    const ScopedEnv noDesktop("XDG_CURRENT_DESKTOP", "");
    const ScopedEnv noPrograms("PATH", TestHome().toLocal8Bit()); // no wallpaper program found
    QString question;
    QString report;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        if (question.isEmpty()) {
            question = box->text();
            box->button(QMessageBox::Yes)->click();
        } else {
            report = box->text();
            box->close();
        }
    });
    answer.start(5);
    W().mnuSetAsWallpaperClick();
    EXPECT_EQ(question, "Would you like to make this texture your desktop wallpaper ?");
    const QString file = QDir(DataFolder()).filePath("desktop.bmp");
    EXPECT_TRUE(report.contains(file)) << report.toStdString();
    EXPECT_EQ(QImage(file).size(), QSize(100, 100));
}

} // namespace
} // namespace mottler::test
