#include "real_time_tools/realtimeengine.h"

#include "real_time_tools/fastmath.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <cstdint>
#include <limits>

namespace {

const double kPi = 3.141592653589793;
const double kTwoPi = 2.0 * kPi;

constexpr int N = RealTimeEngine::frameSize;
constexpr int H = RealTimeEngine::hopSize;
constexpr int HALF = N / 2;

// A bin counts towards a transient only above this fraction of the frame's largest magnitude.
constexpr float kRisingFloor = 1e-5f;

// Wraps a phase into [-pi, pi].
inline double wrapPhase(double x)
{
    return x - kTwoPi * fastmath::roundNearest(x * (1.0 / kTwoPi));
}

inline float wrapPhase(float x)
{
    const float twoPi = static_cast<float>(kTwoPi);
    return x - twoPi * fastmath::roundNearest(x * static_cast<float>(1.0 / kTwoPi));
}

// Reads in[k] for 0 <= k < length, silence elsewhere.
inline float sampleAt(const float *in, long k, int length)
{
    return (k >= 0 && k < length) ? in[k] : 0.0f;
}

// Polar conversions over one frame's HALF bins.
inline void polarKernel(const float *spectrum, float *magnitude, float *phase)
{
    fastmath::toPolarBlock(spectrum, spectrum + HALF, magnitude, phase, HALF);
}

inline void magnitudeKernel(const float *spectrum, float *magnitude)
{
    fastmath::magnitudeBlock(spectrum, spectrum + HALF, magnitude, HALF);
}

inline void rectKernel(float *spectrum, const float *magnitude, const float *phase)
{
    fastmath::fromPolarBlock(magnitude, phase, spectrum, spectrum + HALF, HALF);
}

// A damaged sample (NaN, infinity, or a value that overflows once scaled) reads as silence,
// so that it spoils at most the few blocks whose frames hold it.
inline void zeroNonFinite(float *frame)
{
    const float largest = std::numeric_limits<float>::max();
    for (int i = 0; i < N; ++i)
        frame[i] = std::fabs(frame[i]) <= largest ? frame[i] : 0.0f;
}

inline float usableInterp(float x)
{
    return std::isnan(x) ? 1.0f : std::min(std::max(x, 0.25f), 4.0f);
}

inline float usableHop(float x)
{
    return std::isnan(x) ? 1.0f : std::min(std::max(x, 0.125f), 4.0f);
}

} // namespace

void RealTimeEngine::Channel::allocate(int n)
{
    frame.assign(n, 0.0f);
    prevFrame.assign(n, 0.0f);
    spectrum.assign(n, 0.0f);
    prevSpectrum.assign(n, 0.0f);
    ifftOut.assign(n, 0.0f);
    magnitude.assign(n / 2, 0.0f);
    phase.assign(n / 2, 0.0f);
    prevMagnitude.assign(n / 2, 0.0f);
    prevPhase.assign(n / 2, 0.0f);
    synthPhase.assign(n / 2, 0.0f);
    accumulator.assign(n / 2, 0.0f);
    tail1.assign(3 * n / 4, 0.0f);
    tail2.assign(n / 2, 0.0f);
    tail3.assign(n / 4, 0.0f);
    blockOut.assign(n / 4, 0.0f);
}

RealTimeEngine::RealTimeEngine()
    : m_fft(frameSize)
{
    allocPhaseVocoderBuffers();
}

RealTimeEngine::~RealTimeEngine() = default;

void RealTimeEngine::allocPhaseVocoderBuffers()
{
    m_ch[0].allocate(N);
    m_ch[1].allocate(N);
    m_window.assign(N, 0.0f);
    makeHannWindow(m_window.data(), N);
    m_peaks.assign(HALF, 0);
    m_sumMagnitude.assign(HALF, 0.0f);
    m_sumPrevMagnitude.assign(HALF, 0.0f);
    m_gain.assign(HALF, 1.0f);
    std::fill(std::begin(m_histogram), std::end(m_histogram), 0.0f);
    std::fill(std::begin(m_curveSource), std::end(m_curveSource), 0.0f);
    for (std::atomic<float> &c : m_curve)
        c.store(0.0f, std::memory_order_relaxed);
}

void RealTimeEngine::setAudioData(const float *left, const float *right, int frames)
{
    m_left = left;
    m_right = right ? right : left;
    m_length = (left && frames > 0) ? frames : 0;
    m_playPosition.store(hopSize, std::memory_order_relaxed);
    m_azimuth.store(1.0f, std::memory_order_relaxed);
    m_width.store(0.34f, std::memory_order_relaxed);
    m_filterBin.store(0.0f, std::memory_order_relaxed);
    m_keep.store(0.0f, std::memory_order_relaxed);
    m_modeA.store(true, std::memory_order_relaxed);
    m_modeB.store(true, std::memory_order_relaxed);
    clearProcessingBuffers();
}

void RealTimeEngine::clearProcessingBuffers()
{
    for (Channel &ch : m_ch) {
        std::fill(ch.prevFrame.begin(), ch.prevFrame.end(), 0.0f);
        std::fill(ch.tail1.begin(), ch.tail1.end(), 0.0f);
        std::fill(ch.tail2.begin(), ch.tail2.end(), 0.0f);
        std::fill(ch.tail3.begin(), ch.tail3.end(), 0.0f);
        std::fill(ch.blockOut.begin(), ch.blockOut.end(), 0.0f);
    }
    m_transientCount = 0;
    // The next block starts its synthesis phases afresh.
    m_vocoderWasActive = false;
    m_fresh = true;
}

void RealTimeEngine::resetPhaseBuffers()
{
    for (Channel &ch : m_ch) {
        std::copy(ch.phase.begin(), ch.phase.end(), ch.synthPhase.begin());
        std::copy(ch.phase.begin(), ch.phase.end(), ch.accumulator.begin());
    }
}

int RealTimeEngine::positionLimit() const
{
    return static_cast<int>(std::min<std::int64_t>(static_cast<std::int64_t>(m_length) + frameSize,
                                                   std::numeric_limits<int>::max()));
}

void RealTimeEngine::setPlayPosition(int position)
{
    if (position < hopSize)
        position = std::max(position + hopSize, static_cast<int>(hopSize));
    position = std::min(position, positionLimit());
    m_playPosition.store(position, std::memory_order_relaxed);
}

int RealTimeEngine::blockAdvance() const
{
    if (m_vocoderActive.load(std::memory_order_relaxed))
        return static_cast<int>(std::floor(hopSize * usableHop(m_hopFactor.load(std::memory_order_relaxed))));
    return hopSize;
}

int RealTimeEngine::soundLead() const
{
    if (!m_vocoderActive.load(std::memory_order_relaxed))
        return 0;
    // The frames overlap-add with the window weighing their middles: frame k's middle,
    // read N/2 x pitch after its start, sounds N/2 output frames after the block's start,
    // which the tempo maps back to N/2 x tempo input frames.
    const float interp = usableInterp(m_interpFactor.load(std::memory_order_relaxed));
    const float hop = usableHop(m_hopFactor.load(std::memory_order_relaxed));
    return static_cast<int>(std::lround(HALF * (interp - hop)));
}

void RealTimeEngine::primeRender(int position, int lead)
{
    constexpr int primingBlocks = N / H - 1;
    clearProcessingBuffers();
    const int start = position - lead - primingBlocks * blockAdvance();
    m_playPosition.store(start, std::memory_order_relaxed);
    float left[H];
    float right[H];
    for (int b = 0; b < primingBlocks; ++b)
        processBlock(left, right, nullptr);
}

// ---------------------------------------------------------------------------------------
// Parameter mappings

void RealTimeEngine::setWidth(int w)
{
    m_width.store((w + 0.001f) / 100.0f, std::memory_order_relaxed);
}

void RealTimeEngine::setSeparation(int s)
{
    m_keep.store(100.0f - s, std::memory_order_relaxed);
}

void RealTimeEngine::setAzimuth(int a)
{
    const float d = static_cast<float>(a - 50);
    float az = 1.0f;
    if (d > 0)
        az = (100.01f - d) / 50.0f - 1.0f;
    else if (d < 0)
        az = -(d + 100.01f) / 50.0f + 1.0f;
    m_azimuth.store(az, std::memory_order_relaxed);
}

void RealTimeEngine::setFilterKnob(int v)
{
    m_filterBin.store(static_cast<float>(v), std::memory_order_relaxed);
}

void RealTimeEngine::setFilter(bool highSide)
{
    m_highSide.store(highSide, std::memory_order_relaxed);
}

void RealTimeEngine::setInverted(bool solo)
{
    m_inverted.store(solo, std::memory_order_relaxed);
}

void RealTimeEngine::activateSSS(bool off)
{
    m_isolateOn.store(!off, std::memory_order_relaxed);
}

void RealTimeEngine::setPScale(int s)
{
    const double scale = m_plotScale.load(std::memory_order_relaxed);
    double next;
    if (s < 0)
        next = std::fabs(std::trunc(scale * 1.1));
    else if (s > 0)
        next = std::fabs(std::trunc(scale * 0.9));
    else
        next = defaultPlotScale;
    next = std::min(std::max(next, static_cast<double>(minPlotScale)), static_cast<double>(maxPlotScale));
    m_plotScale.store(static_cast<int>(next), std::memory_order_relaxed);
}

void RealTimeEngine::changeMode(int mode)
{
    switch (mode) {
    case 1:
        m_modeA.store(true, std::memory_order_relaxed);
        m_modeB.store(true, std::memory_order_relaxed);
        m_monoSum.store(false, std::memory_order_relaxed);
        break;
    case 2:
        m_modeA.store(false, std::memory_order_relaxed);
        m_modeB.store(true, std::memory_order_relaxed);
        m_monoSum.store(false, std::memory_order_relaxed);
        break;
    case 3:
        m_modeA.store(true, std::memory_order_relaxed);
        m_modeB.store(false, std::memory_order_relaxed);
        m_monoSum.store(false, std::memory_order_relaxed);
        break;
    case 4:
        m_modeA.store(true, std::memory_order_relaxed);
        m_modeB.store(false, std::memory_order_relaxed);
        m_monoSum.store(true, std::memory_order_relaxed);
        break;
    default:
        break;
    }
}

int RealTimeEngine::vocoderMode() const
{
    const bool a = m_modeA.load(std::memory_order_relaxed);
    const bool b = m_modeB.load(std::memory_order_relaxed);
    if (a && b)
        return 1;
    if (a)
        return 3;
    if (b)
        return 2;
    return m_rememberedMode.load(std::memory_order_relaxed);
}

void RealTimeEngine::setInterp(float x)
{
    if (!m_vocoderActive.load(std::memory_order_relaxed) || m_pitchOff.load(std::memory_order_relaxed))
        m_storedInterp.store(x, std::memory_order_relaxed);
    else
        m_interpFactor.store(x, std::memory_order_relaxed);
}

void RealTimeEngine::setHop(float x)
{
    if (!m_vocoderActive.load(std::memory_order_relaxed) || m_tempoOff.load(std::memory_order_relaxed))
        m_storedHop.store(x, std::memory_order_relaxed);
    else
        m_hopFactor.store(x, std::memory_order_relaxed);
}

void RealTimeEngine::activatePitch(bool off)
{
    if (off == m_pitchOff.load(std::memory_order_relaxed))
        return; // already in that state: keep the stored and the live factor
    if (off) {
        m_storedInterp.store(m_interpFactor.load(std::memory_order_relaxed), std::memory_order_relaxed);
        m_interpFactor.store(1.0f, std::memory_order_relaxed);
        m_pitchOff.store(true, std::memory_order_relaxed);
        if (m_tempoOff.load(std::memory_order_relaxed))
            m_vocoderActive.store(false, std::memory_order_relaxed);
    } else {
        m_interpFactor.store(m_storedInterp.load(std::memory_order_relaxed), std::memory_order_relaxed);
        m_pitchOff.store(false, std::memory_order_relaxed);
        m_vocoderActive.store(true, std::memory_order_relaxed);
    }
}

void RealTimeEngine::activateTempo(bool off)
{
    if (off == m_tempoOff.load(std::memory_order_relaxed))
        return;
    if (off) {
        m_storedHop.store(m_hopFactor.load(std::memory_order_relaxed), std::memory_order_relaxed);
        m_hopFactor.store(1.0f, std::memory_order_relaxed);
        m_tempoOff.store(true, std::memory_order_relaxed);
        if (m_pitchOff.load(std::memory_order_relaxed))
            m_vocoderActive.store(false, std::memory_order_relaxed);
    } else {
        m_hopFactor.store(m_storedHop.load(std::memory_order_relaxed), std::memory_order_relaxed);
        m_tempoOff.store(false, std::memory_order_relaxed);
        m_vocoderActive.store(true, std::memory_order_relaxed);
    }
}

void RealTimeEngine::resetHopFactor()
{
    m_tempoOff.store(true, std::memory_order_relaxed);
    m_hopFactor.store(1.0f, std::memory_order_relaxed);
    m_storedHop.store(1.0f, std::memory_order_relaxed);
    if (m_pitchOff.load(std::memory_order_relaxed))
        m_vocoderActive.store(false, std::memory_order_relaxed);
}

void RealTimeEngine::setHopFactorFromSession(bool power, float x)
{
    const float factor = x < 1.0f ? 0.5f * x + 0.5f : x;
    if (power) {
        m_hopFactor.store(factor, std::memory_order_relaxed);
        m_tempoOff.store(false, std::memory_order_relaxed);
        m_vocoderActive.store(true, std::memory_order_relaxed);
    } else {
        m_storedHop.store(factor, std::memory_order_relaxed);
        m_hopFactor.store(1.0f, std::memory_order_relaxed);
        m_tempoOff.store(true, std::memory_order_relaxed);
        if (m_pitchOff.load(std::memory_order_relaxed))
            m_vocoderActive.store(false, std::memory_order_relaxed);
    }
}

void RealTimeEngine::setStepPitch(float factor)
{
    if (factor != 1.0f) {
        m_interpFactor.store(factor, std::memory_order_relaxed);
        m_pitchOff.store(false, std::memory_order_relaxed);
        m_vocoderActive.store(true, std::memory_order_relaxed);
    } else {
        activatePitch(true);
    }
}

// ---------------------------------------------------------------------------------------
// Helpers

void RealTimeEngine::makeHannWindow(float *w, int n)
{
    for (int i = 0; i < n; ++i)
        w[i] = static_cast<float>(0.5 * (1.0 - std::cos(kTwoPi * (i + 1) / (n + 1))));
}

void RealTimeEngine::toPolar(const float *spectrum, float *magnitude, float *phase, int n)
{
    fastmath::toPolarBlock(spectrum, spectrum + n / 2, magnitude, phase, n / 2);
}

void RealTimeEngine::fromPolar(float *spectrum, const float *magnitude, const float *phase, int n)
{
    fastmath::fromPolarBlock(magnitude, phase, spectrum, spectrum + n / 2, n / 2);
}

// ---------------------------------------------------------------------------------------
// Block processing

RealTimeEngine::Params RealTimeEngine::snapshot()
{
    Params p;
    p.vocoder = m_vocoderActive.load(std::memory_order_relaxed);
    p.interp = p.vocoder ? m_interpFactor.load(std::memory_order_relaxed) : 1.0f;
    p.hop = p.vocoder ? m_hopFactor.load(std::memory_order_relaxed) : 1.0f;
    // Factors far outside the controls' range would make the frame read run away or the
    // position stand still; NaN counts as 1.
    p.interp = usableInterp(p.interp);
    p.hop = usableHop(p.hop);
    p.isolate = m_isolateOn.load(std::memory_order_relaxed);
    p.inverted = m_inverted.load(std::memory_order_relaxed);
    p.highSide = m_highSide.load(std::memory_order_relaxed);
    p.azimuth = m_azimuth.load(std::memory_order_relaxed);
    p.width = m_width.load(std::memory_order_relaxed);
    p.filterBin = m_filterBin.load(std::memory_order_relaxed);
    p.keep = m_keep.load(std::memory_order_relaxed);
    p.plotScale = m_plotScale.load(std::memory_order_relaxed);
    p.mode = vocoderMode();
    m_rememberedMode.store(p.mode, std::memory_order_relaxed);
    return p;
}

void RealTimeEngine::readFrame(const float *in, int position, const Params &p, Channel &ch) const
{
    const float *w = m_window.data();
    const float scale = 32767.0f;
    const int len = m_length;
    if (!p.vocoder) {
        float *cur = ch.frame.data();
        const long first = static_cast<long>(position) + 1;
        if (first >= 0 && first + N <= len) {
            const float *src = in + first;
            for (int i = 0; i < N; ++i)
                cur[i] = src[i] * scale * w[i];
        } else {
            for (int i = 0; i < N; ++i)
                cur[i] = sampleAt(in, first + i, len) * scale * w[i];
        }
        zeroNonFinite(cur);
        return;
    }

    const double interp = p.interp;
    float *cur = ch.frame.data();
    float *prev = ch.prevFrame.data();
    const long lastK = static_cast<long>(position) + static_cast<long>(std::floor((N - 1) * interp)) + 1;
    const bool inside = static_cast<long>(position) - H >= 0 && lastK < len;
    for (int i = 0; i < N; ++i) {
        const double x = i * interp;
        const long k = static_cast<long>(x);
        const float f = static_cast<float>(x - k);
        const long K = position + k;
        float a0, a1, b0, b1;
        if (inside) {
            a0 = in[K];
            a1 = in[K + 1];
            b0 = in[K - H];
            b1 = in[K - H + 1];
        } else {
            a0 = sampleAt(in, K, len);
            a1 = sampleAt(in, K + 1, len);
            b0 = sampleAt(in, K - H, len);
            b1 = sampleAt(in, K - H + 1, len);
        }
        const float ww = scale * w[i];
        cur[i] = (a0 + f * (a1 - a0)) * ww;
        prev[i] = (b0 + f * (b1 - b0)) * ww;
    }
    zeroNonFinite(cur);
    zeroNonFinite(prev);
}

void RealTimeEngine::advancePhases(Channel &ch, float interp, bool restart)
{
    const float *__restrict phase = ch.phase.data();
    const float *__restrict prevPhase = ch.prevPhase.data();
    float *__restrict syn = ch.synthPhase.data();
    float *__restrict acc = ch.accumulator.data();

    // Synthesis hop D = N/4 output samples; the previous frame lies H input samples back,
    // which is H / interp samples of the resampled frame.
    const double D = N / 4;
    const double a = D / interp;
    const double ratio = D / a;

    // Bin 0 carries DC and Nyquist together; it keeps its analysis phase.
    syn[0] = acc[0] = phase[0];
    if (restart) {
        for (int j = 1; j < HALF; ++j)
            syn[j] = acc[j] = phase[j];
        return;
    }
    // Expected advance of bin j over the analysis hop: j * theta, taken modulo 2 pi in
    // double so that high bins keep their precision.
    const double theta = kTwoPi * a / N;
    for (int j = 1; j < HALF; ++j) {
        const double expected = wrapPhase(j * theta);
        const float dev = wrapPhase(static_cast<float>(phase[j] - prevPhase[j] - expected));
        // The bin's own advance over the synthesis hop, w * D, is j quarter turns.
        const float s = wrapPhase(acc[j] + static_cast<float>((j & 3) * (kPi / 2.0)) + dev * static_cast<float>(ratio));
        syn[j] = acc[j] = s;
    }
}

void RealTimeEngine::linkPhases()
{
    const float *__restrict phaseL = m_ch[0].phase.data();
    const float *__restrict phaseR = m_ch[1].phase.data();
    const float *__restrict magL = m_ch[0].magnitude.data();
    const float *__restrict magR = m_ch[1].magnitude.data();
    float *__restrict synL = m_ch[0].synthPhase.data();
    float *__restrict accL = m_ch[0].accumulator.data();
    float *__restrict synR = m_ch[1].synthPhase.data();
    float *__restrict accR = m_ch[1].accumulator.data();
    // Each channel turned its bin by its own amount since the analysis; both now turn by
    // one amount, the two turns weighted by the channels' levels, so that the louder
    // channel leads and a bin that only one channel carries keeps that channel's phase.
    // The right channel then sits at the analysed phase difference from the left one.
    for (int j = 1; j < HALF; ++j) {
        const float turnL = synL[j] - phaseL[j];
        const float turnR = synR[j] - phaseR[j];
        const float total = magL[j] + magR[j];
        const float weightR = total > 0.0f ? magR[j] / total : 0.0f;
        const float l = wrapPhase(synL[j] + wrapPhase(turnR - turnL) * weightR);
        const float r = wrapPhase(l + (phaseR[j] - phaseL[j]));
        synL[j] = accL[j] = l;
        synR[j] = accR[j] = r;
    }
}

void RealTimeEngine::processPhase(int mode, int channels, float interp, bool restart)
{
    for (int c = 0; c < channels; ++c)
        advancePhases(m_ch[c], interp, restart);
    if (channels > 1 && !restart)
        linkPhases();

    // Peaks, locking regions and transients are found once for both channels, on the sum
    // of their magnitudes, so that both turn their bins alike.
    const float *mag = m_ch[0].magnitude.data();
    const float *prevMag = m_ch[0].prevMagnitude.data();
    if (channels > 1) {
        float *sum = m_sumMagnitude.data();
        float *prevSum = m_sumPrevMagnitude.data();
        const float *mR = m_ch[1].magnitude.data();
        const float *pR = m_ch[1].prevMagnitude.data();
        for (int j = 0; j < HALF; ++j) {
            sum[j] = mag[j] + mR[j];
            prevSum[j] = prevMag[j] + pR[j];
        }
        mag = sum;
        prevMag = prevSum;
    }

    // Peaks and the count of rising bins.
    int nPeaks = 0;
    int *peaks = m_peaks.data();
    for (int j = 3; j < HALF - 3; ++j) {
        const float m = mag[j];
        if (m > mag[j - 2] && m > mag[j - 1] && m > mag[j + 1] && m > mag[j + 2])
            peaks[nPeaks++] = j;
    }
    // Only bins that carry part of the signal count as rising: with a pitch factor other than
    // 1 the near-silent bins hold interpolation residue and rounding noise whose level
    // changes from frame to frame, and counted in they would report a transient on every
    // few frames of a steady tone.
    // Both loops are kept free of branches: which bins rise is close to random.
    float loud[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    for (int j = 0; j < HALF; j += 4)
        for (int k = 0; k < 4; ++k)
            loud[k] = mag[j + k] > loud[k] ? mag[j + k] : loud[k];
    const float audible = std::max(std::max(loud[0], loud[1]), std::max(loud[2], loud[3])) * kRisingFloor;
    int rising = 0;
    for (int j = 0; j < HALF; ++j)
        rising += static_cast<int>(mag[j] > prevMag[j]) & static_cast<int>(mag[j] > audible);
    const bool transient = rising > 1330 && rising > m_transientCount;
    m_transientCount = rising;

    for (int c = 0; c < channels; ++c) {
        Channel &ch = m_ch[c];
        const float *__restrict phase = ch.phase.data();
        float *__restrict syn = ch.synthPhase.data();
        float *__restrict acc = ch.accumulator.data();

        // Identity phase locking around each peak up to the mode's limit.
        if (!restart) {
            const int limit = (mode == 3) ? N / 4 : N / 8;
            for (int q = 0; q < nPeaks; ++q) {
                const int pk = peaks[q];
                int start = (q == 0) ? 0 : (peaks[q - 1] + pk) / 2;
                const int end = (q == nPeaks - 1) ? std::min(pk + 3, HALF) : (pk + peaks[q + 1]) / 2;
                if (start < 1)
                    start = 1;
                const double sp = syn[pk];
                const double pp = phase[pk];
                for (int m = start; m < end; ++m) {
                    if (m == pk)
                        continue;
                    const float v = static_cast<float>(wrapPhase(sp - (pp - phase[m])));
                    syn[m] = acc[m] = v;
                }
                if (pk >= limit)
                    break;
            }
        }

        // Transient: restart the upper bins from the analysis phases.
        if (transient) {
            const int from = (mode == 2) ? 1500 : 200;
            for (int j = from; j < HALF; ++j)
                syn[j] = acc[j] = phase[j];
        }

        // The accumulator carries each bin's phase from block to block: an entry that is no
        // longer finite (a frame whose spectrum overflowed) restarts from the analysis phase,
        // rather than spoiling every block that follows.
        for (int j = 0; j < HALF; ++j) {
            const float restartAt = std::fabs(phase[j]) <= 4.0f ? phase[j] : 0.0f;
            const float v = std::fabs(acc[j]) <= 4.0f ? acc[j] : restartAt;
            syn[j] = acc[j] = v;
        }
    }
}

void RealTimeEngine::isolateKernel(const Params &p, int channels)
{
    Channel &L = m_ch[0];
    Channel &R = m_ch[channels > 1 ? 1 : 0];
    const float *sL = L.spectrum.data();
    const float *sR = R.spectrum.data();
    const float *mL = L.magnitude.data();
    const float *mR = R.magnitude.data();
    float *gain = m_gain.data();

    const double az = p.azimuth;
    const double absAz = std::fabs(az);
    const double width = p.width;
    const double fb = p.filterBin;
    const float k = (p.keep / 100.0f) * (p.keep / 100.0f);

    for (int i = 0; i < HALF; ++i) {
        const double ml = mL[i];
        const double mr = mR[i];
        // cos(phase L - phase R) * |R| / |L| and its mirror, from the complex values.
        const double dot = static_cast<double>(sL[i]) * sR[i] + static_cast<double>(sL[HALF + i]) * sR[HALF + i];
        const double r = std::fabs(dot / (ml * ml) + 1e-15);
        const double l = std::fabs(dot / (mr * mr) + 1e-15);
        // Silence gives NaN ratios; every comparison below is then false.
        if (l >= 0.0 && l <= 1.0) {
            const int idx = static_cast<int>(std::floor((1.0 - l) * 100.0 + 100.0));
            if (idx >= 0 && idx < histogramBins)
                m_histogram[idx] += static_cast<float>(mr);
        }
        if (r >= 0.0 && r <= 1.0) {
            const int idx = static_cast<int>(std::floor(r * 100.0));
            if (idx >= 0 && idx < histogramBins)
                m_histogram[idx] += static_cast<float>(ml);
        }
        const bool onSide = p.highSide ? (i > fb) : (i < fb);
        const bool selected = onSide
            && ((az < 0 && std::fabs(absAz - r) <= width) || (az > 0 && std::fabs(absAz - l) <= width));
        gain[i] = (selected != p.inverted) ? k : 1.0f;
    }

    for (float &h : m_histogram) {
        h *= 0.9f;
        if (!std::isfinite(h))
            h = 0.0f;
    }
    for (int j = 0; j < histogramBins; ++j) {
        m_curveSource[2 * j] = m_histogram[j];
        m_curveSource[2 * j + 1] = (j + 1 < histogramBins) ? (m_histogram[j] + m_histogram[j + 1]) / 2.0f
                                                           : m_histogram[j];
    }
}

void RealTimeEngine::makeCurve(float *curve, int plotScale)
{
    const float s = static_cast<float>(std::max(plotScale, static_cast<int>(minPlotScale)));
    for (int j = 0; j < curvePoints; ++j) {
        const float v = m_curveSource[j] / s;
        m_curve[j].store(v, std::memory_order_relaxed);
        if (curve)
            curve[j] = v;
    }
}

bool RealTimeEngine::getSSSCurve(float *points) const
{
    if (!m_isolateOn.load(std::memory_order_relaxed))
        return false;
    for (int j = 0; j < curvePoints; ++j)
        points[j] = m_curve[j].load(std::memory_order_relaxed);
    return true;
}

void RealTimeEngine::applyWindows(Channel &ch)
{
    float *frame = ch.ifftOut.data();
    const float *w = m_window.data();
    for (int i = 0; i < N; ++i)
        frame[i] *= w[i];
    float *t1 = ch.tail1.data();
    float *t2 = ch.tail2.data();
    float *t3 = ch.tail3.data();
    float *out = ch.blockOut.data();
    const int q = N / 4;
    for (int i = 0; i < q; ++i)
        out[i] = 0.5f * (frame[i] + t1[i] + t2[i] + t3[i]);
    std::memcpy(t3, t2 + q, sizeof(float) * q);
    std::memmove(t2, t1 + q, sizeof(float) * 2 * q);
    std::memcpy(t1, frame + q, sizeof(float) * 3 * q);
}

void RealTimeEngine::processBlock(float *outLeft, float *outRight, float *curve)
{
    if (!hasTrack()) {
        std::fill(outLeft, outLeft + H, 0.0f);
        std::fill(outRight, outRight + H, 0.0f);
        return;
    }

    const Params p = snapshot();
    const int position = m_playPosition.load(std::memory_order_relaxed);
    const bool mono = (m_right == m_left);
    const int channels = mono ? 1 : 2;
    const float *inputs[2] = {m_left, m_right};

    for (int c = 0; c < channels; ++c)
        readFrame(inputs[c], position, p, m_ch[c]);

    if (!p.vocoder && !p.isolate) {
        // The spectrum would go back unchanged: skip the round trip.
        for (int c = 0; c < channels; ++c)
            std::copy(m_ch[c].frame.begin(), m_ch[c].frame.end(), m_ch[c].ifftOut.begin());
    } else {
        for (int c = 0; c < channels; ++c) {
            Channel &ch = m_ch[c];
            m_fft.forward(ch.spectrum.data(), ch.frame.data());
            if (!p.vocoder) {
                // The isolate alone needs only the magnitudes.
                magnitudeKernel(ch.spectrum.data(), ch.magnitude.data());
                continue;
            }
            polarKernel(ch.spectrum.data(), ch.magnitude.data(), ch.phase.data());
            {
                m_fft.forward(ch.prevSpectrum.data(), ch.prevFrame.data());
                polarKernel(ch.prevSpectrum.data(), ch.prevMagnitude.data(), ch.prevPhase.data());
            }
        }

        if (p.isolate) {
            processFrame(p, channels);
            if (p.vocoder) {
                for (int c = 0; c < channels; ++c) {
                    float *mag = m_ch[c].magnitude.data();
                    for (int i = 0; i < HALF; ++i)
                        mag[i] *= m_gain[i];
                }
            }
            makeCurve(curve, p.plotScale);
        }

        // The first block, and the first after the vocoder switches on, start from the
        // analysis phases so that they join the frames already played. Later blocks carry
        // their phases on, also near the track's start: restarting each of them there would
        // add their frames out of phase, at about half the level.
        const bool restart = !m_vocoderWasActive;
        if (p.vocoder)
            processPhase(p.mode, channels, p.interp, restart);
        for (int c = 0; c < channels; ++c) {
            Channel &ch = m_ch[c];
            if (p.vocoder) {
                rectKernel(ch.spectrum.data(), ch.magnitude.data(), ch.synthPhase.data());
            } else if (p.isolate) {
                // Magnitudes scaled, phases untouched: scale the complex bins directly.
                float *s = ch.spectrum.data();
                for (int i = 0; i < HALF; ++i) {
                    s[i] *= m_gain[i];
                    s[HALF + i] *= m_gain[i];
                }
            }
            m_fft.inverse(ch.spectrum.data(), ch.ifftOut.data());
            m_fft.scaleByLength(ch.ifftOut.data());
        }
    }
    m_vocoderWasActive = p.vocoder;

    for (int c = 0; c < channels; ++c)
        applyWindows(m_ch[c]);

    // For mono both channels would go through the same processing: the left one serves both.
    const float outScale = 1.0f / 32768.0f;
    const float *bl = m_ch[0].blockOut.data();
    const float *br = m_ch[channels - 1].blockOut.data();
    for (int i = 0; i < H; ++i) {
        outLeft[i] = bl[i] * outScale;
        outRight[i] = br[i] * outScale;
    }

    const int advance = p.vocoder ? static_cast<int>(std::floor(H * p.hop)) : H;
    // readFrame: without the vocoder the frame starts one frame after the position.
    m_lastBlock = BlockSpan{position, advance, p.vocoder ? double(position) : double(position) + 1.0,
                            p.vocoder ? double(p.interp) : 1.0, m_fresh};
    m_fresh = false;
    const int next = static_cast<int>(std::min<std::int64_t>(static_cast<std::int64_t>(position) + advance, positionLimit()));
    // A seek from another thread during the block wins over the advance.
    int expected = position;
    m_playPosition.compare_exchange_strong(expected, next, std::memory_order_relaxed);
}
