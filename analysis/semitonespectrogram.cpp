#include "analysis/semitonespectrogram.h"

#include "analysis/analysismath.h"
#include "analysis/ifspectrogram.h"
#include "analysis/tuning.h"

#include <cmath>

namespace analysis {

namespace {

constexpr double kC0 = 16.351875;
constexpr double kLn2 = 0.6931472;

struct Peak
{
    int bin;
    float frequency;
    float weight;
    float position; // octaves above C0
};

// The steady peaks of one frame: every run of stable bins is one candidate, at its
// magnitude-weighted mean frequency.
void framePeaks(const IfSpectrogram &spectrum, std::vector<Peak> &peaks, std::vector<float> &deviations)
{
    const int bins = spectrum.binCount();
    const float *mag = spectrum.magnitude().data();
    const float *freq = spectrum.frequency().data();
    const unsigned char *stable = spectrum.stable().data();

    int j = 0;
    while (j < bins) {
        if (!stable[j]) {
            ++j;
            continue;
        }
        const int a = j;
        while (j + 1 < bins && stable[j + 1])
            ++j;
        const int b = j;
        ++j;

        float total = 0.0f;
        float moment = 0.0f;
        for (int k = a; k <= b; ++k) {
            total += mag[k];
            moment += mag[k] * freq[k];
        }
        const float f = moment / (total + kEpsilon);
        if (!std::isfinite(f) || !std::isfinite(total) || f > 800.0f || f < 60.0f)
            continue;
        if (f > 400.0f)
            total *= std::max(0.0f, (800.0f - f) / 400.0f);
        const float weight = f < 120.0f ? total * (f - 60.0f) / 60.0f : total;
        const float position = static_cast<float>(std::log(f / kC0) / kLn2);
        const double twelve = 12.0 * position;
        deviations.push_back(static_cast<float>(twelve - roundHalfAway(twelve)));
        peaks.push_back({static_cast<int>((a + b) * 0.5 + 0.5), f, weight, position});
    }
}

// Does the frame's peak list (ascending bins) hold a peak within 3 Hz of `frequency` at
// bin c-1, c or c+1?
bool hasNeighbourPeak(const Peak *begin, const Peak *end, int c, float frequency)
{
    for (const Peak *p = begin; p != end; ++p) {
        if (p->bin < c - 1)
            continue;
        if (p->bin > c + 1)
            break;
        if (std::fabs(frequency - p->frequency) < 3.0f)
            return true;
    }
    return false;
}

} // namespace

SemitoneSpectrogram semitoneSpectrogram(const float *samples, int sampleCount, int sampleRate,
                                        const std::vector<ChordFrame> &frames)
{
    SemitoneSpectrogram result;
    const int count = static_cast<int>(frames.size());
    result.frameCount = count;
    result.semitones.assign(static_cast<size_t>(count) * kSemitoneCount, 0.0f);
    if (count == 0 || sampleRate <= 0)
        return result;

    // Peaks of every frame, and the deviation of each from the equal-tempered grid.
    IfSpectrogram spectrum(sampleRate, samples, sampleCount, frames);
    const int lastBin = spectrum.binCount() - 1;
    std::vector<Peak> peaks;
    std::vector<size_t> firstPeak(count + 1, 0);
    std::vector<float> deviations;
    peaks.reserve(static_cast<size_t>(count) * 16);
    deviations.reserve(static_cast<size_t>(count) * 16);
    for (int z = 0; z < count; ++z) {
        firstPeak[z] = peaks.size();
        spectrum.next();
        framePeaks(spectrum, peaks, deviations);
    }
    firstPeak[count] = peaks.size();

    result.tuning = tuningOffset(deviations);
    const double tuning = result.tuning;

    // Peaks that continue from the frame before or into the frame after go to their
    // semitone; the first and last frames keep all their peaks.
    for (int z = 0; z < count; ++z) {
        float *row = result.semitones.data() + static_cast<size_t>(z) * kSemitoneCount;
        const bool inner = z > 0 && z < count - 1;
        for (size_t i = firstPeak[z]; i < firstPeak[z + 1]; ++i) {
            const Peak &p = peaks[i];
            if (inner && p.bin < lastBin) {
                const bool continues =
                    hasNeighbourPeak(peaks.data() + firstPeak[z + 1], peaks.data() + firstPeak[z + 2],
                                     p.bin, p.frequency) ||
                    hasNeighbourPeak(peaks.data() + firstPeak[z - 1], peaks.data() + firstPeak[z],
                                     p.bin, p.frequency);
                if (!continues)
                    continue;
            }
            const int u = roundToInt(12.0 * p.position - tuning);
            const double octaves = u / 12.0;
            const int octave = truncToInt(octaves);
            int pitchClass = roundToInt((octaves - std::floor(octaves)) * 12.0);
            if (pitchClass == 12)
                pitchClass = 0;
            const int k = 12 * octave + pitchClass;
            if (k >= 0 && k < kSemitoneCount)
                row[k] += p.weight;
        }
    }
    return result;
}

} // namespace analysis
