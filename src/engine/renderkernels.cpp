// GCC 12's AVX-512 intrinsics pass a deliberately undefined vector (_mm512_undefined_*) as
// the unused source of their unmasked forms, which its own -Wuninitialized then reports at
// every use; the warning says nothing about this file's code.
#pragma GCC diagnostic ignored "-Wuninitialized"
#ifndef __clang__
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include "engine/renderkernels.h"

#include "engine/scaling.h"

#include <QByteArray>
#include <cstring>
#include <immintrin.h>

// Why the vector kernels may compute in double precision.
//
// The plain kernel computes x_e = ext(ext(a − low) × scale) in x87 extended precision (64-bit
// significand) and rounds that to a float. a, low and scale are floats, exact in double. The
// vector kernels compute x_d = dbl(dbl(a − low) × scale) in double precision (53 bits):
//   - dbl(a − low) = (a − low)(1 + d1) with |d1| ≤ 2⁻⁵³; a nonzero difference of floats is
//     at least 2⁻¹⁴⁹ and below 2¹²⁹, so nothing underflows or overflows in double, and the
//     difference is 0 exactly when a = low (with the same sign of zero as in extended).
//   - x_d = x (1 + d1)(1 + d2), x = (a − low) × scale exactly, |d2| ≤ 2⁻⁵³, so
//     |x_d − x| ≤ (2⁻⁵² + 2⁻¹⁰⁶)|x|; likewise |x_e − x| ≤ (2⁻⁶³ + 2⁻¹²⁸)|x|.
//   - Let 2^E ≤ |x_d| < 2^(E+1) and u = 2^(E−52), one double ulp there. Then
//     |x_d − x| < 2.01 u and |x_e − x_d| < 2.02 u.
//   - A float rounding midpoint within x_d's binade sits where the 29 bits of x_d's
//     significand below the float's 24 are exactly 2²⁸; its distance from x_d is
//     |r − 2²⁸| u (r those 29 bits). Midpoints of the neighbouring binades are 2²⁷ u away
//     or more. So when |r − 2²⁸| > 4, no midpoint lies between any two of x_d, x and x_e,
//     and rounding to nearest gives all three the same float.
//   - That holds for floats in the normal range: |x_d| ≥ 2⁻¹²⁵ keeps x and x_e at or above
//     2⁻¹²⁶ (and the float grid below 2⁻¹²⁵ is one spacing anyway), |x_d| < 2¹²⁷ keeps
//     them finite.
// A lane that passes, or whose x_d is 0 (then x and x_e are the same zero), takes the float
// of x_d; any other lane (NaN included) is computed again by the plain code. The clamp of
// negative values to 0 and the palette index (CVTPS2DQ rounds like CVTSS2SI, by the current
// rounding mode) act on the same float in both. Uncertified lanes are rare: random values
// fail with odds of about 9 in 2²⁹.
namespace mottler {
namespace {

constexpr long long MidpointMargin = 4; // double ulps, see above
constexpr double SmallestCertified = 0x1p-125;
constexpr double LargestCertified = 0x1p127;

void ScaleAndColourPlain(const float* a, float* scaled, std::uint8_t* pixels, int count, float low,
                         float scale, const PixelTable& table) {
    for (int k = 0; k < count; ++k) {
        const float v = ScaledCell(a[k], low, scale);
        scaled[k] = v;
        std::memcpy(pixels + 3 * k, &table[static_cast<std::size_t>(PaletteIndex(v))], 3);
    }
}

// The stored lanes whose bit in `certified` is clear are computed again by the plain code
// (which clamps as well); true when there were any, so that the caller reloads them.
bool PatchUncertified(float* scaled, unsigned certified, int lanes, const float* a, float low,
                      float scale) {
    if (certified == (1u << lanes) - 1)
        return false;
    for (int j = 0; j < lanes; ++j)
        if ((certified & (1u << j)) == 0)
            scaled[j] = ScaledCell(a[j], low, scale);
    return true;
}

[[gnu::target("avx2")]] unsigned CertifiedAvx2(__m256d x) {
    const __m256d magnitude = _mm256_andnot_pd(_mm256_set1_pd(-0.0), x);
    const __m256d normal =
        _mm256_and_pd(_mm256_cmp_pd(magnitude, _mm256_set1_pd(SmallestCertified), _CMP_GE_OQ),
                      _mm256_cmp_pd(magnitude, _mm256_set1_pd(LargestCertified), _CMP_LT_OQ));
    const __m256i below = _mm256_and_si256(_mm256_castpd_si256(x), _mm256_set1_epi64x(0x1fffffff));
    const __m256i fromMidpoint = _mm256_sub_epi64(below, _mm256_set1_epi64x(1LL << 28));
    const __m256i clear =
        _mm256_or_si256(_mm256_cmpgt_epi64(fromMidpoint, _mm256_set1_epi64x(MidpointMargin)),
                        _mm256_cmpgt_epi64(_mm256_set1_epi64x(-MidpointMargin), fromMidpoint));
    const __m256d zero = _mm256_cmp_pd(x, _mm256_setzero_pd(), _CMP_EQ_OQ);
    const __m256d ok = _mm256_or_pd(_mm256_and_pd(normal, _mm256_castsi256_pd(clear)), zero);
    return static_cast<unsigned>(_mm256_movemask_pd(ok));
}

// Eight cells a step: scaled in double, certified, rounded, clamped, indexed, gathered from
// the table and packed from 8 × 4 bytes into 24.
[[gnu::target("avx2")]] void ScaleAndColourAvx2(const float* a, float* scaled, std::uint8_t* pixels,
                                                int count, float low, float scale,
                                                const PixelTable& table) {
    const __m256d lowD = _mm256_set1_pd(low);
    const __m256d scaleD = _mm256_set1_pd(scale);
    const __m256i pack = _mm256_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1, 0,
                                          1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    const __m256i joinLanes = _mm256_setr_epi32(0, 1, 2, 4, 5, 6, 7, 7);
    const auto* entries = reinterpret_cast<const int*>(table.data());
    int k = 0;
    for (; k + 8 <= count; k += 8) {
        const __m256d x0 =
            _mm256_mul_pd(_mm256_sub_pd(_mm256_cvtps_pd(_mm_loadu_ps(a + k)), lowD), scaleD);
        const __m256d x1 =
            _mm256_mul_pd(_mm256_sub_pd(_mm256_cvtps_pd(_mm_loadu_ps(a + k + 4)), lowD), scaleD);
        __m256 v = _mm256_set_m128(_mm256_cvtpd_ps(x1), _mm256_cvtpd_ps(x0));
        const __m256 zero = _mm256_setzero_ps();
        v = _mm256_blendv_ps(v, zero, _mm256_cmp_ps(v, zero, _CMP_LT_OQ));
        _mm256_storeu_ps(scaled + k, v);
        if (PatchUncertified(scaled + k, CertifiedAvx2(x0) | CertifiedAvx2(x1) << 4, 8, a + k, low,
                             scale))
            v = _mm256_loadu_ps(scaled + k);
        __m256i index = _mm256_cvtps_epi32(v);
        index = _mm256_min_epi32(_mm256_max_epi32(index, _mm256_setzero_si256()),
                                 _mm256_set1_epi32(255));
        const __m256i colours = _mm256_i32gather_epi32(entries, index, 4);
        const __m256i packed =
            _mm256_permutevar8x32_epi32(_mm256_shuffle_epi8(colours, pack), joinLanes);
        std::uint8_t* out = pixels + 3 * k;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm256_castsi256_si128(packed));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 16), _mm256_extracti128_si256(packed, 1));
    }
    ScaleAndColourPlain(a + k, scaled + k, pixels + 3 * k, count - k, low, scale, table);
}

[[gnu::target("avx512f,avx512bw")]] unsigned CertifiedAvx512(__m512d x) {
    const __m512d magnitude = _mm512_abs_pd(x);
    const __mmask8 normal =
        _mm512_cmp_pd_mask(magnitude, _mm512_set1_pd(SmallestCertified), _CMP_GE_OQ) &
        _mm512_cmp_pd_mask(magnitude, _mm512_set1_pd(LargestCertified), _CMP_LT_OQ);
    const __m512i below = _mm512_and_si512(_mm512_castpd_si512(x), _mm512_set1_epi64(0x1fffffff));
    const __m512i fromMidpoint =
        _mm512_abs_epi64(_mm512_sub_epi64(below, _mm512_set1_epi64(1LL << 28)));
    const __mmask8 clear = _mm512_cmpgt_epi64_mask(fromMidpoint, _mm512_set1_epi64(MidpointMargin));
    const __mmask8 zero = _mm512_cmp_pd_mask(x, _mm512_setzero_pd(), _CMP_EQ_OQ);
    return static_cast<unsigned>((normal & clear) | zero);
}

// Sixteen cells a step, as the AVX2 kernel; the 16 × 4 gathered bytes are packed into 48.
[[gnu::target("avx512f,avx512bw")]] void ScaleAndColourAvx512(const float* a, float* scaled,
                                                              std::uint8_t* pixels, int count,
                                                              float low, float scale,
                                                              const PixelTable& table) {
    const __m512d lowD = _mm512_set1_pd(low);
    const __m512d scaleD = _mm512_set1_pd(scale);
    const __m512i pack = _mm512_broadcast_i32x4(
        _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1));
    const __m512i joinLanes =
        _mm512_setr_epi32(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, 15, 15, 15, 15);
    int k = 0;
    for (; k + 16 <= count; k += 16) {
        const __m512d x0 =
            _mm512_mul_pd(_mm512_sub_pd(_mm512_cvtps_pd(_mm256_loadu_ps(a + k)), lowD), scaleD);
        const __m512d x1 =
            _mm512_mul_pd(_mm512_sub_pd(_mm512_cvtps_pd(_mm256_loadu_ps(a + k + 8)), lowD), scaleD);
        __m512 v = _mm512_castpd_ps(
            _mm512_insertf64x4(_mm512_castps_pd(_mm512_castps256_ps512(_mm512_cvtpd_ps(x0))),
                               _mm256_castps_pd(_mm512_cvtpd_ps(x1)), 1));
        const __m512 zero = _mm512_setzero_ps();
        v = _mm512_mask_blend_ps(_mm512_cmp_ps_mask(v, zero, _CMP_LT_OQ), v, zero);
        _mm512_storeu_ps(scaled + k, v);
        if (PatchUncertified(scaled + k, CertifiedAvx512(x0) | CertifiedAvx512(x1) << 8, 16, a + k,
                             low, scale))
            v = _mm512_loadu_ps(scaled + k);
        __m512i index = _mm512_cvtps_epi32(v);
        index = _mm512_min_epi32(_mm512_max_epi32(index, _mm512_setzero_si512()),
                                 _mm512_set1_epi32(255));
        const __m512i colours = _mm512_i32gather_epi32(index, table.data(), 4);
        const __m512i packed =
            _mm512_permutexvar_epi32(joinLanes, _mm512_shuffle_epi8(colours, pack));
        _mm512_mask_storeu_epi32(pixels + 3 * k, 0x0fff, packed);
    }
    ScaleAndColourPlain(a + k, scaled + k, pixels + 3 * k, count - k, low, scale, table);
}

RenderKernel WidestKernel() {
    if (RenderKernelAvailable(RenderKernel::Avx512))
        return RenderKernel::Avx512;
    if (RenderKernelAvailable(RenderKernel::Avx2))
        return RenderKernel::Avx2;
    return RenderKernel::Plain;
}

RenderKernel KernelFromEnvironment() {
    const QByteArray name = qgetenv("MOTTLER_RENDER_KERNEL");
    RenderKernel kernel = WidestKernel();
    if (name == "plain")
        kernel = RenderKernel::Plain;
    else if (name == "avx2")
        kernel = RenderKernel::Avx2;
    else if (name == "avx512")
        kernel = RenderKernel::Avx512;
    return RenderKernelAvailable(kernel) ? kernel : WidestKernel();
}

} // namespace

bool RenderKernelAvailable(RenderKernel kernel) {
    switch (kernel) {
    case RenderKernel::Avx2:
        return __builtin_cpu_supports("avx2") != 0;
    case RenderKernel::Avx512:
        return __builtin_cpu_supports("avx512f") != 0 && __builtin_cpu_supports("avx512bw") != 0;
    case RenderKernel::Plain:
        break;
    }
    return true;
}

RenderKernel ChosenRenderKernel() {
    static const RenderKernel chosen = KernelFromEnvironment();
    return chosen;
}

PixelTable WidenPixels(const Palette& palette) {
    PixelTable table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        const auto& p = palette.Pixels[i];
        table[i] = std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16;
    }
    return table;
}

void ScaleAndColourCells(RenderKernel kernel, const float* a, float* scaled, std::uint8_t* pixels,
                         int count, float low, float scale, const PixelTable& table) {
    switch (kernel) {
    case RenderKernel::Avx512:
        ScaleAndColourAvx512(a, scaled, pixels, count, low, scale, table);
        return;
    case RenderKernel::Avx2:
        ScaleAndColourAvx2(a, scaled, pixels, count, low, scale, table);
        return;
    case RenderKernel::Plain:
        break;
    }
    ScaleAndColourPlain(a, scaled, pixels, count, low, scale, table);
}

} // namespace mottler
