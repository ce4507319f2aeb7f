#include "avireadback.h"
#include "base/errors.h"
#include "output/animationexport.h"
#include "recording/exportbitmap.h"
#include "testenv.h"
#include "webpreadback.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <cstdlib>
#include <gtest/gtest.h>

namespace mottler {
namespace {

struct NoMessages : MessageSink {
    void ShowMessage(const QString&) override {}
};

/// Frames of w × h cells with smooth diagonal bands (rising and falling, without jumps) that
/// move by 20 a frame, so that every frame differs and a lossy codec has gentle content.
int Triangle(int t) {
    const int phase = t % 510;
    return phase < 255 ? phase : 510 - phase;
}

FrameList MakeFrames(int count, int w = 32, int h = 24) {
    TextureEngine engine;
    engine.SetTextureSize(w, h);
    FrameList frames;
    NoMessages sink;
    for (int f = 0; f < count; ++f) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                engine.PaletteIndexField.Data()[y * w + x] =
                    float(Triangle(4 * x + 3 * y + 20 * f));
        frames.AddFrame(engine, f, sink);
    }
    return frames;
}

/// Entry k: blue k, green 255 − k, red k / 2.
Palette SmoothPalette() {
    Palette palette;
    for (int k = 0; k < 256; ++k)
        palette.Pixels[std::size_t(k)] = {std::uint8_t(k), std::uint8_t(255 - k),
                                          std::uint8_t(k / 2)};
    return palette;
}

QString WriteVideo(const QString& name, AnimationFormat format, const FrameList& frames,
                   int fps = 10, int quality = 100) {
    ExportOptions options;
    options.Format = format;
    options.FramesPerSecond = fps;
    options.Quality = quality;
    const QString path = test::FreshFolder(name) + "/out." + AnimationExtension(format);
    EXPECT_EQ(ExportAnimation(path, options, frames, SmoothPalette()), ExportOutcome::Written);
    return path;
}

TEST(VideoExport, WebMAndMp4HoldEveryFrameAtTheFrameRateCloseToTheBitmaps) {
    if (!test::FfmpegAvailable())
        GTEST_SKIP() << "ffmpeg not installed";
    const FrameList frames = MakeFrames(6);
    const Palette palette = SmoothPalette();
    for (const auto& [format, codec] :
         {std::pair{AnimationFormat::WebM, "vp9"}, std::pair{AnimationFormat::Mp4, "h264"}}) {
        const QString path = WriteVideo(QStringLiteral("video-%1").arg(codec), format, frames, 25);
        const test::ProbedVideo probed = test::ProbeVideo(path);
        EXPECT_EQ(probed.Codec, codec);
        EXPECT_EQ(probed.Frames, 6) << codec;
        EXPECT_EQ(probed.FrameRate, "25/1") << codec;
        EXPECT_EQ(probed.Width, 32);
        EXPECT_EQ(probed.Height, 24);
        EXPECT_EQ(probed.PixelFormat, "yuv420p");
        EXPECT_TRUE(probed.Warnings.isEmpty()) << probed.Warnings.toStdString();
        for (int k : {0, 3, 5}) {
            const QByteArray expected = test::TopDownBgr(ExportEntryBitmap(frames, palette, {k}));
            // Quality 100 loses only what 4:2:0 colour and rounding lose.
            EXPECT_LT(test::MeanDifference(test::DecodeFrameBgr(path, k), expected), 4.0)
                << codec << " frame " << k;
        }
    }
}

TEST(VideoExport, LowerQualityMakesASmallerFile) {
    const FrameList frames = MakeFrames(8, 64, 48);
    for (AnimationFormat format : {AnimationFormat::WebM, AnimationFormat::Mp4}) {
        const QString best = WriteVideo("video-best", format, frames, 10, 100);
        const QString small = WriteVideo("video-small", format, frames, 10, 10);
        EXPECT_LT(QFile(small).size(), QFile(best).size())
            << AnimationExtension(format).toStdString();
    }
}

TEST(VideoExport, Mp4PadsAnOddSizeWithTheTilesContinuationAndSaysSo) {
    if (!test::FfmpegAvailable())
        GTEST_SKIP() << "ffmpeg not installed";
    const FrameList frames = MakeFrames(2, 15, 9);
    EXPECT_TRUE(AnimationSizeNote(AnimationFormat::Mp4, {15, 9}).contains("16 x 10"));
    EXPECT_TRUE(AnimationSizeNote(AnimationFormat::Mp4, {16, 10}).isEmpty());
    EXPECT_TRUE(AnimationSizeNote(AnimationFormat::WebM, {15, 9}).isEmpty());

    const test::ProbedVideo webm =
        test::ProbeVideo(WriteVideo("video-odd-webm", AnimationFormat::WebM, frames));
    EXPECT_EQ(QSize(webm.Width, webm.Height), QSize(15, 9));
    const QString mp4 = WriteVideo("video-odd-mp4", AnimationFormat::Mp4, frames);
    const test::ProbedVideo probed = test::ProbeVideo(mp4);
    ASSERT_EQ(QSize(probed.Width, probed.Height), QSize(16, 10));
    // Column 15 repeats column 0 and row 9 repeats row 0, as the tile continues. Brightness
    // is kept per pixel (colour only per 2 × 2 block, which mixes the pad with its neighbour).
    const QByteArray decoded = test::DecodeFrameBgr(mp4, 1);
    ASSERT_EQ(decoded.size(), 16 * 10 * 3);
    const QImage expected = ExportEntryBitmap(frames, SmoothPalette(), {1});
    const auto luma = [](const uchar* bgr) {
        return 0.114 * bgr[0] + 0.587 * bgr[1] + 0.299 * bgr[2];
    };
    const auto decodedLuma = [&](int x, int y) {
        return luma(reinterpret_cast<const uchar*>(decoded.constData()) + (y * 16 + x) * 3);
    };
    for (int y = 0; y < 9; ++y)
        EXPECT_NEAR(decodedLuma(15, y), luma(expected.constScanLine(y)), 4.0) << y;
    for (int x = 0; x < 15; ++x)
        EXPECT_NEAR(decodedLuma(x, 9), luma(expected.constScanLine(0) + 3 * x), 4.0) << x;
}

TEST(VideoExport, ACancelOrAFailureLeavesTheEarlierFileAndNoTemporaryFile) {
    const FrameList frames = MakeFrames(5);
    const QString folder = test::FreshFolder("video-cancel");
    for (AnimationFormat format :
         {AnimationFormat::WebM, AnimationFormat::Mp4, AnimationFormat::WebP}) {
        const QString path = folder + "/keep." + AnimationExtension(format);
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("earlier");
        old.close();
        int written = 0;
        ExportFeedback feedback;
        feedback.Progress = [&written](ExportStage, int, int) { ++written; };
        feedback.Cancelled = [&written] { return written >= 3; };
        ExportOptions options;
        options.Format = format;
        EXPECT_EQ(ExportAnimation(path, options, frames, SmoothPalette(), feedback),
                  ExportOutcome::Cancelled);
        QFile kept(path);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), "earlier");
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 3);

    // Failures carry their cause: a missing folder, a full device.
    ExportOptions options;
    options.Format = AnimationFormat::WebM;
    try {
        ExportAnimation(folder + "/missing/a.webm", options, frames, SmoothPalette());
        ADD_FAILURE() << "no error for a missing folder";
    } catch (const MottlerError& error) {
        EXPECT_TRUE(error.Message().contains("No such file or directory"))
            << error.Message().toStdString();
    }
    if (!QFile::exists("/dev/full"))
        return;
    for (AnimationFormat format : {AnimationFormat::Mp4, AnimationFormat::WebP}) {
        options.Format = format;
        try {
            ExportAnimation("/dev/full", options, frames, SmoothPalette());
            ADD_FAILURE() << "no error for a full device";
        } catch (const MottlerError& error) {
            EXPECT_TRUE(error.Message().contains("No space left on device"))
                << error.Message().toStdString();
        }
    }
}

TEST(AnimatedWebpExport, WebpmuxCountsEveryFrameLoopingForeverAtTheFrameRate) {
    const FrameList frames = MakeFrames(4);
    const test::WebpInfo tenth =
        test::ReadWebpInfo(WriteVideo("webp-10", AnimationFormat::WebP, frames));
    if (!tenth.Read)
        GTEST_SKIP() << "webpmux not installed";
    EXPECT_EQ(tenth.Size, QSize(32, 24));
    EXPECT_EQ(tenth.LoopCount, 0);
    EXPECT_EQ(tenth.Durations, (std::vector<int>{100, 100, 100, 100}));
    // Frame k starts at k × 1000 / 3 ms, so the durations share the rounding.
    const test::WebpInfo third =
        test::ReadWebpInfo(WriteVideo("webp-3", AnimationFormat::WebP, frames, 3));
    EXPECT_EQ(third.Durations, (std::vector<int>{333, 333, 334, 333}));
}

TEST(AnimatedWebpExport, LosslessFramesDecodeExactlyAndLossyOnesClosely) {
    const FrameList frames = MakeFrames(3);
    const Palette palette = SmoothPalette();
    ExportOptions options;
    options.Format = AnimationFormat::WebP;
    options.Lossless = true;
    options.Quality = 1; // ignored when lossless
    const QString folder = test::FreshFolder("webp-lossless");
    ASSERT_EQ(ExportAnimation(folder + "/exact.webp", options, frames, palette),
              ExportOutcome::Written);
    const QString lossy = WriteVideo("webp-lossy", AnimationFormat::WebP, frames, 10, 90);
    const std::vector<QImage> exact = test::DecodeWebpFrames(folder + "/exact.webp");
    const std::vector<QImage> close = test::DecodeWebpFrames(lossy);
    if (exact.empty())
        GTEST_SKIP() << "no WebP decoder (webpmux and dwebp)";
    ASSERT_EQ(exact.size(), 3u);
    ASSERT_EQ(close.size(), 3u);
    for (int k = 0; k < 3; ++k) {
        const QByteArray expected = test::TopDownBgr(ExportEntryBitmap(frames, palette, {k}));
        EXPECT_EQ(test::TopDownBgr(exact[std::size_t(k)]), expected) << k;
        EXPECT_LT(test::MeanDifference(test::TopDownBgr(close[std::size_t(k)]), expected), 4.0)
            << k;
    }
}

TEST(AnimatedWebpExport, ASideBeyondTheFormatsLimitIsRefusedBeforeAnyFrame) {
    EXPECT_TRUE(AnimationSizeFault(AnimationFormat::WebP, {16384, 1}).contains("16383"));
    EXPECT_TRUE(AnimationSizeFault(AnimationFormat::WebP, {16383, 16383}).isEmpty());
    EXPECT_TRUE(AnimationSizeFault(AnimationFormat::WebM, {16384, 1}).isEmpty());
    const QString path = test::FreshFolder("webp-limit") + "/wide.webp";
    EXPECT_THROW(AnimatedWebpFile(path, {1, 16384}, {}), MottlerError);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(VideoFormatOf, GoesByTheExtensionInAnyCase) {
    EXPECT_EQ(VideoFormatOf("a.WebM"), AnimationFormat::WebM);
    EXPECT_EQ(VideoFormatOf("/x/b.MP4"), AnimationFormat::Mp4);
    EXPECT_EQ(VideoFormatOf("c.webp"), AnimationFormat::WebP);
    EXPECT_EQ(VideoFormatOf("d.gif"), std::nullopt);
    EXPECT_EQ(VideoFormatOf("webm"), std::nullopt);
}

} // namespace
} // namespace mottler
