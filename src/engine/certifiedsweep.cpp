#include "engine/certifiedsweep.h"

#include "engine/wavefront.h"

#include <cmath>

namespace mottler {

using namespace wavefront;

namespace {

/*
Why a certified cell is exact. Take one of the two updates, say A's:
    V = (((p − a) − C) + L × DA) × dt + a,   L = (((down − mA × a) + up) + right) + left,
with every input a float (p is the float product, formed exactly as the x87 code forms it:
the product of two floats is exact in double, then rounded once). Let M be the same
expression with every input replaced by its absolute value and every subtraction by an
addition. Each operation rounds to nearest with relative error at most u (2^−53 in double,
2^−64 in extended precision; the build contracts no multiply and add into one), no input takes part in more than 9 operations on its way to
the result, and nothing underflows (every nonzero intermediate is at least 2^−447, far above
the double range's bottom) or overflows (below 2^400), so each result differs from the exact
V by at most γ9 × M, γ9 = 9u / (1 − 9u). The double result r and the extended result x
therefore lie within (γ9(2^−53) + γ9(2^−64)) × M < 9.01 × 2^−53 × M of each other.
The code forms Mc (M in double: sums of non-negative terms, so Mc ≥ M × (1 − γ9)) and
E = 2^−49 × Mc ≥ 15.99 × 2^−53 × M (a power of two: exact). lo = fl(r − E) ≤ r − E +
2^−53 × (|r| + E), and |r| ≤ M × (1 + 9.01 × 2^−53), so lo ≤ r − 14.9 × 2^−53 × M ≤ min(r, x);
likewise hi = fl(r + E) ≥ max(r, x). Rounding to float is monotonic, so when lo and hi round
to the same float, every real number between them does, r and x included. A zero there is
not accepted (the sign of an exact zero is not decided by the interval). A value that is not
finite is accepted as it comes: the group then replays in extended precision anyway. B's
update is the same with ((D − p) + L × DB) × dt + b and L = (((down − mB × b) + left) + right)
+ up, again at most 9 operations deep.
*/
constexpr double BoundFactor = 0x1p-49;

constexpr int Lanes = CertifiedRows;

// The lane buffers hold a group's rows skewed so that the cells of one wavefront step lie side
// by side: slot s of step x holds cell (x − s + 1, y + s − 1), slots 1 … 8 the group's rows,
// slot 0 the row above the group and slot 9 the row below. A lane then finds the cell above
// in the slot before it one step back, the cell below in the slot after it one step on, and
// its left and right cells in its own slot one step back and on: five loads of eight
// neighbouring floats instead of forty scattered ones.
constexpr int Slots = 16; // one 64-byte cache line a step, so no load crosses a line

// The vector helpers below are always inlined into functions built for one width, and the
// one that is not (Recompute) takes its vectors by reference, so the warning that passing
// vectors by value differs between widths does not apply.
#pragma GCC diagnostic ignored "-Wpsabi"

using Floats = float __attribute__((vector_size(32)));
using Words = std::int32_t __attribute__((vector_size(32)));
using Doubles = double __attribute__((vector_size(64)));
using Wides = std::int64_t __attribute__((vector_size(64)));

[[gnu::always_inline]] inline Floats LoadFloats(const float* p) {
    Floats v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

[[gnu::always_inline]] inline void StoreFloats(float* p, Floats v) {
    std::memcpy(p, &v, sizeof v);
}

[[gnu::always_inline]] inline Doubles Widen(Floats f) {
    return __builtin_convertvector(f, Doubles);
}

[[gnu::always_inline]] inline Floats Narrow(Doubles d) {
    return __builtin_convertvector(d, Floats);
}

[[gnu::always_inline]] inline Doubles Abs(Doubles d) {
    return reinterpret_cast<Doubles>(reinterpret_cast<Wides>(d) & 0x7fffffffffffffff);
}

[[gnu::always_inline]] inline bool AllSet(Words mask) {
    std::uint64_t q[4];
    std::memcpy(q, &mask, sizeof q);
    return (q[0] & q[1] & q[2] & q[3]) == ~std::uint64_t{0};
}

// A lane's cell and its four neighbours in one field, at one step.
struct Neighbourhood {
    Floats self;
    Doubles cell, up, down, left, right;
};

[[gnu::always_inline]] inline Neighbourhood Read(const float* step) {
    const Floats self = LoadFloats(step + 1);
    return {self,
            Widen(self),
            Widen(LoadFloats(step - Slots)),
            Widen(LoadFloats(step + Slots + 2)),
            Widen(LoadFloats(step - Slots + 1)),
            Widen(LoadFloats(step + Slots + 1))};
}

// The float every value within the bound of `value` rounds to, and in `decided` whether there
// is one.
struct Certified {
    Floats value;
    Words decided;
};

[[gnu::always_inline]] inline Certified Certify(Doubles value, Doubles size) {
    const Doubles bound = size * BoundFactor;
    const auto lo = reinterpret_cast<Words>(Narrow(value - bound));
    const auto hi = reinterpret_cast<Words>(Narrow(value + bound));
    return {reinterpret_cast<Floats>(lo), (lo == hi) & ((lo & 0x7fffffff) != 0)};
}

// The step's values before anything is stored, as the cell code's CellValues lane by lane.
struct LaneValues {
    Floats p, a, b;
};

template <int Zero> [[gnu::always_inline]] inline Floats ZeroAction(Floats a, Floats oldB) {
    const Floats zero{};
    if constexpr (Zero == ZeroActionZero)
        return a < zero ? zero : a;
    else if constexpr (Zero == ZeroActionB)
        return a < zero ? oldB : a;
    else if constexpr (Zero == ZeroActionAbs)
        return a < zero ? -a : a;
    else
        return a;
}

[[gnu::always_inline]] inline Words NotFinite(Floats v) {
    return (reinterpret_cast<Words>(v) & 0x7f800000) == 0x7f800000;
}

// The sweep of one group's interior steps through the lane buffers.
struct LaneSweep {
    SweepContext& s;
    float* ta; // A's lane buffer
    float* tb; // B's
    long fallbacks;

    // Lanes whose bound did not decide their float, computed by the x87 code from the same
    // buffers (no cell of a step reads another cell of the same step). Built for plain
    // x86-64 and called from every width, so vectors pass by reference only.
    [[gnu::noinline]] void Recompute(LaneValues& v, const Words& decided, int x) {
        float p[Lanes], a[Lanes], b[Lanes];
        std::int32_t ok[Lanes];
        std::memcpy(p, &v.p, sizeof p);
        std::memcpy(a, &v.a, sizeof a);
        std::memcpy(b, &v.b, sizeof b);
        std::memcpy(ok, &decided, sizeof ok);
        for (int r = 0; r < Lanes; ++r) {
            if (ok[r])
                continue;
            const int j = x * Slots + r + 1;
            const CellValues c = Compute(ta, tb, s.k, {j, j - Slots - 1, j + Slots + 1, j - Slots, j + Slots});
            p[r] = c.p, a[r] = c.a, b[r] = c.b;
            ++fallbacks;
        }
        std::memcpy(&v.p, p, sizeof p);
        std::memcpy(&v.a, a, sizeof a);
        std::memcpy(&v.b, b, sizeof b);
    }

    template <int Zero>
    [[gnu::always_inline]] std::uint32_t Steps(Range* ranges, int x0, int x1) {
        const double dt = s.k.Dt, c = s.k.FactorC, d = s.k.FactorD;
        const double ma = s.k.MultiplierA, mb = s.k.MultiplierB;
        const double da = s.k.DiffusionA, db = s.k.DiffusionB;
        Floats low{}, high{};
        for (int r = 0; r < Lanes; ++r)
            low[r] = ranges[r].min, high[r] = ranges[r].max;
        Words notFinite{};
        for (int x = x0; x < x1; ++x) {
            float* const stepA = ta + x * Slots;
            float* const stepB = tb + x * Slots;
            const Neighbourhood A = Read(stepA);
            const Neighbourhood B = Read(stepB);
            LaneValues v;
            v.p = Narrow(A.cell * B.cell);
            const Doubles p = Widen(v.p);

            const Doubles lapA = (((A.down - ma * A.cell) + A.up) + A.right) + A.left;
            const Doubles newA = (((p - A.cell) - c) + lapA * da) * dt + A.cell;
            const Doubles sizeLapA =
                (((Abs(A.down) + std::fabs(ma) * Abs(A.cell)) + Abs(A.up)) + Abs(A.right)) +
                Abs(A.left);
            const Doubles sizeA =
                (((Abs(p) + Abs(A.cell)) + std::fabs(c)) + sizeLapA * std::fabs(da)) *
                    std::fabs(dt) +
                Abs(A.cell);

            const Doubles lapB = (((B.down - mb * B.cell) + B.left) + B.right) + B.up;
            const Doubles newB = ((d - p) + lapB * db) * dt + B.cell;
            const Doubles sizeLapB =
                (((Abs(B.down) + std::fabs(mb) * Abs(B.cell)) + Abs(B.left)) + Abs(B.right)) +
                Abs(B.up);
            const Doubles sizeB =
                ((std::fabs(d) + Abs(p)) + sizeLapB * std::fabs(db)) * std::fabs(dt) +
                Abs(B.cell);

            const Certified certA = Certify(newA, sizeA);
            const Certified certB = Certify(newB, sizeB);
            v.a = certA.value;
            v.b = certB.value;
            const Words decided = certA.decided & certB.decided;
            if (!AllSet(decided)) [[unlikely]]
                Recompute(v, decided, x);

            const Floats storedA = ZeroAction<Zero>(v.a, B.self);
            StoreFloats(stepA + 1, storedA);
            StoreFloats(stepB + 1, ZeroAction<ZeroActionZero>(v.b, B.self));
            low = storedA < low ? storedA : low;
            high = storedA > high ? storedA : high;
            notFinite |= NotFinite(v.p) | NotFinite(v.a) | NotFinite(v.b);
        }
        for (int r = 0; r < Lanes; ++r)
            ranges[r].min = low[r], ranges[r].max = high[r];
        return AllSet(~notFinite) ? 0u : NotFiniteMask;
    }
};

// The interior steps compiled for each width; the build targets plain x86-64, so the wider
// ones run only where the processor has them.
template <int Zero>
std::uint32_t StepsSse2(LaneSweep& lanes, Range* ranges, int x0, int x1) {
    return lanes.Steps<Zero>(ranges, x0, x1);
}

template <int Zero>
[[gnu::target("avx2,fma")]] std::uint32_t StepsAvx2(LaneSweep& lanes, Range* ranges, int x0,
                                                    int x1) {
    return lanes.Steps<Zero>(ranges, x0, x1);
}

template <int Zero>
[[gnu::target("avx512f,avx512vl,avx512dq,avx512bw")]] std::uint32_t
StepsAvx512(LaneSweep& lanes, Range* ranges, int x0, int x1) {
    return lanes.Steps<Zero>(ranges, x0, x1);
}

template <int Zero> using StepsFunction = std::uint32_t (*)(LaneSweep&, Range*, int, int);

template <int Zero> StepsFunction<Zero> StepsFor(VectorWidth width) {
    switch (width) {
    case VectorWidth::Avx512:
        return &StepsAvx512<Zero>;
    case VectorWidth::Avx2:
        return &StepsAvx2<Zero>;
    default:
        return &StepsSse2<Zero>;
    }
}

// The row of lane buffer slot `slot`: the row above the group, one of its rows, or the row
// below.
int SlotRow(const GroupRows<Lanes>& g, int slot) {
    if (slot == 0)
        return g.up[0];
    return slot == Lanes + 1 ? g.down[Lanes - 1] : g.row[slot - 1];
}

// The steps between a group's wrapping ends: the fields as the steps before left them are
// copied into the lane buffers, swept there, and the cells the steps updated copied back.
template <int Zero> struct CertifiedInterior {
    StepsFunction<Zero> steps;
    LaneSweep& lanes;

    template <int, int Rows>
    std::uint32_t Steps(SweepContext& s, const GroupRows<Rows>& g, Range* ranges, int x0,
                        int x1) {
        if (x0 >= x1)
            return 0;
        Fill(s, g, x0 - 1, x1);
        const std::uint32_t bits = steps(lanes, ranges, x0, x1);
        Drain(s, g, x0, x1);
        return bits;
    }

    // Steps x0 … x1 of every slot, where the slot's row has the cell.
    void Fill(const SweepContext& s, const GroupRows<Lanes>& g, int x0, int x1) {
        for (int slot = 0; slot <= Lanes + 1; ++slot) {
            const int lag = slot - 1; // step x holds column x − lag
            const float* a = s.a + SlotRow(g, slot);
            const float* b = s.b + SlotRow(g, slot);
            for (int x = std::max(x0, lag); x <= std::min(x1, s.w - 1 + lag); ++x) {
                lanes.ta[x * Slots + slot] = a[x - lag];
                lanes.tb[x * Slots + slot] = b[x - lag];
            }
        }
    }

    // The group's cells of steps x0 … x1 − 1 back into the fields.
    void Drain(SweepContext& s, const GroupRows<Lanes>& g, int x0, int x1) {
        for (int r = 0; r < Lanes; ++r) {
            float* const a = s.a + g.row[r];
            float* const b = s.b + g.row[r];
            for (int x = x0; x < x1; ++x) {
                a[x - r] = lanes.ta[x * Slots + r + 1];
                b[x - r] = lanes.tb[x * Slots + r + 1];
            }
        }
    }
};

// The lane buffers in the scratch beyond the group's saved rows, each on a cache line.
float* LaneBuffer(float* scratch, int w, int which) {
    const auto start = reinterpret_cast<std::uintptr_t>(scratch + 2 * Lanes * std::size_t(w));
    const std::uintptr_t aligned = (start + 63) & ~std::uintptr_t{63};
    return reinterpret_cast<float*>(aligned) + std::size_t(which) * Slots * std::size_t(w + 1);
}

} // namespace

std::size_t CertifiedScratchCells(int width) {
    return 2 * Lanes * std::size_t(width) + 64 / sizeof(float) +
           2 * std::size_t(Slots) * std::size_t(width + 1);
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

VectorWidth WidestVectorWidth() {
    for (VectorWidth width : {VectorWidth::Avx512, VectorWidth::Avx2})
        if (HasVectorWidth(width))
            return width;
    return VectorWidth::Sse2;
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

long CertifiedSweep(TextureEngine& engine, const SweepCoefficients& k, VectorWidth width) {
    SweepContext s{engine.FieldA.Data(), engine.FieldB.Data(),      k, engine.Width(),
                   engine.Height(),      engine.ScratchRows.Data(), {}};
    s.range = {9999999.0f, 0.0f};
    PublishRange publish{engine, s.range};
    LaneSweep lanes{s, LaneBuffer(s.scratch, s.w, 0), LaneBuffer(s.scratch, s.w, 1), 0};
    WithZeroAction(k.Zero, [&](auto zero) {
        constexpr int Zero = decltype(zero)::value;
        CertifiedInterior<Zero> interior{StepsFor<Zero>(width), lanes};
        int y = 0;
        // The buffers hold copies of the rows above and below a group, which must not be
        // rows of the group itself: with eight rows or fewer the x87 code sweeps them all.
        if (s.h > Lanes)
            for (; y + Lanes <= s.h; y += Lanes)
                SweepGroup<Zero, Lanes>(s, y, interior);
        SweepRowsFrom<Zero>(s, y);
    });
    return lanes.fallbacks;
}

} // namespace mottler
