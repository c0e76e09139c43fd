#include "analysis/analysetrack.h"

#include "analysis/analysismath.h"
#include "analysis/beattracking.h"
#include "analysis/chordrecognition.h"
#include "analysis/onsetdetection.h"
#include "analysis/tempoestimation.h"

#include <cmath>
#include <string>
#include <utility>

namespace analysis {

FrameLayout frameLayout(int sampleRate, int sampleCount)
{
    FrameLayout layout;
    if (sampleRate < 30000)
        layout.frameLength = 512;
    else if (sampleRate <= 80000)
        layout.frameLength = 1024;
    else
        layout.frameLength = 2048;
    layout.hop = layout.frameLength / 2;
    const double frames =
        std::floor((static_cast<double>(sampleCount) - layout.frameLength) / layout.hop) + 1.0;
    layout.frameCount = frames > 0.0 ? static_cast<int>(frames) : 0;
    return layout;
}

BeatList completeBeatList(const std::vector<int> &tracked, int frameCount, float period)
{
    BeatList list;
    if (tracked.empty())
        return list;
    if (!(period >= 1.0f)) {
        list.frames = tracked;
        return list;
    }
    const int first = tracked.front();
    const int last = tracked.back();

    const int before = truncToInt(first / period);
    const int firstAdded = truncToInt(first - period * before);
    for (int k = 0; k < before; ++k)
        list.frames.push_back(truncToInt(firstAdded + period * k));
    list.frames.insert(list.frames.end(), tracked.begin(), tracked.end());
    const int after = truncToInt((frameCount - last) / period);
    for (int k = 1; k <= after; ++k)
        list.frames.push_back(truncToInt(last + period * k));

    list.addedBefore = before;
    list.addedAfter = after;
    return list;
}

std::vector<float> beatPositions(const std::vector<int> &frames, int hop)
{
    std::vector<float> beats;
    beats.reserve(frames.size());
    for (int e : frames)
        beats.push_back(static_cast<float>((static_cast<double>(e) + 1.0) * hop));
    if (!beats.empty() && beats.front() == static_cast<float>(hop))
        beats.front() = 0.0f; // a beat on frame 0 starts the track
    return beats;
}

namespace {

void emptyResult(TrackAnalysis &result)
{
    result.reset();
    result.chordList.assign(TrackAnalysis::kChordClassCount, std::string());
}

} // namespace

} // namespace analysis

void analyseTrack(TrackAnalysis &result, const float *samples, int sampleRate, int sampleCount,
                  const std::atomic<bool> *cancel, const analysis::ChordMask *chordMask)
{
    using namespace analysis;
    emptyResult(result);
    if (samples == nullptr || sampleRate <= 0 || sampleCount <= 0)
        return;
    auto cancelled = [&] {
        if (!cancel || !cancel->load(std::memory_order_relaxed))
            return false;
        emptyResult(result);
        return true;
    };

    // Onset detection: framed spectra and the smoothed onset functions.
    OnsetFunctions onsets = computeOnsetFunctions(samples, sampleRate, sampleCount);
    const int frames = onsets.frameCount;
    const int hop = onsets.hop;
    if (frames <= 0 || cancelled())
        return; // shorter than the smoothing needs, or given up

    // Tempo and metre.
    const TempoEstimate tempo = estimateTempo(onsets.smoothedBands, hop, frames, sampleRate);
    if (!(tempo.tempo > 0.0f) || cancelled())
        return; // silence or no periodicity: no tempo, no beats

    // Beat period per frame, in whole frames.
    std::vector<float> period(frames);
    for (int k = 0; k < frames; ++k)
        period[k] = static_cast<float>(
            roundHalfAway(sampleRate * 60.0 / (hop * static_cast<double>(tempo.tempoPerFrame[k]) + 1e-21)));

    const std::vector<int> tracked = trackBeats(onsets.smoothedTotal.data(), frames, period.data());
    if (tracked.empty() || cancelled())
        return;
    onsets = OnsetFunctions(); // the onset rows are not needed any more

    const BeatList all = completeBeatList(tracked, frames, period[0]);

    result.tempo = tempo.tempo;
    result.beats = beatPositions(all.frames, hop);

    // Chord stages on the tracked beats, at the chord period of the returned tempo.
    const int chordPeriod = roundToInt(sampleRate * 60.0 / (hop * static_cast<double>(tempo.tempo) + 1e-21));
    const int beatsPerBar = tempo.beatsPerBar;
    // ---- chord recognition -------------------------------------------------------------
    // Fills beatLabels (one label per tracked beat) and chordList (84 chord names): the
    // blip-free labels and their ranking.
    ChordRecognition chords =
        recogniseChords(samples, sampleCount, sampleRate, tracked, hop, chordPeriod, beatsPerBar, chordMask);
    std::vector<std::string> beatLabels = std::move(chords.beatLabels2);
    std::vector<std::string> chordList = std::move(chords.chordList2);
    // --------------------------------------------------------------------------------------
    if (cancelled())
        return;
    beatLabels.resize(tracked.size()); // exactly one label per tracked beat, whatever came back

    result.chordLabels.reserve(all.frames.size());
    result.chordLabels.insert(result.chordLabels.end(), all.addedBefore, "X");
    result.chordLabels.insert(result.chordLabels.end(), beatLabels.begin(), beatLabels.end());
    result.chordLabels.insert(result.chordLabels.end(), all.addedAfter, "X");
    result.chordList = std::move(chordList);
    result.chordList.resize(TrackAnalysis::kChordClassCount);
}
