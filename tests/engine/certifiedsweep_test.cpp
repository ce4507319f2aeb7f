#include "engine/certifiedsweep.h"
#include "engine/certifiedteam.h"
#include "engine/texturesettings.h"
#include "referencegrowth.h"
#include "referencesweep.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

using namespace mottler;

namespace {

const VectorWidth Widths[] = {VectorWidth::Sse2, VectorWidth::Avx2, VectorWidth::Avx512};

// dt = 0.01f = 5368709 × 2^−29.
constexpr std::uint64_t DtMantissa = 5368709;

// The inverse of an odd number modulo 2^31 (Newton's iteration).
std::uint64_t InverseMod31(std::uint64_t odd) {
    std::uint64_t x = odd;
    for (int i = 0; i < 5; ++i)
        x = x * (2 - odd * x);
    return x & 0x7fffffffu;
}

// A's new value with A's diffusion 0, as a plain double computation rounds it, and as the
// extended-precision one does.
float DoubleA(float a, float p, int c) {
    return float((((double(p) - a) - c) * double(0.01f)) + a);
}

float ExtendedA(float a, float p, int c) {
    using L = long double;
    return float((((L(p) - L(a)) - L(c)) * L(0.01f)) + L(a));
}

struct MidpointCells {
    int FactorC = 0;
    std::vector<std::pair<float, float>> Cells; // (a, b)
    int DoubleMisses = 0; // cells a plain double computation rounds to the other float
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
    found.FactorC = int(q0 >> 23) - 5; // then P = 4A + 2^23 C − Q0 lies in [2^23, 2^24)
    const std::int64_t offset = (std::int64_t(found.FactorC) << 23) - q0;
    for (std::int64_t bigA = ((1 << 23) - offset + 3) / 4;
         4 * bigA + offset < (1 << 24) && int(found.Cells.size()) < count; bigA += 977) {
        const float a = std::ldexp(float(bigA), -21);
        const float p = std::ldexp(float(4 * bigA + offset), -23);
        // B with float(a × b) = p, when there is one
        float b = p / a;
        for (int step = 0; step < 4 && float((long double)a * b) != p; ++step)
            b = std::nextafter(b, float((long double)a * b) < p ? 1.0f : 0.0f);
        if (float((long double)a * b) != p)
            continue;
        found.Cells.emplace_back(a, b);
        if (DoubleA(a, p, found.FactorC) != ExtendedA(a, p, found.FactorC))
            ++found.DoubleMisses;
    }
    return found;
}

} // namespace

// Cells built to sit beside float rounding midpoints, placed where the vector lanes sweep
// them (away from the wrapping columns): every width recomputes them and matches the plain
// row order bit for bit.
TEST(CertifiedSweep, CellsBesideRoundingMidpointsAreRecomputedAndExact) {
    const MidpointCells midpoints = CellsBesideMidpoints(250);
    ASSERT_GT(midpoints.DoubleMisses, 50); // the cells really do catch a plain double sweep out
    const test::RefFactors f{0, 0, midpoints.FactorC, 16, 4.0, 4.0, 0, 0};
    const int w = 40, h = 24;
    test::RefTexture start = test::RefSeedNoise(w, h, 7);
    std::size_t placed = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 9; x <= 30 && placed < midpoints.Cells.size(); x += 2, ++placed) {
            start.A[std::size_t(y * w + x)] = midpoints.Cells[placed].first;
            start.B[std::size_t(y * w + x)] = midpoints.Cells[placed].second;
        }
    ASSERT_EQ(placed, midpoints.Cells.size());
    for (VectorWidth width : Widths) {
        if (!HasVectorWidth(width))
            continue;
        test::RefTexture ref = start;
        TextureEngine engine;
        test::LoadInto(engine, ref);
        ASSERT_TRUE(test::RefSweep(ref, f));
        const long recomputed = CertifiedSweep(engine, test::CoefficientsOf(f), width);
        EXPECT_TRUE(test::SameState(engine, ref)) << VectorWidthName(width);
        EXPECT_GE(recomputed, midpoints.DoubleMisses) << VectorWidthName(width);
    }
}

// Random sizes (widths 1 and 2, heights up to and past one group of lanes, short last
// groups), factors, zero actions and drifts, grown for a few sweeps on every width this
// machine has, against the plain row order bit for bit; every tenth configuration has a
// cell that overflows, which must leave the fields exactly as row order does.
TEST(CertifiedSweep, RandomConfigurationsMatchTheReferenceOnEveryWidth) {
    test::RefGenerator random{20261207};
    for (int config = 0; config < 150; ++config) {
        const int w = 1 + int(random.Int(70));
        const int h = 1 + int(random.Int(40));
        test::RefFactors f;
        f.FactorA = random.Int(1200);
        f.FactorB = random.Int(1200);
        f.FactorC = config % 15 == 14 ? 10000 : int(random.Int(45)); // 10000: a uniform field
        f.FactorD = int(random.Int(30));
        f.MultiplierA = 2.0 + random.Real() * 3.0;
        f.MultiplierB = 2.0 + random.Real() * 3.0;
        const int zeros[] = {ZeroActionZero, ZeroActionB, ZeroActionAbs, 7};
        f.Zero = zeros[random.Int(4)];
        f.Drift = int(random.Int(5));
        test::RefTexture seeded = test::RefSeedNoise(w, h, random.Step());
        if (config % 10 == 9) {
            const std::size_t bomb = random.Int(std::uint32_t(seeded.A.size()));
            seeded.A[bomb] = seeded.B[bomb] = 1e20f;
        }
        for (VectorWidth width : Widths) {
            if (!HasVectorWidth(width))
                continue;
            SCOPED_TRACE(testing::Message() << "config " << config << ", " << w << "x" << h << ", "
                                            << VectorWidthName(width));
            test::RefTexture ref = seeded;
            TextureEngine engine;
            test::LoadInto(engine, ref);
            for (int i = 0; i < 6; ++i) {
                const SweepCoefficients k = test::CoefficientsOf(f);
                if (!test::RefSweep(ref, f)) {
                    EXPECT_THROW(CertifiedSweep(engine, k, width), GrowthOverflow);
                    ASSERT_TRUE(test::SameState(engine, ref)) << "at the overflow";
                    break;
                }
                CertifiedSweep(engine, k, width);
                ASSERT_TRUE(test::SameState(engine, ref)) << "after sweep " << i;
                test::RefDrift(ref, f.Drift);
                ApplyDrift(engine, f.Drift);
            }
        }
    }
}

// Values that grow several times over in one sweep (A's own weight negative, its diffusion
// large), so the cells of a block read values larger than the block's bound expected, and
// values from the row above larger than a group's own: every width and a team match the
// plain row order bit for bit, up to the overflow.
TEST(CertifiedSweep, ValuesThatOutgrowTheBoundsOfTheirBlockMatchTheReference) {
    test::RefFactors f{1200, 900, 12, 16, -4.0, 4.0, 0, 0};
    const int w = 150, h = 70;
    test::RefTexture seeded = test::RefSeedNoise(w, h, 11);
    for (int x = 0; x < w; ++x)
        seeded.A[std::size_t(31 * w + x)] *= 1000.0f; // the last row of the first group
    for (VectorWidth width : Widths) {
        if (!HasVectorWidth(width))
            continue;
        for (int threads : {1, 2}) {
            SCOPED_TRACE(testing::Message() << VectorWidthName(width) << ", " << threads);
            test::RefTexture ref = seeded;
            TextureEngine engine;
            test::LoadInto(engine, ref);
            CertifiedTeam team(std::max(threads, 2), width);
            for (int i = 0; i < 40; ++i) {
                const SweepCoefficients k = test::CoefficientsOf(f);
                if (!test::RefSweep(ref, f)) {
                    EXPECT_THROW(threads == 1 ? CertifiedSweep(engine, k, width)
                                              : team.Sweep(engine, k),
                                 GrowthOverflow);
                    ASSERT_TRUE(test::SameState(engine, ref)) << "at the overflow, sweep " << i;
                    break;
                }
                threads == 1 ? CertifiedSweep(engine, k, width) : team.Sweep(engine, k);
                ASSERT_TRUE(test::SameState(engine, ref)) << "after sweep " << i;
            }
        }
    }
}
