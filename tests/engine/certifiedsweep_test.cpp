#include "engine/certifiedsweep.h"
#include "referencegrowth.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

using namespace mottler;

namespace {

const VectorWidth Widths[] = {VectorWidth::Sse2, VectorWidth::Avx2, VectorWidth::Avx512};

SweepCoefficients CoefficientsOf(const test::RefFactors& f) {
    SweepCoefficients k;
    k.FactorC = float(f.FactorC);
    k.FactorD = float(f.FactorD);
    k.MultiplierA = float(f.MultiplierA);
    k.MultiplierB = float(f.MultiplierB);
    k.DiffusionA = DiffusionFromFactor(double(f.FactorA));
    k.DiffusionB = DiffusionFromFactor(double(f.FactorB));
    k.Zero = f.Zero;
    return k;
}

void LoadInto(TextureEngine& engine, const test::RefTexture& t) {
    engine.SetTextureSize(t.W, t.H);
    std::memcpy(engine.FieldA.Data(), t.A.data(), t.A.size() * sizeof(float));
    std::memcpy(engine.FieldB.Data(), t.B.data(), t.B.size() * sizeof(float));
}

::testing::AssertionResult SameAsReference(const TextureEngine& engine, const test::RefTexture& t) {
    const std::size_t bytes = t.A.size() * sizeof(float);
    if (std::memcmp(engine.FieldA.Data(), t.A.data(), bytes) != 0)
        return ::testing::AssertionFailure() << "FieldA differs";
    if (std::memcmp(engine.FieldB.Data(), t.B.data(), bytes) != 0)
        return ::testing::AssertionFailure() << "FieldB differs";
    if (std::bit_cast<std::uint32_t>(engine.FieldMin) != std::bit_cast<std::uint32_t>(t.Min) ||
        std::bit_cast<std::uint32_t>(engine.FieldMax) != std::bit_cast<std::uint32_t>(t.Max))
        return ::testing::AssertionFailure() << "range differs";
    return ::testing::AssertionSuccess();
}

// dt = 0.01f = 5368709 × 2^−29.
constexpr std::uint64_t DtMantissa = 5368709;

// The inverse of an odd number modulo 2^31 (Newton's iteration).
std::uint64_t InverseMod31(std::uint64_t odd) {
    std::uint64_t x = odd;
    for (int i = 0; i < 5; ++i)
        x = x * (2 - odd * x);
    return x & 0x7fffffffu;
}

// A's new value with A's diffusion 0, as a double computation would round it.
float NaiveDoubleA(float a, float p, int c) {
    return float((((double(p) - a) - c) * double(0.01f)) + a);
}

float ExtendedA(float a, float p, int c) {
    using L = long double;
    return float((((L(p) - L(a)) - L(c)) * L(0.01f)) + L(a));
}

struct MidpointCells {
    int factorC = 0;
    std::vector<std::pair<float, float>> cells; // (a, b)
    int naiveMisses = 0; // cells a plain double computation rounds to the other float
};

// Cells whose new A (with A's diffusion 0, so the neighbours do not count) lies one unit of
// 2^−52 below a float rounding midpoint: a = A × 2^−21 in [6, 7], p = P × 2^−23 in [1, 2), so
// 2^52 × new A = 2^31 × A − Q × 5368709 with Q = 4A + 2^23 × C − P, which sits just below a
// midpoint of the floats in [4, 8) (2^30 modulo 2^31) when Q × 5368709 ≡ −(2^30 − 1) modulo
// 2^31. Double precision (53 bits) cannot hold the last unit and ties it onto the midpoint;
// about half of these cells then round to the other float than the extended result does.
MidpointCells CellsBesideMidpoints(int count) {
    MidpointCells found;
    const std::int64_t q0 = std::int64_t(((1u << 30) + 1) * InverseMod31(DtMantissa) & 0x7fffffffu);
    found.factorC = int(q0 >> 23) - 5; // then P = 4A + 2^23 C − Q0 lies in [2^23, 2^24) for
                                       // 4A between 6 × 2^23 and 7 × 2^23 (plus Q0 mod 2^23)
    const std::int64_t offset = (std::int64_t(found.factorC) << 23) - q0;
    for (std::int64_t bigA = ((1 << 23) - offset + 3) / 4;
         4 * bigA + offset < (1 << 24) && int(found.cells.size()) < count; bigA += 977) {
        const float a = std::ldexp(float(bigA), -21);
        const float p = std::ldexp(float(4 * bigA + offset), -23);
        // B with float(a × b) = p, when there is one
        float b = p / a;
        for (int step = 0; step < 4 && float((long double)a * b) != p; ++step)
            b = std::nextafter(b, float((long double)a * b) < p ? 1.0f : 0.0f);
        if (float((long double)a * b) != p)
            continue;
        found.cells.emplace_back(a, b);
        if (NaiveDoubleA(a, p, found.factorC) != ExtendedA(a, p, found.factorC))
            ++found.naiveMisses;
    }
    return found;
}

} // namespace

// Cells built to sit beside float rounding midpoints, where double precision alone rounds
// wrongly: every width recomputes them and matches the plain row order bit for bit.
TEST(CertifiedSweep, CellsBesideRoundingMidpointsAreRecomputedAndExact) {
    const MidpointCells midpoints = CellsBesideMidpoints(300);
    ASSERT_GT(midpoints.naiveMisses, 50); // the cells really do catch a plain double sweep out
    const test::RefFactors f{0, 0, midpoints.factorC, 16, 4.0, 4.0, 0, 0};
    test::RefTexture start = test::RefSeedNoise(40, 24, 7);
    for (std::size_t k = 0; k < midpoints.cells.size() && 2 * k < start.A.size(); ++k) {
        start.A[2 * k] = midpoints.cells[k].first;
        start.B[2 * k] = midpoints.cells[k].second;
    }
    for (VectorWidth width : Widths) {
        if (!HasVectorWidth(width))
            continue;
        test::RefTexture ref = start;
        TextureEngine engine;
        LoadInto(engine, ref);
        ASSERT_TRUE(test::RefSweep(ref, f));
        const long recomputed = CertifiedSweep(engine, CoefficientsOf(f), width);
        EXPECT_TRUE(SameAsReference(engine, ref)) << "width " << int(width);
        EXPECT_GE(recomputed, midpoints.naiveMisses) << "width " << int(width);
    }
}

// Many random sizes, factors, zero actions and drifts, grown for a few sweeps on every width
// this machine has, against the plain row order bit for bit; cells whose values overflow
// leave the fields exactly as row order does.
TEST(CertifiedSweep, RandomConfigurationsMatchTheReferenceOnEveryWidth) {
    test::RefGenerator random{20261207};
    for (int config = 0; config < 120; ++config) {
        const int w = 1 + int(random.Int(70));
        const int h = 1 + int(random.Int(40));
        test::RefFactors f;
        f.FactorA = random.Int(1200);
        f.FactorB = random.Int(1200);
        f.FactorC = int(random.Int(45));
        f.FactorD = int(random.Int(30));
        f.MultiplierA = 2.0 + random.Real() * 3.0;
        f.MultiplierB = 2.0 + random.Real() * 3.0;
        const int zeros[] = {0, 1, 2, 7};
        f.Zero = zeros[random.Int(4)];
        f.Drift = int(random.Int(5));
        const test::RefTexture seeded = test::RefSeedNoise(w, h, random.Step());
        const bool bomb = config % 10 == 9;
        for (VectorWidth width : Widths) {
            if (!HasVectorWidth(width))
                continue;
            SCOPED_TRACE(testing::Message() << "config " << config << ", " << w << "x" << h
                                            << ", width " << int(width));
            test::RefTexture ref = seeded;
            if (bomb)
                ref.A[ref.A.size() / 2] = ref.B[ref.B.size() / 2] = 1e20f;
            TextureEngine engine;
            LoadInto(engine, ref);
            for (int i = 0; i < 6; ++i) {
                if (!test::RefSweep(ref, f)) {
                    EXPECT_THROW(CertifiedSweep(engine, CoefficientsOf(f), width), GrowthOverflow);
                    ASSERT_TRUE(SameAsReference(engine, ref)) << "at the overflow";
                    break;
                }
                CertifiedSweep(engine, CoefficientsOf(f), width);
                ASSERT_TRUE(SameAsReference(engine, ref)) << "after sweep " << i;
                test::RefDrift(ref, f.Drift);
                ApplyDrift(engine, f.Drift);
            }
        }
    }
}
