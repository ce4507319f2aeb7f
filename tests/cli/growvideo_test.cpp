#include "avireadback.h"
#include "filebytes.h"
#include "smallgrow.h"
#include "testenv.h"
#include "webpreadback.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace mottler {
namespace {

QImage NumberedBmp(const QString& folder, int k) {
    return QImage(folder + QStringLiteral("/f%1.bmp").arg(k, 4, 10, QChar('0')));
}

// Recorded frames 0 … 4, every second one ping-ponged: 0, 2, 4, 2.
const int Shown[4] = {0, 2, 4, 2};

TEST(GrowVideo, WebMAndMp4HoldTheFramesOfTheGifAtTheChosenRate) {
    if (!test::FfmpegAvailable())
        GTEST_SKIP() << "ffmpeg not installed";
    const QString folder = test::FreshFolder("cli-video");
    for (const auto& [name, codec] : {std::pair{"a.webm", "vp9"}, std::pair{"a.mp4", "h264"}}) {
        const QString video = folder + "/" + name;
        const test::ToolResult run = test::GrowSmallTexture(
            {"--record-every", "4", "--frames-bmp", folder + "/f.bmp", "--video", video, "--every",
             "2", "--ping-pong", "--fps", "20", "--video-quality", "100"});
        ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
        const test::ProbedVideo probed = test::ProbeVideo(video);
        EXPECT_EQ(probed.Codec, codec);
        EXPECT_EQ(probed.Frames, 4) << codec;
        EXPECT_EQ(probed.FrameRate, "20/1") << codec;
        EXPECT_EQ(QSize(probed.Width, probed.Height), QSize(16, 12));
        for (int k = 0; k < 4; ++k)
            EXPECT_LT(test::MeanDifference(test::DecodeFrameBgr(video, k),
                                           test::TopDownBgr(NumberedBmp(folder, Shown[k]))),
                      6.0)
                << codec << " frame " << k;
    }
}

TEST(GrowVideo, AnimatedWebpLoopsForeverAndLosslessKeepsEveryPixel) {
    const QString folder = test::FreshFolder("cli-video-webp");
    const QString webp = folder + "/a.webp";
    const test::ToolResult run =
        test::GrowSmallTexture({"--record-every", "4", "--frames-bmp", folder + "/f.bmp", "--video",
                                webp, "--every", "2", "--ping-pong", "--lossless"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const test::WebpInfo info = test::ReadWebpInfo(webp);
    if (info.Read) {
        EXPECT_EQ(info.LoopCount, 0);
        EXPECT_EQ(info.Durations, (std::vector<int>{100, 100, 100, 100}));
        EXPECT_EQ(info.Size, QSize(16, 12));
    }
    const std::vector<QImage> frames = test::DecodeWebpFrames(webp);
    if (!info.Read && frames.empty())
        GTEST_SKIP() << "neither webpmux nor a WebP decoder";
    ASSERT_EQ(frames.size(), 4u);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(test::TopDownBgr(frames[std::size_t(k)]),
                  test::TopDownBgr(NumberedBmp(folder, Shown[k])))
            << k;
}

TEST(GrowVideo, BadVideoOptionsAreUsageErrorsAndSizesAreCheckedBeforeTheRun) {
    for (const QStringList& args :
         {QStringList{"--record-every", "2", "--video", "a.mkv"}, QStringList{"--fps", "12"},
          QStringList{"--video", "a.webm", "--fps", "0"},
          QStringList{"--video", "a.webm", "--fps", "ten"},
          QStringList{"--video", "a.mp4", "--video-quality", "101"},
          QStringList{"--video", "a.mp4", "--lossless"},
          QStringList{"--gif", "a.gif", "--lossless"},
          QStringList{"--video", "a.webm", "--transparent", "ffffff"}}) {
        const test::ToolResult run = test::GrowSmallTexture(args);
        EXPECT_EQ(run.ExitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.Err.contains("--")) << run.Err.toStdString();
    }
    const QString folder = test::FreshFolder("cli-video-checks");
    const test::ToolResult missing =
        test::GrowSmallTexture({"--video", folder + "/missing/a.webm", "--iterations", "2000000"});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_TRUE(missing.Err.contains("does not exist")) << missing.Err.toStdString();
    EXPECT_FALSE(missing.Out.contains("iterations:")); // refused before growing

    const test::ToolResult wide =
        test::RunTool(MOTTLER_CLI_PATH, {"grow", "--width", "16384", "--height", "1",
                                         "--iterations", "1", "--video", folder + "/wide.webp"});
    EXPECT_EQ(wide.ExitCode, 1);
    EXPECT_TRUE(wide.Err.contains("16383")) << wide.Err.toStdString();
    EXPECT_FALSE(QFile::exists(folder + "/wide.webp"));

    // H.264 pads an odd side and says so.
    const test::ToolResult odd = test::GrowSmallTexture(
        {"--width", "15", "--iterations", "4", "--video", folder + "/odd.mp4"});
    ASSERT_EQ(odd.ExitCode, 0) << odd.Err.toStdString();
    EXPECT_TRUE(odd.Err.contains("16 x 12")) << odd.Err.toStdString();
}

// A copy of the program in a folder of its own finds no video module beside it nor in an
// installation's library folder; beside it, an empty file is no module. Either refuses a
// WebM or MP4 video with the loader's reason before growing, and an animated WebP, which
// needs no module, is still written.
TEST(GrowVideo, AVideoModuleThatCannotBeLoadedIsAClearErrorBeforeTheRun) {
    const QString folder = test::FreshFolder("cli-video-module") + "/bin";
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString program = folder + "/mottler-cli";
    ASSERT_TRUE(QFile::copy(MOTTLER_CLI_PATH, program));
    const auto grow = [&](const QString& video) {
        return test::RunTool(program, {"grow", "--seed", "3", "--width", "16", "--height", "12",
                                       "--iterations", "8", "--record-every", "4", "--video",
                                       folder + "/" + video});
    };
    const test::ToolResult missing = grow("a.webm");
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_TRUE(missing.Err.contains("the video module could not be loaded"))
        << missing.Err.toStdString();
    EXPECT_TRUE(missing.Err.contains(
        (folder + "/libmottler-video.so: cannot open shared object file").toUtf8()))
        << missing.Err.toStdString();
    EXPECT_FALSE(missing.Out.contains("iterations:"));

    QFile empty(folder + "/libmottler-video.so");
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    const test::ToolResult broken = grow("a.mp4");
    EXPECT_EQ(broken.ExitCode, 1);
    EXPECT_TRUE(broken.Err.contains("libmottler-video.so: file too short"))
        << broken.Err.toStdString();
    EXPECT_FALSE(QFile::exists(folder + "/a.mp4"));

    EXPECT_EQ(grow("a.webp").ExitCode, 0);
    EXPECT_TRUE(QFile::exists(folder + "/a.webp"));
}

/// The normal map the documentation describes, computed from the raw field.
std::vector<QRgb> ReferenceNormals(const std::vector<float>& a, int w, int h, double strength,
                                   bool directx) {
    const auto [low, high] = std::minmax_element(a.begin(), a.end());
    const auto height = [&](int x, int y) {
        const int wrappedX = (x % w + w) % w;
        const int wrappedY = (y % h + h) % h;
        return (double(a[std::size_t(wrappedY * w + wrappedX)]) - *low) / (double(*high) - *low) *
               strength;
    };
    const auto channel = [](double n) { return int(std::nearbyint((n + 1) / 2 * 255)); };
    std::vector<QRgb> normals;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double right = (height(x + 1, y) - height(x - 1, y)) / 2;
            const double down = (height(x, y + 1) - height(x, y - 1)) / 2;
            const double n[3] = {-right, directx ? -down : down, 1.0};
            const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
            normals.push_back(
                qRgb(channel(n[0] / length), channel(n[1] / length), channel(n[2] / length)));
        }
    return normals;
}

TEST(GrowNormalMap, MatchesTheNormalsOfTheRawFieldInBothConventions) {
    const QString folder = test::FreshFolder("cli-normal-map");
    const test::ToolResult run =
        test::GrowSmallTexture({"--raw-a", folder + "/a.f32", "--normal-map", folder + "/gl.png",
                                "--normal-strength", "6.5"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const test::ToolResult directx =
        test::GrowSmallTexture({"--normal-map", folder + "/dx.png", "--normal-directx"});
    ASSERT_EQ(directx.ExitCode, 0) << directx.Err.toStdString();

    const QByteArray raw = test::ReadBytes(folder + "/a.f32");
    std::vector<float> a(std::size_t(raw.size()) / 4);
    qFromLittleEndian<float>(raw.constData(), qsizetype(a.size()), a.data());
    for (const auto& [file, strength, isDirectX] :
         {std::tuple{"/gl.png", 6.5, false}, std::tuple{"/dx.png", 4.0, true}}) {
        const QImage map(folder + file);
        ASSERT_EQ(map.size(), QSize(16, 12));
        EXPECT_FALSE(map.hasAlphaChannel());
        const std::vector<QRgb> expected = ReferenceNormals(a, 16, 12, strength, isDirectX);
        for (int k = 0; k < 16 * 12; ++k)
            ASSERT_EQ(map.pixel(k % 16, k / 16) & 0xFFFFFFu, expected[std::size_t(k)] & 0xFFFFFFu)
                << file << " pixel " << k;
    }

    for (const QStringList& args :
         {QStringList{"--normal-strength", "2"}, QStringList{"--normal-directx"},
          QStringList{"--normal-map", "n.jpg"},
          QStringList{"--normal-map", "n.png", "--normal-strength", "-1"},
          QStringList{"--normal-map", "n.png", "--normal-strength", "x"}})
        EXPECT_EQ(test::GrowSmallTexture(args).ExitCode, 2) << args.join(' ').toStdString();
}

} // namespace
} // namespace mottler
