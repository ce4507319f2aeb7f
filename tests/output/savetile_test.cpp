#include "base/bmpfile.h"
#include "filebytes.h"
#include "output/jpegfile.h"
#include "output/quarterturn.h"
#include "output/savetile.h"
#include "testenv.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace mottler;

namespace {

QImage Pattern(int w, int h) {
    QImage image(w, h, QImage::Format_BGR888);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y,
                           qRgb((x * 37 + y * 11) % 256, (x * y) % 256, x < w / 2 ? 20 : 230));
    return image;
}

} // namespace

TEST(SaveTile, MirrorBuildsTheTileFromAHalfSizeCopyForBmpOnlyNotJpeg) {
    const QImage texture = Pattern(100, 100);
    const QString path = test::TestHome() + "/mirrored.bmp";
    SaveTile(texture, {ImageFormat::Bmp, 80, true}, path);
    const QImage tile = QImage(path).convertToFormat(QImage::Format_BGR888);
    ASSERT_EQ(tile.size(), QSize(100, 100));
    EXPECT_EQ(tile.copy(0, 0, 50, 50),
              texture.scaled(50, 50, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x) {
            ASSERT_EQ(tile.pixel(x, y), tile.pixel(99 - x, y));
            ASSERT_EQ(tile.pixel(x, y), tile.pixel(x, 99 - y));
            ASSERT_EQ(tile.pixel(x, y), tile.pixel(99 - x, 99 - y));
        }
    EXPECT_EQ(EncodeTile(texture, {ImageFormat::Jpeg, 80, true}), EncodeJpeg(texture, 80));
    // A side of one pixel still gives a tile instead of an empty image.
    EXPECT_EQ(SaveTilePreview(Pattern(1, 5), true).size(), QSize(2, 4));
}

TEST(SaveTile, SaveEncodesTheCurrentChoicesNotAStaleWorkFile) {
    const QImage texture = Pattern(300, 250);
    const QString folder = test::TestHome();
    WriteWorkFile(texture, SaveTileChoices{}, folder);
    const QString target = folder + "/saved.jpg";
    SaveTile(texture, {ImageFormat::Jpeg, 20, false}, target);
    EXPECT_EQ(test::ReadBytes(target), EncodeJpeg(texture, 20));
}

TEST(SaveTile, ATypedKnownExtensionPicksTheFormatAndAnyOtherNameGetsTheChosenOne) {
    EXPECT_EQ(SaveTileTarget("/t/tile.PNG", ImageFormat::Jpeg).Format, ImageFormat::Png);
    EXPECT_EQ(SaveTileTarget("/t/tile.jpeg", ImageFormat::Bmp).Path, "/t/tile.jpeg");
    EXPECT_EQ(SaveTileTarget("/t/tile.jpeg", ImageFormat::Bmp).Format, ImageFormat::Jpeg);
    for (const auto& [typed, path] : {std::pair<QString, QString>{"/t/tile", "/t/tile.gif"},
                                      {"/t/tile.", "/t/tile.gif"},
                                      {"/t/tile.txt", "/t/tile.txt.gif"},
                                      {"/t.d/tile", "/t.d/tile.gif"}}) {
        const SaveTarget target = SaveTileTarget(typed, ImageFormat::Gif);
        EXPECT_EQ(target.Path, path);
        EXPECT_EQ(target.Format, ImageFormat::Gif);
    }
}

TEST(QuarterTurn, TurnsMapPixelsAndFourTurnsGiveBackTheImage) {
    const QImage image = Pattern(100, 50);
    const QImage right = TurnedRight(image);
    ASSERT_EQ(right.size(), QSize(50, 100));
    EXPECT_EQ(right.pixel(0, 0), image.pixel(0, 49));
    EXPECT_EQ(right.pixel(49, 0), image.pixel(0, 0));
    EXPECT_EQ(right.pixel(7, 93), image.pixel(93, 42));
    const QImage left = TurnedLeft(image);
    EXPECT_EQ(left.pixel(0, 0), image.pixel(99, 0));
    EXPECT_EQ(left.pixel(7, 93), image.pixel(6, 7));

    EXPECT_EQ(TurnedRight(TurnedRight(TurnedRight(right))), image);
    EXPECT_EQ(TurnedLeft(TurnedLeft(TurnedLeft(left))), image);
    EXPECT_EQ(TurnedBy(image, -1), left);
    EXPECT_EQ(TurnedBy(image, 4), image);
}
