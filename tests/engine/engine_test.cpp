#include "base/errors.h"
#include "engine/engine.h"
#include "errortext.h"

#include <gtest/gtest.h>

using namespace mottler;

// Recolouring before the first run reads the display field as palette indices.
TEST(SetTextureSize, GivesAWhiteBitmapAndFieldsAtPaletteEntryZero) {
    TextureEngine engine;
    engine.SetTextureSize(9, 4);
    engine.DisplayField[0] = 1e30f;
    engine.SetTextureSize(300, 200);
    EXPECT_EQ(engine.LastIndex(), 59999);
    EXPECT_EQ(engine.TextureBitmap.size(), QSize(300, 200));
    EXPECT_EQ(engine.TextureBitmap.pixel(299, 199), qRgb(255, 255, 255));
    for (int k = 0; k < engine.CellCount(); ++k) {
        ASSERT_EQ(engine.DisplayField[k], 0.0f);
        ASSERT_EQ(engine.PaletteIndexField[k], 0.0f);
    }
}

TEST(SetTextureSize, ImpossibleSizeKeepsThePreviousSizeAndFields) {
    TextureEngine engine;
    engine.SetTextureSize(7, 5);
    engine.FieldA[34] = 1.5f;
    const float* fieldA = engine.FieldA.Data();
    for (const auto& [w, h] : {std::pair{100000, 100000}, std::pair{1 << 20, 2000},
                               std::pair{0, 10}, std::pair{10, -1}}) {
        EXPECT_EQ(test::ErrorText([&] { engine.SetTextureSize(w, h); }),
                  "There is not enough memory to support textures of that size.  Please "
                  "choose a smaller size (e.g. 100 X 100) for your textures.")
            << w << " x " << h;
    }
    EXPECT_EQ(engine.Width(), 7);
    EXPECT_EQ(engine.Height(), 5);
    EXPECT_EQ(engine.FieldA.Data(), fieldA);
    EXPECT_EQ(engine.FieldA[34], 1.5f);
    EXPECT_EQ(engine.TextureBitmap.size(), QSize(7, 5));
}
