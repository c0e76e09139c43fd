#include "real_time_tools/fftreal.h"

#include <cmath>
#include <new>
#include <stdexcept>

namespace {
const double kPi = 3.141592653589793;
}

FFTReal::FFTReal(LengthTag, double length)
{
    if (!(length >= 1.0) || !(length <= 1073741824.0))
        throw std::invalid_argument("FFTReal: length must be a power of two");
    _nbr_bits = static_cast<int>(std::floor(std::log(length) / std::log(2.0) + 0.5));
    if (static_cast<double>(1L << _nbr_bits) != length)
        throw std::invalid_argument("FFTReal: length must be a power of two");
    _length = static_cast<int>(length);
    try {
        makeBitReversalTable();
        makeTrigoTable();
        if (_nbr_bits > 2)
            _buffer = new float[_length];
    } catch (...) {
        release();
        throw;
    }
}

FFTReal::~FFTReal()
{
    release();
}

void FFTReal::release()
{
    delete[] _bit_rev_lut;
    delete[] _trigo_lut;
    delete[] _buffer;
    _bit_rev_lut = nullptr;
    _trigo_lut = nullptr;
    _buffer = nullptr;
}

void FFTReal::makeBitReversalTable()
{
    const int n = _length;
    _bit_rev_lut = new int[n];
    _bit_rev_lut[0] = 0;
    int r = 0;
    for (int c = 1; c < n; ++c) {
        int bit = n >> 1;
        r ^= bit;
        while (bit != 0 && (r & bit) == 0) {
            bit >>= 1;
            r ^= bit;
        }
        _bit_rev_lut[c] = r;
    }
}

void FFTReal::makeTrigoTable()
{
    if (_nbr_bits <= 3)
        return;
    const int size = (1 << (_nbr_bits - 1)) - 4;
    _trigo_lut = new float[size];
    for (int level = 2; level <= _nbr_bits - 2; ++level) {
        const int count = 1 << level;
        float *sub = _trigo_lut + count - 4;
        const double mul = kPi / static_cast<double>(count << 1);
        for (int k = 0; k < count; ++k)
            sub[k] = static_cast<float>(std::cos(k * mul));
    }
}

void FFTReal::forward(float *f, const float *x)
{
    const int n = _length;
    if (_nbr_bits > 2) {
        float *sf;
        float *df;
        if (_nbr_bits & 1) {
            df = _buffer;
            sf = f;
        } else {
            df = f;
            sf = _buffer;
        }

        // First and second passes fused, reading the input in bit-reversed order.
        const int *lut = _bit_rev_lut;
        for (int i = 0; i < n; i += 4) {
            const float x0 = x[lut[i]];
            const float x1 = x[lut[i + 1]];
            const float x2 = x[lut[i + 2]];
            const float x3 = x[lut[i + 3]];
            df[i + 1] = x0 - x1;
            df[i + 3] = x2 - x3;
            const float a = x0 + x1;
            const float b = x2 + x3;
            df[i] = a + b;
            df[i + 2] = a - b;
        }

        // Third pass: blocks of 8.
        const float r = _sqrt2_2;
        for (int i = 0; i < n; i += 8) {
            const float *s = df + i;
            float *t = sf + i;
            t[0] = s[0] + s[4];
            t[4] = s[0] - s[4];
            t[2] = s[2];
            t[6] = s[6];
            const float v = (s[5] - s[7]) * r;
            t[1] = s[1] + v;
            t[3] = s[1] - v;
            const float w = (s[5] + s[7]) * r;
            t[5] = w + s[3];
            t[7] = w - s[3];
        }

        // Remaining passes.
        for (int pass = 3; pass < _nbr_bits; ++pass) {
            const int m = 1 << pass;
            const int h = m >> 1;
            const float *cosTab = _trigo_lut + h - 4;
            for (int i = 0; i < n; i += m << 1) {
                const float *s = sf + i;
                const float *s2 = s + m;
                float *t = df + i;
                t[0] = s[0] + s2[0];
                t[m] = s[0] - s2[0];
                t[h] = s[h];
                t[m + h] = s2[h];
                for (int k = 1; k < h; ++k) {
                    const float c = cosTab[k];
                    const float sn = cosTab[h - k];
                    const float v = s2[k] * c - s2[h + k] * sn;
                    t[k] = s[k] + v;
                    t[m - k] = s[k] - v;
                    const float w = s2[k] * sn + s2[h + k] * c;
                    t[m + k] = w + s[h + k];
                    t[2 * m - k] = w - s[h + k];
                }
            }
            float *tmp = df;
            df = sf;
            sf = tmp;
        }
    } else if (_nbr_bits == 2) {
        f[1] = x[0] - x[2];
        f[3] = x[1] - x[3];
        const float a = x[0] + x[2];
        const float b = x[1] + x[3];
        f[0] = a + b;
        f[2] = a - b;
    } else if (_nbr_bits == 1) {
        f[0] = x[0] + x[1];
        f[1] = x[0] - x[1];
    } else {
        f[0] = x[0];
    }
}

void FFTReal::inverse(const float *f, float *x)
{
    const int n = _length;
    if (_nbr_bits > 2) {
        // n - 2 passes run before the scatter; the last one must land in the work buffer.
        const float *sf = f;
        float *df = (_nbr_bits & 1) ? _buffer : x;
        float *other = (df == x) ? _buffer : x;

        for (int pass = _nbr_bits - 1; pass >= 3; --pass) {
            const int m = 1 << pass;
            const int h = m >> 1;
            const float *cosTab = _trigo_lut + h - 4;
            for (int i = 0; i < n; i += m << 1) {
                const float *s = sf + i;
                float *t = df + i;
                t[0] = s[0] + s[m];
                t[m] = s[0] - s[m];
                t[h] = s[h] * 2.0f;
                t[m + h] = s[m + h] * 2.0f;
                for (int k = 1; k < h; ++k) {
                    const float c = cosTab[k];
                    const float sn = cosTab[h - k];
                    t[k] = s[k] + s[m - k];
                    t[h + k] = s[m + k] - s[2 * m - k];
                    const float u = s[k] - s[m - k];
                    const float v = s[m + k] + s[2 * m - k];
                    t[m + k] = c * u + sn * v;
                    t[m + h + k] = c * v - sn * u;
                }
            }
            sf = df;
            float *tmp = other;
            other = df;
            df = tmp;
        }

        // Third pass inverted: blocks of 8.
        const float r = _sqrt2_2;
        for (int i = 0; i < n; i += 8) {
            const float *s = sf + i;
            float *t = df + i;
            t[0] = s[0] + s[4];
            t[4] = s[0] - s[4];
            t[2] = s[2] * 2.0f;
            t[6] = s[6] * 2.0f;
            t[1] = s[1] + s[3];
            t[3] = s[5] - s[7];
            const float u = s[1] - s[3];
            const float v = s[5] + s[7];
            t[5] = (u + v) * r;
            t[7] = (v - u) * r;
        }

        // First two passes inverted, scattered through the bit-reversal table.
        const float *s = df;
        const int *lut = _bit_rev_lut;
        for (int i = 0; i < n; i += 8) {
            const float *q = s + i;
            const int *b = lut + i;
            float a = q[0] + q[2];
            float d = q[0] - q[2];
            x[b[0]] = a + q[1] * 2.0f;
            x[b[1]] = a - q[1] * 2.0f;
            x[b[2]] = d + q[3] * 2.0f;
            x[b[3]] = d - q[3] * 2.0f;
            a = q[4] + q[6];
            d = q[4] - q[6];
            x[b[4]] = a + q[5] * 2.0f;
            x[b[5]] = a - q[5] * 2.0f;
            x[b[6]] = d + q[7] * 2.0f;
            x[b[7]] = d - q[7] * 2.0f;
        }
    } else if (_nbr_bits == 2) {
        const float a = f[0] + f[2];
        const float b = f[0] - f[2];
        const float f1 = f[1];
        const float f3 = f[3];
        x[0] = a + f1 * 2.0f;
        x[2] = a - f1 * 2.0f;
        x[1] = b + f3 * 2.0f;
        x[3] = b - f3 * 2.0f;
    } else if (_nbr_bits == 1) {
        const float f0 = f[0];
        const float f1 = f[1];
        x[0] = f0 + f1;
        x[1] = f0 - f1;
    } else {
        x[0] = f[0];
    }
}

void FFTReal::scaleByLength(float *x) const
{
    const float mul = static_cast<float>(1.0 / _length);
    for (int i = _length - 1; i >= 0; --i)
        x[i] *= mul;
}
