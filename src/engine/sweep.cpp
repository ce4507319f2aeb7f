#include "engine/sweep.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

static_assert(std::numeric_limits<long double>::digits == 64,
              "the sweep needs x87 extended precision: a long double with a 64-bit significand");

namespace mottler {
namespace {

using Ext = long double; // the 80-bit x87 format on x86-64: 64-bit significand

// Whether a value rounded to float on its store fits (is finite); one that does not stops
// the run.
inline bool Fits(float f) {
    return std::fabs(f) <= FLT_MAX;
}

struct SweepState {
    float* a;
    float* b;
    SweepCoefficients k;
    float fieldMin;
    float fieldMax;
};

// Updates cell j in place from its four neighbours; earlier cells already hold this sweep's
// values, later ones the previous sweep's. Returns false when a value does not fit a float:
// the value is not stored (A keeps its new value when only B's overflowed).
inline bool UpdateCell(SweepState& s, int j, int up, int down, int left, int right) {
    float* const A = s.a;
    float* const B = s.b;
    const float a = A[j];
    const float b = B[j];
    const auto p = static_cast<float>(Ext(a) * Ext(b));
    if (!Fits(p)) [[unlikely]]
        return false;

    const Ext lapA =
        (((Ext(A[down]) - Ext(s.k.MultiplierA) * Ext(a)) + Ext(A[up])) + Ext(A[right])) +
        Ext(A[left]);
    auto newA = static_cast<float>(
        (((Ext(p) - Ext(a)) - Ext(s.k.FactorC)) + lapA * Ext(s.k.DiffusionA)) * Ext(s.k.Dt) +
        Ext(a));
    if (!Fits(newA)) [[unlikely]]
        return false;
    if (newA < 0.0f) {
        switch (s.k.Zero) {
        case 0:
            newA = 0.0f;
            break;
        case 1:
            newA = b;
            break;
        case 2:
            newA = std::fabs(newA);
            break;
        default:
            break;
        }
    }
    A[j] = newA;
    s.fieldMin = std::min(s.fieldMin, newA);
    s.fieldMax = std::max(s.fieldMax, newA);

    const Ext lapB =
        (((Ext(B[down]) - Ext(s.k.MultiplierB) * Ext(b)) + Ext(B[left])) + Ext(B[right])) +
        Ext(B[up]);
    const auto newB = static_cast<float>(
        ((Ext(s.k.FactorD) - Ext(p)) + lapB * Ext(s.k.DiffusionB)) * Ext(s.k.Dt) + Ext(b));
    if (!Fits(newB)) [[unlikely]]
        return false;
    B[j] = newB < 0.0f ? 0.0f : newB;
    return true;
}

// UpdateCell in the sweep's plain row order: an overflow ends the sweep.
inline void UpdateOrThrow(SweepState& s, int j, int up, int down, int left, int right) {
    if (!UpdateCell(s, j, up, down, left, right)) [[unlikely]]
        throw GrowthOverflow();
}

// One row: the first and last columns wrap, the columns between need no wrap at all.
inline void SweepRow(SweepState& s, int rowStart, int upStart, int downStart, int w) {
    const int last = w - 1;
    if (last == 0) {
        UpdateOrThrow(s, rowStart, upStart, downStart, rowStart, rowStart);
        return;
    }
    UpdateOrThrow(s, rowStart, upStart, downStart, rowStart + last, rowStart + 1);
    for (int x = 1; x < last; ++x)
        UpdateOrThrow(s, rowStart + x, upStart + x, downStart + x, rowStart + x - 1,
                      rowStart + x + 1);
    UpdateOrThrow(s, rowStart + last, upStart + last, downStart + last, rowStart + last - 1,
                  rowStart);
}

// Two neighbouring rows y and y + 1 and the rows above and below them (cell offsets).
struct RowPair {
    int up, row, next, down, w;
};

// Cell x of a row, wrapping at the row's first and last column.
inline bool UpdateAt(SweepState& s, int w, int row, int up, int down, int x) {
    const int left = x == 0 ? w - 1 : x - 1;
    const int right = x == w - 1 ? 0 : x + 1;
    return UpdateCell(s, row + x, up + x, down + x, row + left, row + right);
}

// Puts cells 0 … count − 1 of row y + 1 back to their values before the pair.
void RestoreNextRow(const SweepState& s, const RowPair& r, const float* saved, int count) {
    const auto bytes = static_cast<std::size_t>(std::max(count, 0)) * sizeof(float);
    std::memcpy(s.a + r.next, saved, bytes);
    std::memcpy(s.b + r.next, saved + r.w, bytes);
}

// After an overflow inside a pair, leaves the fields and the range found so far exactly as
// the plain row order would have left them at its first overflowing cell, then throws. Cells 0 … x
// − 2 of row y + 1 are done; row y is done up to x, or up to x − 1 when (x, y) overflowed.
[[noreturn]] void RecoverPair(SweepState& s, const SweepState& t, const RowPair& r,
                              const float* saved, int x, bool inNextRow) {
    // Row order finishes row y before it reaches (x − 1, y + 1), which overflows again.
    bool rowDone = inNextRow;
    for (int c = x + 1; rowDone && c < r.w; ++c)
        rowDone = UpdateAt(s, r.w, r.row, r.up, r.next, c);
    if (rowDone) {
        s.fieldMin = std::min(s.fieldMin, t.fieldMin);
        s.fieldMax = std::max(s.fieldMax, t.fieldMax);
    } else {
        RestoreNextRow(s, r, saved, x - 1);
    }
    throw GrowthOverflow();
}

// Rows y and y + 1 as a wavefront, cell (x, y) then cell (x − 1, y + 1). Each cell still
// sees exactly the neighbour values of the plain row order: (x − 1, y + 1) reads only cells
// of row y that are already done, and row y reads cells of row y + 1 not yet touched. Two
// independent chains of dependent extended-precision operations keep the FPU busy where a
// single row waits on each cell's left neighbour. Row y + 1's range is folded in after row
// y's, so FieldMin/FieldMax come out as in row order (ties included).
inline void SweepRowPair(SweepState& s, const RowPair& r, float* saved) {
    std::memcpy(saved, s.a + r.next, static_cast<std::size_t>(r.w) * sizeof(float));
    std::memcpy(saved + r.w, s.b + r.next, static_cast<std::size_t>(r.w) * sizeof(float));
    SweepState t{s.a, s.b, s.k, std::numeric_limits<float>::infinity(),
                 -std::numeric_limits<float>::infinity()};
    if (!UpdateAt(s, r.w, r.row, r.up, r.next, 0)) [[unlikely]]
        RecoverPair(s, t, r, saved, 0, false);
    for (int x = 1; x < r.w; ++x) {
        if (!UpdateAt(s, r.w, r.row, r.up, r.next, x)) [[unlikely]]
            RecoverPair(s, t, r, saved, x, false);
        if (!UpdateAt(t, r.w, r.next, r.row, r.down, x - 1)) [[unlikely]]
            RecoverPair(s, t, r, saved, x, true);
    }
    if (!UpdateAt(t, r.w, r.next, r.row, r.down, r.w - 1)) [[unlikely]]
        RecoverPair(s, t, r, saved, r.w, true);
    s.fieldMin = std::min(s.fieldMin, t.fieldMin);
    s.fieldMax = std::max(s.fieldMax, t.fieldMax);
}

} // namespace

float DiffusionFromFactor(double factor) {
    return static_cast<float>(Ext(factor) * 0.05L);
}

void Sweep(TextureEngine& engine, const SweepCoefficients& k) {
    const int w = engine.Width();
    const int h = engine.Height();
    SweepState s{engine.FieldA.Data(), engine.FieldB.Data(), k, 9999999.0f, 0.0f};
    float* const saved = engine.ScratchRows.Data();
    // The range is the one found so far in every outcome, an overflow included.
    struct PublishRange {
        TextureEngine& engine;
        const SweepState& s;
        ~PublishRange() {
            engine.FieldMin = s.fieldMin;
            engine.FieldMax = s.fieldMax;
        }
    } publish{engine, s};
    int y = 0;
    for (; y + 1 < h; y += 2) {
        const int upRow = (y == 0 ? h - 1 : y - 1);
        const int downRow = (y + 2 == h ? 0 : y + 2);
        SweepRowPair(s, {upRow * w, y * w, (y + 1) * w, downRow * w, w}, saved);
    }
    if (y < h) // the last row of an odd height; the row below it is row 0
        SweepRow(s, y * w, (y == 0 ? 0 : y - 1) * w, 0, w);
}

void ApplyDrift(TextureEngine& engine, int drift) {
    float* const a = engine.FieldA.Data();
    const int n = engine.CellCount();
    const int w = engine.Width();
    const auto rowBytes = static_cast<std::size_t>(w) * sizeof(float);
    float* const hold = engine.ScratchRows.Data();
    switch (drift) {
    case 1:
        std::rotate(a, a + 1, a + n);
        break;
    case 2:
        std::rotate(a, a + n - 1, a + n);
        break;
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
    default:
        break;
    }
}

} // namespace mottler
