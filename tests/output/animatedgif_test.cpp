#include "avireadback.h"
#include "base/bmpfile.h"
#include "base/errors.h"
#include "errortext.h"
#include "filebytes.h"
#include "filesizelimit.h"
#include "gifreadback.h"
#include "output/animatedgif.h"
#include "testenv.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

namespace mottler {
namespace {

/// 40 × 30 pixels in 48 colours of their own: no two frames share a colour.
QImage FewColours(int frame) {
    QImage image(40, 30, QImage::Format_BGR888);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int k = (x / 5) + (y / 5) * 8; // 0 … 47
            image.setPixel(x, y, qRgb(frame * 50 + k, 255 - k * 5, k % 3 * 100));
        }
    return image;
}

/// 64 × 48 pixels of smooth ramps and a little noise: thousands of colours.
QImage ManyColours(int frame) {
    QImage image(64, 48, QImage::Format_BGR888);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(
                x, y, qRgb(x * 4, y * 5 + (x * 13 + y * 7) % 9, (x + y + frame * 20) * 2 % 256));
    return image;
}

QString WriteGif(const char* name, int count, const GifFrameSource& frames,
                 std::optional<PackedColour> transparent = std::nullopt) {
    const QString path = test::TestHome() + "/" + name;
    WriteFileAtomically(path, EncodeAnimatedGif(count, frames, transparent).value());
    return path;
}

/// The mean difference per channel of two images of 64 × 48 BGR pixels, compared pixel by
/// pixel or, with a block size, as the averages of blocks of that many pixels square.
double MeanError(const QByteArray& a, const QByteArray& b, int block = 1) {
    EXPECT_EQ(a.size(), b.size());
    if (a.size() != b.size())
        return 255;
    double sum = 0;
    for (int by = 0; by < 48; by += block)
        for (int bx = 0; bx < 64; bx += block)
            for (int c = 0; c < 3; ++c) {
                int difference = 0;
                for (int y = by; y < by + block; ++y)
                    for (int x = bx; x < bx + block; ++x) {
                        const int at = (y * 64 + x) * 3 + c;
                        difference += int(uchar(a[at])) - int(uchar(b[at]));
                    }
                sum += std::abs(difference) / double(block * block);
            }
    return sum / (64 * 48 * 3 / (block * block));
}

TEST(AnimatedGif, FiveFramesLoopForeverAtATenthOfASecondAndDecodeExactly) {
    const QString path = WriteGif("five.gif", 5, FewColours);
    const test::GifInfo gif = test::ReadGifInfo(path);
    EXPECT_EQ(gif.Signature, "GIF89a");
    EXPECT_EQ(gif.Width, 40);
    ASSERT_EQ(gif.Images.size(), 5u);
    EXPECT_EQ(gif.GlobalColours.size(), 256u); // 5 × 48 colours share one table
    EXPECT_TRUE(gif.Images[0].LoopBlockFirst);
    EXPECT_EQ(gif.Images[0].LoopCount, 0);
    for (const test::GifImageInfo& image : gif.Images) {
        EXPECT_EQ(image.Delay, 10);
        EXPECT_EQ(image.TransparentIndex, -1);
        EXPECT_FALSE(image.LocalTable);
    }

    if (test::ImageMagickAvailable()) {
        const QString verbose = test::IdentifyVerbose(path);
        EXPECT_EQ(verbose.count("Delay: 10x100"), 5);
        EXPECT_EQ(verbose.count("Iterations: 0"), 5);
    }
    if (!test::FfmpegAvailable())
        GTEST_SKIP() << "ffmpeg not installed";
    const test::ProbedVideo probed = test::ProbeVideo(path);
    EXPECT_EQ(probed.Frames, 5);
    EXPECT_EQ(probed.Warnings, QByteArray());
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(test::DecodeFrameBgr(path, k), test::TopDownBgr(FewColours(k))) << k;
}

TEST(AnimatedGif, TheTransparentColourIsMarkedOnlyWhenTheTableHoldsItExactly) {
    const PackedColour present = PackRgb(50 + 9, 255 - 45, 0); // frame 1, k = 9
    const test::GifInfo marked =
        test::ReadGifInfo(WriteGif("transparent.gif", 3, FewColours, present));
    const unsigned rgb = 59u << 16 | 210u << 8;
    const auto at = std::find(marked.GlobalColours.begin(), marked.GlobalColours.end(), rgb);
    ASSERT_NE(at, marked.GlobalColours.end());
    for (const test::GifImageInfo& image : marked.Images) {
        EXPECT_EQ(image.TransparentIndex, at - marked.GlobalColours.begin());
        EXPECT_EQ(image.Disposal, 2);
    }

    const test::GifInfo plain =
        test::ReadGifInfo(WriteGif("absent.gif", 3, FewColours, PackRgb(1, 2, 3)));
    for (const test::GifImageInfo& image : plain.Images)
        EXPECT_EQ(image.TransparentIndex, -1);
}

TEST(AnimatedGif, FramesOfManyColoursAreDitheredCloseToTheSource) {
    const QString path = WriteGif("many.gif", 3, ManyColours);
    const test::GifInfo gif = test::ReadGifInfo(path);
    ASSERT_EQ(gif.Images.size(), 3u);
    for (const test::GifImageInfo& image : gif.Images)
        EXPECT_FALSE(image.LocalTable);
    if (!test::FfmpegAvailable())
        GTEST_SKIP() << "ffmpeg not installed";
    for (int k = 0; k < 3; ++k) {
        const QByteArray source = test::TopDownBgr(ManyColours(k));
        const QByteArray decoded = test::DecodeFrameBgr(path, k);
        // Dithering trades a little error per pixel for the right colour over an area.
        EXPECT_LT(MeanError(decoded, source), 10.0) << k;
        EXPECT_LT(MeanError(decoded, source, 4), 2.0) << k;
        EXPECT_NE(decoded, source); // the test image really needs more than 256 colours
    }
}

TEST(AnimatedGif, AFrameOfFewColoursOutsideTheSharedTableKeepsItsOwnExactTable) {
    // 48 colours, then thousands: the shared table is quantised and misses some of the 48.
    const auto frames = [](int k) { return k == 0 ? FewColours(3) : ManyColours(k); };
    const QString path = WriteGif("mixed.gif", 2, frames);
    const test::GifInfo gif = test::ReadGifInfo(path);
    ASSERT_EQ(gif.Images.size(), 2u);
    EXPECT_EQ(gif.Width, 64);
    EXPECT_EQ(gif.Height, 48);
    EXPECT_TRUE(gif.Images[0].LocalTable);
    if (!test::FfmpegAvailable())
        GTEST_SKIP() << "ffmpeg not installed";
    const QByteArray first = test::DecodeFrameBgr(path, 0);
    const QByteArray expected = test::TopDownBgr(FewColours(3));
    // ffmpeg decodes the whole 64 × 48 screen; the frame is its top-left 40 × 30.
    ASSERT_EQ(first.size(), 64 * 48 * 3);
    for (int y = 0; y < 30; ++y)
        EXPECT_EQ(first.mid(y * 64 * 3, 40 * 3), expected.mid(y * 40 * 3, 40 * 3)) << y;
}

TEST(AnimatedGif, NoFramesOrACancelGiveNoImage) {
    EXPECT_THROW(EncodeAnimatedGif(0, FewColours, std::nullopt), MottlerError);
    ExportFeedback feedback;
    feedback.Cancelled = [] { return true; };
    EXPECT_FALSE(EncodeAnimatedGif(2, FewColours, std::nullopt, feedback));
}

TEST(AnimatedGif, WrittenFrameByFrameIntoItsFileAndAFailureKeepsTheEarlierFile) {
    const QString folder = test::FreshFolder("streamed-gif");
    const QString path = folder + "/run.gif";
    ASSERT_TRUE(WriteAnimatedGif(path, 3, ManyColours, std::nullopt));
    EXPECT_EQ(test::ReadBytes(path), EncodeAnimatedGif(3, ManyColours, std::nullopt).value());

    test::WriteBytes(path, "the earlier animation");
    QString error;
    {
        const test::FileSizeLimit limit(2000);
        error = test::ErrorText([&] { WriteAnimatedGif(path, 3, ManyColours, std::nullopt); });
    }
    EXPECT_TRUE(error.startsWith("Could not write \"" + path + "\"") &&
                error.contains("File too large"))
        << error.toStdString();
    EXPECT_EQ(test::ReadBytes(path), "the earlier animation");
    {
        // The file fails within its header, while the stream is being made: the same error,
        // and giflib's state is released (the address sanitizer checks).
        const test::FileSizeLimit limit(4);
        error = test::ErrorText([&] { WriteAnimatedGif(path, 3, ManyColours, std::nullopt); });
    }
    EXPECT_TRUE(error.contains("File too large")) << error.toStdString();
    EXPECT_EQ(test::ReadBytes(path), "the earlier animation");
    ExportFeedback cancel;
    cancel.Cancelled = [] { return true; };
    EXPECT_FALSE(WriteAnimatedGif(path, 3, ManyColours, std::nullopt, cancel));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"run.gif"});
}

} // namespace
} // namespace mottler
