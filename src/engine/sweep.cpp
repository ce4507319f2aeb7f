#include "engine/sweep.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>

namespace mottler {
namespace {

using Ext = long double; // the 80-bit x87 format on x86-64: 64-bit significand

// Rounds an extended value to float the way a store into a field does; a result that does
// not fit (or is not a number) stops the run.
inline float Store(Ext value) {
    const float f = static_cast<float>(value);
    if (!(std::fabs(f) <= FLT_MAX)) [[unlikely]]
        throw GrowthOverflow();
    return f;
}

struct SweepState {
    float* a;
    float* b;
    SweepCoefficients k;
    float fieldMin;
    float fieldMax;
};

// Updates cell j in place from its four neighbours; earlier cells already hold this sweep's
// values, later ones the previous sweep's.
inline void UpdateCell(SweepState& s, int j, int up, int down, int left, int right) {
    float* const A = s.a;
    float* const B = s.b;
    const float a = A[j];
    const float b = B[j];
    const float p = Store(Ext(a) * Ext(b));

    const Ext lapA = (((Ext(A[down]) - Ext(s.k.MultiplierA) * Ext(a)) + Ext(A[up])) +
                      Ext(A[right])) + Ext(A[left]);
    float newA = Store((((Ext(p) - Ext(a)) - Ext(s.k.FactorC)) + lapA * Ext(s.k.DiffusionA)) *
                           Ext(s.k.Dt) + Ext(a));
    if (newA < 0.0f) {
        switch (s.k.Zero) {
        case 0: newA = 0.0f; break;
        case 1: newA = b; break;
        case 2: newA = std::fabs(newA); break;
        default: break;
        }
    }
    A[j] = newA;
    s.fieldMin = std::min(s.fieldMin, newA);
    s.fieldMax = std::max(s.fieldMax, newA);

    const Ext lapB = (((Ext(B[down]) - Ext(s.k.MultiplierB) * Ext(b)) + Ext(B[left])) +
                      Ext(B[right])) + Ext(B[up]);
    const float newB = Store(((Ext(s.k.FactorD) - Ext(p)) + lapB * Ext(s.k.DiffusionB)) *
                                 Ext(s.k.Dt) + Ext(b));
    B[j] = newB < 0.0f ? 0.0f : newB;
}

// One row: the first and last columns wrap, the columns between need no wrap at all.
inline void SweepRow(SweepState& s, int rowStart, int upStart, int downStart, int w) {
    const int last = w - 1;
    if (last == 0) {
        UpdateCell(s, rowStart, upStart, downStart, rowStart, rowStart);
        return;
    }
    UpdateCell(s, rowStart, upStart, downStart, rowStart + last, rowStart + 1);
    for (int x = 1; x < last; ++x)
        UpdateCell(s, rowStart + x, upStart + x, downStart + x, rowStart + x - 1,
                   rowStart + x + 1);
    UpdateCell(s, rowStart + last, upStart + last, downStart + last, rowStart + last - 1,
               rowStart);
}

} // namespace

float DiffusionFromFactor(double factor) {
    return static_cast<float>(Ext(factor) * 0.05L);
}

void Sweep(TextureEngine& engine, const SweepCoefficients& k) {
    const int w = engine.Width();
    const int h = engine.Height();
    SweepState s{engine.FieldA.Data(), engine.FieldB.Data(), k, 9999999.0f, 0.0f};
    for (int y = 0; y < h; ++y) {
        const int upRow = (y == 0 ? h - 1 : y - 1);
        const int downRow = (y == h - 1 ? 0 : y + 1);
        SweepRow(s, y * w, upRow * w, downRow * w, w);
    }
    engine.FieldMin = s.fieldMin;
    engine.FieldMax = s.fieldMax;
}

void ApplyDrift(TextureEngine& engine, int drift) {
    float* const a = engine.FieldA.Data();
    const int n = engine.CellCount();
    const int w = engine.Width();
    const auto rowBytes = static_cast<std::size_t>(w) * sizeof(float);
    float* const hold = engine.DriftRow.Data();
    switch (drift) {
    case 1: std::rotate(a, a + 1, a + n); break;
    case 2: std::rotate(a, a + n - 1, a + n); break;
    case 3:
        std::memcpy(hold, a, rowBytes);
        std::memmove(a, a + w, static_cast<std::size_t>(n - w) * sizeof(float));
        std::memcpy(a + n - w, hold, rowBytes);
        break;
    case 4:
        std::memcpy(hold, a + n - w, rowBytes);
        std::memmove(a + w, a, static_cast<std::size_t>(n - w) * sizeof(float));
        std::memcpy(a, hold, rowBytes);
        break;
    default: break;
    }
}

} // namespace mottler
