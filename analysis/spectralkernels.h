#ifndef PLECTRONOME_SPECTRALKERNELS_H
#define PLECTRONOME_SPECTRALKERNELS_H

// Per-bin loops of the onset stage, computed several bins at a time. Their results lie
// within an ulp of the plain formulas with the standard library's atan2, sin and cos
// (double precision, stored as float), and are identical between the wide and narrow
// kernels.
// Called by the onset detection for every frame; usable by any stage with the same needs.

#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#define PLECTRONOME_VECTOR_DISPATCH 1
#endif

namespace analysis {

// Magnitude and phase of bins 0 .. n/2 - 1 of a half-complex spectrum of length n, as
// toMagnitudePhase() (bin 0 takes the Nyquist term as its imaginary part).
void magnitudePhaseFast(const float *spectrum, float *magnitude, float *phase, int n);

// For bins a .. e-1: distance between the bin (magnitude m, phase p) and its prediction
// from the previous magnitude m1 and the linearly continued phase (phases p1, p2 of the
// two frames before), with the analysis' own pi:
//   y = float(p - 2 p1 + p2 + pi), D = y - floor(y / -2pi) (-2pi) + pi,
//   out[k - a] = float(sqrt((m1 - m cos D)^2 + (m sin D)^2)).
void complexDomainDistances(const float *m, const float *p, const float *m1, const float *p1, const float *p2,
                            int a, int e, float *out);

// The kernels run eight lanes at a time on processors with AVX-512, four with AVX2 and two
// otherwise, with identical results. Allowing or forbidding the wide ones (allowed by default) is for tests
// and benchmarks; returns whether the wide ones are now in use.
bool setWideKernels(bool allowed);

// The vector unit the analysis uses: the widest the processor has (AVX-512 or AVX2) while
// wide kernels are allowed, SSE2 otherwise.
enum class VectorUnit { Sse2, Avx2, Avx512 };
VectorUnit vectorUnit();

} // namespace analysis

#endif
