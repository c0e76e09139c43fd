#include "analysis/chordframes.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace analysis {

ChordFrameList chordFrames(const std::vector<int> &beatFrames, int hop, int chordPeriod,
                           int sampleCount)
{
    ChordFrameList list;
    const double samplesPerBeat = static_cast<double>(hop) * chordPeriod;
    const double fit = std::floor((samplesPerBeat - (kChordWindow - kChordHop)) / kChordHop);
    // A beat shorter than one window still gets one frame.
    // A beat longer than the whole track needs no more frames than the track holds.
    const double most = std::max(sampleCount, 0) / static_cast<double>(kChordHop) + 1.0;
    list.framesPerBeat = fit < 1.0 ? 1 : static_cast<int>(std::min(fit, most));
    const int n = list.framesPerBeat;
    const int beats = static_cast<int>(beatFrames.size());
    if (beats == 0)
        return list;

    const long long total = static_cast<long long>(sampleCount);
    auto beatStart = [&](int i) { return static_cast<long long>(hop) * beatFrames[i]; };
    auto clampStart = [](long long s) {
        const long long lo = -(1LL << 30);
        const long long hi = std::numeric_limits<int>::max();
        return static_cast<int>(s < lo ? lo : (s > hi ? hi : s));
    };

    list.frames.reserve(static_cast<size_t>(beats) * (n + 1));
    for (int i = 0; i < beats; ++i) {
        const long long start = beatStart(i);
        const bool last = i == beats - 1;
        if (last && total < start + (kChordWindow - kChordHop)) {
            // The last beat is too close to the end: close the previous beat instead.
            if (!list.frames.empty())
                list.frames.push_back({list.frames.back().start, -1});
            break;
        }
        if (i > 0)
            list.frames.push_back({clampStart(start - kChordHop), -1});
        for (int k = 0; k < n; ++k) {
            const long long s = start + static_cast<long long>(k) * kChordHop;
            if (last && s + kChordWindow > total)
                break;
            list.frames.push_back({clampStart(s), i});
        }
    }
    return list;
}

} // namespace analysis
