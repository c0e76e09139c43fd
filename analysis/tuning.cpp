#include "analysis/tuning.h"

#include <cmath>

namespace analysis {

TuningHistogram tuningHistogram(const std::vector<float> &values, int binCount)
{
    TuningHistogram h;
    if (binCount < 1)
        binCount = 1;
    h.counts.assign(binCount, 0);
    h.centres.assign(binCount, 0.0f);
    if (values.empty())
        return h;

    float lo = values[0];
    float hi = values[0];
    for (float v : values) {
        if (v < lo)
            lo = v;
        if (v > hi)
            hi = v;
    }
    const float width = (hi - lo) / static_cast<float>(binCount);
    for (int i = 0; i < binCount; ++i)
        h.centres[i] = lo + width / 2.0f + static_cast<float>(i) * width;

    if (!(width > 0.0f) || !std::isfinite(width)) {
        // All values equal: they share one bin, centred on their common value.
        h.counts[0] = static_cast<int>(values.size());
        h.centres[0] = lo;
        return h;
    }
    for (float v : values) {
        int bin = binCount - 1;
        if (v < hi) {
            const double b = std::floor((static_cast<double>(v) - lo) / width);
            bin = b < 0.0 ? 0 : (b >= binCount ? binCount - 1 : static_cast<int>(b));
        }
        ++h.counts[bin];
    }
    return h;
}

float tuningOffset(const std::vector<float> &deviations)
{
    if (deviations.empty())
        return 0.0f;
    const TuningHistogram h = tuningHistogram(deviations, 100);
    int best = 0;
    for (int i = 1; i < static_cast<int>(h.counts.size()); ++i)
        if (h.counts[i] > h.counts[best])
            best = i;
    const float t = h.centres[best];
    return std::isfinite(t) ? t : 0.0f;
}

} // namespace analysis
