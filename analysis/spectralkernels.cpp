#include "analysis/spectralkernels.h"

#include "analysis/analysismath.h"

#include <atomic>
#include <cmath>
#include <cstring>
#include <limits>

// The kernels are written once for a number of lanes and built three times on x86: two
// doubles per operation (SSE2, every x86-64 processor), four (AVX2) and eight (AVX-512),
// the wider ones chosen at run time when the processor has them. All use the same
// operations in the same order, without fused multiply-add (the library is built without
// contraction), so they give identical results.

#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wpsabi"
#endif

#if defined(__GNUC__)
#define KERNEL_INLINE inline __attribute__((always_inline))
#else
#define KERNEL_INLINE inline
#endif

namespace analysis {

namespace {

constexpr double kMathPi = 3.141592653589793;

template <int Lanes>
struct Lanes_;

template <>
struct Lanes_<2>
{
    typedef double Vec __attribute__((vector_size(16)));
    typedef long long Mask __attribute__((vector_size(16)));
    typedef float FVec __attribute__((vector_size(8)));
};

template <>
struct Lanes_<4>
{
    typedef double Vec __attribute__((vector_size(32)));
    typedef long long Mask __attribute__((vector_size(32)));
    typedef float FVec __attribute__((vector_size(16)));
};

template <>
struct Lanes_<8>
{
    typedef double Vec __attribute__((vector_size(64)));
    typedef long long Mask __attribute__((vector_size(64)));
    typedef float FVec __attribute__((vector_size(32)));
};

template <int L>
using VecOf = typename Lanes_<L>::Vec;
template <int L>
using MaskOf = typename Lanes_<L>::Mask;
template <int L>
using FVecOf = typename Lanes_<L>::FVec;

template <typename V, typename S>
KERNEL_INLINE V splat(S x)
{
    return V{} + x;
}

template <int L>
KERNEL_INLINE VecOf<L> absOf(const VecOf<L> &x)
{
    return (VecOf<L>)((MaskOf<L>)x & splat<MaskOf<L>>(0x7fffffffffffffffLL));
}

template <int L>
KERNEL_INLINE MaskOf<L> signBit(const VecOf<L> &x)
{
    return (MaskOf<L>)x < splat<MaskOf<L>>(0);
}

template <int L>
KERNEL_INLINE VecOf<L> copySign(const VecOf<L> &magnitude, const VecOf<L> &sign)
{
    const MaskOf<L> signMask = splat<MaskOf<L>>(static_cast<long long>(0x8000000000000000ULL));
    return (VecOf<L>)(((MaskOf<L>)magnitude & ~signMask) | ((MaskOf<L>)sign & signMask));
}

// floor(x) for |x| < 2^51: round to nearest through 1.5 * 2^52, then step down where that
// went up. NaN stays NaN.
template <int L>
KERNEL_INLINE VecOf<L> floorOf(const VecOf<L> &x)
{
    using V = VecOf<L>;
    const V big = splat<V>(6755399441055744.0);
    const V r = (x + big) - big;
    return r - ((r > x) ? splat<V>(1.0) : splat<V>(0.0));
}

template <int L>
KERNEL_INLINE bool anyLane(const MaskOf<L> &m)
{
    long long any = 0;
    for (int l = 0; l < L; ++l)
        any |= m[l];
    return any != 0;
}

// atan(t) for |t| <= tan(pi/16): Taylor series to t^21.
template <int L>
KERNEL_INLINE VecOf<L> atanSmall(const VecOf<L> &t)
{
    using V = VecOf<L>;
    const V z = t * t;
    V p = splat<V>(-1.0 / 21.0);
    p = p * z + splat<V>(1.0 / 19.0);
    p = p * z - splat<V>(1.0 / 17.0);
    p = p * z + splat<V>(1.0 / 15.0);
    p = p * z - splat<V>(1.0 / 13.0);
    p = p * z + splat<V>(1.0 / 11.0);
    p = p * z - splat<V>(1.0 / 9.0);
    p = p * z + splat<V>(1.0 / 7.0);
    p = p * z - splat<V>(1.0 / 5.0);
    p = p * z + splat<V>(1.0 / 3.0);
    return t - t * z * p;
}

// sin(r) and cos(r) for |r| <= pi/4: Taylor series to r^15 and r^16.
template <int L>
KERNEL_INLINE VecOf<L> sinSmall(const VecOf<L> &r)
{
    using V = VecOf<L>;
    const V z = r * r;
    V p = splat<V>(-1.0 / 1307674368000.0);
    p = p * z + splat<V>(1.0 / 6227020800.0);
    p = p * z - splat<V>(1.0 / 39916800.0);
    p = p * z + splat<V>(1.0 / 362880.0);
    p = p * z - splat<V>(1.0 / 5040.0);
    p = p * z + splat<V>(1.0 / 120.0);
    p = p * z - splat<V>(1.0 / 6.0);
    return r + r * z * p;
}

template <int L>
KERNEL_INLINE VecOf<L> cosSmall(const VecOf<L> &r)
{
    using V = VecOf<L>;
    const V z = r * r;
    V p = splat<V>(1.0 / 20922789888000.0);
    p = p * z - splat<V>(1.0 / 87178291200.0);
    p = p * z + splat<V>(1.0 / 479001600.0);
    p = p * z - splat<V>(1.0 / 3628800.0);
    p = p * z + splat<V>(1.0 / 40320.0);
    p = p * z - splat<V>(1.0 / 720.0);
    p = p * z + splat<V>(1.0 / 24.0);
    p = p * z - splat<V>(0.5);
    return splat<V>(1.0) + z * p;
}

// atan2(y, x) with the library's conventions; zeros, infinities and NaN go to the library.
template <int L>
KERNEL_INLINE VecOf<L> atan2Of(const VecOf<L> &y, const VecOf<L> &x)
{
    using V = VecOf<L>;
    using M = MaskOf<L>;
    const V ax = absOf<L>(x), ay = absOf<L>(y);
    const M yBigger = ay > ax;
    const V hi = yBigger ? ay : ax;
    const V lo = yBigger ? ax : ay;
    const M unusual = ~((hi > splat<V>(0.0)) & (hi <= splat<V>(std::numeric_limits<double>::max())));
    const V a = lo / (unusual ? splat<V>(1.0) : hi); // 0 ... 1
    // Reduce around 0, tan(pi/8) or 1 so that |t| <= tan(pi/16).
    const M k1 = a > splat<V>(0.19891236737965800);
    const M k2 = a > splat<V>(0.66817863791929891);
    const V centre = k2 ? splat<V>(1.0) : (k1 ? splat<V>(0.41421356237309503) : splat<V>(0.0));
    const V angle = k2 ? splat<V>(kMathPi / 4.0) : (k1 ? splat<V>(kMathPi / 8.0) : splat<V>(0.0));
    const V t = (a - centre) / (splat<V>(1.0) + a * centre);
    V r = angle + atanSmall<L>(t);
    r = yBigger ? splat<V>(kMathPi / 2.0) - r : r;
    r = signBit<L>(x) ? splat<V>(kMathPi) - r : r;
    r = copySign<L>(r, y);
    if (anyLane<L>(unusual))
        for (int l = 0; l < L; ++l)
            if (unusual[l])
                r[l] = std::atan2(y[l], x[l]);
    return r;
}

// sin and cos of x, |x| <= pi; other lanes (and NaN) go to the library.
template <int L>
KERNEL_INLINE void sinCosOf(const VecOf<L> &x, VecOf<L> &sine, VecOf<L> &cosine)
{
    using V = VecOf<L>;
    using M = MaskOf<L>;
    const V a = absOf<L>(x);
    const M unusual = ~(a <= splat<V>(kMathPi));
    const V safe = unusual ? splat<V>(0.0) : a;
    // safe = j pi/2 + r with |r| <= pi/4, j = 0, 1 or 2.
    const V j = floorOf<L>(safe * splat<V>(0.63661977236758134) + splat<V>(0.5));
    const V r = (safe - j * splat<V>(1.5707963267948966)) - j * splat<V>(6.123233995736766e-17);
    const V sr = sinSmall<L>(r), cr = cosSmall<L>(r);
    const M odd = j == splat<V>(1.0);
    const M two = j == splat<V>(2.0);
    V s = odd ? cr : sr;
    V c = odd ? -sr : cr;
    s = two ? -s : s;
    c = two ? -c : c;
    sine = signBit<L>(x) ? -s : s;
    cosine = c;
    if (anyLane<L>(unusual))
        for (int l = 0; l < L; ++l)
            if (unusual[l]) {
                sine[l] = std::sin(x[l]);
                cosine[l] = std::cos(x[l]);
            }
}

// Loads `count` (1 ... L) floats, padding with 0.
template <int L>
KERNEL_INLINE FVecOf<L> load(const float *src, int count)
{
    FVecOf<L> v{};
    if (count == L)
        std::memcpy(&v, src, sizeof v);
    else
        for (int l = 0; l < count; ++l)
            v[l] = src[l];
    return v;
}

template <int L>
KERNEL_INLINE void store(float *dst, const FVecOf<L> &v, int count)
{
    if (count == L)
        std::memcpy(dst, &v, sizeof v);
    else
        for (int l = 0; l < count; ++l)
            dst[l] = v[l];
}

template <int L>
KERNEL_INLINE VecOf<L> widen(const FVecOf<L> &v)
{
    return __builtin_convertvector(v, VecOf<L>);
}

template <int L>
KERNEL_INLINE FVecOf<L> narrow(const VecOf<L> &v)
{
    return __builtin_convertvector(v, FVecOf<L>);
}

template <int L>
KERNEL_INLINE VecOf<L> sqrtOf(const VecOf<L> &v)
{
    VecOf<L> r = v;
    for (int l = 0; l < L; ++l)
        r[l] = std::sqrt(r[l]);
    return r;
}

template <int L>
KERNEL_INLINE void magnitudePhaseImpl(const float *spectrum, float *magnitude, float *phase, int n)
{
    using V = VecOf<L>;
    const int half = n / 2;
    const float *im = spectrum + half; // for bin 0 this is the Nyquist term
    for (int k = 0; k < half; k += L) {
        const int count = half - k < L ? half - k : L;
        const V re = widen<L>(load<L>(spectrum + k, count));
        const V ii = widen<L>(load<L>(im + k, count));
        store<L>(magnitude + k, narrow<L>(sqrtOf<L>(re * re + ii * ii)), count);
        store<L>(phase + k, narrow<L>(atan2Of<L>(-ii, re)), count);
    }
}

template <int L>
KERNEL_INLINE void distancesImpl(const float *m, const float *p, const float *m1, const float *p1, const float *p2,
                                 int a, int e, float *out)
{
    using V = VecOf<L>;
    using F = FVecOf<L>;
    const V minusTwoPi = splat<V>(-static_cast<double>(kTwoPi));
    const V pi = splat<V>(kPi);
    for (int k = a; k < e; k += L) {
        const int count = e - k < L ? e - k : L;
        // y in float: the float sum p - 2 p1 + p2, plus pi in double, rounded to float.
        const F s = load<L>(p + k, count) - splat<F>(2.0f) * load<L>(p1 + k, count) + load<L>(p2 + k, count);
        const F yf = narrow<L>(widen<L>(s) + pi);
        // floor(y / -2pi), the quotient taken in float.
        const V q = floorOf<L>(widen<L>(yf / splat<F>(-kTwoPi)));
        const V y = widen<L>(yf);
        const V delta = y - q * minusTwoPi + pi;

        V sine, cosine;
        sinCosOf<L>(delta, sine, cosine);
        const V mag = widen<L>(load<L>(m + k, count));
        const V re = widen<L>(load<L>(m1 + k, count)) - mag * cosine;
        const V im = mag * sine;
        store<L>(out + (k - a), narrow<L>(sqrtOf<L>(re * re + im * im)), count);
    }
}

void magnitudePhaseSse(const float *spectrum, float *magnitude, float *phase, int n)
{
    magnitudePhaseImpl<2>(spectrum, magnitude, phase, n);
}

void distancesSse(const float *m, const float *p, const float *m1, const float *p1, const float *p2, int a, int e,
                  float *out)
{
    distancesImpl<2>(m, p, m1, p1, p2, a, e, out);
}

#ifdef PLECTRONOME_VECTOR_DISPATCH
__attribute__((target("avx2"))) void magnitudePhaseAvx2(const float *spectrum, float *magnitude, float *phase, int n)
{
    magnitudePhaseImpl<4>(spectrum, magnitude, phase, n);
}

__attribute__((target("avx2"))) void distancesAvx2(const float *m, const float *p, const float *m1, const float *p1,
                                                   const float *p2, int a, int e, float *out)
{
    distancesImpl<4>(m, p, m1, p1, p2, a, e, out);
}

__attribute__((target("avx512f"))) void magnitudePhaseAvx512(const float *spectrum, float *magnitude, float *phase,
                                                            int n)
{
    magnitudePhaseImpl<8>(spectrum, magnitude, phase, n);
}

__attribute__((target("avx512f"))) void distancesAvx512(const float *m, const float *p, const float *m1,
                                                       const float *p1, const float *p2, int a, int e, float *out)
{
    distancesImpl<8>(m, p, m1, p1, p2, a, e, out);
}

bool hasAvx2()
{
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") != 0;
    }();
    return has;
}

bool hasAvx512()
{
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx512f") != 0;
    }();
    return has;
}
#endif

std::atomic<bool> g_wideAllowed{true};

} // namespace

bool setWideKernels(bool allowed)
{
    g_wideAllowed.store(allowed);
    return vectorUnit() != VectorUnit::Sse2;
}

VectorUnit vectorUnit()
{
#ifdef PLECTRONOME_VECTOR_DISPATCH
    if (g_wideAllowed.load(std::memory_order_relaxed)) {
        if (hasAvx512())
            return VectorUnit::Avx512;
        if (hasAvx2())
            return VectorUnit::Avx2;
    }
#endif
    return VectorUnit::Sse2;
}

void magnitudePhaseFast(const float *spectrum, float *magnitude, float *phase, int n)
{
#ifdef PLECTRONOME_VECTOR_DISPATCH
    const VectorUnit unit = vectorUnit();
    if (unit == VectorUnit::Avx512)
        return magnitudePhaseAvx512(spectrum, magnitude, phase, n);
    if (unit == VectorUnit::Avx2)
        return magnitudePhaseAvx2(spectrum, magnitude, phase, n);
#endif
    magnitudePhaseSse(spectrum, magnitude, phase, n);
}

void complexDomainDistances(const float *m, const float *p, const float *m1, const float *p1, const float *p2,
                            int a, int e, float *out)
{
#ifdef PLECTRONOME_VECTOR_DISPATCH
    const VectorUnit unit = vectorUnit();
    if (unit == VectorUnit::Avx512)
        return distancesAvx512(m, p, m1, p1, p2, a, e, out);
    if (unit == VectorUnit::Avx2)
        return distancesAvx2(m, p, m1, p1, p2, a, e, out);
#endif
    distancesSse(m, p, m1, p1, p2, a, e, out);
}

} // namespace analysis
