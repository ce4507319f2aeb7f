#include "engine/render.h"
#include "engine/renderkernels.h"
#include "engine/scaling.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <vector>

using namespace mottler;

namespace {

constexpr RenderKernel VectorKernels[] = {RenderKernel::Avx2, RenderKernel::Avx512};

/// A palette whose every entry differs in all three bytes, so a wrong index shows.
Palette DistinctPalette() {
    Palette palette;
    for (std::size_t i = 0; i < 256; ++i)
        palette.Pixels[i] = {std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i * 7 + 3)};
    return palette;
}

/// The cells scaled and coloured as the renderer always has: the extended-precision scaling
/// and one palette look-up per cell.
struct Rendered {
    std::vector<float> Scaled;
    std::vector<std::uint8_t> Pixels;
};

Rendered Reference(const std::vector<float>& a, float low, float scale, const Palette& palette) {
    Rendered r{std::vector<float>(a.size()), std::vector<std::uint8_t>(3 * a.size())};
    for (std::size_t k = 0; k < a.size(); ++k) {
        r.Scaled[k] = ScaledCell(a[k], low, scale);
        std::memcpy(&r.Pixels[3 * k], palette.Pixels[std::size_t(PaletteIndex(r.Scaled[k]))].data(),
                    3);
    }
    return r;
}

Rendered WithKernel(RenderKernel kernel, const std::vector<float>& a, float low, float scale,
                    const Palette& palette) {
    Rendered r{std::vector<float>(a.size()), std::vector<std::uint8_t>(3 * a.size())};
    ScaleAndColourCells(kernel, a.data(), r.Scaled.data(), r.Pixels.data(), int(a.size()), low,
                        scale, WidenPixels(palette));
    return r;
}

std::uint32_t Bits(float v) {
    std::uint32_t b;
    std::memcpy(&b, &v, 4);
    return b;
}

/// Every kernel this processor runs gives the reference's bits for the cells.
void ExpectAllKernelsExact(const std::vector<float>& a, float low, float scale) {
    const Palette palette = DistinctPalette();
    const Rendered expected = Reference(a, low, scale, palette);
    for (const RenderKernel kernel :
         {RenderKernel::Plain, RenderKernel::Avx2, RenderKernel::Avx512}) {
        if (!RenderKernelAvailable(kernel))
            continue;
        const Rendered got = WithKernel(kernel, a, low, scale, palette);
        for (std::size_t k = 0; k < a.size(); ++k)
            ASSERT_EQ(Bits(got.Scaled[k]), Bits(expected.Scaled[k]))
                << "kernel " << int(kernel) << ", cell " << k << ": a = " << a[k]
                << ", low = " << low << ", scale = " << scale;
        ASSERT_EQ(got.Pixels, expected.Pixels) << "kernel " << int(kernel);
    }
}

/// The scale a run uses for the range [low, high].
float ScaleFor(float low, float high) {
    using Ext = long double;
    return float(Ext(TextureEngine::PaletteTop) / (Ext(high) - Ext(low)));
}

} // namespace

TEST(RenderKernels, TheWidestAvailableIsChosenAndPlainIsAlwaysThere) {
    EXPECT_TRUE(RenderKernelAvailable(RenderKernel::Plain));
    EXPECT_TRUE(RenderKernelAvailable(ChosenRenderKernel()));
    for (const RenderKernel kernel : VectorKernels)
        std::printf("render kernel %d: %s\n", int(kernel),
                    RenderKernelAvailable(kernel) ? "tested" : "not on this processor");
}

// Random fields over random ranges, with rows of every length around the vector widths, and
// the range's ends, zeros of both signs (where the range holds 0) and values below the
// range among them.
TEST(RenderKernels, MatchThePlainRenderingBitForBitOnRandomFields) {
    std::mt19937 random(35089380);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    std::uniform_int_distribution<int> exponent(-40, 40);
    for (int trial = 0; trial < 400; ++trial) {
        const float low = trial % 4 == 0 ? 0.0f : std::ldexp(unit(random) - 0.3f, exponent(random));
        const float high = low + std::ldexp(unit(random) + 1e-3f, exponent(random));
        if (!(high > low))
            continue;
        const float scale = ScaleFor(low, high);
        const int count = 1 + trial % 53;
        std::vector<float> a(std::size_t(count) * 7);
        for (float& v : a)
            v = low + (high - low) * unit(random);
        a[0] = low;
        a.back() = high;
        if (a.size() > 3) {
            a[1] = low <= 0.0f && high >= 0.0f ? 0.0f : low;
            a[2] = low <= 0.0f && high >= 0.0f ? -0.0f : high;
            a[3] = low - (high - low) * 0.25f;
        }
        ExpectAllKernelsExact(a, low, scale);
    }
}

// Cells whose exact scaled value lies a hair below a float rounding midpoint: (a − 2⁻⁵⁰) × 1.5
// with a in [64, 128) and its last significand bit set. Extended precision keeps the hair,
// double precision loses it in the difference and lands on the midpoint itself, where a tie
// to even may round the other way. The kernels must notice and compute those cells plainly.
TEST(RenderKernels, CellsNextToRoundingMidpointsAreComputedPlainly) {
    std::mt19937 random(600800);
    std::uniform_int_distribution<std::uint32_t> significand(0, (1u << 23) - 1);
    const float low = std::ldexp(1.0f, -50);
    const float scale = 1.5f;
    std::vector<float> a(1000);
    int doubleWouldDiffer = 0;
    for (float& v : a) {
        v = std::ldexp(1.0f + float(significand(random) | 1u) * std::ldexp(1.0f, -23), 6);
        const auto naive = float((double(v) - double(low)) * double(scale));
        doubleWouldDiffer += Bits(naive) != Bits(ScaledCell(v, low, scale));
    }
    EXPECT_GT(doubleWouldDiffer, 100); // the cells are adversarial indeed
    ExpectAllKernelsExact(a, low, scale);
}

// Exact midpoints (a × 1.5 with an odd last bit and a low of 0), values whose float falls
// below the normal range, and huge ranges.
TEST(RenderKernels, MatchThePlainRenderingAtTiesTinyValuesAndWideRanges) {
    std::vector<float> ties;
    for (int i = 0; i < 300; ++i)
        ties.push_back(std::ldexp(1.0f + float(2 * i + 1) * std::ldexp(1.0f, -23), 6));
    ExpectAllKernelsExact(ties, 0.0f, 1.5f);

    std::vector<float> tiny;
    for (int i = 0; i < 100; ++i)
        tiny.push_back(std::ldexp(float(i), -149 + i % 30));
    ExpectAllKernelsExact(tiny, 0.0f, 3.0f);
    ExpectAllKernelsExact(tiny, std::ldexp(1.0f, -149), 1e-3f);

    std::vector<float> wide;
    for (int i = 0; i < 100; ++i)
        wide.push_back(std::ldexp(1.0f + float(i) / 128.0f, i - 50));
    const float low = std::ldexp(1.0f, -60);
    ExpectAllKernelsExact(wide, low, ScaleFor(low, wide.back()));
}

// The whole frame: every kernel gives the same palette-index field and texture bitmap, on a
// width that leaves a tail after the vector steps.
TEST(RenderKernels, RenderGrowthFrameIsTheSameWithEveryKernel) {
    TextureEngine engine;
    engine.SetTextureSize(37, 11);
    float* a = engine.FieldA.Data();
    for (int k = 0; k < engine.CellCount(); ++k)
        a[k] = 0.25f + 0.0371f * float(k % 211) + 1e-7f * float(k);
    engine.FieldMin = 0.25f;
    engine.FieldMax = a[210];
    const Palette palette = DistinctPalette();
    RenderGrowthFrame(engine, palette, RenderKernel::Plain);
    const QImage expected = engine.TextureBitmap.copy();
    const std::vector<float> scaled(engine.PaletteIndexField.Data(),
                                    engine.PaletteIndexField.Data() + engine.CellCount());
    for (const RenderKernel kernel : VectorKernels) {
        if (!RenderKernelAvailable(kernel))
            continue;
        engine.TextureBitmap.fill(0);
        RenderGrowthFrame(engine, palette, kernel);
        EXPECT_EQ(engine.TextureBitmap, expected);
        EXPECT_EQ(std::memcmp(engine.PaletteIndexField.Data(), scaled.data(),
                              sizeof(float) * scaled.size()),
                  0);
    }
}
