#ifndef PLECTRONOME_FASTMATH_H
#define PLECTRONOME_FASTMATH_H

// Float approximations of atan2, sin and cos for the block processing's polar conversions,
// scalar and, where SSE2 is available, four bins at a time. Accurate to a few float ulps
// (about 3e-7 rad for atan2, 1e-7 for sin and cos). No special handling beyond what the
// engine needs: atan2(+-0, +-0) is +-0 (or +-pi for x = -0 and x < 0), every result is finite for
// finite input.

#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace fastmath {

constexpr float kPi = 3.14159265358979f;
constexpr float kHalfPi = 1.57079632679490f;
constexpr float kQuarterPi = 0.785398163397448f;

// Nearest integer (ties to even) for |v| < 2^22, without a library call.
// The magic-number rounding relies on IEEE single and double arithmetic: it needs SSE (no x87
// excess precision) and a build without -ffast-math, which would fold the two operations away.
inline float roundNearest(float v)
{
    const float magic = 12582912.0f; // 1.5 * 2^23
    return (v + magic) - magic;
}

// Nearest integer for |v| < 2^51.
inline double roundNearest(double v)
{
    const double magic = 6755399441055744.0; // 1.5 * 2^52
    return (v + magic) - magic;
}

inline float atan2f(float y, float x)
{
    const float ax = std::fabs(x);
    const float ay = std::fabs(y);
    const float mx = ax > ay ? ax : ay;
    const float mn = ax > ay ? ay : ax;
    // Both branches are computed so that the loop has no control flow; mx = 0 gives a = 0.
    const float a = mn / (mx > 1e-30f ? mx : 1e-30f); // 0..1
    // Range reduction around tan(pi/8): atan(a) = pi/4 + atan((a - 1) / (a + 1)).
    const bool big = a > 0.414213562373095f;
    const float reduced = (a - 1.0f) / (a + 1.0f);
    const float t = big ? reduced : a;
    const float z = t * t;
    float r = ((((8.05374449538e-2f * z - 1.38776856032e-1f) * z + 1.99777106478e-1f) * z - 3.33329491539e-1f) * z) * t + t;
    r = big ? r + kQuarterPi : r;
    r = ay > ax ? kHalfPi - r : r;
    r = x < 0.0f ? kPi - r : r;
    return std::copysign(r, y);
}

// sin and cos of x at once; |x| up to a few thousand radians keeps full accuracy.
inline void sincosf(float x, float *s, float *c)
{
    // Octant reduction with pi/2 split into three parts.
    const float q = roundNearest(x * 0.636619772367581f);
    float r = x - q * 1.5703125f;
    r -= q * 4.83751296997070e-4f;
    r -= q * 7.54978995489e-8f;
    const float z = r * r;
    const float sr = ((-1.9515295891e-4f * z + 8.3321608736e-3f) * z - 1.6666654611e-1f) * z * r + r;
    const float cr = ((2.443315711809948e-5f * z - 1.388731625493765e-3f) * z + 4.166664568298827e-2f) * z * z - 0.5f * z + 1.0f;
    // NaN or an argument beyond the reduction's range must not reach the int conversion.
    const int k = std::fabs(q) < 4194304.0f ? static_cast<int>(q) & 3 : 0;
    const float ss = (k & 1) ? cr : sr;
    const float cc = (k & 1) ? sr : cr;
    *s = (k & 2) ? -ss : ss;
    *c = ((k + 1) & 2) ? -cc : cc;
}


// Magnitudes and phases of n bins held as re[i], im[i] in the transform's half-complex
// order: magnitude = |re + i im|, phase = atan2(-im, re).
inline void toPolarBlock(const float *re, const float *im, float *magnitude, float *phase, int n)
{
    int i = 0;
#if defined(__SSE2__)
    const __m128 signMask = _mm_set1_ps(-0.0f);
    const __m128 one = _mm_set1_ps(1.0f);
    const __m128 tiny = _mm_set1_ps(1e-30f);
    const __m128 tanPi8 = _mm_set1_ps(0.414213562373095f);
    const __m128 c0 = _mm_set1_ps(8.05374449538e-2f);
    const __m128 c1 = _mm_set1_ps(1.38776856032e-1f);
    const __m128 c2 = _mm_set1_ps(1.99777106478e-1f);
    const __m128 c3 = _mm_set1_ps(3.33329491539e-1f);
    const __m128 quarterPi = _mm_set1_ps(kQuarterPi);
    const __m128 halfPi = _mm_set1_ps(kHalfPi);
    const __m128 pi = _mm_set1_ps(kPi);
    for (; i + 4 <= n; i += 4) {
        const __m128 x = _mm_loadu_ps(re + i);
        const __m128 y = _mm_xor_ps(_mm_loadu_ps(im + i), signMask); // -im
        _mm_storeu_ps(magnitude + i, _mm_sqrt_ps(_mm_add_ps(_mm_mul_ps(x, x), _mm_mul_ps(y, y))));
        const __m128 ax = _mm_andnot_ps(signMask, x);
        const __m128 ay = _mm_andnot_ps(signMask, y);
        const __m128 mx = _mm_max_ps(ax, ay);
        const __m128 mn = _mm_min_ps(ax, ay);
        const __m128 a = _mm_div_ps(mn, _mm_max_ps(mx, tiny));
        const __m128 big = _mm_cmpgt_ps(a, tanPi8);
        const __m128 reduced = _mm_div_ps(_mm_sub_ps(a, one), _mm_add_ps(a, one));
        const __m128 t = _mm_or_ps(_mm_and_ps(big, reduced), _mm_andnot_ps(big, a));
        const __m128 z = _mm_mul_ps(t, t);
        __m128 r = _mm_sub_ps(_mm_mul_ps(c0, z), c1);
        r = _mm_add_ps(_mm_mul_ps(r, z), c2);
        r = _mm_sub_ps(_mm_mul_ps(r, z), c3);
        r = _mm_add_ps(_mm_mul_ps(_mm_mul_ps(r, z), t), t);
        r = _mm_add_ps(r, _mm_and_ps(big, quarterPi));
        const __m128 swap = _mm_cmpgt_ps(ay, ax);
        r = _mm_or_ps(_mm_and_ps(swap, _mm_sub_ps(halfPi, r)), _mm_andnot_ps(swap, r));
        const __m128 negX = _mm_cmplt_ps(x, _mm_setzero_ps());
        r = _mm_or_ps(_mm_and_ps(negX, _mm_sub_ps(pi, r)), _mm_andnot_ps(negX, r));
        r = _mm_or_ps(r, _mm_and_ps(y, signMask));
        _mm_storeu_ps(phase + i, r);
    }
#endif
    for (; i < n; ++i) {
        magnitude[i] = std::sqrt(re[i] * re[i] + im[i] * im[i]);
        phase[i] = atan2f(-im[i], re[i]);
    }
}

// The inverse: re[i] = magnitude cos(phase), im[i] = -magnitude sin(phase).
inline void fromPolarBlock(const float *magnitude, const float *phase, float *re, float *im, int n)
{
    int i = 0;
#if defined(__SSE2__)
    const __m128 signMask = _mm_set1_ps(-0.0f);
    const __m128 twoOverPi = _mm_set1_ps(0.636619772367581f);
    const __m128 p1 = _mm_set1_ps(1.5703125f);
    const __m128 p2 = _mm_set1_ps(4.83751296997070e-4f);
    const __m128 p3 = _mm_set1_ps(7.54978995489e-8f);
    const __m128 s0 = _mm_set1_ps(-1.9515295891e-4f);
    const __m128 s1 = _mm_set1_ps(8.3321608736e-3f);
    const __m128 s2 = _mm_set1_ps(1.6666654611e-1f);
    const __m128 k0 = _mm_set1_ps(2.443315711809948e-5f);
    const __m128 k1 = _mm_set1_ps(1.388731625493765e-3f);
    const __m128 k2 = _mm_set1_ps(4.166664568298827e-2f);
    const __m128 half = _mm_set1_ps(0.5f);
    const __m128 one = _mm_set1_ps(1.0f);
    const __m128i i1 = _mm_set1_epi32(1);
    const __m128i i2 = _mm_set1_epi32(2);
    for (; i + 4 <= n; i += 4) {
        const __m128 x = _mm_loadu_ps(phase + i);
        const __m128i q = _mm_cvtps_epi32(_mm_mul_ps(x, twoOverPi)); // nearest
        const __m128 qf = _mm_cvtepi32_ps(q);
        __m128 r = _mm_sub_ps(x, _mm_mul_ps(qf, p1));
        r = _mm_sub_ps(r, _mm_mul_ps(qf, p2));
        r = _mm_sub_ps(r, _mm_mul_ps(qf, p3));
        const __m128 z = _mm_mul_ps(r, r);
        __m128 sr = _mm_add_ps(_mm_mul_ps(s0, z), s1);
        sr = _mm_sub_ps(_mm_mul_ps(sr, z), s2);
        sr = _mm_add_ps(_mm_mul_ps(_mm_mul_ps(sr, z), r), r);
        __m128 cr = _mm_sub_ps(_mm_mul_ps(k0, z), k1);
        cr = _mm_add_ps(_mm_mul_ps(cr, z), k2);
        cr = _mm_add_ps(_mm_sub_ps(_mm_mul_ps(_mm_mul_ps(cr, z), z), _mm_mul_ps(half, z)), one);
        const __m128 swap = _mm_castsi128_ps(_mm_cmpeq_epi32(_mm_and_si128(q, i1), i1));
        __m128 sn = _mm_or_ps(_mm_and_ps(swap, cr), _mm_andnot_ps(swap, sr));
        __m128 cs = _mm_or_ps(_mm_and_ps(swap, sr), _mm_andnot_ps(swap, cr));
        const __m128 negS = _mm_castsi128_ps(_mm_cmpeq_epi32(_mm_and_si128(q, i2), i2));
        const __m128 negC = _mm_castsi128_ps(_mm_cmpeq_epi32(_mm_and_si128(_mm_add_epi32(q, i1), i2), i2));
        sn = _mm_xor_ps(sn, _mm_and_ps(negS, signMask));
        cs = _mm_xor_ps(cs, _mm_and_ps(negC, signMask));
        const __m128 m = _mm_loadu_ps(magnitude + i);
        _mm_storeu_ps(re + i, _mm_mul_ps(m, cs));
        _mm_storeu_ps(im + i, _mm_xor_ps(_mm_mul_ps(m, sn), signMask));
    }
#endif
    for (; i < n; ++i) {
        float sn, cs;
        sincosf(phase[i], &sn, &cs);
        re[i] = magnitude[i] * cs;
        im[i] = -(magnitude[i] * sn);
    }
}

// Magnitudes only.
inline void magnitudeBlock(const float *re, const float *im, float *magnitude, int n)
{
    int i = 0;
#if defined(__SSE2__)
    for (; i + 4 <= n; i += 4) {
        const __m128 x = _mm_loadu_ps(re + i);
        const __m128 y = _mm_loadu_ps(im + i);
        _mm_storeu_ps(magnitude + i, _mm_sqrt_ps(_mm_add_ps(_mm_mul_ps(x, x), _mm_mul_ps(y, y))));
    }
#endif
    for (; i < n; ++i)
        magnitude[i] = std::sqrt(re[i] * re[i] + im[i] * im[i]);
}

} // namespace fastmath

#endif
