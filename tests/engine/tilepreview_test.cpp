#include "engine/tilepreview.h"

#include <QColor>
#include <gtest/gtest.h>

using namespace mottler;

namespace {

/// A texture whose every pixel has its own colour, so a tile's origin can be told.
QImage Numbered(int w, int h) {
    QImage image(w, h, QImage::Format_BGR888);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x, y, 77));
    return image;
}

/// A preview composed afresh.
TilePreview Compose(const QImage& texture, QSize control, bool tile) {
    TilePreview preview;
    QImage converted;
    ComposeTilePreview(texture, control, DesignPreviewSize, tile, preview, converted);
    return preview;
}

} // namespace

// Both sides are scaled alike, so a square or tall texture keeps its shape, and a very thin
// one keeps at least one pixel each way.
TEST(ReducedCopySize, FitsTwiceTheLongerSideIntoThePreviewWidthKeepingTheAspect) {
    EXPECT_EQ(ReducedCopySize({400, 200}, DesignPreviewSize), QSize(348, 174));
    EXPECT_EQ(ReducedCopySize({200, 400}, DesignPreviewSize), QSize(174, 348));
    EXPECT_EQ(ReducedCopySize({3000, 3000}, DesignPreviewSize), QSize(348, 348));
    EXPECT_EQ(ReducedCopySize({2000, 2}, DesignPreviewSize), QSize(348, 1));
    EXPECT_EQ(ReducedCopySize({2, 2000}, DesignPreviewSize), QSize(1, 348));
    EXPECT_FALSE(NeedsReducedCopy({348, 453}, DesignPreviewSize));
    EXPECT_TRUE(NeedsReducedCopy({349, 100}, DesignPreviewSize));
    EXPECT_TRUE(NeedsReducedCopy({100, 454}, DesignPreviewSize));
}

TEST(ComposeTilePreview, TilesASmallTextureCuttingTheLastColumnAndRow) {
    const QImage texture = Numbered(100, 100);
    const TilePreview preview = Compose(texture, DesignPreviewSize, true);
    ASSERT_EQ(preview.Picture.size(), DesignPreviewSize);
    EXPECT_EQ(preview.Target, QRect(0, 0, 348, 453));
    EXPECT_EQ(preview.Picture.pixel(0, 0), texture.pixel(0, 0));
    EXPECT_EQ(preview.Picture.pixel(300, 400), texture.pixel(0, 0));
    EXPECT_EQ(preview.Picture.pixel(347, 452), texture.pixel(47, 52));
    EXPECT_EQ(preview.Picture.pixel(199, 99), texture.pixel(99, 99));
}

TEST(ComposeTilePreview, ShowsTheTextureOnceCentredOrStretchedWhenTileIsOff) {
    const QImage small = Numbered(100, 100);
    const TilePreview once = Compose(small, DesignPreviewSize, false);
    EXPECT_EQ(once.Picture, small.convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(once.Target, QRect(124, 176, 100, 100));

    const TilePreview large = Compose(Numbered(600, 600), DesignPreviewSize, false);
    EXPECT_EQ(large.Target, QRect(0, 0, 348, 453));
}

// A texture twice the reduced copy's size each way: every pixel of the tiled copy is the
// rounded average of its 2 × 2 block, a black-and-white checkerboard turning mid-grey.
TEST(ComposeTilePreview, ReducedCopyAveragesThePixelsUnderEachOfItsPixels) {
    QImage texture(696, 522, QImage::Format_BGR888);
    for (int y = 0; y < texture.height(); ++y)
        for (int x = 0; x < texture.width(); ++x)
            texture.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    ASSERT_EQ(ReducedCopySize(texture.size(), DesignPreviewSize), QSize(348, 261));
    const QImage picture = Compose(texture, DesignPreviewSize, true).Picture;
    EXPECT_EQ(picture.pixel(0, 0), qRgb(128, 128, 128));
    EXPECT_EQ(picture.pixel(347, 452), qRgb(128, 128, 128));

    texture.fill(QColor(10, 200, 30));
    texture.setPixel(2, 0, qRgb(255, 0, 0));
    const QImage marked = Compose(texture, DesignPreviewSize, true).Picture;
    EXPECT_EQ(marked.pixel(1, 0),
              qRgb((3 * 10 + 255 + 2) / 4, (3 * 200 + 2) / 4, (3 * 30 + 2) / 4));
    EXPECT_EQ(marked.pixel(0, 0), qRgb(10, 200, 30));
    EXPECT_EQ(marked.pixel(1, 261), marked.pixel(1, 0)); // the next tile down
}

TEST(ComposeTilePreview, FrameAfterFrameReusesThePicturesAndMatchesAFreshComposition) {
    for (const QSize size : {QSize(100, 100), QSize(400, 200), QSize(800, 600)}) {
        for (const bool tile : {true, false}) {
            TilePreview preview;
            QImage converted;
            ComposeTilePreview(Numbered(size.width(), size.height()), DesignPreviewSize,
                               DesignPreviewSize, tile, preview, converted);
            const uchar* pixels = preview.Picture.constBits();
            QImage next = Numbered(size.width(), size.height());
            next.fill(qRgb(9, 8, 7));
            next.setPixel(3, 2, qRgb(200, 100, 50));
            ComposeTilePreview(next, DesignPreviewSize, DesignPreviewSize, tile, preview,
                               converted);
            EXPECT_EQ(preview.Picture.constBits(), pixels) << "no new picture for a frame";
            const TilePreview fresh = Compose(next, DesignPreviewSize, tile);
            EXPECT_EQ(preview.Picture, fresh.Picture);
            EXPECT_EQ(preview.Target, fresh.Target);
        }
    }
}

TEST(ComposeTilePreview, LeavesAPictureSharedElsewhereAsItWas) {
    TilePreview preview;
    QImage converted;
    ComposeTilePreview(Numbered(100, 100), DesignPreviewSize, DesignPreviewSize, true, preview,
                       converted);
    const QImage kept = preview.Picture;
    const QImage before = kept.copy();
    QImage other(100, 100, QImage::Format_BGR888);
    other.fill(Qt::black);
    ComposeTilePreview(other, DesignPreviewSize, DesignPreviewSize, true, preview, converted);
    EXPECT_EQ(kept, before);
    EXPECT_EQ(preview.Picture.pixel(10, 10), qRgb(0, 0, 0));
}

TEST(CopyOpaque, GivesThePixelsQtsConversionGives) {
    QImage copy;
    for (const QImage::Format from : {QImage::Format_BGR888, QImage::Format_RGB888})
        for (const QImage::Format to : {QImage::Format_RGB32, QImage::Format_ARGB32}) {
            const QImage image = Numbered(30, 20).convertToFormat(from);
            CopyOpaque(image, to, copy);
            EXPECT_EQ(copy, image.convertToFormat(to));
        }
}

// A texture within the preview is widened once and tiled from that copy: the picture is the
// one that tiling the BGR888 texture itself gives.
TEST(ComposeTilePreview, TilingTheWidenedCopyGivesThePixelsOfTilingTheTextureItself) {
    const QImage texture = Numbered(100, 70);
    QImage expected(DesignPreviewSize, QImage::Format_RGB32);
    expected.fill(Qt::white);
    TileOnto(expected, texture);
    EXPECT_EQ(Compose(texture, DesignPreviewSize, true).Picture, expected);
}

TEST(CopyImage, CopiesIntoTheKeptImageWhileItFitsAndNeverIntoOneSharedElsewhere) {
    QImage copy;
    CopyImage(Numbered(30, 20), copy);
    EXPECT_EQ(copy, Numbered(30, 20));
    const uchar* buffer = copy.constBits();
    CopyImage(Numbered(20, 30).scaled(30, 20), copy);
    EXPECT_EQ(copy.constBits(), buffer);
    EXPECT_EQ(copy, Numbered(20, 30).scaled(30, 20));
    const QImage shared = copy;
    CopyImage(Numbered(30, 20), copy);
    EXPECT_EQ(shared, Numbered(20, 30).scaled(30, 20));
    EXPECT_EQ(copy, Numbered(30, 20));
}
