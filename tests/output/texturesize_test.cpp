#include "engine/random.h"
#include "engine/render.h"
#include "engine/scaling.h"
#include "engine/seeding.h"
#include "engine/texturesettings.h"
#include "errortext.h"
#include "output/quarterturn.h"
#include "output/texturesize.h"
#include "palette/palette.h"
#include "base/memoryprobe.h"

#include <gtest/gtest.h>

using namespace mottler;

namespace {

/// A grown-looking 100 × 50 texture, rendered through the start-up palette.
void MakeTexture(TextureEngine& engine) {
    engine.SetTextureSize(100, 50);
    SetRandomSeed(7);
    SeedTexture(engine, RandomNoise, ShapeTuning{});
    std::copy_n(engine.InitialA.Data(), engine.CellCount(), engine.FieldA.Data());
    engine.FieldMin = 0.0f;
    engine.FieldMax = 12.0f;
    ScaleToDisplayField(engine);
    RenderDisplayField(engine, StartupPalette());
}

} // namespace

TEST(TextureSize, SameSizeKeepsTheTextureAndRendersItUprightAfterAQuarterTurn) {
    TextureEngine engine;
    MakeTexture(engine);
    const QImage shown = engine.TextureBitmap.copy();
    const float* fieldA = engine.FieldA.Data();

    engine.TextureBitmap = TurnedRight(engine.TextureBitmap); // the save window's rotation
    ASSERT_EQ(TextureSizeChangeFor(engine, 100, 50), TextureSizeChange::KeepTexture);
    RenderDisplayField(engine, StartupPalette());
    EXPECT_EQ(engine.TextureBitmap, shown);
    EXPECT_EQ(engine.FieldA.Data(), fieldA);
}

TEST(TextureSize, AnotherSizeSeedsANewTextureAndSidesBelowTwoAreRefused) {
    TextureEngine engine;
    MakeTexture(engine);
    EXPECT_EQ(TextureSizeChangeFor(engine, 100, 51), TextureSizeChange::NewTexture);
    for (const auto& [w, h] : {std::pair{1, 50}, std::pair{100, 0}, std::pair{-3, -3}})
        EXPECT_EQ(test::ErrorText([&] { TextureSizeChangeFor(engine, w, h); }),
                  "The width and height must each be at least 2.");
    EXPECT_EQ(engine.Width(), 100);
    EXPECT_EQ(engine.Height(), 50);
}

TEST(TextureSize, AvailableMemoryKeepsAReserveAndUnknownMemoryLeavesItToTheAllocation) {
    constexpr std::uint64_t MB = 1024 * 1024;
    EXPECT_TRUE(FitsAvailableMemory(100 * MB, 1024 * MB));
    EXPECT_FALSE(FitsAvailableMemory(1000 * MB, 1024 * MB));
    EXPECT_FALSE(FitsAvailableMemory(1, 100 * MB));
    EXPECT_TRUE(FitsAvailableMemory(1000 * MB, std::nullopt));
}
