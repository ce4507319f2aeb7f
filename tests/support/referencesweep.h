#pragma once

// Moving a reference texture into the engine and back: the sweep tests run the engine and
// the plain reference side by side on the same state.

#include "engine/sweep.h"
#include "referencegrowth.h"

#include <cstring>
#include <gtest/gtest.h>

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

} // namespace mottler::test
