#include "analysis/chroma.h"

#include "analysis/sortwithindex.h"

#include <algorithm>

namespace analysis {

std::vector<Chroma> frameChroma(const SemitoneSpectrogram &spectrogram)
{
    std::vector<Chroma> chroma(spectrogram.frameCount);
    std::vector<float> octave(12);
    std::vector<float> sorted;
    std::vector<unsigned> order;
    for (int z = 0; z < spectrogram.frameCount; ++z) {
        Chroma &c = chroma[z];
        c.fill(0.0f);
        const float *row = spectrogram.frame(z);
        for (int o = 0; o < kSemitoneCount / 12; ++o) {
            bool any = false;
            for (int k = 0; k < 12; ++k) {
                octave[k] = row[12 * o + k];
                any = any || octave[k] != 0.0f;
            }
            if (!any)
                continue;
            sortWithIndex(octave, sorted, order);
            for (int k = 11; k >= 8; --k)
                c[order[k]] += sorted[k];
        }
    }
    return chroma;
}

std::vector<Chroma> beatChroma(const std::vector<Chroma> &frames,
                               const std::vector<ChordFrame> &layout, int beatCount)
{
    std::vector<Chroma> beats(beatCount > 0 ? beatCount : 0);
    for (Chroma &c : beats)
        c.fill(0.0f);
    const size_t count = std::min(frames.size(), layout.size());
    for (size_t z = 0; z < count; ++z) {
        const int b = layout[z].beat;
        if (b < 0 || b >= beatCount)
            continue;
        for (int k = 0; k < 12; ++k)
            beats[b][k] += frames[z][k];
    }
    for (Chroma &c : beats) {
        float largest = 0.0f;
        for (float v : c)
            if (v > largest)
                largest = v;
        if (largest != 0.0f)
            for (float &v : c)
                v /= largest;
    }
    return beats;
}

} // namespace analysis
