#include "avireadback.h"
#include "base/errors.h"
#include "filebytes.h"
#include "recording/directrecording.h"
#include "recordingrun.h"
#include "testenv.h"

#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>
#include <optional>

namespace mottler {
namespace {

// Grows 20 iterations straight into the file, every 5th, the way the main window's observer
// does: one recording per run, closed when the run ends. Returns the bitmaps written.
QList<QImage> RecordRun(const QString& path, int escapeAt = -1) {
    TextureEngine engine;
    test::SeedLivelyTexture(engine, 13, 7);
    QList<QImage> written;
    std::optional<DirectRecording> recording;
    recording.emplace(path, 20);
    struct Observer : test::RecordingRunObserver {
        using RecordingRunObserver::RecordingRunObserver;
        void RunEnded(double) override { closing(); }
        std::function<void()> closing;
    } observer(engine, [&](int i, bool first) {
        recording->RecordStep(engine.TextureBitmap, i, first, 5);
        if (i % 5 == 0)
            written.append(engine.TextureBitmap.copy());
    });
    observer.closing = [&] { recording->Close(); };
    observer.EscapeAt = escapeAt;
    test::GrowRecorded(engine, 20, observer);
    return written;
}

TEST(DirectRecording, EveryFifthOfTwentyIterationsWritesTheImagesAfterZeroFiveTenFifteen) {
    if (!test::FfmpegAvailable())
        GTEST_SKIP() << "ffprobe/ffmpeg not installed";
    const QString path = test::TestHome() + "/direct.avi";
    test::WriteBytes(path, "not a video"); // an existing file is replaced without asking
    const QList<QImage> written = RecordRun(path);

    ASSERT_EQ(written.size(), 4);
    const test::ProbedVideo video = test::ProbeVideo(path);
    EXPECT_EQ(video.Frames, 4);
    EXPECT_EQ(video.FrameRate, "10/1");
    EXPECT_EQ(video.Width, 13);
    EXPECT_EQ(video.Height, 7);
    EXPECT_EQ(video.Warnings, QByteArray());
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(test::DecodeFrameBgr(path, k), test::TopDownBgr(written[k])) << "frame " << k;
}

TEST(DirectRecording, RunStoppedByEscapeLeavesAFinishedFileOfTheFramesSoFar) {
    if (!test::FfmpegAvailable())
        GTEST_SKIP() << "ffprobe/ffmpeg not installed";
    const QString path = test::TestHome() + "/escaped.avi";
    const QList<QImage> written = RecordRun(path, 12);

    ASSERT_EQ(written.size(), 3); // iterations 0, 5 and 10
    const test::ProbedVideo video = test::ProbeVideo(path);
    EXPECT_EQ(video.Frames, 3);
    EXPECT_EQ(video.Warnings, QByteArray());
    EXPECT_EQ(test::DecodeFrameBgr(path, 2), test::TopDownBgr(written[2]));
}

TEST(DirectRecording, FileThatCannotBeCreatedEndsTheRunWithAClearErrorAndIsNeverTouched) {
    TextureEngine engine;
    test::SeedLivelyTexture(engine, 4, 4);
    const QString path = test::TestHome() + "/missing-folder/x.avi";
    DirectRecording recording(path, 20);
    test::RecordingRunObserver observer(engine, [&](int i, bool first) {
        recording.RecordStep(engine.TextureBitmap, i, first, 1);
    });
    const RunResult result = test::GrowRecorded(engine, 20, observer);

    EXPECT_EQ(result.Outcome, RunOutcome::InternalError);
    // The user's path, said as it is: not an internal error of the program.
    EXPECT_TRUE(result.Message.startsWith("Could not create the AVI file \"" + path + "\""))
        << result.Message.toStdString();
    EXPECT_FALSE(recording.IsOpen());
    recording.RecordStep(engine.TextureBitmap, 5, false, 1); // no file: nothing happens
    recording.Close();
    EXPECT_EQ(recording.FrameCount(), 0);
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
} // namespace mottler
