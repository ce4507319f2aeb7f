#include "clirun.h"
#include "filebytes.h"
#include "magickreadback.h"
#include "output/quarterturn.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using mottler::test::RunCli;

class ImageOutput : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(name); }

    /// Grows the same small texture every time, with the extra options.
    void Grow(const QStringList& extra) const {
        const auto r = RunCli(QStringList{"grow", "--seed", "35089380", "--width", "24", "--height",
                                          "14", "--iterations", "30", "--a", "622", "--b", "1000"} +
                              extra);
        ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
    }

    QImage Read(const char* name) const {
        return QImage(Path(name)).convertToFormat(QImage::Format_RGB888);
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(ImageOutput, RotateTurnsAndMirrorBuildsTheSeamlessTile) {
    Grow({"-o", Path("plain.png")});
    Grow({"-o", Path("turned.png"), "--rotate", "270"});
    Grow({"-o", Path("mirrored.bmp"), "--mirror", "--rotate", "180"});
    const QImage plain = Read("plain.png");
    EXPECT_EQ(Read("turned.png"),
              mottler::TurnedLeft(plain).convertToFormat(QImage::Format_RGB888));
    const QImage mirrored = Read("mirrored.bmp");
    ASSERT_EQ(mirrored.size(), QSize(24, 14));
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 12; ++x) {
            ASSERT_EQ(mirrored.pixel(x, y), mirrored.pixel(23 - x, y));
            ASSERT_EQ(mirrored.pixel(x, y), mirrored.pixel(x, 13 - y));
            ASSERT_EQ(mirrored.pixel(x, y), mirrored.pixel(23 - x, 13 - y));
        }
    EXPECT_EQ(RunCli({"grow", "--rotate", "90"}).Status, 2);
    EXPECT_EQ(RunCli({"grow", "-o", Path("x.png"), "--rotate", "-90"}).Status, 2);
}

TEST_F(ImageOutput, WebpAndHeightMapReadBackByImageMagick) {
    if (!mottler::test::HasImageMagick())
        GTEST_SKIP() << "ImageMagick not installed";
    Grow({"-o", Path("plain.png"), "--raw-a", Path("a.f32")});
    Grow({"-o", Path("lossless.webp"), "--quality", "100", "--height-map", Path("height.png")});
    Grow({"-o", Path("lossy.webp"), "--quality", "30"});

    EXPECT_EQ(mottler::test::MagickReadRgb(Path("lossless.webp"), 24, 14), Read("plain.png"));
    EXPECT_EQ(mottler::test::MagickIdentify(Path("lossy.webp")), "24 14 8 srgb");
    EXPECT_LT(QFileInfo(Path("lossy.webp")).size(), QFileInfo(Path("lossless.webp")).size());

    EXPECT_EQ(mottler::test::MagickIdentify(Path("height.png")), "24 14 16 gray");
    const QByteArray raw = mottler::test::ReadBytes(Path("a.f32"));
    std::vector<float> a(std::size_t(raw.size()) / 4);
    qFromLittleEndian<float>(raw.constData(), qsizetype(a.size()), a.data());
    const auto [low, high] = std::minmax_element(a.begin(), a.end());
    std::vector<quint16> expected;
    for (float v : a)
        expected.push_back(
            quint16(std::nearbyint((double(v) - *low) / (double(*high) - *low) * 65535.0)));
    EXPECT_EQ(mottler::test::MagickReadGrey16(Path("height.png")), expected);
}
