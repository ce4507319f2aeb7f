#include "output/heightmap.h"

#include <gtest/gtest.h>

using namespace mottler;

TEST(HeightMap, SpansTheFieldsRangeAndAUniformFieldIsAllZero) {
    TextureEngine engine;
    engine.SetTextureSize(2, 2);
    const float a[] = {2.0f, 3.0f, 4.0f, 3.5f};
    std::copy(std::begin(a), std::end(a), engine.FieldA.Data());
    const QImage map = HeightMap(engine);
    ASSERT_EQ(map.format(), QImage::Format_Grayscale16);
    const auto value = [&map](int x, int y) {
        return reinterpret_cast<const quint16*>(map.constScanLine(y))[x];
    };
    EXPECT_EQ(value(0, 0), 0);
    EXPECT_EQ(value(1, 0), 32768); // 32767.5, half to even
    EXPECT_EQ(value(0, 1), 65535);
    EXPECT_EQ(value(1, 1), 49151); // 49151.25

    std::fill_n(engine.FieldA.Data(), 4, 7.25f);
    const QImage flat = HeightMap(engine);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(reinterpret_cast<const quint16*>(flat.constScanLine(k / 2))[k % 2], 0);
}
