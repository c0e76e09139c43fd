#include "analysis/beattracking.h"

#include "analysis/analysismath.h"

#include <algorithm>

namespace analysis {

Peaks findPeaks(const float *x, int n)
{
    Peaks peaks;
    for (int j = 1; j + 1 < n; ++j) {
        if (x[j] > x[j - 1] && x[j] > x[j + 1] && x[j] > 0.0f) {
            peaks.positions.push_back(j);
            peaks.values.push_back(x[j]);
            if (x[j] > peaks.largest) {
                peaks.largest = x[j];
                peaks.largestPosition = j;
            }
        }
    }
    return peaks;
}

std::vector<int> trackBeats(const float *x, int frames, const float *period)
{
    std::vector<int> beats;
    if (frames <= 0)
        return beats;

    std::vector<float> cumulative(frames, 0.0f);
    std::vector<int> link(frames, 0);

    // Onset peaks that matter: above 5 % of the strongest.
    const Peaks onsetPeaks = findPeaks(x, frames);
    std::vector<int> kept;
    for (int i = 0; i < onsetPeaks.count(); ++i)
        if (onsetPeaks.values[i] > 0.05f * onsetPeaks.largest)
            kept.push_back(onsetPeaks.positions[i]);
    if (kept.empty())
        return beats;

    // Start at the foot of the first strong onset.
    const int q = kept.front();
    int start = 0;
    {
        int e = q - 1;
        while (e >= 1 && x[e] > x[e - 1])
            --e;
        if (e >= 1)
            start = (e + 1 == q) ? 0 : e + 1;
    }
    // End where the last strong onset has fallen.
    const int r = kept.back();
    int end;
    {
        int e = r + 1;
        while (e < frames && x[e] < x[e - 1])
            ++e;
        end = (e >= frames) ? frames - 1 : e;
    }

    const float alpha = 0.95f;
    const float rest = 1.0f - alpha;
    std::vector<float> weights;
    int offset = 0;
    for (int i = start; i <= end; ++i) {
        if (i == start || i == 0 || period[i] != period[i - 1]) {
            const int p = std::max(1, roundToInt(period[i]));
            const int m = roundToInt(0.25 * p);
            weights = hanningWindow(2 * m + 1);
            offset = -(p + m);
        }
        float best = 0.0f;
        int from = -1;
        for (int j = 0; j < static_cast<int>(weights.size()); ++j) {
            const int frame = i + offset + j;
            if (frame < 0)
                continue;
            const float v = weights[j] * cumulative[frame];
            if (v > best) {
                best = v;
                from = frame;
            }
        }
        link[i] = from;
        cumulative[i] = alpha * best + rest * x[i];
    }

    // Final beat: the strongest cumulative peak within one period before the last
    // peak that stands above half the mean peak.
    const Peaks cumPeaks = findPeaks(cumulative.data(), frames);
    int last = -1;
    if (cumPeaks.count() > 0) {
        double sum = 0.0;
        for (float v : cumPeaks.values)
            sum += v;
        const float mean = static_cast<float>(sum / cumPeaks.count());
        int h = 0;
        for (int idx = cumPeaks.count() - 1; idx >= 0; --idx) {
            if (cumPeaks.values[idx] > 0.5f * mean) {
                h = idx;
                break;
            }
        }
        const int lastPeriod = std::max(1, roundToInt(period[frames - 1]));
        const int hFrame = cumPeaks.positions[h];
        float best = 0.0f;
        for (int idx = h; idx >= 0 && idx > h - lastPeriod && cumPeaks.positions[idx] >= hFrame - lastPeriod; --idx) {
            const int frame = cumPeaks.positions[idx];
            if (cumulative[frame] > best) {
                best = cumulative[frame];
                last = frame;
            }
        }
    } else {
        // No interior peak: fall back to the largest cumulative score.
        float best = 0.0f;
        for (int i = 0; i < frames; ++i) {
            if (cumulative[i] > best) {
                best = cumulative[i];
                last = i;
            }
        }
    }
    if (last < 0)
        return beats;

    for (int b = last; b >= 0; b = link[b]) {
        beats.push_back(b);
        if (link[b] >= b)
            break; // links always point back; never loop
    }
    std::reverse(beats.begin(), beats.end());
    return beats;
}

} // namespace analysis
