#pragma once

// A second, deliberately plain implementation of noise seeding and growth, written apart from
// the engine: its own generator, a modulo wrap per neighbour, one long double expression per
// defined step and plain loops for the drift. Tests compare the engine's fields with it bit
// for bit.

#include <cmath>
#include <cstdint>
#include <vector>

namespace mottler::test {

/// The 32-bit LCG, kept apart from the engine's process-wide one.
struct RefGenerator {
    std::uint32_t State = 0;

    std::uint32_t Step() {
        State = static_cast<std::uint32_t>(std::uint64_t(State) * 134775813u + 1u);
        return State;
    }
    std::uint32_t Int(std::uint32_t n) {
        return static_cast<std::uint32_t>((std::uint64_t(Step()) * std::uint64_t(n)) >> 32);
    }
    double Real() { return double(Step()) / 4294967296.0; }
};

struct RefFactors {
    long double FactorA = 995;
    long double FactorB = 0;
    int FactorC = 12;
    int FactorD = 16;
    double MultiplierA = 4.0;
    double MultiplierB = 4.0;
    int Zero = 0;
    int Drift = 0;
};

struct RefTexture {
    int W = 0;
    int H = 0;
    std::vector<float> A;
    std::vector<float> B;
    float Min = 0.0f;
    float Max = 0.0f;
};

enum class RefStop { Completed, Uniform, Overflow };

/// Noise seeding: cells from the last to the first, A then B, each float(real × 12).
inline RefTexture RefSeedNoise(int w, int h, std::uint32_t seed) {
    RefTexture t{w, h, std::vector<float>(std::size_t(w) * h),
                 std::vector<float>(std::size_t(w) * h)};
    RefGenerator g{seed};
    for (long k = long(w) * h - 1; k >= 0; --k) {
        t.A[std::size_t(k)] = float((long double)g.Real() * 12.0L);
        t.B[std::size_t(k)] = float((long double)g.Real() * 12.0L);
    }
    return t;
}

inline void RefDrift(RefTexture& t, int drift) {
    const std::vector<float> old = t.A;
    const int n = t.W * t.H;
    for (int y = 0; y < t.H; ++y) {
        for (int x = 0; x < t.W; ++x) {
            const int k = y * t.W + x;
            int from = k;
            if (drift == 1)
                from = (k + 1) % n;
            else if (drift == 2)
                from = (k + n - 1) % n;
            else if (drift == 3)
                from = ((y + 1) % t.H) * t.W + x;
            else if (drift == 4)
                from = ((y + t.H - 1) % t.H) * t.W + x;
            t.A[std::size_t(k)] = old[std::size_t(from)];
        }
    }
}

/// One sweep; false when a stored value does not fit a float.
inline bool RefSweep(RefTexture& t, const RefFactors& f) {
    using L = long double;
    const L dt = L(0.01f);
    const L c = L(float(f.FactorC));
    const L d = L(float(f.FactorD));
    const L ma = L(float(f.MultiplierA));
    const L mb = L(float(f.MultiplierB));
    const L da = L(float(f.FactorA * 0.05L));
    const L db = L(float(f.FactorB * 0.05L));
    std::vector<float>& A = t.A;
    std::vector<float>& B = t.B;
    t.Min = 9999999.0f;
    t.Max = 0.0f;
    for (int y = 0; y < t.H; ++y) {
        for (int x = 0; x < t.W; ++x) {
            const std::size_t j = std::size_t(y * t.W + x);
            const std::size_t up = std::size_t(((y + t.H - 1) % t.H) * t.W + x);
            const std::size_t down = std::size_t(((y + 1) % t.H) * t.W + x);
            const std::size_t left = std::size_t(y * t.W + (x + t.W - 1) % t.W);
            const std::size_t right = std::size_t(y * t.W + (x + 1) % t.W);
            const float oldA = A[j];
            const float oldB = B[j];
            const float p = float(L(oldA) * L(oldB));
            if (std::isinf(p))
                return false;
            float a = float(
                (((L(p) - L(oldA)) - c) +
                 ((((L(A[down]) - ma * L(oldA)) + L(A[up])) + L(A[right])) + L(A[left])) * da) *
                    dt +
                L(oldA));
            if (std::isinf(a))
                return false;
            if (a < 0.0f && f.Zero == 0)
                a = 0.0f;
            if (a < 0.0f && f.Zero == 1)
                a = oldB;
            if (a < 0.0f && f.Zero == 2)
                a = -a;
            A[j] = a;
            if (a < t.Min)
                t.Min = a;
            if (a > t.Max)
                t.Max = a;
            float b = float(
                ((d - L(p)) +
                 ((((L(B[down]) - mb * L(oldB)) + L(B[left])) + L(B[right])) + L(B[up])) * db) *
                    dt +
                L(oldB));
            if (std::isinf(b))
                return false;
            B[j] = b < 0.0f ? 0.0f : b;
        }
    }
    return true;
}

/// A fresh run of n iterations (at least one) from the given state. `reported` receives the
/// number the run reports: n, or i − 1 when the field of A became uniform in iteration i.
inline RefStop RefGrow(RefTexture& t, const RefFactors& f, int n, int* reported = nullptr,
                       int first = 0) {
    const int last = n > 1 ? n - 1 : 0;
    for (int i = first; i <= last; ++i) {
        if (!RefSweep(t, f))
            return RefStop::Overflow;
        if (t.Min == t.Max) {
            if (reported)
                *reported = i - 1;
            return RefStop::Uniform;
        }
        RefDrift(t, f.Drift);
    }
    if (reported)
        *reported = last + 1;
    return RefStop::Completed;
}

} // namespace mottler::test
