#include "engine/render.h"
#include "engine/scaling.h"
#include "palette/colourbands.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace mottler;

namespace {

/// The palette index a rendered pixel shows, through the white-to-black start-up palette.
int IndexAt(const TextureEngine& engine, int x) {
    return 255 - RedOf(PixelAt(engine.TextureBitmap, x, 0));
}

} // namespace

TEST(RenderDisplayField, RoundsScaledValuesHalfToEven) {
    TextureEngine engine;
    engine.SetTextureSize(5, 1);
    const float values[] = {0.5f, 1.5f, 2.5f, 127.5f, 254.6f};
    std::copy(std::begin(values), std::end(values), engine.DisplayField.Data());
    RenderDisplayField(engine, StartupPalette());
    EXPECT_EQ(IndexAt(engine, 0), 0);
    EXPECT_EQ(IndexAt(engine, 1), 2);
    EXPECT_EQ(IndexAt(engine, 2), 2);
    EXPECT_EQ(IndexAt(engine, 3), 128);
    EXPECT_EQ(IndexAt(engine, 4), 255);
}

TEST(RenderDisplayField, ScalesTheRangeOfAOntoThePalette) {
    TextureEngine engine;
    engine.SetTextureSize(3, 1);
    const float a[] = {2.0f, 3.0f, 4.0f};
    std::copy(std::begin(a), std::end(a), engine.FieldA.Data());
    engine.FieldMin = 2.0f;
    engine.FieldMax = 4.0f;
    ScaleToDisplayField(engine);
    RenderDisplayField(engine, StartupPalette());
    EXPECT_EQ(IndexAt(engine, 0), 0);
    EXPECT_EQ(IndexAt(engine, 1), 128);
    EXPECT_EQ(IndexAt(engine, 2), 255);

    engine.FieldMin = engine.FieldMax = 3.0f; // a uniform field shows entry 0 everywhere
    ScaleToDisplayField(engine);
    RenderDisplayField(engine, StartupPalette());
    for (int x = 0; x < 3; ++x)
        EXPECT_EQ(IndexAt(engine, x), 0);
}

// The run's one-pass render gives the same scaled field and pixels as scaling into the
// display field and colouring that, over values spread across the range and at its ends.
TEST(RenderGrowthFrame, MatchesScalingThenColouring) {
    TextureEngine engine;
    engine.SetTextureSize(37, 11);
    float* a = engine.FieldA.Data();
    for (int k = 0; k < engine.CellCount(); ++k)
        a[k] = -3.0f + 0.0371f * float(k % 211) + 1e-7f * float(k);
    engine.FieldMin = -3.0f;
    engine.FieldMax = a[210];
    const Palette palette = StartupPalette();
    RenderGrowthFrame(engine, palette);
    const QImage rendered = engine.TextureBitmap.copy();
    ScaleToDisplayField(engine);
    RenderDisplayField(engine, palette);
    EXPECT_EQ(std::memcmp(engine.PaletteIndexField.Data(), engine.DisplayField.Data(),
                          sizeof(float) * std::size_t(engine.CellCount())),
              0);
    EXPECT_EQ(rendered, engine.TextureBitmap);
}
