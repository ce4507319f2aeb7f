#include "base/errors.h"
#include "output/imagefile.h"
#include "output/jpegfile.h"
#include "testenv.h"

#include <QFileInfo>
#include <QImageReader>
#include <gtest/gtest.h>

using namespace mottler;

namespace {

/// A picture with detail (so its JPEG is not trivially small) and an odd width.
QImage Pattern() {
    QImage image(101, 60, QImage::Format_BGR888);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y) % 256, x < 50 ? 20 : 230));
    return image;
}

QString PathOf(const QString& name) {
    return test::TestHome() + "/" + name;
}

QImage ReadBack(const QString& path, const char* format) {
    QImageReader reader(path, format);
    reader.setDecideFormatFromContent(false);
    const QImage image = reader.read();
    EXPECT_FALSE(image.isNull()) << qPrintable(reader.errorString());
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(WriteImage, BmpAndPngReadBackExactlyJpegRoughly) {
    const QImage original = Pattern();
    WriteImage(original, PathOf("exact.bmp"), 80);
    WriteImage(original, PathOf("exact.PNG"), 80);
    EXPECT_EQ(ReadBack(PathOf("exact.bmp"), "BMP"), original.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(ReadBack(PathOf("exact.PNG"), "PNG"), original.convertToFormat(QImage::Format_RGB32));
    // A tile has no physical size: no resolution chunk, whatever Qt assumes for the image.
    QImage printed = original;
    printed.setDotsPerMeterX(11811);
    printed.setDotsPerMeterY(11811);
    EXPECT_FALSE(EncodePng(printed).contains("pHYs"));
    EXPECT_EQ(QImage::fromData(EncodePng(printed), "PNG"),
              original.convertToFormat(QImage::Format_RGB32));

    QImage halves(64, 48, QImage::Format_BGR888);
    halves.fill(QColor(200, 40, 90));
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 64; ++x)
            halves.setPixel(x, y, qRgb(10, 220, 30));
    WriteImage(halves, PathOf("rough.jpeg"), 95);
    const QImage back = ReadBack(PathOf("rough.jpeg"), "JPEG");
    ASSERT_EQ(back.size(), halves.size());
    for (QPoint p : {QPoint(5, 5), QPoint(60, 40)}) {
        const QColor a = halves.pixelColor(p), b = back.pixelColor(p);
        EXPECT_NEAR(a.red(), b.red(), 6);
        EXPECT_NEAR(a.green(), b.green(), 6);
        EXPECT_NEAR(a.blue(), b.blue(), 6);
    }
}

TEST(EncodeJpeg, LowQualityIsSmallerAndQualityIsChecked) {
    const QImage image = Pattern();
    EXPECT_LT(EncodeJpeg(image, 1).size(), EncodeJpeg(image, 100).size());
    EXPECT_THROW(EncodeJpeg(image, 0), MottlerError);
    EXPECT_THROW(EncodeJpeg(image, 101), MottlerError);
}

TEST(WriteImage, RefusesOtherExtensionsAndKeepsTheOldFileOnFailure) {
    EXPECT_EQ(ImageFormatOf("a.JPG"), ImageFormat::Jpeg);
    EXPECT_EQ(ImageFormatOf("jpg"), ImageFormat::Unknown);
    EXPECT_THROW(WriteImage(Pattern(), PathOf("picture.tif"), 80), MottlerError);
    EXPECT_FALSE(QFileInfo::exists(PathOf("picture.tif")));

    const QString kept = PathOf("kept.jpg");
    WriteImage(Pattern(), kept, 80);
    const qint64 size = QFileInfo(kept).size();
    EXPECT_THROW(WriteImage(QImage(), kept, 80), MottlerError);
    EXPECT_EQ(QFileInfo(kept).size(), size);
}
