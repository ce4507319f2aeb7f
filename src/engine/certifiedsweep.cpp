#include "engine/certifiedsweep.h"

#include "engine/certifiedgroup.h"
#include "engine/wavefront.h"

#include <bit>
#include <cmath>
#include <limits>

namespace mottler {

using namespace wavefront;
using certified::GroupLinks;

namespace {

/*
Why a certified cell is exact. Take one of the two updates, say A's:
    V = (((p − a) − C) + L × DA) × dt + a,   L = (((down − mA × a) + up) + right) + left,
with every input a float (p is the float product, formed exactly as the x87 code forms it:
the product of two floats is exact in double, then rounded once). Let M be the same
expression with every input replaced by its absolute value and every subtraction by an
addition. Each operation rounds to nearest with relative error at most u (2^−53 in double,
2^−64 in extended precision; a fused multiply-add, which the vector code uses where the
processor has one, rounds once for two), no input takes part in more than 9 roundings on its
way to the result, and nothing underflows (every nonzero intermediate is at least 2^−447, far
above the double range's bottom) or overflows (below 2^400), so each result differs from the
exact V by at most γ9 × M, γ9 = 9u / (1 − 9u). The double result r and the extended result x
therefore lie within (γ9(2^−53) + γ9(2^−64)) × M < 9.01 × 2^−53 × M of each other.
The code forms Mc (M in double: sums of non-negative terms, so Mc ≥ M × (1 − γ9)), either from
the cell's own inputs or, for a block of cells, from bounds on the magnitudes of all their
inputs (M grows with each of them; a block that turns out to have read a larger value is done
again with each cell's own), and E = 2^−49 × Mc ≥ 15.99 × 2^−53 × M (a power of two: exact).
lo = fl(r − E) ≤ r − E + 2^−53 × (|r| + E), and |r| ≤ M × (1 + 9.01 × 2^−53), so
lo ≤ r − 14.9 × 2^−53 × M ≤ min(r, x); likewise hi = fl(r + E) ≥ max(r, x). Rounding to float
is monotonic, so when lo and hi round to the same float, every real number between them does,
r and x included. A zero there is not accepted (the sign of an exact zero is not decided by
the interval). When hi rounds to a float below zero, so does x, and where every negative value
is stored as 0 (B always, A under zero action 0) that decides the stored value too. A value
that is not finite is taken as it comes: its group is replayed in extended precision anyway.
B's update is the same with ((D − p) + L × DB) × dt + b and
L = (((down − mB × b) + left) + right) + up, again at most 9 roundings deep.
*/
constexpr double BoundFactor = 0x1p-49;

// A group of the certified sweep is Vectors × 8 rows, swept as one skewed wavefront: at step
// x, lane r (row y + r) updates column x − r. A step holds several independent vectors, so
// the processor overlaps their long chains of dependent operations.
constexpr int MostVectors = 4;
constexpr int LanesPerVector = 8;
static_assert(MostVectors * LanesPerVector == certified::TeamGroupRows);

// Steps a group does between taking the next columns of the row above and handing on those
// of its last row: often enough that the group below rarely waits, seldom enough that the
// report's cache line rarely moves between cores.
constexpr int StepsPerBlock = 64;

// The lane buffers hold a group's rows skewed so that the cells of one step lie side by side:
// lane r of step x at Slot(x, r), lane −1 the row above the group (column x + 1) and lane R
// the row below (column x − R). Column −1 of each of the group's rows holds its last column
// and column w its first, updated, so the wrap needs no branch. Steps run from −1 to w + R − 1.
template <int Vectors> struct LaneLayout {
    static constexpr int Rows = Vectors * LanesPerVector;
    // Floats a step: the group's lanes, one vector's width before them (lane −1 is its last
    // float) and nothing after them, since lane R is the next step's first float. With the
    // buffer on a 64-byte line, each vector of a step's own lanes is then aligned to 32
    // bytes and never crosses a line.
    static constexpr int Stride = Rows + LanesPerVector;

    static int Slot(int x, int r) { return (x + 1) * Stride + LanesPerVector + r; }
    // Steps −1 … w + R, and lane R of the last.
    static std::size_t Floats(int w) { return std::size_t(w + Rows + 2) * Stride; }
};

using Floats = float __attribute__((vector_size(32)));
using Words = std::int32_t __attribute__((vector_size(32)));
using Unsigned = std::uint32_t __attribute__((vector_size(32)));
using Doubles = double __attribute__((vector_size(64)));
using Wides = std::int64_t __attribute__((vector_size(64)));

// One vector's values of a step before anything is stored, as the cell code's CellValues.
struct LaneValues {
    Floats P, A, B;
};

// One field's cells and neighbours for one vector of a step.
struct Neighbours {
    Floats Self;
    Doubles Cell, Up, Down, Left, Right;
};

// Bounds on the distance between the double and the extended result of A's and of B's
// update for every cell whose inputs are no larger than given magnitudes: 2^−49 × M (the
// proof above) with those magnitudes for the inputs'. One bound for a block of cells saves
// forming each cell's own; the few cells it leaves undecided that their own would decide
// are computed again like any other. Below 2^126 those magnitudes bound every product and
// new value of such a cell too, and all of them fit a float (`Fit`).
struct CellBounds {
    double A = 0;
    double B = 0;
    bool Fit = false;
};

// The magnitudes a group's cells are expected to read: the largest of the values put into
// the lane buffers so far with room to grow, raised as larger ones come or turn out to have
// been stored.
class Expected {
public:
    explicit Expected(const SweepCoefficients& k)
        : slack(std::fabs(double(k.Dt)) *
                (std::fabs(double(k.FactorC)) + std::fabs(double(k.FactorD)))),
          a(slack), b(slack) {}

    // Values the cells will read, of these magnitudes' bits.
    void Admit(std::uint32_t bitsA, std::uint32_t bitsB) {
        a = std::max(a, Room(Magnitude(bitsA)));
        b = std::max(b, Room(Magnitude(bitsB)));
    }
    // Whether the stored values' magnitudes stayed within the expectation.
    bool Holds(float storedA, float storedB) const { return storedA <= a && storedB <= b; }
    void Grow(float storedA, float storedB) {
        a = std::max(a, Room(storedA));
        b = std::max(b, Room(storedB));
    }
    CellBounds Bounds(const SweepCoefficients& k) const {
        const double p = a * b * (1 + 0x1p-20); // the float product rounds up by 2^−24 at most
        const double lapA = (((a + std::fabs(double(k.MultiplierA)) * a) + a) + a) + a;
        const double sizeA =
            (((p + a) + std::fabs(double(k.FactorC))) + lapA * std::fabs(double(k.DiffusionA))) *
                std::fabs(double(k.Dt)) +
            a;
        const double lapB = (((b + std::fabs(double(k.MultiplierB)) * b) + b) + b) + b;
        const double sizeB =
            ((std::fabs(double(k.FactorD)) + p) + lapB * std::fabs(double(k.DiffusionB))) *
                std::fabs(double(k.Dt)) +
            b;
        // False for magnitudes too large, or not finite: each cell then brings its own bound.
        const bool fit = p < 0x1p126 && sizeA < 0x1p126 && sizeB < 0x1p126;
        return {sizeA * BoundFactor, sizeB * BoundFactor, fit};
    }

private:
    static double Magnitude(std::uint32_t bits) {
        return bits >= 0x7f800000u ? std::numeric_limits<double>::infinity()
                                   : double(std::bit_cast<float>(bits));
    }
    // A quarter more, and a step's worth of the constant terms: what one sweep rarely exceeds.
    double Room(double magnitude) const { return magnitude * 1.25 + slack; }

    double slack;
    double a, b;
};

// The run's coefficients in every lane, with their absolute values for the bounds; made once
// a group, so the steps do not spread them again.
struct LaneCoefficients {
    Doubles Dt, C, D, Ma, Mb, Da, Db;
    Doubles AbsDt, AbsC, AbsD, AbsMa, AbsMb, AbsDa, AbsDb;

    Doubles BoundA, BoundB; // the block's bounds, where the cells do not bring their own

    [[gnu::always_inline]] LaneCoefficients(const SweepCoefficients& k, const CellBounds& bounds)
        : Dt(Spread(k.Dt)), C(Spread(k.FactorC)), D(Spread(k.FactorD)), Ma(Spread(k.MultiplierA)),
          Mb(Spread(k.MultiplierB)), Da(Spread(k.DiffusionA)), Db(Spread(k.DiffusionB)),
          AbsDt(Spread(std::fabs(k.Dt))), AbsC(Spread(std::fabs(k.FactorC))),
          AbsD(Spread(std::fabs(k.FactorD))), AbsMa(Spread(std::fabs(k.MultiplierA))),
          AbsMb(Spread(std::fabs(k.MultiplierB))), AbsDa(Spread(std::fabs(k.DiffusionA))),
          AbsDb(Spread(std::fabs(k.DiffusionB))), BoundA(Spread(bounds.A)),
          BoundB(Spread(bounds.B)) {}

    [[gnu::always_inline]] static Doubles Spread(double d) { return Doubles{} + d; }
};

// A group's lane buffers and the cells the sweep computed again in extended precision.
struct LaneSweep {
    SweepContext& S;
    float* Ta; // A's lane buffer
    float* Tb; // B's
    long Fallbacks;
    // Where steps that keep what they overwrite put it: A's slots from slot OldFrom on, then
    // B's (kept lanes only).
    float* Old = nullptr;
    int OldFrom = 0;

    // Lanes whose bound did not decide their float, computed by the x87 code from the lane
    // buffers, where the step before is stored (no cell of a step reads another cell of the
    // same step). Built for plain x86-64 and called from every width, so vectors pass by
    // reference only.
    [[gnu::noinline]] void Recompute(LaneValues& v, const Words& decided, int first, int stride) {
        float p[LanesPerVector], a[LanesPerVector], b[LanesPerVector];
        std::int32_t ok[LanesPerVector];
        std::memcpy(p, &v.P, sizeof p);
        std::memcpy(a, &v.A, sizeof a);
        std::memcpy(b, &v.B, sizeof b);
        std::memcpy(ok, &decided, sizeof ok);
        for (int r = 0; r < LanesPerVector; ++r) {
            if (ok[r])
                continue;
            const int j = first + r;
            const CellValues c =
                Compute(Ta, Tb, S.K, {j, j - stride - 1, j + stride + 1, j - stride, j + stride});
            p[r] = c.P, a[r] = c.A, b[r] = c.B;
            ++Fallbacks;
        }
        std::memcpy(&v.P, p, sizeof p);
        std::memcpy(&v.A, a, sizeof a);
        std::memcpy(&v.B, b, sizeof b);
    }
};

// The rows of a group's lane buffer slots, from the row above (lane −1) to the row below.
template <int Vectors> struct SlotRows {
    static constexpr int Rows = Vectors * LanesPerVector;
    float* A[Rows + 2];
    float* B[Rows + 2];

    SlotRows(const SweepContext& s, const GroupRows<Rows>& g) {
        for (int r = -1; r <= Rows; ++r) {
            const int row = r < 0 ? g.Up[0] : r == Rows ? g.Down[Rows - 1] : g.Row[r];
            A[r + 1] = s.A + row;
            B[r + 1] = s.B + row;
        }
    }
};

// A group's lanes filled from the rows of the fields for one sweep and drained into them after.
template <int Vectors> struct FieldLanes {
    static constexpr bool KeepsOld = false; // the fields still hold the rows as they were

    const SlotRows<Vectors>& Rows;
};

// A group's lanes kept from one sweep to the next: only the row below is taken for a block,
// the steps set the values they overwrite aside in `Saved` (A's, then B's) until the block's
// bound turns out to hold, and then the block's columns of the first row go out to `First`.
struct KeptLanes {
    static constexpr bool KeepsOld = true;
    static constexpr std::size_t BlockFloats =
        std::size_t(StepsPerBlock) * LaneLayout<MostVectors>::Stride;

    const float* BelowA;
    const float* BelowB;
    float* FirstA; // where the group's first row goes as the steps finish it
    float* FirstB;
    float* Saved;
    certified::LaneMagnitudes* Most; // in the lanes: before the sweep, then after it
};

// What lane r of step x holds before the group's sweep: column x − r of its row; for the
// group's own rows the last column at −1 and the first at w (the sweep replaces that one by
// the updated first column); 0 where a slot's column is never read.
inline float SlotValue(const float* row, int column, int w, bool wraps) {
    if (column >= 0 && column < w)
        return row[column];
    if (wraps && column == -1)
        return row[w - 1];
    if (wraps && column == w)
        return row[0];
    return 0.0f;
}

// The steps, compiled once for each width. The build targets plain x86-64, so the wider ones
// run only where the processor has them. Each width converts between floats and doubles with
// its own instructions: the compiler's generic conversion splits a vector into halves even
// where one instruction does the whole. v < 0 ? 0 : v is MAXPS(0, v), which returns its
// second operand unless the first is greater, so −0.0 and NaN stay as they are.
namespace sse2 {
#include "engine/certifiedwordmasks.inc"
[[gnu::always_inline]] inline Floats ZeroIfBelow(Floats f) {
    __m128 halves[2];
    std::memcpy(halves, &f, sizeof halves);
    halves[0] = _mm_max_ps(_mm_setzero_ps(), halves[0]);
    halves[1] = _mm_max_ps(_mm_setzero_ps(), halves[1]);
    std::memcpy(&f, halves, sizeof f);
    return f;
}
[[gnu::always_inline]] inline Doubles Widen(Floats f) {
    return __builtin_convertvector(f, Doubles);
}
[[gnu::always_inline]] inline Floats Narrow(Doubles d) {
    return __builtin_convertvector(d, Floats);
}
// Whether every lane of a comparison's result is set (their sign bits, one instruction a half).
[[gnu::always_inline]] inline bool AllSet(Words mask) {
    __m128 halves[2];
    std::memcpy(halves, &mask, sizeof halves);
    return (_mm_movemask_ps(halves[0]) & _mm_movemask_ps(halves[1])) == 0xf;
}
// a × b + c, rounded twice: SSE2 has no fused multiply-add.
[[gnu::always_inline]] inline Doubles MulAdd(Doubles a, Doubles b, Doubles c) {
    return a * b + c;
}
constexpr bool ShuffleDoubles = false;
#include "engine/certifiedlanes.inc"
} // namespace sse2

#ifdef __clang__
#pragma clang attribute push(__attribute__((target("avx2,fma"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2,fma")
#endif
namespace avx2 {
#include "engine/certifiedwordmasks.inc"
[[gnu::always_inline]] inline Floats ZeroIfBelow(Floats f) {
    return Floats(_mm256_max_ps(_mm256_setzero_ps(), __m256(f)));
}
[[gnu::always_inline]] inline Doubles Widen(Floats f) {
    const __m256 all = __m256(f);
    const __m256d halves[2] = {_mm256_cvtps_pd(_mm256_castps256_ps128(all)),
                               _mm256_cvtps_pd(_mm256_extractf128_ps(all, 1))};
    Doubles d;
    std::memcpy(&d, halves, sizeof d);
    return d;
}
[[gnu::always_inline]] inline Floats Narrow(Doubles d) {
    __m256d halves[2];
    std::memcpy(halves, &d, sizeof halves);
    return Floats(_mm256_set_m128(_mm256_cvtpd_ps(halves[1]), _mm256_cvtpd_ps(halves[0])));
}
// Whether every lane of a comparison's result is set (their sign bits, one instruction).
[[gnu::always_inline]] inline bool AllSet(Words mask) {
    return _mm256_movemask_ps(__m256(mask)) == 0xff;
}
// a × b + c, rounded once.
[[gnu::always_inline]] inline Doubles MulAdd(Doubles a, Doubles b, Doubles c) {
    __m256d x[2], y[2], z[2];
    std::memcpy(x, &a, sizeof x);
    std::memcpy(y, &b, sizeof y);
    std::memcpy(z, &c, sizeof z);
    const __m256d r[2] = {_mm256_fmadd_pd(x[0], y[0], z[0]), _mm256_fmadd_pd(x[1], y[1], z[1])};
    Doubles d;
    std::memcpy(&d, r, sizeof d);
    return d;
}
constexpr bool ShuffleDoubles = false;
#include "engine/certifiedlanes.inc"
} // namespace avx2
#ifdef __clang__
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

#ifdef __clang__
#pragma clang attribute push(__attribute__((target("avx512f,avx512vl,avx512dq,avx512bw"))),        \
                             apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx512f,avx512vl,avx512dq,avx512bw")
#endif
namespace avx512 {
// Which lanes hold, in a mask register.
using Mask = __mmask8;
[[gnu::always_inline]] inline Mask SameAndNotZero(Floats lo, Floats hi) {
    const auto l = __m256i(lo);
    return _mm256_mask_cmpeq_epi32_mask(_mm256_test_epi32_mask(l, _mm256_set1_epi32(0x7fffffff)), l,
                                        __m256i(hi));
}
[[gnu::always_inline]] inline Mask BelowZero(Floats f) {
    return _mm256_cmp_ps_mask(__m256(f), _mm256_setzero_ps(), _CMP_LT_OQ);
}
[[gnu::always_inline]] inline Mask MaskOf(Words w) {
    return _mm256_movepi32_mask(__m256i(w));
}
[[gnu::always_inline]] inline Words WordsOf(Mask m) {
    return Words(_mm256_movm_epi32(m));
}
// The masks combined and tested in mask registers, not moved out to plain ones.
[[gnu::always_inline]] inline Mask Both(Mask a, Mask b) {
    return _kand_mask8(a, b);
}
[[gnu::always_inline]] inline Mask Either(Mask a, Mask b) {
    return _kor_mask8(a, b);
}
[[gnu::always_inline]] inline bool AllSet(Mask m) {
    return _kortestc_mask8_u8(m, m);
}
[[gnu::always_inline]] inline Floats ZeroIfBelow(Floats f) {
    return Floats(_mm256_max_ps(_mm256_setzero_ps(), __m256(f)));
}
[[gnu::always_inline]] inline Doubles Widen(Floats f) {
    // The zero-masked forms: the plain ones start from an undefined register, which the
    // compiler then warns may be used uninitialised.
    return Doubles(_mm512_maskz_cvtps_pd(0xff, __m256(f)));
}
[[gnu::always_inline]] inline Floats Narrow(Doubles d) {
    return Floats(_mm512_maskz_cvtpd_ps(0xff, __m512d(d)));
}
// Whether every lane of a comparison's result is set (their sign bits, one instruction).
[[gnu::always_inline]] inline bool AllSet(Words mask) {
    return _mm256_movemask_ps(__m256(mask)) == 0xff;
}
// a × b + c, rounded once.
[[gnu::always_inline]] inline Doubles MulAdd(Doubles a, Doubles b, Doubles c) {
    return Doubles(_mm512_fmadd_pd(__m512d(a), __m512d(b), __m512d(c)));
}
constexpr bool ShuffleDoubles = true;
#include "engine/certifiedlanes.inc"
} // namespace avx512
#ifdef __clang__
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

template <class Source>
using GroupFunction = bool (*)(LaneSweep&, const Source&, const GroupLinks&, Range*);

template <int Zero, int Vectors, class Source> GroupFunction<Source> GroupFor(VectorWidth width) {
    switch (width) {
    case VectorWidth::Avx512:
        return &avx512::Group<Zero, Vectors, Source>;
    case VectorWidth::Avx2:
        return &avx2::Group<Zero, Vectors, Source>;
    default:
        return &sse2::Group<Zero, Vectors, Source>;
    }
}

// Rows y … y + 8 × Vectors − 1 through the lane buffers, the group above done. The fields are
// not written until the group is done, so a group with a value that does not fit is swept
// again from them in row order, which stops at the right cell; otherwise the rows' ranges
// are folded in row order, so FieldMin and FieldMax come out as in row order.
template <int Zero, int Vectors> void SweepLaneGroup(LaneSweep& lanes, VectorWidth width, int y) {
    constexpr int R = Vectors * LanesPerVector;
    SweepContext& s = lanes.S;
    const GroupRows<R> g(y, s.W, s.H);
    const GroupLinks above{s.A + g.Up[0], s.B + g.Up[0]};
    Range ranges[R];
    const SlotRows<Vectors> rows(s, g);
    if (!GroupFor<Zero, Vectors, FieldLanes<Vectors>>(width)(lanes, {rows}, above, ranges))
        [[unlikely]]
        return SweepInRowOrder<Zero>(s, g);
    for (const Range& r : ranges)
        s.FieldRange.Add(r);
}

// Rows y … h − 1 in groups of as many vectors as fit, largest first; returns the first row
// left. The buffers hold copies of the rows above and below a group, which must not be rows
// of the group itself, and of each row's first and last columns, which must not be one cell.
template <int Zero, int Vectors> int SweepLaneGroups(LaneSweep& lanes, VectorWidth width, int y) {
    constexpr int R = Vectors * LanesPerVector;
    if (lanes.S.W >= 2 && lanes.S.H > R)
        for (; y + R <= lanes.S.H; y += R)
            SweepLaneGroup<Zero, Vectors>(lanes, width, y);
    if constexpr (Vectors > 1)
        return SweepLaneGroups<Zero, Vectors - 1>(lanes, width, y);
    else
        return y;
}

// The lane buffer of A (0) or B (1) in the scratch, each on a cache line.
float* LaneBuffer(float* scratch, int w, int which) {
    const auto start = reinterpret_cast<std::uintptr_t>(scratch);
    const std::uintptr_t aligned = (start + 63) & ~std::uintptr_t{63};
    return reinterpret_cast<float*>(aligned) +
           std::size_t(which) * LaneLayout<MostVectors>::Floats(w);
}

} // namespace

std::size_t CertifiedScratchCells(int width) {
    return 64 / sizeof(float) + 2 * LaneLayout<MostVectors>::Floats(width);
}

bool HasVectorWidth(VectorWidth width) {
    switch (width) {
    case VectorWidth::Avx512:
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") &&
               __builtin_cpu_supports("avx512dq") && __builtin_cpu_supports("avx512bw");
    case VectorWidth::Avx2:
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    default:
        return true;
    }
}

const char* VectorWidthName(VectorWidth width) {
    switch (width) {
    case VectorWidth::Avx512:
        return "avx512";
    case VectorWidth::Avx2:
        return "avx2";
    default:
        return "sse2";
    }
}

namespace certified {

bool SweepTeamGroup(SweepContext& s, VectorWidth width, int y, const GroupLinks& links,
                    Range* ranges, long& fallbacks) {
    LaneSweep lanes{s, LaneBuffer(s.Scratch, s.W, 0), LaneBuffer(s.Scratch, s.W, 1), 0};
    const GroupRows<TeamGroupRows> g(y, s.W, s.H);
    const SlotRows<MostVectors> rows(s, g);
    bool done = false;
    WithZeroAction(s.K.Zero, [&](auto zero) {
        done = GroupFor<decltype(zero)::value, MostVectors, FieldLanes<MostVectors>>(width)(
            lanes, {rows}, links, ranges);
    });
    fallbacks += lanes.Fallbacks;
    return done;
}

std::size_t KeptLaneFloats(int w) {
    return LaneLayout<MostVectors>::Floats(w);
}

// Rows turn into kept lanes and back once a run and at each checkpoint: the plain x86-64
// code does for that.
LaneMagnitudes KeepRows(const SweepContext& s, int y, float* lanesA, float* lanesB) {
    const SlotRows<MostVectors> rows(s, GroupRows<TeamGroupRows>(y, s.W, s.H));
    const auto [bitsA, bitsB] =
        sse2::Fill<MostVectors>(rows, lanesA, lanesB, s.W, -1, s.W + TeamGroupRows);
    return {std::bit_cast<float>(bitsA), std::bit_cast<float>(bitsB)};
}

void ReleaseRows(const SweepContext& s, int y, const float* lanesA, const float* lanesB) {
    const SlotRows<MostVectors> rows(s, GroupRows<TeamGroupRows>(y, s.W, s.H));
    sse2::Drain<MostVectors>(s, rows, lanesA, lanesB);
}

std::size_t KeptScratchFloats() {
    return 2 * KeptLanes::BlockFloats;
}

bool SweepKeptGroup(SweepContext& s, VectorWidth width, const KeptGroup& group,
                    const GroupLinks& links, float* saved, Range* ranges, long& fallbacks) {
    LaneSweep lanes{s, group.LanesA, group.LanesB, 0, saved};
    bool done = false;
    WithZeroAction(s.K.Zero, [&](auto zero) {
        done = GroupFor<decltype(zero)::value, MostVectors, KeptLanes>(width)(
            lanes, {group.BelowA, group.BelowB, group.FirstA, group.FirstB, saved, group.Most},
            links, ranges);
    });
    fallbacks += lanes.Fallbacks;
    return done;
}

long SweepRowsFrom(SweepContext& s, VectorWidth width, int y) {
    LaneSweep lanes{s, LaneBuffer(s.Scratch, s.W, 0), LaneBuffer(s.Scratch, s.W, 1), 0};
    WithZeroAction(s.K.Zero, [&](auto zero) {
        constexpr int Zero = decltype(zero)::value;
        wavefront::SweepRowsFrom<Zero>(s, SweepLaneGroups<Zero, MostVectors>(lanes, width, y));
    });
    return lanes.Fallbacks;
}

} // namespace certified

long CertifiedSweep(TextureEngine& engine, const SweepCoefficients& k, VectorWidth width) {
    SweepContext s{engine.FieldA.Data(), engine.FieldB.Data(),      k, engine.Width(),
                   engine.Height(),      engine.ScratchRows.Data(), {}};
    s.FieldRange = {9999999.0f, 0.0f};
    PublishRange publish{engine, s.FieldRange};
    return certified::SweepRowsFrom(s, width, 0);
}

} // namespace mottler
