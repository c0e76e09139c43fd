#include "analysis/ifspectrogram.h"

#include "analysis/analysismath.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace analysis {

namespace {

int binsUpTo800Hz(int sampleRate)
{
    const int half = kChordFftLength / 2;
    if (sampleRate <= 0)
        return half;
    const int bins = roundToInt(static_cast<double>(kChordFftLength) * 800.0 / sampleRate);
    return std::max(2, std::min(bins, half));
}

} // namespace

IfSpectrogram::IfSpectrogram(int sampleRate)
    : m_sampleRate(sampleRate),
      m_bins(binsUpTo800Hz(sampleRate)),
      m_fft(kChordFftLength),
      m_window(hanningWindow(kChordWindow)),
      m_input(kChordFftLength, 0.0f),
      m_spectrum(kChordFftLength, 0.0f),
      m_phase(m_bins, 0.0f),
      m_previousPhase(m_bins, 0.0f),
      m_magnitude(m_bins, 0.0f),
      m_frequency(m_bins, 0.0f),
      m_consistent(m_bins, 0),
      m_stable(m_bins, 0)
{
}

void IfSpectrogram::next(const float *samples, int sampleCount, int start)
{
    // Windowed frame; the zero padding in the second half of m_input is never written.
    const long long first = start;
    const long long end = first + kChordWindow;
    const long long from = std::max<long long>(first, 0);
    const long long to = std::min<long long>(end, std::max(sampleCount, 0));
    float *in = m_input.data();
    if (from >= to) {
        std::memset(in, 0, sizeof(float) * kChordWindow);
    } else {
        const int lead = static_cast<int>(from - first);
        const int count = static_cast<int>(to - from);
        std::fill(in, in + lead, 0.0f);
        const float *src = samples + from;
        for (int i = 0; i < count; ++i)
            in[lead + i] = src[i] * m_window[lead + i];
        std::fill(in + lead + count, in + kChordWindow, 0.0f);
    }
    m_fft.forward(m_spectrum.data(), in);

    // Magnitude and phase of the kept bins (bin 0 takes the Nyquist term as imaginary part).
    const int half = kChordFftLength / 2;
    for (int j = 0; j < m_bins; ++j) {
        const double re = m_spectrum[j];
        const double im = m_spectrum[half + j];
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
