#include "engine/certifiedsweep.h"

#include "engine/wavefront.h"

#include <cmath>

namespace mottler {

using namespace wavefront;

namespace {

constexpr int Lanes = CertifiedRows;

/*
Why a certified cell is exact. Take one of the two updates, say A's:
    V = (((p − a) − C) + L × DA) × dt + a,   L = (((down − mA × a) + up) + right) + left,
with every input a float (p is the float product, formed exactly as the x87 code forms it:
the product of two floats is exact in double, then rounded once). Let M be the same
expression with every input replaced by its absolute value and every subtraction by an
addition. Each operation rounds to nearest with relative error at most u (2^−53 in double,
2^−64 in extended precision), no input takes part in more than 9 operations on its way to the
result, and nothing underflows (every nonzero intermediate is at least 2^−447, far above the
double range's bottom) or overflows (below 2^400), so each result differs from the exact V by
at most γ9 × M, γ9 = 9u / (1 − 9u). The double result r and the extended result x therefore
lie within (γ9(2^−53) + γ9(2^−64)) × M < 9.01 × 2^−53 × M of each other.
The code forms Mc (M in double: sums of non-negative terms, so Mc ≥ M × (1 − γ9)) and
E = 2^−49 × Mc ≥ 15.99 × 2^−53 × M (a power of two: exact). lo = fl(r − E) ≤ r − E +
2^−53 × (|r| + E), and |r| ≤ M × (1 + 9.01 × 2^−53), so lo ≤ r − 14.9 × 2^−53 × M ≤ min(r, x);
likewise hi = fl(r + E) ≥ max(r, x). Rounding to float is monotonic, so when lo and hi round
to the same float, every real number between them does, r and x included. A zero there is
not accepted (the sign of an exact zero is not decided by the interval), nor is anything that
is not finite (the group then replays in extended precision anyway). B's update is the same
with ((D − p) + L × DB) × dt + b and L = (((down − mB × b) + left) + right) + up, again at
most 9 operations deep.
*/
constexpr double BoundFactor = 0x1p-49;

struct DoubleCoefficients {
    double dt, c, d, ma, mb, da, db;

    explicit DoubleCoefficients(const SweepCoefficients& k)
        : dt(k.Dt), c(k.FactorC), d(k.FactorD), ma(k.MultiplierA), mb(k.MultiplierB),
          da(k.DiffusionA), db(k.DiffusionB) {}
};

// The float a value rounds to when every value within its bound rounds to it; NotCertified
// otherwise.
[[gnu::always_inline]] inline std::uint32_t CertifiedBits(double value, double bound) {
    const auto lo = std::bit_cast<std::uint32_t>(static_cast<float>(value - bound));
    const auto hi = std::bit_cast<std::uint32_t>(static_cast<float>(value + bound));
    const bool decided = lo == hi && (lo & 0x7fffffffu) != 0;
    return decided ? lo : 0u;
}

// The inputs of the cells of one step, lane r holding cell (x − r, y + r).
struct StepInputs {
    float a[Lanes], b[Lanes];
    float aUp[Lanes], aDown[Lanes], aLeft[Lanes], aRight[Lanes];
    float bUp[Lanes], bDown[Lanes], bLeft[Lanes], bRight[Lanes];
};

// The certified results of one step: the float bits, 0 where not certified.
struct StepResults {
    float p[Lanes];
    std::uint32_t a[Lanes], b[Lanes];
};

[[gnu::always_inline]] inline void Gather(const SweepContext& s, const GroupRows<Lanes>& g, int x,
                                          StepInputs& in) {
    for (int r = 0; r < Lanes; ++r) {
        const int c = x - r;
        const int j = g.row[r] + c;
        in.a[r] = s.a[j], in.b[r] = s.b[j];
        in.aUp[r] = s.a[g.up[r] + c], in.aDown[r] = s.a[g.down[r] + c];
        in.aLeft[r] = s.a[j - 1], in.aRight[r] = s.a[j + 1];
        in.bUp[r] = s.b[g.up[r] + c], in.bDown[r] = s.b[g.down[r] + c];
        in.bLeft[r] = s.b[j - 1], in.bRight[r] = s.b[j + 1];
    }
}

// Every lane in double precision with its bound; a loop the compiler turns into vector code.
[[gnu::always_inline]] inline void ComputeLanes(const DoubleCoefficients& k, const StepInputs& in,
                                                StepResults& out) {
    for (int r = 0; r < Lanes; ++r) {
        const double a = in.a[r], b = in.b[r];
        out.p[r] = static_cast<float>(a * b);
        const double p = out.p[r];

        const double lapA =
            (((double(in.aDown[r]) - k.ma * a) + in.aUp[r]) + in.aRight[r]) + in.aLeft[r];
        const double newA = (((p - a) - k.c) + lapA * k.da) * k.dt + a;
        const double absLapA = (((std::fabs(double(in.aDown[r])) + std::fabs(k.ma) * std::fabs(a)) +
                                 std::fabs(double(in.aUp[r]))) +
                                std::fabs(double(in.aRight[r]))) +
                               std::fabs(double(in.aLeft[r]));
        const double sizeA =
            (((std::fabs(p) + std::fabs(a)) + std::fabs(k.c)) + absLapA * std::fabs(k.da)) *
                std::fabs(k.dt) +
            std::fabs(a);
        out.a[r] = CertifiedBits(newA, sizeA * BoundFactor);

        const double lapB =
            (((double(in.bDown[r]) - k.mb * b) + in.bLeft[r]) + in.bRight[r]) + in.bUp[r];
        const double newB = ((k.d - p) + lapB * k.db) * k.dt + b;
        const double absLapB = (((std::fabs(double(in.bDown[r])) + std::fabs(k.mb) * std::fabs(b)) +
                                 std::fabs(double(in.bLeft[r]))) +
                                std::fabs(double(in.bRight[r]))) +
                               std::fabs(double(in.bUp[r]));
        const double sizeB =
            ((std::fabs(k.d) + std::fabs(p)) + absLapB * std::fabs(k.db)) * std::fabs(k.dt) +
            std::fabs(b);
        out.b[r] = CertifiedBits(newB, sizeB * BoundFactor);
    }
}

// Stores the step's cells in lane order; a lane without a certificate is computed by the x87
// code from the same inputs (no cell of a step reads another cell of the same step).
template <int Zero>
[[gnu::always_inline]] inline std::uint32_t StoreLanes(SweepContext& s, const GroupRows<Lanes>& g,
                                                       Range* ranges, int x, const StepInputs& in,
                                                       const StepResults& out, long& fallbacks) {
    std::uint32_t bits = 0;
    for (int r = 0; r < Lanes; ++r) {
        const int c = x - r;
        const int j = g.row[r] + c;
        CellValues v{out.p[r], std::bit_cast<float>(out.a[r]), std::bit_cast<float>(out.b[r])};
        if ((out.a[r] == 0 || out.b[r] == 0)) [[unlikely]] {
            v = Compute(s.a, s.b, s.k, {j, g.up[r] + c, g.down[r] + c, j - 1, j + 1});
            ++fallbacks;
        }
        const float newA = ApplyZeroAction<Zero>(v.a, in.b[r]);
        s.a[j] = newA;
        ranges[r].Add(newA);
        s.b[j] = ZeroIfNegative(v.b);
        bits |= NotFiniteBit(v.p) | NotFiniteBit(v.a) | NotFiniteBit(v.b);
    }
    return bits;
}

template <int Zero>
[[gnu::always_inline]] inline std::uint32_t CertifiedSteps(SweepContext& s,
                                                           const GroupRows<Lanes>& g, Range* ranges,
                                                           int x0, int x1, long& fallbacks) {
    const DoubleCoefficients k(s.k);
    std::uint32_t bits = 0;
    for (int x = x0; x < x1; ++x) {
        StepInputs in;
        StepResults out;
        Gather(s, g, x, in);
        ComputeLanes(k, in, out);
        bits |= StoreLanes<Zero>(s, g, ranges, x, in, out, fallbacks);
    }
    return bits;
}

// The same steps compiled for each width; the build targets plain x86-64, so the wider ones
// are chosen at run time only where the processor has them.
template <int Zero>
std::uint32_t StepsSse2(SweepContext& s, const GroupRows<Lanes>& g, Range* ranges, int x0, int x1,
                        long& fallbacks) {
    return CertifiedSteps<Zero>(s, g, ranges, x0, x1, fallbacks);
}

template <int Zero>
[[gnu::target("avx2")]] std::uint32_t StepsAvx2(SweepContext& s, const GroupRows<Lanes>& g,
                                                Range* ranges, int x0, int x1, long& fallbacks) {
    return CertifiedSteps<Zero>(s, g, ranges, x0, x1, fallbacks);
}

template <int Zero>
[[gnu::target("avx512f,avx512vl,avx512dq,avx512bw")]] std::uint32_t
StepsAvx512(SweepContext& s, const GroupRows<Lanes>& g, Range* ranges, int x0, int x1,
            long& fallbacks) {
    return CertifiedSteps<Zero>(s, g, ranges, x0, x1, fallbacks);
}

template <int Zero>
using StepsFunction = std::uint32_t (*)(SweepContext&, const GroupRows<Lanes>&, Range*, int, int,
                                        long&);

// The steps between a group's ends through the certified code of one width.
template <int Zero> struct CertifiedInterior {
    StepsFunction<Zero> steps;
    long* fallbacks;

    template <int StepZero, int Rows>
    std::uint32_t Steps(SweepContext& s, const GroupRows<Rows>& g, Range* ranges, int x0,
                        int x1) const {
        return steps(s, g, ranges, x0, x1, *fallbacks);
    }
};

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

} // namespace

bool HasVectorWidth(VectorWidth width) {
    switch (width) {
    case VectorWidth::Avx512:
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") &&
               __builtin_cpu_supports("avx512dq") && __builtin_cpu_supports("avx512bw");
    case VectorWidth::Avx2:
        return __builtin_cpu_supports("avx2");
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

long CertifiedSweep(TextureEngine& engine, const SweepCoefficients& k, VectorWidth width) {
    SweepContext s{engine.FieldA.Data(), engine.FieldB.Data(),      k, engine.Width(),
                   engine.Height(),      engine.ScratchRows.Data(), {}};
    s.range = {9999999.0f, 0.0f};
    PublishRange publish{engine, s.range};
    long fallbacks = 0;
    WithZeroAction(k.Zero, [&](auto zero) {
        constexpr int Zero = decltype(zero)::value;
        const CertifiedInterior<Zero> interior{StepsFor<Zero>(width), &fallbacks};
        int y = 0;
        for (; y + Lanes <= s.h; y += Lanes)
            SweepGroup<Zero, Lanes>(s, y, interior);
        SweepRowsFrom<Zero>(s, y);
    });
    return fallbacks;
}

} // namespace mottler
