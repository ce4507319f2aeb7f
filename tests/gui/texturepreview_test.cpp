#include "engine/ui/texturepreview.h"

#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

namespace mottler {
namespace {

QImage Checkerboard(int side) {
    QImage board(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            board.setPixel(x, y, (x + y) % 2 != 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    return board;
}

TEST(TexturePreview, ShrunkPictureIsSmoothedWhileFullSizeStaysExact) {
    const QImage board = Checkerboard(200);
    TexturePreview view(nullptr);
    view.resize(100, 100);
    view.Show({board, QRect(0, 0, 100, 100)});
    const int grey = qGray(view.grab().toImage().pixel(50, 50));
    EXPECT_GT(grey, 60); // black and white pixels blend, not one of them picked
    EXPECT_LT(grey, 200);

    view.resize(200, 200);
    view.Show({board, QRect(0, 0, 200, 200)});
    const QImage full = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(full, board);
}

// The number of different colours in an image.
int ColourCount(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

// Drawn on a screen of scale 2 every texture pixel is a block of four exact pixels; on one of
// scale 1.5 the pixels cannot be whole blocks, and are spread smoothly rather than picked
// unevenly.
TEST(TexturePreview, FullSizeIsExactAtWholeScalesAndSmoothAtFractionalOnes) {
    const QImage board = Checkerboard(40);
    TexturePreview view(nullptr);
    view.resize(40, 40);
    view.Show({board, QRect(0, 0, 40, 40)});
    for (const qreal ratio : {2.0, 1.5}) {
        QImage screen((QSizeF(40, 40) * ratio).toSize(), QImage::Format_RGB32);
        screen.setDevicePixelRatio(ratio);
        view.render(&screen);
        if (ratio == 2.0) {
            EXPECT_EQ(ColourCount(screen), 2);
            EXPECT_EQ(screen.scaled(40, 40), board);
        } else {
            EXPECT_GT(ColourCount(screen), 2);
        }
    }
}

// The texture shown once, stretched over the control, looks as the bitmap itself drawn there
// does, although the control draws it from its own copy.
TEST(TexturePreview, StretchedTextureLooksAsTheBitmapItselfDrawn) {
    QImage texture(800, 600, QImage::Format_BGR888);
    for (int y = 0; y < texture.height(); ++y)
        for (int x = 0; x < texture.width(); ++x)
            texture.setPixel(x, y, qRgb((x * 7 + y * 13 + x * y) % 256, (x ^ y) & 255, x % 251));
    TexturePreview view(nullptr);
    view.resize(348, 453);
    view.Show({texture, view.rect()});
    const QImage bitmapDrawn = view.grab().toImage();
    view.ShowTexture(texture, DesignPreviewSize, false);
    EXPECT_EQ(view.grab().toImage(), bitmapDrawn);
}

} // namespace
} // namespace mottler
