#include "avireadback.h"
#include "gifreadback.h"
#include "output/imagefile.h"
#include "testenv.h"

#include <QImage>
#include <gtest/gtest.h>

namespace mottler {
namespace {

/// The web value (0, 51, … 255) nearest to the channel value, by search.
int NearestWebValue(int value) {
    int best = 0;
    for (int web = 0; web <= 255; web += 51)
        if (std::abs(value - web) < std::abs(value - best))
            best = web;
    return best;
}

TEST(WebSafeGif, EveryPixelTakesTheNearestWebColourWithoutDithering) {
    // Channel values on both sides of every midpoint between web values.
    QImage image(33, 9, QImage::Format_BGR888);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 8 + y) % 256, 25 + x, 255 - x * 7 - y));
    const QString path = test::TestHome() + "/single.GIF";
    ASSERT_EQ(ImageFormatOf(path), ImageFormat::Gif);
    WriteImage(image, path, 80);

    const test::GifInfo gif = test::ReadGifInfo(path);
    EXPECT_EQ(gif.Signature, "GIF89a");
    ASSERT_EQ(gif.Images.size(), 1u);
    ASSERT_EQ(gif.GlobalColours.size(), 256u); // 216 web colours, padded
    EXPECT_EQ(gif.GlobalColours[0], 0xFFFFFFu);
    EXPECT_EQ(gif.GlobalColours[215], 0u);

    if (!test::FfmpegAvailable())
        GTEST_SKIP() << "ffmpeg not installed";
    QImage expected(image.size(), QImage::Format_BGR888);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            expected.setPixel(x, y,
                              qRgb(NearestWebValue(qRed(c)), NearestWebValue(qGreen(c)),
                                   NearestWebValue(qBlue(c))));
        }
    EXPECT_EQ(test::DecodeFrameBgr(path, 0), test::TopDownBgr(expected));
    EXPECT_EQ(test::ProbeVideo(path).Warnings, QByteArray());
}

} // namespace
} // namespace mottler
