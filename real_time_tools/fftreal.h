#ifndef PLECTRONOME_FFTREAL_H
#define PLECTRONOME_FFTREAL_H

#include <type_traits>

// Fast Fourier transform of real-valued float data whose length is a power of two.
// Used by the real-time engine (one 4096-point instance) and by the analysis stages
// (512 to 8192 points). The tables are built once per instance; a transform does no
// allocation. One instance must not run two transforms at the same time (shared work
// buffer); separate instances are independent.
//
// Spectrum layout (half-complex) for N values x[0..N-1]:
//   f[0]       = sum x[n]                      (DC)
//   f[N/2]     = sum x[n] * (-1)^n             (Nyquist)
//   f[k]       = sum x[n] * cos(2 pi n k / N)  (real part of bin k, 0 < k < N/2)
//   f[N/2 + k] = sum x[n] * sin(2 pi n k / N)  (imaginary part, opposite sign to e^-i)
// Neither direction scales: inverse(forward(x)) gives N * x.

class FFTReal
{
public:
    // length must be a power of two (1, 2, 4, ...); anything else throws std::invalid_argument.
    // Floating-point lengths are accepted as long as they are an exact power of two.
    template <typename T, typename = typename std::enable_if<std::is_arithmetic<T>::value>::type>
    explicit FFTReal(T length) : FFTReal(LengthTag(), static_cast<double>(length)) {}
    ~FFTReal();

    FFTReal(const FFTReal &) = delete;
    FFTReal &operator=(const FFTReal &) = delete;

    // Forward transform of x (N floats, unchanged) into f (N floats). f and x must not overlap.
    void forward(float *f, const float *x);
    // Inverse transform of the half-complex spectrum f (unchanged) into x; the result is N times the signal.
    void inverse(const float *f, float *x);
    // Multiplies the N values of x by 1/N.
    void scaleByLength(float *x) const;

    int length() const { return _length; }
    int nbrBits() const { return _nbr_bits; }

    // The tables, for code that repeats these exact operations on several frames at once:
    // the bit-reversed index of every position, the cosines of every pass (null below 16
    // points; the pass on blocks of 2m reads m/2 entries from index m/2 - 4) and the float
    // square root of one half.
    const int *bitReversalTable() const { return _bit_rev_lut; }
    const float *cosineTable() const { return _trigo_lut; }
    float sqrtHalf() const { return _sqrt2_2; }

private:
    struct LengthTag {};
    FFTReal(LengthTag, double length);

    void makeBitReversalTable();
    void makeTrigoTable();
    void release();

    int *_bit_rev_lut = nullptr;
    float *_trigo_lut = nullptr;
    float _sqrt2_2 = 0.70710677f;
    int _length = 0;
    int _nbr_bits = 0;
    float *_buffer = nullptr;
};

#endif
