// Recording in the main window: frames into memory or straight into an AVI file, the frame
// trackbar, playback, and Continue and the age thumbnails with recorded frames.
#include "avireadback.h"
#include "engine/ui/agethumbnail.h"
#include "filebytes.h"
#include "mainwindowfixture.h"
#include "palette/ui/gradienteditor.h"
#include "recording/framebitmap.h"
#include "recording/ui/recordtofilewindow.h"
#include "widgets/ui/numericedit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

namespace mottler::test {
namespace {

class RecordingTest : public MainWindowTest {
protected:
    RecordFrame& R() { return W().Recording(); }
    QString FrameNumber() { return W().Preview().lblFrameNumber->text(); }

    /// A small texture, so that long runs stay quick, recorded every n-th iteration.
    void RecordSmallTextureEvery(int n) {
        W().Document().SetTextureSize(20, 20);
        R().chkRecord->setChecked(true);
        R().txtRecordMod->setText(QString::number(n));
    }

    /// Chooses the file in the options window through the File menu, as the user does.
    void RecordToFile(const QString& path) {
        QTimer::singleShot(0, [path] {
            auto* form = qobject_cast<RecordToFileWindow*>(QApplication::activeModalWidget());
            ASSERT_NE(form, nullptr);
            form->chkRecordFile->setChecked(true);
            form->txtFile->setText(path);
            form->btnClose->click();
        });
        W().findChild<QAction*>("mnuFileSetRecordingOptions")->trigger();
    }
};

// The Record and Animate switches and the every-n-th box write the document, and a run reads
// them there: a switch that shows another state without its change reaching the document
// does not count.
TEST_F(RecordingTest, ARunRecordsAndAnimatesAsTheDocumentSays) {
    RecordSmallTextureEvery(1);
    {
        const QSignalBlocker record(R().chkRecord), every(R().txtRecordMod);
        R().chkRecord->setChecked(false);
        R().txtRecordMod->setText("5");
    }
    Generate(31, 10);
    EXPECT_EQ(W().Document().Frames.Count(), 10);

    R().txtRecordMod->setText("2");
    EXPECT_EQ(W().Document().Recording().Every, 2);
    Generate(31, 10);
    EXPECT_EQ(W().Document().Frames.Count(), 5);

    Click(W().Preview().chkAnimate);
    W().Preview().txtAnimateMod->setText("3");
    EXPECT_FALSE(W().Document().Settings().Animate);
    EXPECT_EQ(W().Document().Settings().AnimateEvery, 3);
}

TEST_F(RecordingTest, AThousandIterationRunRecordedEveryIterationKeepsEveryFrame) {
    RecordSmallTextureEvery(1);
    Generate(31, 1000);
    ASSERT_EQ(W().Document().Frames.Count(), 1000);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(W().Document().Frames[i].Iteration, i);
    EXPECT_EQ(R().tbFrames->maximum(), 1000);
    EXPECT_EQ(R().tbFrames->value(), 1000);
    EXPECT_EQ(R().tbFrames->pageStep(), 52); // round(1000 / 20) + 2
    EXPECT_EQ(R().lblFrameCount->text(), "1000");
    EXPECT_EQ(FrameNumber(), "999") << "the last frame is on display";
    EXPECT_TRUE(R().btnPlay->isEnabled());
    EXPECT_TRUE(R().btnSaveRecording->isEnabled());
    Tabs()->setCurrentIndex(1);
    EXPECT_FALSE(R().btnSaveRecording->isVisibleTo(&W())) << "only on the texture page";
}

// The window renders a frame only for the hooks that read it, each before its iteration's
// drift: recorded every 3rd iteration while animating, painting ages and drifting up, each
// frame is the field that a run of one iteration more leaves, one row further up.
TEST_F(RecordingTest, EachRecordedFrameIsItsIterationsFieldBeforeTheDrift) {
    RecordSmallTextureEvery(3);
    W().Document().SetDrift(DriftUp);
    Generate(31, 12);
    ASSERT_EQ(W().Document().Frames.Count(), 4);
    std::vector<std::vector<float>> frames;
    for (int i = 0; i < 4; ++i) {
        const float* data = W().Document().Frames[i].Data.get();
        frames.emplace_back(data, data + 400);
    }
    R().chkRecord->setChecked(false);
    const TextureEngine& engine = W().Document().Engine;
    for (int i = 0; i < 4; ++i) {
        Generate(31, 3 * i + 1);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                ASSERT_EQ(frames[std::size_t(i)][std::size_t(20 * y + x)],
                          engine.DisplayField.Data()[20 * ((y + 19) % 20) + x])
                    << "frame " << i << " at " << x << ", " << y;
    }
}

TEST_F(RecordingTest, BackForwardAndPlaybackWrapAround) {
    RecordSmallTextureEvery(1);
    Generate(31, 10);
    R().tbFrames->setValue(1);
    EXPECT_EQ(FrameNumber(), "0");
    Click(R().btnBack);
    EXPECT_EQ(R().tbFrames->value(), 10);
    EXPECT_EQ(FrameNumber(), "9");
    Click(R().btnForward);
    EXPECT_EQ(R().tbFrames->value(), 1);
    EXPECT_EQ(FrameNumber(), "0");
    R().tbFrames->setValue(10);
    R().tmrPlaybackTimer();
    EXPECT_EQ(FrameNumber(), "0");
}

TEST_F(RecordingTest, WithoutFramesTheTrackbarAndTheTimerDoNothing) {
    R().tbFrames->setValue(5);
    R().tmrPlaybackTimer();
    EXPECT_EQ(R().tbFrames->value(), 5);
    EXPECT_EQ(FrameNumber(), "");
}

TEST_F(RecordingTest, AFrameShownAfterAGradientChangeTakesTheNewColours) {
    RecordSmallTextureEvery(1);
    Generate(31, 10);
    R().tbFrames->setValue(5);
    const QImage before = W().Document().Engine.TextureBitmap.copy();
    Part<GradientEditor>().RandomGradient();
    R().tbFrames->setValue(6);
    R().tbFrames->setValue(5);
    EXPECT_NE(W().Document().Engine.TextureBitmap, before);
    EXPECT_EQ(W().Document().Engine.TextureBitmap,
              FrameToBitmap(W().Document().Frames[4], W().Document().Gradient.Colours));
}

TEST_F(RecordingTest, AFrameOfAnotherTextureSizeIsShownWithoutTouchingTheDisplayField) {
    RecordSmallTextureEvery(1);
    Generate(31, 10);
    W().Document().SetTextureSize(30, 30);
    const auto display = [this] { // compared as bytes: a fresh field may hold anything
        return QByteArray(reinterpret_cast<const char*>(W().Document().Engine.DisplayField.Data()),
                          W().Document().Engine.CellCount() * qsizetype(sizeof(float)));
    };
    const QByteArray before = display();
    R().tbFrames->setValue(3);
    EXPECT_EQ(FrameNumber(), "2");
    EXPECT_EQ(display(), before);
    EXPECT_EQ(W().Document().Engine.TextureBitmap.size(), QSize(30, 30));
}

TEST_F(RecordingTest, ContinueStartsFromTheLastRecordedFrameNotTheOneOnDisplay) {
    RecordSmallTextureEvery(1);
    Generate(31, 20);
    R().tbFrames->setValue(3);
    P().tbIterations->setValue(30);
    Click(P().btnContinue);
    ASSERT_EQ(W().Document().Frames.Count(), 31); // 0 … 19, then 19 … 29
    EXPECT_EQ(W().Document().Frames[20].Iteration, 19);
    EXPECT_EQ(W().Document().Frames.Last().Iteration, 29);
}

TEST_F(RecordingTest, AnAgeClickShowsARecordedFrameInsteadOfRegrowing) {
    RecordSmallTextureEvery(2);
    Generate(31, 40); // 20 frames: iterations 0, 2, … 38; thumbnails every 4th iteration
    const std::vector<float> grown = FieldA();
    ASSERT_EQ(W().Ages().Age(3)->Tag(), 9);
    Click(W().Ages().Age(3));
    EXPECT_EQ(R().tbFrames->value(), 4); // 9 div 2
    EXPECT_EQ(FrameNumber(), "6");
    EXPECT_EQ(FieldA(), grown);
    EXPECT_EQ(P().spIterations->value(), 40);

    R().txtRecordMod->setText("0"); // reads as 1
    Click(W().Ages().Age(3));
    EXPECT_EQ(FrameNumber(), "16");
    Click(W().Ages().Age(9)); // tag 33 lies beyond 20 frames: regrows
    EXPECT_EQ(P().spIterations->value(), 33);
}

TEST_F(RecordingTest, RunningOutOfMemoryKeepsTheEarlierFramesAndEndsTheRunSilently) {
    RecordSmallTextureEvery(1);
    int allowed = 3;
    W().Document().Frames.SetAllocator([&allowed](std::size_t cells) {
        return allowed-- > 0 ? std::make_unique<float[]>(cells) : nullptr;
    });
    MessageBoxCatcher catcher;
    Generate(31, 10);
    EXPECT_EQ(catcher.text, "There is not enough memory to record this number of frames at the "
                            "current frame size.");
    EXPECT_EQ(W().Document().Frames.Count(), 3);
    EXPECT_TRUE(R().tbFrames->isEnabled()) << "the frames kept can be stepped through";
    EXPECT_EQ(R().tbFrames->maximum(), 3);
    EXPECT_EQ(W().Preview().lblFrameNumber->text(), "2");
}

TEST_F(RecordingTest, RecordingToAFileWritesEveryNthIterationAndKeepsNoFrames) {
    if (!FfmpegAvailable())
        GTEST_SKIP() << "ffprobe and ffmpeg are needed to read the file back";
    QTemporaryDir folder;
    const QString path = folder.filePath("growth.avi");
    WriteBytes(path, "not a video");

    RecordSmallTextureEvery(5);
    RecordToFile(path);
    EXPECT_TRUE(R().lblRecordingToFile->isVisibleTo(&W()));
    Generate(31, 20);
    EXPECT_TRUE(W().Document().Frames.IsEmpty());
    EXPECT_FALSE(R().tbFrames->isEnabled());
    EXPECT_FALSE(R().btnSaveRecording->isEnabled());
    const ProbedVideo video = ProbeVideo(path);
    EXPECT_EQ(video.Frames, 4);
    EXPECT_EQ(video.FrameRate, "10/1");

    RecordSettings intoMemory = W().Document().Recording(); // the same run into memory
    intoMemory.ToFile = false;
    W().Document().SetRecording(intoMemory);
    Generate(31, 20);
    ASSERT_EQ(W().Document().Frames.Count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(
            DecodeFrameBgr(path, i),
            TopDownBgr(FrameToBitmap(W().Document().Frames[i], W().Document().Gradient.Colours)))
            << "frame " << i;
}

} // namespace
} // namespace mottler::test
