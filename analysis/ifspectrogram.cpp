#include "analysis/ifspectrogram.h"

#include "analysis/analysismath.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace analysis {

namespace {

// At most 8 frames per transform: three buffers of 8192 x 8 floats stay within a 1 MB
// second-level cache, where 16 lanes gain nothing.
constexpr int kChordLanes = 8;

int binsUpTo800Hz(int sampleRate)
{
    const int half = kChordFftLength / 2;
    if (sampleRate <= 0)
        return half;
    const int bins = roundToInt(static_cast<double>(kChordFftLength) * 800.0 / sampleRate);
    return std::max(2, std::min(bins, half));
}

} // namespace

IfSpectrogram::IfSpectrogram(int sampleRate, const float *samples, int sampleCount,
                             const std::vector<ChordFrame> &frames)
    : m_sampleRate(sampleRate),
      m_bins(binsUpTo800Hz(sampleRate)),
      m_samples(samples),
      m_sampleCount(sampleCount),
      m_frames(frames),
      m_fft(kChordFftLength, kChordLanes),
      m_window(hanningWindow(kChordWindow)),
      m_phase(m_bins, 0.0f),
      m_previousPhase(m_bins, 0.0f),
      m_magnitude(m_bins, 0.0f),
      m_frequency(m_bins, 0.0f),
      m_consistent(m_bins, 0),
      m_stable(m_bins, 0)
{
}

// Windows the next lanes() frames into the batch and transforms them up to the kept bins.
// Lanes past the end of the list are left as they were; nothing reads them.
void IfSpectrogram::transformAhead()
{
    const int lanes = m_fft.lanes();
    float *in = m_fft.input();
    const int count = std::min(lanes, static_cast<int>(m_frames.size()) - m_next);
    for (int l = 0; l < count; ++l) {
        const long long first = m_frames[m_next + l].start;
        const long long end = first + kChordWindow;
        const long long from = std::max<long long>(first, 0);
        const long long to = std::min<long long>(end, std::max(m_sampleCount, 0));
        float *lane = in + l;
        if (from >= to) {
            for (int i = 0; i < kChordWindow; ++i)
                lane[i * lanes] = 0.0f;
            continue;
        }
        const int lead = static_cast<int>(from - first);
        const int used = static_cast<int>(to - from);
        for (int i = 0; i < lead; ++i)
            lane[i * lanes] = 0.0f;
        const float *src = m_samples + from;
        const float *w = m_window.data() + lead;
        float *dst = lane + static_cast<long>(lead) * lanes;
        for (int i = 0; i < used; ++i)
            dst[i * lanes] = src[i] * w[i];
        for (int i = lead + used; i < kChordWindow; ++i)
            lane[i * lanes] = 0.0f;
    }
    m_spectra = m_fft.forward(m_bins, true);
    m_lane = 0;
}

void IfSpectrogram::next()
{
    if (m_spectra == nullptr || m_lane == m_fft.lanes())
        transformAhead();
    const int lanes = m_fft.lanes();
    const float *spectrum = m_spectra + m_lane;
    ++m_lane;
    ++m_next;

    // Magnitude and phase of the kept bins (bin 0 takes the Nyquist term as imaginary part).
    const int half = kChordFftLength / 2;
    for (int j = 0; j < m_bins; ++j) {
        const double re = spectrum[j * lanes];
        const double im = spectrum[(half + j) * lanes];
        m_magnitude[j] = static_cast<float>(std::sqrt(re * re + im * im));
        m_phase[j] = static_cast<float>(std::atan2(-im, re));
    }

    // Frequency from the phase advance over one hop, wrapped around the expected advance.
    const double hzPerRadian = static_cast<double>(m_sampleRate) / (kChordHop * static_cast<double>(kTwoPi));
    for (int j = 0; j < m_bins; ++j) {
        const double expected = j * (2.0 * kChordHop * kPi) / kChordFftLength;
        const float y = static_cast<float>(kPi + (static_cast<double>(m_phase[j]) - m_previousPhase[j] - expected));
        const double deviation =
            y - std::floor(y / -kTwoPi) * static_cast<double>(-kTwoPi) + kPi;
        m_frequency[j] = static_cast<float>((deviation + expected) * hzPerRadian);
        m_previousPhase[j] = m_phase[j];
    }

    // A bin is consistent when its neighbours agree on the frequency, stable when it and
    // a neighbour are consistent.
    const float tolerance = static_cast<float>(0.75 * m_sampleRate / kChordFftLength);
    const int last = m_bins - 1;
    const float *f = m_frequency.data();
    m_consistent[0] = std::fabs(f[1] - f[0]) < tolerance;
    for (int j = 1; j < last; ++j)
        m_consistent[j] = std::fabs(f[j + 1] - f[j - 1]) < tolerance;
    m_consistent[last] = std::fabs(f[last] - f[last - 1]) < tolerance;

    m_stable[0] = m_consistent[0] && m_consistent[1];
    for (int j = 1; j < last; ++j)
        m_stable[j] = m_consistent[j] && (m_consistent[j - 1] || m_consistent[j + 1]);
    m_stable[last] = m_consistent[last] && m_consistent[last - 1];
}

} // namespace analysis
