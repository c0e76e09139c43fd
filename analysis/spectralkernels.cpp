#include "analysis/spectralkernels.h"

#include "analysis/analysismath.h"

#include <cmath>
#include <limits>

#if defined(__GNUC__)
#define ALWAYS_INLINE inline __attribute__((always_inline))
#else
#define ALWAYS_INLINE inline
#endif

namespace analysis {

namespace {

// Two doubles at a time (GCC/Clang vector extensions; one SSE2 register).
constexpr int kLanes = 2;
using Vec = double __attribute__((vector_size(kLanes * sizeof(double))));
using Mask = long long __attribute__((vector_size(kLanes * sizeof(long long))));

constexpr double kMathPi = 3.141592653589793;

ALWAYS_INLINE Vec splat(double x) { return Vec{x, x}; }
ALWAYS_INLINE Mask splatMask(long long x) { return Mask{x, x}; }

ALWAYS_INLINE Vec absOf(Vec x) { return (Vec)((Mask)x & splatMask(0x7fffffffffffffffLL)); }
ALWAYS_INLINE Mask signBit(Vec x) { return (Mask)x < splatMask(0); }
ALWAYS_INLINE Vec copySign(Vec magnitude, Vec sign)
{
    return (Vec)(((Mask)magnitude & splatMask(0x7fffffffffffffffLL)) | ((Mask)sign & splatMask(static_cast<long long>(0x8000000000000000ULL))));
}

// floor(x) for |x| < 2^51: round to nearest through 1.5 * 2^52, then step down where that
// went up. NaN stays NaN.
ALWAYS_INLINE Vec floorOf(Vec x)
{
    const Vec big = splat(6755399441055744.0);
    const Vec r = (x + big) - big;
    return r - ((r > x) ? splat(1.0) : splat(0.0));
}

ALWAYS_INLINE bool anyLane(Mask m)
{
    long long any = 0;
    for (int l = 0; l < kLanes; ++l)
        any |= m[l];
    return any != 0;
}

// atan(t) for |t| <= tan(pi/16): Taylor series to t^21.
ALWAYS_INLINE Vec atanSmall(Vec t)
{
    const Vec z = t * t;
    Vec p = splat(-1.0 / 21.0);
    p = p * z + splat(1.0 / 19.0);
    p = p * z - splat(1.0 / 17.0);
    p = p * z + splat(1.0 / 15.0);
    p = p * z - splat(1.0 / 13.0);
    p = p * z + splat(1.0 / 11.0);
    p = p * z - splat(1.0 / 9.0);
    p = p * z + splat(1.0 / 7.0);
    p = p * z - splat(1.0 / 5.0);
    p = p * z + splat(1.0 / 3.0);
    return t - t * z * p;
}

// sin(r) and cos(r) for |r| <= pi/4: Taylor series to r^15 and r^16.
ALWAYS_INLINE Vec sinSmall(Vec r)
{
    const Vec z = r * r;
    Vec p = splat(-1.0 / 1307674368000.0);
    p = p * z + splat(1.0 / 6227020800.0);
    p = p * z - splat(1.0 / 39916800.0);
    p = p * z + splat(1.0 / 362880.0);
    p = p * z - splat(1.0 / 5040.0);
    p = p * z + splat(1.0 / 120.0);
    p = p * z - splat(1.0 / 6.0);
    return r + r * z * p;
}

ALWAYS_INLINE Vec cosSmall(Vec r)
{
    const Vec z = r * r;
    Vec p = splat(1.0 / 20922789888000.0);
    p = p * z - splat(1.0 / 87178291200.0);
    p = p * z + splat(1.0 / 479001600.0);
    p = p * z - splat(1.0 / 3628800.0);
    p = p * z + splat(1.0 / 40320.0);
    p = p * z - splat(1.0 / 720.0);
    p = p * z + splat(1.0 / 24.0);
    p = p * z - splat(0.5);
    return splat(1.0) + z * p;
}

// atan2(y, x) with the library's conventions; zeros, infinities and NaN go to the library.
ALWAYS_INLINE Vec atan2Of(Vec y, Vec x)
{
    const Vec ax = absOf(x), ay = absOf(y);
    const Mask yBigger = ay > ax;
    const Vec hi = yBigger ? ay : ax;
    const Vec lo = yBigger ? ax : ay;
    const Mask unusual = ~((hi > splat(0.0)) & (hi <= splat(std::numeric_limits<double>::max())));
    const Vec a = lo / (unusual ? splat(1.0) : hi); // 0 ... 1
    // Reduce around 0, tan(pi/8) or 1 so that |t| <= tan(pi/16).
    const Mask k1 = a > splat(0.19891236737965800);
    const Mask k2 = a > splat(0.66817863791929891);
    const Vec centre = k2 ? splat(1.0) : (k1 ? splat(0.41421356237309503) : splat(0.0));
    const Vec angle = k2 ? splat(kMathPi / 4.0) : (k1 ? splat(kMathPi / 8.0) : splat(0.0));
    const Vec t = (a - centre) / (splat(1.0) + a * centre);
    Vec r = angle + atanSmall(t);
    r = yBigger ? splat(kMathPi / 2.0) - r : r;
    r = signBit(x) ? splat(kMathPi) - r : r;
    r = copySign(r, y);
    if (anyLane(unusual))
        for (int l = 0; l < kLanes; ++l)
            if (unusual[l])
                r[l] = std::atan2(y[l], x[l]);
    return r;
}

// sin and cos of x, |x| <= pi; other lanes (and NaN) go to the library.
ALWAYS_INLINE void sinCosOf(Vec x, Vec &sine, Vec &cosine)
{
    const Vec a = absOf(x);
    const Mask unusual = ~(a <= splat(kMathPi));
    const Vec safe = unusual ? splat(0.0) : a;
    // safe = j pi/2 + r with |r| <= pi/4, j = 0, 1 or 2.
    const Vec j = floorOf(safe * splat(0.63661977236758134) + splat(0.5));
    const Vec r = (safe - j * splat(1.5707963267948966)) - j * splat(6.123233995736766e-17);
    const Vec sr = sinSmall(r), cr = cosSmall(r);
    const Mask odd = j == splat(1.0);
    const Mask two = j == splat(2.0);
    Vec s = odd ? cr : sr;
    Vec c = odd ? -sr : cr;
    s = two ? -s : s;
    c = two ? -c : c;
    sine = signBit(x) ? -s : s;
    cosine = c;
    if (anyLane(unusual))
        for (int l = 0; l < kLanes; ++l)
            if (unusual[l]) {
                sine[l] = std::sin(x[l]);
                cosine[l] = std::cos(x[l]);
            }
}

// Loads `count` (1 ... kLanes) floats, padding with 0.
ALWAYS_INLINE Vec load(const float *src, int count)
{
    Vec v = splat(0.0);
    for (int l = 0; l < count; ++l)
        v[l] = src[l];
    return v;
}

ALWAYS_INLINE Vec loadFull(const float *src) { return Vec{src[0], src[1]}; }

template <typename Body>
ALWAYS_INLINE void forBlocks(int a, int e, Body body)
{
    int k = a;
    for (; k + kLanes <= e; k += kLanes)
        body(k, kLanes);
    if (k < e)
        body(k, e - k);
}

} // namespace

void magnitudePhaseFast(const float *spectrum, float *magnitude, float *phase, int n)
{
    const int half = n / 2;
    const float *im = spectrum + half; // for bin 0 this is the Nyquist term
    forBlocks(0, half, [&](int k, int count) {
        const Vec re = count == kLanes ? loadFull(spectrum + k) : load(spectrum + k, count);
        const Vec ii = count == kLanes ? loadFull(im + k) : load(im + k, count);
        const Vec power = re * re + ii * ii;
        const Vec ph = atan2Of(-ii, re);
        for (int l = 0; l < count; ++l) {
            magnitude[k + l] = static_cast<float>(std::sqrt(power[l]));
            phase[k + l] = static_cast<float>(ph[l]);
        }
    });
}

void complexDomainDistances(const float *m, const float *p, const float *m1, const float *p1, const float *p2,
                            int a, int e, float *out)
{
    const double minusTwoPi = -static_cast<double>(kTwoPi);
    forBlocks(a, e, [&](int k, int count) {
        const bool full = count == kLanes;
        const Vec ph = full ? loadFull(p + k) : load(p + k, count);
        const Vec ph1 = full ? loadFull(p1 + k) : load(p1 + k, count);
        const Vec ph2 = full ? loadFull(p2 + k) : load(p2 + k, count);
        const Vec mag = full ? loadFull(m + k) : load(m + k, count);
        const Vec mag1 = full ? loadFull(m1 + k) : load(m1 + k, count);

        // y in float: the float sum p - 2 p1 + p2, plus pi in double, rounded to float.
        Vec y;
        for (int l = 0; l < kLanes; ++l) {
            const float s = static_cast<float>(ph[l]) - 2.0f * static_cast<float>(ph1[l]) + static_cast<float>(ph2[l]);
            y[l] = static_cast<float>(static_cast<double>(s) + kPi);
        }
        // floor(y / -2pi) with the quotient taken in float.
        Vec quotient;
        for (int l = 0; l < kLanes; ++l)
            quotient[l] = static_cast<float>(y[l]) / -kTwoPi;
        const Vec q = floorOf(quotient);
        const Vec delta = y - q * splat(minusTwoPi) + splat(kPi);

        Vec sine, cosine;
        sinCosOf(delta, sine, cosine);
        const Vec re = mag1 - mag * cosine;
        const Vec im = mag * sine;
        const Vec squared = re * re + im * im;
        for (int l = 0; l < count; ++l)
            out[k - a + l] = static_cast<float>(std::sqrt(squared[l]));
    });
}

} // namespace analysis
