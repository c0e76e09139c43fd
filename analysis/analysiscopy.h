#ifndef PLECTRONOME_ANALYSISCOPY_H
#define PLECTRONOME_ANALYSISCOPY_H

// The mono copy of a track that the whole-track analysis reads, made by MetaDataThread
// from the decoded channels before each analysis:
// - a damaged sample (NaN, infinite, or absurdly loud) reads as silence, so that a few
//   bad values cannot wipe the tempo, beats and chords of the whole track;
// - a track recorded above maximumAnalysisRate is low-passed and decimated by a whole
//   factor, so that the tempo search covers the same range of BPM at every rate. The
//   caller multiplies the resulting beat positions by the factor.
// At 96 kHz and below, a clean track's copy is exactly the mean of its channels.

#include <cstddef>

namespace analysis {

constexpr int maximumAnalysisRate = 96000;

// The whole factor by which a track at sampleRate is decimated: 1 up to
// maximumAnalysisRate, else the smallest factor that brings the rate down to it.
int analysisDecimation(int sampleRate);

// The rate of the copy: sampleRate / factor, rounded.
int analysisRate(int sampleRate, int factor);

// Samples in the copy of frameCount frames decimated by factor.
int analysisLength(int frameCount, int factor);

// Writes analysisLength(frameCount, factor) samples to out: the mean of left and right
// (right may be null for mono), unusable samples as 0, low-passed and decimated when
// factor > 1.
void makeAnalysisCopy(const float *left, const float *right, int frameCount, int factor, float *out);

} // namespace analysis

#endif
