#pragma once

// The pieces of the growth sweep shared by its single-threaded and threaded forms: the cell
// arithmetic and groups of rows updated as a skewed wavefront.

#include "engine/sweep.h"
#include "engine/texturesettings.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <immintrin.h>
#include <limits>
#include <type_traits>

namespace mottler::wavefront {

using Ext = long double; // the 80-bit x87 format on x86-64: 64-bit significand

// Bit 31 is set when a float is infinite or NaN (all exponent bits set). OR-ed over a group
// of cells, one test at the group's end checks every value the group stored.
inline std::uint32_t NotFiniteBit(float f) {
    return (std::bit_cast<std::uint32_t>(f) & 0x7f800000u) + 0x00800000u;
}
constexpr std::uint32_t NotFiniteMask = 0x80000000u;

inline bool Fits(float f) {
    return (NotFiniteBit(f) & NotFiniteMask) == 0;
}

// v < 0 ? 0 : v without a branch (the sign of B's update is unpredictable). MAXSS returns
// its second operand unless the first is greater, so −0.0, which is not below 0, stays −0.0.
inline float ZeroIfNegative(float v) {
    return _mm_cvtss_f32(_mm_max_ss(_mm_setzero_ps(), _mm_set_ss(v)));
}

// The zero action on a new A below 0, without a branch. Any action other than 0 … 2 leaves
// the value alone; −0.0 is not below 0 and stays as it is under every action.
template <int Zero> inline float ApplyZeroAction(float newA, float oldB) {
    if constexpr (Zero == ZeroActionZero) {
        return ZeroIfNegative(newA);
    } else if constexpr (Zero == ZeroActionB || Zero == ZeroActionAbs) {
        const __m128 v = _mm_set_ss(newA);
        const __m128 negative = _mm_cmplt_ss(v, _mm_setzero_ps());
        if constexpr (Zero == ZeroActionB)
            return _mm_cvtss_f32(
                _mm_or_ps(_mm_and_ps(negative, _mm_set_ss(oldB)), _mm_andnot_ps(negative, v)));
        else
            return _mm_cvtss_f32(_mm_xor_ps(v, _mm_and_ps(negative, _mm_set_ss(-0.0f))));
    } else {
        (void)oldB;
        return newA;
    }
}

// Cell offsets of one cell and its four wrapped neighbours.
struct Cell {
    int J, Up, Down, Left, Right;
};

// The least and greatest new A of the cells folded in so far.
struct Range {
    float Min = std::numeric_limits<float>::infinity();
    float Max = -std::numeric_limits<float>::infinity();

    void Add(float v) {
        Min = std::min(Min, v);
        Max = std::max(Max, v);
    }
    // Folds a later part of the sweep in: on ties (+0.0 against −0.0) the earlier value
    // stays, as it does cell by cell.
    void Add(const Range& later) {
        Min = std::min(Min, later.Min);
        Max = std::max(Max, later.Max);
    }
};

// One cell's arithmetic before anything is stored: the product p, and A and B before the
// zero action and the clamp. Every read comes before the cell's stores, so a cell that is
// its own neighbour (width or height 1) reads its previous value.
struct CellValues {
    float P, A, B;
};

inline CellValues Compute(const float* A, const float* B, const SweepCoefficients& k,
                          const Cell& c) {
    const float a = A[c.J];
    const float b = B[c.J];
    const auto p = static_cast<float>(Ext(a) * Ext(b));
    const Ext lapA =
        (((Ext(A[c.Down]) - Ext(k.MultiplierA) * Ext(a)) + Ext(A[c.Up])) + Ext(A[c.Right])) +
        Ext(A[c.Left]);
    const auto newA = static_cast<float>(
        (((Ext(p) - Ext(a)) - Ext(k.FactorC)) + lapA * Ext(k.DiffusionA)) * Ext(k.Dt) + Ext(a));
    const Ext lapB =
        (((Ext(B[c.Down]) - Ext(k.MultiplierB) * Ext(b)) + Ext(B[c.Left])) + Ext(B[c.Right])) +
        Ext(B[c.Up]);
    const auto newB = static_cast<float>(
        ((Ext(k.FactorD) - Ext(p)) + lapB * Ext(k.DiffusionB)) * Ext(k.Dt) + Ext(b));
    return {p, newA, newB};
}

// The cell as the wavefront does it: everything stored, no branch; returns the not-finite
// bits of the three values, which the group tests once.
template <int Zero>
inline std::uint32_t UpdateCell(float* A, float* B, const SweepCoefficients& k, const Cell& c,
                                Range& range) {
    const float oldB = B[c.J];
    const CellValues v = Compute(A, B, k, c);
    const float newA = ApplyZeroAction<Zero>(v.A, oldB);
    A[c.J] = newA;
    range.Add(newA);
    B[c.J] = ZeroIfNegative(v.B);
    return NotFiniteBit(v.P) | NotFiniteBit(v.A) | NotFiniteBit(v.B);
}

// The cell as the plain row order does it: a value that does not fit is not stored and the
// sweep ends there (A keeps its new value when only B's overflowed).
template <int Zero>
inline void UpdateOrThrow(float* A, float* B, const SweepCoefficients& k, const Cell& c,
                          Range& range) {
    const float oldB = B[c.J];
    const CellValues v = Compute(A, B, k, c);
    if (!Fits(v.P) || !Fits(v.A))
        throw GrowthOverflow();
    const float newA = ApplyZeroAction<Zero>(v.A, oldB);
    A[c.J] = newA;
    range.Add(newA);
    if (!Fits(v.B))
        throw GrowthOverflow();
    B[c.J] = ZeroIfNegative(v.B);
}

// Rows updated together as a skewed wavefront: independent chains of dependent x87
// operations that overlap, up to the unit's limit of about one add or multiply a cycle.
// Three to five rows measured alike (bench/sweep_bench.cpp), two slower, six slower again as
// the compiler runs out of registers.
constexpr int WavefrontRows = 4;

// Rows of a group of the certified sweep: one vector lane each, eight doubles filling an
// AVX-512 register (two AVX2 or four SSE2 registers).
constexpr int CertifiedRows = 8;

// The fields, the run's coefficients and the range of one sweep.
struct SweepContext {
    float* A;
    float* B;
    const SweepCoefficients& K;
    int W;
    int H;
    float* Scratch; // A and B of one group of rows, as they were before the group
    Range FieldRange;
};

// Puts a sweep's range into the engine however the sweep ends, an overflow included.
struct PublishRange {
    TextureEngine& Engine;
    const Range& FieldRange;
    ~PublishRange() {
        Engine.FieldMin = FieldRange.Min;
        Engine.FieldMax = FieldRange.Max;
    }
};

// Offsets of the rows of a group and of the rows above and below each of them.
template <int Rows> struct GroupRows {
    int Row[Rows];
    int Up[Rows];
    int Down[Rows];

    GroupRows(int y, int w, int h) {
        for (int r = 0; r < Rows; ++r) {
            Row[r] = (y + r) * w;
            Up[r] = (y + r == 0 ? h - 1 : y + r - 1) * w;
            Down[r] = (y + r + 1 == h ? 0 : y + r + 1) * w;
        }
    }
    int Cells(int w) const { return Rows * w; }
    int Steps(int w) const { return w + Rows - 1; }
};

// Cell x of a row, wrapping at the row's first and last column.
inline Cell WrappedCell(int w, int row, int up, int down, int x) {
    const int left = x == 0 ? w - 1 : x - 1;
    const int right = x == w - 1 ? 0 : x + 1;
    return {row + x, up + x, down + x, row + left, row + right};
}

// Step x of the wavefront near a row's ends: cell x − r of each row r that has one there.
template <int Zero, int Rows>
inline std::uint32_t EdgeStep(SweepContext& s, const GroupRows<Rows>& g, Range* ranges, int x) {
    std::uint32_t bits = 0;
    for (int r = 0; r < Rows; ++r) {
        const int column = x - r;
        if (column >= 0 && column < s.W)
            bits |= UpdateCell<Zero>(
                s.A, s.B, s.K, WrappedCell(s.W, g.Row[r], g.Up[r], g.Down[r], column), ranges[r]);
    }
    return bits;
}

// Step x of the wavefront away from the ends, where no neighbour wraps.
template <int Zero, int Rows>
inline std::uint32_t InteriorStep(SweepContext& s, const GroupRows<Rows>& g, Range* ranges, int x) {
    std::uint32_t bits = 0;
#pragma GCC unroll 8
    for (int r = 0; r < Rows; ++r) {
        const int c = x - r;
        const int j = g.Row[r] + c;
        bits |= UpdateCell<Zero>(s.A, s.B, s.K, {j, g.Up[r] + c, g.Down[r] + c, j - 1, j + 1},
                                 ranges[r]);
    }
    return bits;
}

// Scratch copy of `cells` cells of A and B from `first` on, as they were before a group.
inline void SaveRows(const SweepContext& s, int first, int cells) {
    const auto bytes = static_cast<std::size_t>(cells) * sizeof(float);
    std::memcpy(s.Scratch, s.A + first, bytes);
    std::memcpy(s.Scratch + cells, s.B + first, bytes);
}

inline void RestoreRows(const SweepContext& s, int first, int cells) {
    const auto bytes = static_cast<std::size_t>(cells) * sizeof(float);
    std::memcpy(s.A + first, s.Scratch, bytes);
    std::memcpy(s.B + first, s.Scratch + cells, bytes);
}

// The group's rows in the plain row order: throws at the first value that does not fit,
// leaving the fields and the range exactly as the row order does.
template <int Zero, int Rows> void SweepInRowOrder(SweepContext& s, const GroupRows<Rows>& g) {
    for (int r = 0; r < Rows; ++r)
        for (int x = 0; x < s.W; ++x)
            UpdateOrThrow<Zero>(s.A, s.B, s.K, WrappedCell(s.W, g.Row[r], g.Up[r], g.Down[r], x),
                                s.FieldRange);
}

// The group in the plain row order, from the state before it.
template <int Zero, int Rows> void ReplayGroup(SweepContext& s, const GroupRows<Rows>& g) {
    RestoreRows(s, g.Row[0], g.Cells(s.W));
    SweepInRowOrder<Zero>(s, g);
}

// Steps x0 … x1 − 1 of a group's wavefront (of w + Rows − 1): step x updates cell
// (x − r, y + r) of every row r that has one. Each cell sees exactly the neighbour values of
// the plain row order: the cell above was done one step earlier, the cell below is done one
// step later, and the row's own left and right cells are as in row order. The steps where no
// neighbour wraps go to `interior`. Returns the not-finite bits of every value stored.
template <int Zero, int Rows, class Interior>
std::uint32_t RunSteps(SweepContext& s, const GroupRows<Rows>& g, Range* ranges, int x0, int x1,
                       Interior& interior) {
    // A local copy stays in registers: the fields' stores could otherwise alias the ranges
    // and force a load and a store of each range at every cell.
    Range local[Rows];
    std::copy_n(ranges, Rows, local);
    std::uint32_t bits = 0;
    int x = x0;
    for (; x < std::min(x1, Rows); ++x)
        bits |= EdgeStep<Zero>(s, g, local, x);
    const int interiorEnd = std::max(x, std::min(x1, s.W - 1));
    bits |= interior.template Steps<Zero>(s, g, local, x, interiorEnd);
    for (x = interiorEnd; x < x1; ++x)
        bits |= EdgeStep<Zero>(s, g, local, x);
    std::copy_n(local, Rows, ranges);
    return bits;
}

// The steps between a group's ends in x87 arithmetic, cell by cell.
struct X87Interior {
    template <int Zero, int Rows>
    std::uint32_t Steps(SweepContext& s, const GroupRows<Rows>& g, Range* ranges, int x0,
                        int x1) const {
        std::uint32_t bits = 0;
        for (int x = x0; x < x1; ++x)
            bits |= InteriorStep<Zero>(s, g, ranges, x);
        return bits;
    }
};

// Rows y … y + Rows − 1 as one wavefront. The overflow test is one branch per group: a
// group with a value that does not fit is put back and replayed in row order, which stops
// at the right cell. The rows' ranges are folded in row order, so FieldMin and FieldMax
// come out as in row order, ties included.
template <int Zero, int Rows, class Interior = const X87Interior>
void SweepGroup(SweepContext& s, int y, Interior& interior = X87Interior{}) {
    const GroupRows<Rows> g(y, s.W, s.H);
    SaveRows(s, g.Row[0], g.Cells(s.W));
    Range ranges[Rows];
    if (RunSteps<Zero>(s, g, ranges, 0, g.Steps(s.W), interior) & NotFiniteMask) [[unlikely]]
        return ReplayGroup<Zero>(s, g);
    for (const Range& r : ranges)
        s.FieldRange.Add(r);
}

// The last rows, fewer than a whole group, as one smaller group.
template <int Zero, int Rows> void SweepLastRows(SweepContext& s, int y) {
    if constexpr (Rows > 0) {
        if (s.H - y == Rows)
            return SweepGroup<Zero, Rows>(s, y);
        SweepLastRows<Zero, Rows - 1>(s, y);
    }
}

// Rows y … h − 1, whole groups first.
template <int Zero> void SweepRowsFrom(SweepContext& s, int y) {
    for (; y + WavefrontRows <= s.H; y += WavefrontRows)
        SweepGroup<Zero, WavefrontRows>(s, y);
    SweepLastRows<Zero, WavefrontRows - 1>(s, y);
}

// Calls f with the zero action as a compile-time constant (every action outside 0 … 2 as −1),
// so the cell code has no branch on it.
template <class F> void WithZeroAction(int zero, F&& f) {
    switch (zero) {
    case ZeroActionZero:
        return f(std::integral_constant<int, ZeroActionZero>{});
    case ZeroActionB:
        return f(std::integral_constant<int, ZeroActionB>{});
    case ZeroActionAbs:
        return f(std::integral_constant<int, ZeroActionAbs>{});
    default:
        return f(std::integral_constant<int, -1>{});
    }
}

} // namespace mottler::wavefront
