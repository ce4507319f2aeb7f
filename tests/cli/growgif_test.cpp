#include "avireadback.h"
#include "gifreadback.h"
#include "smallgrow.h"
#include "testenv.h"

#include <QImage>
#include <gtest/gtest.h>

namespace mottler {
namespace {

TEST(GrowGif, EverySecondRecordedFramePingPongedMatchesTheBmpSeries) {
    const QString folder = test::FreshFolder("cli-gif");
    const QString gif = folder + "/grow.gif";
    const test::ToolResult run =
        test::GrowSmallTexture({"--record-every", "4", "--frames-bmp", folder + "/f.bmp", "--gif",
                                gif, "--every", "2", "--ping-pong"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const test::GifInfo info = test::ReadGifInfo(gif);
    ASSERT_EQ(info.Images.size(), 4u); // frames 0, 2, 4 of five, then 2 again
    EXPECT_TRUE(info.Images[0].LoopBlockFirst);
    if (!test::FfmpegAvailable())
        GTEST_SKIP() << "ffmpeg not installed";
    const int shown[4] = {0, 2, 4, 2};
    for (int k = 0; k < 4; ++k) {
        const QImage bmp(folder + QStringLiteral("/f%1.bmp").arg(shown[k], 4, 10, QChar('0')));
        EXPECT_EQ(test::DecodeFrameBgr(gif, k), test::TopDownBgr(bmp)) << k;
    }
}

TEST(GrowGif, TransparentWhiteIsTheIndexOfWhiteAndSingleImagesGoByExtension) {
    const QString folder = test::FreshFolder("cli-gif-transparent");
    const test::ToolResult run =
        test::GrowSmallTexture({"--record-every", "5", "--gif", folder + "/t.gif", "--blend", "2",
                                "--transparent", "ffffff", "-o", folder + "/tile.gif"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const test::GifInfo animation = test::ReadGifInfo(folder + "/t.gif");
    ASSERT_EQ(animation.Images.size(), 2u); // four frames, the first two faded into the end
    // The start-up gradient's white is the colour of the smallest A in every frame.
    const auto white =
        std::find(animation.GlobalColours.begin(), animation.GlobalColours.end(), 0xFFFFFFu);
    ASSERT_NE(white, animation.GlobalColours.end());
    EXPECT_EQ(animation.Images[0].TransparentIndex, white - animation.GlobalColours.begin());

    const test::GifInfo tile = test::ReadGifInfo(folder + "/tile.gif");
    EXPECT_EQ(tile.Signature, "GIF89a");
    EXPECT_EQ(tile.Width, 16);
    EXPECT_EQ(tile.Images.size(), 1u);
}

TEST(GrowGif, AnimationOptionsWithoutGifOrInConflictAreUsageErrors) {
    for (const QStringList& args :
         {QStringList{"--every", "2"}, QStringList{"--gif", "a.gif", "--every", "0"},
          QStringList{"--gif", "a.gif", "--ping-pong", "--blend", "3"},
          QStringList{"--gif", "a.gif", "--transparent", "white"}}) {
        const test::ToolResult run = test::GrowSmallTexture(args);
        EXPECT_EQ(run.ExitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.Err.contains("--")) << run.Err.toStdString();
    }
}

} // namespace
} // namespace mottler
