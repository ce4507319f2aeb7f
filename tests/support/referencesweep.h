#pragma once

// Moving a reference texture into the engine and back: the sweep tests run the engine and
// the plain reference side by side on the same state.

#include "engine/sweep.h"
#include "referencegrowth.h"

#include <cstring>
#include <gtest/gtest.h>
#include <initializer_list>

namespace mottler::test {

/// The engine's coefficients for the reference's factors.
inline SweepCoefficients CoefficientsOf(const RefFactors& f) {
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

/// Sizes the engine to the texture and copies its fields in.
inline void LoadInto(TextureEngine& engine, const RefTexture& t) {
    engine.SetTextureSize(t.W, t.H);
    std::memcpy(engine.FieldA.Data(), t.A.data(), t.A.size() * sizeof(float));
    std::memcpy(engine.FieldB.Data(), t.B.data(), t.B.size() * sizeof(float));
}

/// Noise with cells `first` and `second` (or one cell, when equal) so large that A × B
/// overflows there.
inline RefTexture WithOverflowingCells(int w, int h, int first, int second) {
    RefTexture t = RefSeedNoise(w, h, std::uint32_t(first * w * h + second));
    for (int cell : {first, second})
        t.A[std::size_t(cell)] = t.B[std::size_t(cell)] = 1e20f;
    return t;
}

/// Both fields bit for bit.
inline ::testing::AssertionResult SameFields(const TextureEngine& engine, const RefTexture& t) {
    const std::size_t bytes = t.A.size() * sizeof(float);
    if (std::memcmp(engine.FieldA.Data(), t.A.data(), bytes) != 0)
        return ::testing::AssertionFailure() << "FieldA differs";
    if (std::memcmp(engine.FieldB.Data(), t.B.data(), bytes) != 0)
        return ::testing::AssertionFailure() << "FieldB differs";
    return ::testing::AssertionSuccess();
}

/// Both fields and FieldMin and FieldMax bit for bit.
inline ::testing::AssertionResult SameState(const TextureEngine& engine, const RefTexture& t) {
    const ::testing::AssertionResult fields = SameFields(engine, t);
    if (!fields)
        return fields;
    if (std::memcmp(&engine.FieldMin, &t.Min, sizeof(float)) != 0 ||
        std::memcmp(&engine.FieldMax, &t.Max, sizeof(float)) != 0)
        return ::testing::AssertionFailure() << "range differs";
    return ::testing::AssertionSuccess();
}

/// A texture size for the sweep tests.
struct SweepSize {
    int W, H;
};

/// `sweep` (a callable taking the engine and the coefficients) against the plain row order
/// bit for bit, `sweeps` times from seeded noise at each size: two factor sets and one that
/// turns the field uniform, each with every zero action.
template <class SweepFunction>
void ExpectSweepsMatchTheReference(SweepFunction&& sweep, std::initializer_list<SweepSize> sizes,
                                   int sweeps) {
    const RefFactors factorSets[3] = {
        {622, 1000, 12, 16, 4.0, 4.0, 0, 0},
        {300, 700, 40, 20, 3.5, 4.25, 0, 0},
        {0, 0, 10000, 16, 4.0, 4.0, 0, 0}, // every A below 0: a uniform field
    };
    for (const SweepSize size : sizes)
        for (const RefFactors& base : factorSets)
            for (int zero : {0, 1, 2, 7}) {
                SCOPED_TRACE(::testing::Message() << size.W << "x" << size.H << " C "
                                                  << base.FactorC << " zero " << zero);
                RefFactors f = base;
                f.Zero = zero;
                RefTexture ref = RefSeedNoise(size.W, size.H, 35089380);
                TextureEngine engine;
                LoadInto(engine, ref);
                for (int i = 0; i < sweeps; ++i) {
                    ASSERT_TRUE(RefSweep(ref, f));
                    sweep(engine, CoefficientsOf(f));
                    ASSERT_TRUE(SameState(engine, ref)) << "after sweep " << i;
                }
            }
}

/// `sweep` on w × h noise with one or two overflowing cells (every `firstStep`th cell, with
/// every `secondStep`th from it): it throws and leaves fields and range as row order does at
/// the first one.
template <class SweepFunction>
void ExpectOverflowLeavesTheRowOrdersState(SweepFunction&& sweep, int w, int h, int firstStep,
                                           int secondStep) {
    const RefFactors f{622, 1000, 12, 16, 4.0, 4.0, 0, 0};
    for (int first = 0; first < w * h; first += firstStep)
        for (int second = first; second < w * h; second += secondStep) {
            RefTexture ref = WithOverflowingCells(w, h, first, second);
            TextureEngine engine;
            LoadInto(engine, ref);
            ASSERT_FALSE(RefSweep(ref, f));
            EXPECT_THROW(sweep(engine, CoefficientsOf(f)), GrowthOverflow);
            ASSERT_TRUE(SameState(engine, ref)) << "cells " << first << ", " << second;
        }
}

} // namespace mottler::test
