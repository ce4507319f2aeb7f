#include "engine/tilepreview.h"

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

} // namespace

TEST(ReducedCopySize, FitsTwiceTheLongerSideIntoThePreviewWidth) {
    EXPECT_EQ(ReducedCopySize({400, 200}, DesignPreviewSize), QSize(348, 174));
    EXPECT_EQ(ReducedCopySize({200, 400}, DesignPreviewSize), QSize(174, 453));
    EXPECT_EQ(ReducedCopySize({600, 600}, DesignPreviewSize), QSize(348, 453));
    EXPECT_FALSE(NeedsReducedCopy({348, 453}, DesignPreviewSize));
    EXPECT_TRUE(NeedsReducedCopy({349, 100}, DesignPreviewSize));
    EXPECT_TRUE(NeedsReducedCopy({100, 454}, DesignPreviewSize));
}

TEST(ComposeTilePreview, TilesASmallTextureCuttingTheLastColumnAndRow) {
    const QImage texture = Numbered(100, 100);
    const TilePreview preview =
        ComposeTilePreview(texture, DesignPreviewSize, DesignPreviewSize, true);
    ASSERT_EQ(preview.Picture.size(), DesignPreviewSize);
    EXPECT_EQ(preview.Target, QRect(0, 0, 348, 453));
    EXPECT_EQ(preview.Picture.pixel(0, 0), texture.pixel(0, 0));
    EXPECT_EQ(preview.Picture.pixel(300, 400), texture.pixel(0, 0));
    EXPECT_EQ(preview.Picture.pixel(347, 452), texture.pixel(47, 52));
    EXPECT_EQ(preview.Picture.pixel(199, 99), texture.pixel(99, 99));
}

TEST(ComposeTilePreview, ShowsTheTextureOnceCentredOrStretchedWhenTileIsOff) {
    const QImage small = Numbered(100, 100);
    const TilePreview once = ComposeTilePreview(small, DesignPreviewSize, DesignPreviewSize, false);
    EXPECT_EQ(once.Picture, small);
    EXPECT_EQ(once.Target, QRect(124, 176, 100, 100));

    const TilePreview large =
        ComposeTilePreview(Numbered(600, 600), DesignPreviewSize, DesignPreviewSize, false);
    EXPECT_EQ(large.Target, QRect(0, 0, 348, 453));
}
