#include "avireadback.h"
#include "smallgrow.h"
#include "testenv.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace mottler {
namespace {

TEST(GrowRecording, RecordEveryFiveIntoAnAviAndABmpSeriesGivesTheSameFourFrames) {
    if (!test::FfmpegAvailable())
        GTEST_SKIP() << "ffprobe/ffmpeg not installed";
    const QString folder = test::FreshFolder("cli-record");
    const QString avi = folder + "/grow.avi";
    const test::ToolResult run = test::GrowSmallTexture(
        {"--record-every", "5", "--avi", avi, "--frames-bmp", folder + "/shot.BMP"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();

    const test::ProbedVideo video = test::ProbeVideo(avi);
    EXPECT_EQ(video.Warnings, QByteArray());
    EXPECT_EQ(video.Frames, 4);
    EXPECT_EQ(video.FrameRate, "10/1");
    EXPECT_EQ(video.Width, 16);
    EXPECT_EQ(video.Height, 12);
    QByteArray previous;
    for (int k = 0; k < 4; ++k) {
        const QString bmp = folder + QStringLiteral("/shot%1.bmp").arg(k, 4, 10, QChar('0'));
        const QImage frame(bmp);
        ASSERT_FALSE(frame.isNull()) << bmp.toStdString();
        const QByteArray pixels = test::TopDownBgr(frame);
        EXPECT_EQ(pixels, test::DecodeFrameBgr(avi, k)) << "frame " << k;
        EXPECT_NE(pixels, previous) << "frame " << k << " was not rendered afresh";
        previous = pixels;
    }
    EXPECT_FALSE(QFile::exists(folder + "/shot0004.bmp"));
}

TEST(GrowRecording, BadRecordingOptionsAreUsageErrorsAndAnUncreatableAviFailsClearly) {
    const test::ToolResult alone = test::GrowSmallTexture({"--record-every", "5"});
    EXPECT_EQ(alone.ExitCode, 2);
    EXPECT_TRUE(alone.Err.contains("--record-every")) << alone.Err.toStdString();
    EXPECT_EQ(test::GrowSmallTexture({"--record-every", "0", "--avi", "x.avi"}).ExitCode, 2);

    const test::ToolResult missing =
        test::GrowSmallTexture({"--avi", test::TestHome() + "/no-folder/grow.avi"});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_TRUE(missing.Err.contains("Could not create the AVI file")) << missing.Err.toStdString();
}

} // namespace
} // namespace mottler
