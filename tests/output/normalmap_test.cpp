#include "output/normalmap.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace mottler;

namespace {

/// A w × h field of the smooth tileable bumps sin(2πx/w) · cos(4πy/h), scaled by `scale`,
/// shifted cyclically by (dx, dy).
void FillBumps(TextureEngine& engine, int w, int h, int dx = 0, int dy = 0) {
    engine.SetTextureSize(w, h);
    const double pi = std::acos(-1.0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int sx = (x + dx) % w;
            const int sy = (y + dy) % h;
            engine.FieldA.Data()[y * w + x] =
                float(std::sin(2 * pi * sx / w) * std::cos(4 * pi * sy / h));
        }
}

QRgb At(const QImage& map, int x, int y) {
    return map.pixel(x, y);
}

} // namespace

TEST(NormalMap, AFlatFieldPointsStraightOut) {
    TextureEngine engine;
    engine.SetTextureSize(3, 2);
    std::fill_n(engine.FieldA.Data(), 6, 1.5f);
    const QImage map = NormalMap(engine, {});
    ASSERT_EQ(map.format(), QImage::Format_RGB888);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(At(map, k % 3, k / 3), qRgb(128, 128, 255)) << k; // 127.5 rounds to even
}

TEST(NormalMap, SlopesLeanAwayFromTheRiseAndGreenFollowsTheConvention) {
    // Rising to the right along x and toward the bottom along y, by a quarter of the range
    // per pixel (wrapping from the top back to 0 at the edges).
    TextureEngine engine;
    engine.SetTextureSize(5, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            engine.FieldA.Data()[y * 5 + x] = float(x + y);
    const QImage gl = NormalMap(engine, {1.0, NormalConvention::OpenGl});
    const QImage dx = NormalMap(engine, {1.0, NormalConvention::DirectX});
    // Inside, both slopes are 1/8 (heights (x + y) / 8, central differences): the normal
    // (−1/8, 1/8, 1) made unit length.
    const double length = std::sqrt(1.0 + 2.0 / 64.0);
    const int lean = int(std::nearbyint((1.0 - 0.125 / length) / 2 * 255));
    const int rise = int(std::nearbyint((1.0 + 0.125 / length) / 2 * 255));
    const int out = int(std::nearbyint((1.0 + 1.0 / length) / 2 * 255));
    EXPECT_EQ(At(gl, 2, 2), qRgb(lean, rise, out));
    EXPECT_EQ(At(dx, 2, 2), qRgb(lean, lean, out));
    // At the left edge the wrapped neighbour is the top of the ramp: it falls steeply.
    EXPECT_GT(qRed(At(gl, 0, 2)), 128);
    EXPECT_GT(qRed(At(gl, 4, 2)), 128);

    // A stronger map leans further; strength 0 is flat.
    EXPECT_LT(qRed(At(NormalMap(engine, {4.0, NormalConvention::OpenGl}), 2, 2)), lean);
    EXPECT_EQ(At(NormalMap(engine, {0.0, NormalConvention::OpenGl}), 2, 2), qRgb(128, 128, 255));
}

TEST(NormalMap, TilesLikeTheTextureAndDirectXOnlyTurnsGreen) {
    TextureEngine engine;
    FillBumps(engine, 12, 8);
    const QImage map = NormalMap(engine, {3.0, NormalConvention::OpenGl});
    const QImage directx = NormalMap(engine, {3.0, NormalConvention::DirectX});
    // A field shifted by (5, 3) gives the map shifted by (5, 3): the edges have no seam.
    TextureEngine shifted;
    FillBumps(shifted, 12, 8, 5, 3);
    const QImage moved = NormalMap(shifted, {3.0, NormalConvention::OpenGl});
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x) {
            ASSERT_EQ(At(moved, x, y), At(map, (x + 5) % 12, (y + 3) % 8)) << x << "," << y;
            const QRgb gl = At(map, x, y);
            const QRgb dx = At(directx, x, y);
            EXPECT_EQ(qRed(dx), qRed(gl));
            EXPECT_EQ(qBlue(dx), qBlue(gl));
            EXPECT_NEAR(qGreen(dx) + qGreen(gl), 255, 1);
        }
}
