// The Export Animation window over frames recorded in the main window: its defaults and
// stored options, the preview, the three formats and Escape during an export.
#include "avireadback.h"
#include "base/usersettings.h"
#include "gifreadback.h"
#include "mainwindowfixture.h"
#include "output/ui/exportanimationdialog.h"
#include "picker/ui/colourdropdown.h"
#include "webpreadback.h"
#include "widgets/ui/numericedit.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>

namespace mottler::test {
namespace {

class ExportAnimationTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        QSettings settings("Quorvex", "Mottler");
        settings.remove("Export");
        settings.remove("Export Dir");
        W().Document().SetTextureSize(20, 20);
        W().Recording().chkRecord->setChecked(true);
        Generate(31, 10); // frames 0 … 9
    }

    std::unique_ptr<ExportAnimationDialog> Open() {
        auto dialog = std::make_unique<ExportAnimationDialog>(
            W().Document().Frames, W().Document().Gradient.Colours, window.get());
        dialog->SetFileDialogRunner([this](const FileDialogRequest& request) {
            asked = request;
            return chosen;
        });
        return dialog;
    }

    /// Presses Save and returns the message shown at the end.
    QString Save(ExportAnimationDialog& dialog, const QString& path) {
        chosen = path;
        const MessageBoxCatcher messages;
        Click(dialog.btnSave);
        return messages.text;
    }

    /// Presses Escape in the window once the status shows the given frame.
    void EscapeAtFrame(ExportAnimationDialog& dialog, const QString& frame) {
        auto* poll = new QTimer(&dialog);
        QObject::connect(poll, &QTimer::timeout, &dialog, [&dialog, poll, frame] {
            if (dialog.lblStatus->text().endsWith("Frame " + frame)) {
                QTest::keyClick(&dialog, Qt::Key_Escape);
                poll->stop();
            }
        });
        poll->start(0);
    }

    QTemporaryDir folder;
    QString chosen;
    FileDialogRequest asked;
};

TEST_F(ExportAnimationTest, TheSaveRecordingButtonOpensTheWindowWithItsDefaults) {
    bool seen = false;
    QTimer::singleShot(0, [&seen] {
        auto* d = qobject_cast<ExportAnimationDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        seen = true;
        EXPECT_EQ(d->windowTitle(), "Export Animation");
        EXPECT_EQ(QStringList({d->txtStart->text(), d->txtEnd->text(), d->txtSkip->text(),
                               d->txtBlendFrameCount->text(), d->lblLength->text()}),
                  QStringList({"1", "10", "", "5", "10 Frames"}));
        EXPECT_TRUE(d->rbAll->isChecked() && d->rbSaveGIF->isChecked());
        EXPECT_FALSE(d->rbPingPong->isChecked() || d->rbBlendFrames->isChecked());
        EXPECT_TRUE(d->chkTransparent->isEnabled());
        EXPECT_FALSE(d->txtStart->isEnabled() || d->rbPingPong->isEnabled() ||
                     d->scpTransparentColour->isEnabled() || d->chkLooping->isChecked());
        EXPECT_TRUE(d->tmrShow->isActive());
        EXPECT_EQ(d->tmrShow->interval(), 250);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    Click(W().Recording().btnSaveRecording);
    EXPECT_TRUE(seen);
}

TEST_F(ExportAnimationTest, ClosingStoresTheOptionsAndTheNextOpeningShowsThem) {
    {
        const auto dialog = Open();
        dialog->rbBetween->setChecked(true);
        dialog->txtStart->setText("3");
        dialog->txtSkip->setText("2");
        dialog->chkTransparent->setChecked(true);
        EXPECT_FALSE(dialog->Options().Transparent) << "no colour chosen yet";
        dialog->scpTransparentColour->SetText("FF8000");
        EXPECT_TRUE(dialog->Options().Transparent);
        EXPECT_EQ(dialog->Options().TransparentColour, dialog->scpTransparentColour->Colour());
        dialog->rbSaveAVI->setChecked(true);
        Click(dialog->btnClose);
    }
    EXPECT_EQ(QStringList({UserSettings::ReadString("Export/Tran Colour"),
                           UserSettings::ReadString("Export/Start Frame"),
                           UserSettings::ReadString("Export/End Frame")}),
              QStringList({"FF8000", "3", "10"}));
    EXPECT_TRUE(UserSettings::ReadBool("Export/As AVI", false));
    EXPECT_FALSE(UserSettings::ReadBool("Export/As GIF", true));

    const auto dialog = Open();
    EXPECT_TRUE(dialog->rbBetween->isChecked());
    EXPECT_TRUE(dialog->txtStart->isEnabled());
    EXPECT_TRUE(dialog->rbSaveAVI->isChecked());
    EXPECT_FALSE(dialog->chkTransparent->isEnabled()) << "transparency is for GIF only";
    EXPECT_EQ(dialog->lblLength->text(), "4 Frames"); // frames 3, 5, 7, 9 counted from 1
}

TEST_F(ExportAnimationTest, PingPongIsRestoredOnlyWhenItWasStoredOn) {
    {
        const auto dialog = Open();
        dialog->chkLooping->setChecked(true);
        Click(dialog->rbBlendFrames);
        Click(dialog->btnClose);
    }
    EXPECT_FALSE(UserSettings::ReadBool("Export/Ping Pong", true));
    {
        const auto dialog = Open();
        EXPECT_FALSE(dialog->rbPingPong->isChecked() || dialog->rbBlendFrames->isChecked());
        dialog->chkLooping->setChecked(true);
        Click(dialog->rbPingPong);
        Click(dialog->btnClose);
    }
    const auto dialog = Open();
    EXPECT_TRUE(dialog->rbPingPong->isChecked());
}

TEST_F(ExportAnimationTest, ThePreviewLoopsThroughTheSequenceAndTheLengthFollowsTheOptions) {
    const auto dialog = Open();
    dialog->txtSkip->setText("3");
    Click(dialog->chkLooping);
    EXPECT_EQ(dialog->lblLength->text(), "4 Frames") << "no loop style chosen yet";
    Click(dialog->rbPingPong); // 0, 3, 6, 9, 6, 3
    EXPECT_EQ(dialog->lblLength->text(), "6 Frames");
    QStringList shown{dialog->lblFrameNumber->text()}; // the first entry shows at once
    for (int tick = 0; tick < 7; ++tick) {
        dialog->tmrShowTimer();
        shown << dialog->lblFrameNumber->text();
    }
    // Frames are numbered from 1, as the range boxes count them.
    EXPECT_EQ(shown, QStringList({"1", "4", "7", "10", "7", "4", "1", "4"}));
    EXPECT_FALSE(dialog->img->pixmap().isNull());

    Click(dialog->rbBlendFrames); // the first of 0, 3, 6, 9 fades into the end
    EXPECT_TRUE(dialog->txtBlendFrameCount->isEnabled());
    dialog->txtBlendFrameCount->setText("1");
    EXPECT_EQ(dialog->lblLength->text(), "3 Frames");
}

TEST_F(ExportAnimationTest, AnEmptyRangeIsRefusedWithoutAskingForAFile) {
    const auto dialog = Open();
    dialog->rbBetween->setChecked(true);
    dialog->txtStart->setText("8");
    dialog->txtEnd->setText("5");
    EXPECT_EQ(dialog->lblLength->text(), "0 Frames");
    EXPECT_FALSE(dialog->tmrShow->isActive());
    EXPECT_EQ(Save(*dialog, folder.filePath("a.gif")), EmptySequenceMessage);
    EXPECT_TRUE(asked.Filter.isEmpty()) << "no file dialog";
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(ExportAnimationTest, EachFormatWritesTheSequenceAndRemembersTheFolder) {
    const auto dialog = Open();
    dialog->txtSkip->setText("2"); // 0, 2, 4, 6, 8
    const QString gif = folder.filePath("loop.gif");
    EXPECT_EQ(Save(*dialog, gif), gif + " has been created.");
    EXPECT_EQ(asked.DefaultSuffix, "gif");
    EXPECT_EQ(ReadGifInfo(gif).Images.size(), 5u);
    EXPECT_EQ(UserSettings::ReadString("Export Dir"), folder.path() + "/");
    EXPECT_TRUE(dialog->tmrShow->isActive());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    dialog->rbSaveBMP->setChecked(true);
    EXPECT_EQ(Save(*dialog, folder.filePath("frames.bmp")),
              "The animation frames have been written to " + folder.path() + "/");
    EXPECT_EQ(asked.StartFolder, folder.path() + "/");
    EXPECT_TRUE(QFile::exists(folder.filePath("frames0004.bmp")));
    EXPECT_FALSE(QFile::exists(folder.filePath("frames0005.bmp")));

    dialog->rbSaveAVI->setChecked(true);
    EXPECT_EQ(Save(*dialog, folder.filePath("grow.avi")), "grow.avi has been created.");
    if (FfmpegAvailable()) {
        EXPECT_EQ(ProbeVideo(folder.filePath("grow.avi")).Frames, 5);
    }
}

TEST_F(ExportAnimationTest, EscapeDuringAnExportAbandonsIt) {
    const auto dialog = Open();
    EscapeAtFrame(*dialog, "3");
    EXPECT_EQ(Save(*dialog, folder.filePath("a.gif")), "");
    EXPECT_FALSE(QFile::exists(folder.filePath("a.gif")));
    EXPECT_FALSE(QSettings("Quorvex", "Mottler").contains("Export/All"))
        << "Escape did not close the window";
    EXPECT_TRUE(dialog->btnSave->isEnabled());

    dialog->rbSaveAVI->setChecked(true);
    EscapeAtFrame(*dialog, "3");
    EXPECT_EQ(Save(*dialog, folder.filePath("a.avi")), "");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList());

    dialog->rbSaveBMP->setChecked(true);
    EscapeAtFrame(*dialog, "3");
    EXPECT_EQ(Save(*dialog, folder.filePath("f.bmp")), "");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList({"f0000.bmp", "f0001.bmp", "f0002.bmp"}));
}

TEST_F(ExportAnimationTest, TheCompressedFormatsTakeQualityLosslessAndFrameRate) {
    {
        const auto dialog = Open();
        EXPECT_FALSE(dialog->spQuality->isEnabled()) << "GIF has no quality";
        EXPECT_FALSE(dialog->spFrameRate->isEnabled());
        dialog->rbSaveMP4->setChecked(true);
        EXPECT_TRUE(dialog->spQuality->isEnabled());
        EXPECT_FALSE(dialog->chkLossless->isEnabled()) << "only WebP is lossless";
        dialog->rbSaveWebP->setChecked(true);
        dialog->chkLossless->setChecked(true);
        EXPECT_FALSE(dialog->spQuality->isEnabled()) << "lossless has no quality";
        EXPECT_EQ(dialog->spFrameRate->value(), 10);
        dialog->spFrameRate->setValue(25);
        dialog->spQuality->setValue(60);
        const ExportOptions options = dialog->Options();
        EXPECT_EQ(options.Format, AnimationFormat::WebP);
        EXPECT_TRUE(options.Lossless);
        EXPECT_EQ(options.FramesPerSecond, 25);
        EXPECT_EQ(options.Quality, 60);
        Click(dialog->btnClose);
    }
    const auto dialog = Open();
    EXPECT_TRUE(dialog->rbSaveWebP->isChecked());
    EXPECT_TRUE(dialog->chkLossless->isChecked());
    EXPECT_EQ(dialog->spFrameRate->value(), 25);
    EXPECT_EQ(dialog->spQuality->value(), 60);

    dialog->txtSkip->setText("2"); // 0, 2, 4, 6, 8
    const QString webp = folder.filePath("loop.webp");
    EXPECT_EQ(Save(*dialog, webp), webp + " has been created.");
    EXPECT_EQ(asked.DefaultSuffix, "webp");
    EXPECT_EQ(DecodeWebpFrames(webp).size(), 5u);

    dialog->rbSaveWebM->setChecked(true);
    const QString webm = folder.filePath("loop.webm");
    EXPECT_EQ(Save(*dialog, webm), webm + " has been created.");
    EXPECT_EQ(asked.DefaultSuffix, "webm");
    if (FfmpegAvailable()) {
        const ProbedVideo probed = ProbeVideo(webm);
        EXPECT_EQ(probed.Codec, "vp9");
        EXPECT_EQ(probed.Frames, 5);
        EXPECT_EQ(probed.FrameRate, "25/1");
    }

    dialog->rbSaveMP4->setChecked(true);
    EscapeAtFrame(*dialog, "3");
    EXPECT_EQ(Save(*dialog, folder.filePath("a.mp4")), "");
    EXPECT_FALSE(QFile::exists(folder.filePath("a.mp4")));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"loop.webm", "loop.webp"}));
}

} // namespace
} // namespace mottler::test
