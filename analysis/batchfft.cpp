#include "analysis/batchfft.h"

#include "analysis/spectralkernels.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>

// One template for every lane count, built for SSE2 (every x86-64 processor) and, chosen at
// run time, for AVX2 and AVX-512. Each lane runs FFTReal::forward's operations in the same
// order; the library is built without contraction into fused multiply-adds, so every lane
// rounds exactly as the scalar code does.

#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wpsabi"
#endif

#if defined(__GNUC__)
#define BATCH_INLINE inline __attribute__((always_inline))
#else
#define BATCH_INLINE inline
#endif

namespace analysis {

namespace {

template <int L>
struct FloatLanes;
template <>
struct FloatLanes<4>
{
    typedef float V __attribute__((vector_size(16), __may_alias__));
};
template <>
struct FloatLanes<8>
{
    typedef float V __attribute__((vector_size(32), __may_alias__));
};
template <>
struct FloatLanes<16>
{
    typedef float V __attribute__((vector_size(64), __may_alias__));
};

struct Tables
{
    const int *bitReversal;
    const float *cosines;
    float sqrtHalf;
    int bits;
};

template <int L, bool UpperHalfZero>
BATCH_INLINE void forwardLanes(const Tables &tables, const float *x, float *out, float *work, int kept)
{
    typedef typename FloatLanes<L>::V V;
    const int n = 1 << tables.bits;
    auto at = [](float *p, int i) -> V & { return *reinterpret_cast<V *>(p + static_cast<long>(i) * L); };
    auto in = [x](int i) -> V { return *reinterpret_cast<const V *>(x + static_cast<long>(i) * L); };

    // The last pass must land in `out`, as FFTReal's lands in f.
    float *df = (tables.bits & 1) ? work : out;
    float *sf = (tables.bits & 1) ? out : work;

    // First and second passes fused, reading the input in bit-reversed order. An odd
    // position's bit-reversed index lies in the upper half: with that half all zero, x1 and
    // x3 are zeros that need not be read (the same operations run on them).
    const int *lut = tables.bitReversal;
    for (int i = 0; i < n; i += 4) {
        const V x0 = in(lut[i]);
        const V x1 = UpperHalfZero ? V{} : in(lut[i + 1]);
        const V x2 = in(lut[i + 2]);
        const V x3 = UpperHalfZero ? V{} : in(lut[i + 3]);
        at(df, i + 1) = x0 - x1;
        at(df, i + 3) = x2 - x3;
        const V a = x0 + x1;
        const V b = x2 + x3;
        at(df, i) = a + b;
        at(df, i + 2) = a - b;
    }

    // Third pass: blocks of 8.
    const V r = V{} + tables.sqrtHalf;
    for (int i = 0; i < n; i += 8) {
        float *s = df + static_cast<long>(i) * L;
        float *t = sf + static_cast<long>(i) * L;
        const V s0 = at(s, 0), s1 = at(s, 1), s2 = at(s, 2), s3 = at(s, 3);
        const V s4 = at(s, 4), s5 = at(s, 5), s6 = at(s, 6), s7 = at(s, 7);
        at(t, 0) = s0 + s4;
        at(t, 4) = s0 - s4;
        at(t, 2) = s2;
        at(t, 6) = s6;
        const V v = (s5 - s7) * r;
        at(t, 1) = s1 + v;
        at(t, 3) = s1 - v;
        const V w = (s5 + s7) * r;
        at(t, 5) = w + s3;
        at(t, 7) = w - s3;
    }

    // Remaining passes. A kept bin k < `kept` of the last pass reads positions k and h + k
    // of each half-block, and so on down: while `kept` <= h, only the butterflies k < kept
    // matter, and the positions h and m + h feed nothing that is kept.
    for (int pass = 3; pass < tables.bits; ++pass) {
        const int m = 1 << pass;
        const int h = m >> 1;
        const float *cosTab = tables.cosines + h - 4;
        const bool pruned = kept <= h;
        const int kEnd = pruned ? kept : h;
        for (int i = 0; i < n; i += m << 1) {
            float *s = sf + static_cast<long>(i) * L;
            float *s2 = s + static_cast<long>(m) * L;
            float *t = df + static_cast<long>(i) * L;
            at(t, 0) = at(s, 0) + at(s2, 0);
            at(t, m) = at(s, 0) - at(s2, 0);
            if (!pruned) {
                at(t, h) = at(s, h);
                at(t, m + h) = at(s2, h);
            }
            for (int k = 1; k < kEnd; ++k) {
                const V c = V{} + cosTab[k];
                const V sn = V{} + cosTab[h - k];
                const V sk = at(s, k), shk = at(s, h + k);
                const V s2k = at(s2, k), s2hk = at(s2, h + k);
                const V v = s2k * c - s2hk * sn;
                at(t, k) = sk + v;
                at(t, m - k) = sk - v;
                const V w = s2k * sn + s2hk * c;
                at(t, m + k) = w + shk;
                at(t, 2 * m - k) = w - shk;
            }
        }
        float *tmp = df;
        df = sf;
        sf = tmp;
    }
}

template <bool UpperHalfZero>
void forwardSse2(const Tables &t, const float *x, float *out, float *work, int kept)
{
    forwardLanes<4, UpperHalfZero>(t, x, out, work, kept);
}

#if defined(PLECTRONOME_VECTOR_DISPATCH)
template <bool UpperHalfZero>
__attribute__((target("avx2"))) void forwardAvx2(const Tables &t, const float *x, float *out, float *work, int kept)
{
    forwardLanes<8, UpperHalfZero>(t, x, out, work, kept);
}

template <bool UpperHalfZero>
__attribute__((target("avx512f"))) void forwardAvx512(const Tables &t, const float *x, float *out, float *work,
                                                      int kept)
{
    forwardLanes<16, UpperHalfZero>(t, x, out, work, kept);
}
#endif

template <bool UpperHalfZero>
void forwardOn(int unit, const Tables &t, const float *x, float *out, float *work, int kept)
{
#if defined(PLECTRONOME_VECTOR_DISPATCH)
    if (unit == static_cast<int>(VectorUnit::Avx512))
        return forwardAvx512<UpperHalfZero>(t, x, out, work, kept);
    if (unit == static_cast<int>(VectorUnit::Avx2))
        return forwardAvx2<UpperHalfZero>(t, x, out, work, kept);
#endif
    forwardSse2<UpperHalfZero>(t, x, out, work, kept);
}

float *alignedFloats(std::size_t count)
{
    const std::size_t bytes = (count * sizeof(float) + 63) / 64 * 64;
    void *p = std::aligned_alloc(64, bytes);
    if (!p)
        throw std::bad_alloc();
    std::memset(p, 0, bytes);
    return static_cast<float *>(p);
}

} // namespace

BatchFFT::BatchFFT(int length, int maxLanes) : m_tables(length), m_length(length)
{
    if (m_tables.nbrBits() < 3)
        throw std::invalid_argument("BatchFFT: length must be 8 or more");
    VectorUnit unit = vectorUnit();
    if (unit == VectorUnit::Avx512 && maxLanes < 16)
        unit = VectorUnit::Avx2;
    if (unit == VectorUnit::Avx2 && maxLanes < 8)
        unit = VectorUnit::Sse2;
    m_unit = static_cast<int>(unit);
    m_lanes = unit == VectorUnit::Avx512 ? 16 : (unit == VectorUnit::Avx2 ? 8 : 4);
    const std::size_t size = static_cast<std::size_t>(m_length) * m_lanes;
    try {
        m_input = alignedFloats(size);
        m_output = alignedFloats(size);
        m_work = alignedFloats(size);
    } catch (...) {
        std::free(m_input);
        std::free(m_output);
        throw;
    }
}

BatchFFT::~BatchFFT()
{
    std::free(m_input);
    std::free(m_output);
    std::free(m_work);
}

const float *BatchFFT::forward(int keptBins, bool upperHalfZero)
{
    const Tables t{m_tables.bitReversalTable(), m_tables.cosineTable(), m_tables.sqrtHalf(), m_tables.nbrBits()};
    const int kept = keptBins < 1 ? 1 : keptBins;
    if (upperHalfZero)
        forwardOn<true>(m_unit, t, m_input, m_output, m_work, kept);
    else
        forwardOn<false>(m_unit, t, m_input, m_output, m_work, kept);
    return m_output;
}

} // namespace analysis
