#include "analysis/chordrecognition.h"

#include "analysis/chordsmoothing.h"
#include "analysis/semitonespectrogram.h"
#include "analysis/sortwithindex.h"

#include <algorithm>

namespace analysis {

namespace {

// Closes the 12 x 7 frame tally of one beat into its record, tied chords and tally column.
void closeBeat(int beat, ChordTally &counts, BeatVote &vote)
{
    int bestRoot = -1;
    int bestQuality = -1;
    int bestCount = 0;
    for (int r = 0; r < 12; ++r)
        for (int q = 0; q < kChordQualityCount; ++q)
            if (counts[r][q] > bestCount) {
                bestCount = counts[r][q];
                bestRoot = r;
                bestQuality = q;
            }
    // A beat whose frames matched nothing has no chord.
    vote.records[beat] = bestCount > 0 ? chordName(bestRoot, bestQuality) : ChordInfo();
    vote.confidence[beat] = bestCount;
    vote.tied[beat].clear();
    if (bestCount > 0) {
        for (int r = 0; r < 12; ++r)
            for (int q = 0; q < kChordQualityCount; ++q)
                if (counts[r][q] == bestCount && !(r == bestRoot && q == bestQuality))
                    vote.tied[beat].push_back(chordName(r, q));
        if (!vote.tied[beat].empty())
            vote.tied[beat].push_back(vote.records[beat]);
    }
    for (int r = 0; r < 12; ++r)
        for (int q = 0; q < kChordQualityCount; ++q) {
            vote.tally.set(12 * q + r, beat, counts[r][q]);
            counts[r][q] = 0;
        }
}

bool namedAmong(const std::vector<ChordInfo> &chords, const std::string &name)
{
    return std::any_of(chords.begin(), chords.end(), [&name](const ChordInfo &c) { return c.fullName == name; });
}

// Settles tied and weakly supported beats with their neighbours and the per-beat match.
std::vector<ChordInfo> refineBeatChords(const BeatVote &vote, const std::vector<ChordInfo> &firstPass,
                                        int framesPerBeat)
{
    const int beats = static_cast<int>(vote.records.size());
    std::vector<ChordInfo> records = vote.records;
    for (int b = 0; b < beats; ++b) {
        const auto &tied = vote.tied[b];
        if (tied.size() < 2)
            continue;
        if (b > 0 && vote.tied[b - 1].empty() && namedAmong(tied, records[b - 1].fullName))
            records[b] = records[b - 1];
        else if (b < beats - 1 && vote.tied[b + 1].empty() && namedAmong(tied, records[b + 1].fullName))
            records[b] = records[b + 1];
        else
            records[b] = firstPass[b];
    }

    std::vector<ChordInfo> refined = records;
    const int half = framesPerBeat / 2;
    const int quarter = framesPerBeat / 4;
    for (int b = 1; b < beats - 1; ++b) {
        const int confidence = vote.confidence[b];
        if (confidence >= half)
            continue;
        const std::string &name = firstPass[b].fullName;
        if (name == records[b - 1].fullName || name == records[b + 1].fullName || confidence < quarter)
            refined[b] = firstPass[b];
    }
    return refined;
}

} // namespace

BeatVote voteBeatChords(const std::vector<ChordFrame> &frames, const std::vector<ChordInfo> &frameRecords,
                        int beatCount)
{
    BeatVote vote;
    const int beats = std::max(beatCount, 0);
    vote.records.assign(beats, ChordInfo());
    vote.tied.assign(beats, {});
    vote.confidence.assign(beats, 0);
    vote.tally = BeatChordTally(beats);
    std::vector<char> closed(beats, 0);

    ChordTally counts{};
    const int count = static_cast<int>(std::min(frames.size(), frameRecords.size()));
    int open = -1; // the beat whose frames are being counted
    for (int z = 0; z < count; ++z) {
        const int beat = frames[z].beat;
        if (beat < 0 || beat >= beats) {
            if (open >= 0) {
                closeBeat(open, counts, vote);
                closed[open] = 1;
                open = -1;
            }
            continue;
        }
        open = beat;
        const ChordInfo &record = frameRecords[z];
        if (record.hasRoot())
            ++counts[record.root][record.quality];
    }
    // The last beat's frames are not followed by a lead-in record, so nothing above closed
    // its tally. Close it here: a last beat with frames of its own is decided by them, like
    // every other beat, rather than copying the chord of the beat before it.
    if (open >= 0) {
        closeBeat(open, counts, vote);
        closed[open] = 1;
    }
    // Only a last beat without any frame takes the chord of the beat before it.
    if (beats >= 2 && !closed[beats - 1])
        vote.records[beats - 1] = vote.records[beats - 2];
    return vote;
}

std::array<int, 12> rootQualities(const ChordTally &tally)
{
    std::array<int, 12> quality{};
    for (int r = 0; r < 12; ++r) {
        int best = 6;
        for (int q = 6; q >= 0; --q)
            if (tally[r][q] >= tally[r][best])
                best = q;
        quality[r] = best;
    }
    return quality;
}

std::vector<int> mainChords(const std::vector<ChordInfo> &beats)
{
    const int p = static_cast<int>(beats.size());
    std::vector<int> marks(kChordClassCount, -1);

    std::vector<std::pair<int, int>> windows; // first beat, beat count
    if (p >= 60) {
        const int windowCount = (p - 30) / 30;
        for (int w = 0; w < windowCount; ++w)
            windows.emplace_back(30 * w, 60);
        // The windows every 30 beats can stop up to 29 beats short of the end: a last
        // window over the final 60 beats covers them, so a chord heard only there counts.
        const int covered = 30 * (windowCount - 1) + 60;
        if (covered < p)
            windows.emplace_back(std::max(0, p - 60), 60);
    } else {
        windows.emplace_back(0, p);
    }

    std::vector<int> counts(kChordClassCount);
    std::vector<int> sorted;
    std::vector<unsigned> order;
    for (const auto &window : windows) {
        std::fill(counts.begin(), counts.end(), 0);
        int total = 0;
        for (int b = window.first; b < window.first + window.second && b < p; ++b) {
            const int index = beats[b].index();
            if (index >= 0 && index < kChordClassCount) {
                ++counts[index];
                ++total;
            }
        }
        sortWithIndex(counts, sorted, order);
        for (int i = kChordClassCount - 1; i >= 0; --i) {
            if (!(sorted[i] > 0.07 * total))
                break;
            marks[order[i]] = 1;
        }
    }

    std::vector<int> result(kChordClassCount, -1);
    sortWithIndex(marks, sorted, order);
    int n = 0;
    for (int i = kChordClassCount - 1; i >= 0 && sorted[i] == 1; --i)
        result[n++] = static_cast<int>(order[i]);
    return result;
}

void rankChords(const std::vector<ChordInfo> &beats, std::vector<std::string> &names, std::vector<int> &indices)
{
    std::vector<int> counts(kChordClassCount, 0);
    for (const ChordInfo &c : beats) {
        const int index = c.index();
        if (index >= 0 && index < kChordClassCount)
            ++counts[index];
    }
    std::vector<int> sorted;
    std::vector<unsigned> order;
    sortWithIndex(counts, sorted, order);
    names.assign(kChordClassCount, std::string());
    indices.assign(kChordClassCount, -1);
    int n = 0;
    for (int i = kChordClassCount - 1; i >= 0 && sorted[i] > 0; --i) {
        names[n] = chordFromClass(static_cast<int>(order[i])).fullName;
        indices[n] = static_cast<int>(order[i]);
        ++n;
    }
}

ChordRecognition recogniseChords(const float *samples, int sampleCount, int sampleRate,
                                 const std::vector<int> &beatFrames, int hop, int chordPeriod,
                                 int beatsPerBar, const ChordMask *callerMask)
{
    ChordRecognition result;
    const int beats = static_cast<int>(beatFrames.size());
    result.chordList1.assign(kChordClassCount, std::string());
    result.chordList2.assign(kChordClassCount, std::string());
    result.beatLabels1.assign(beats, ChordInfo().fullName);
    result.beatLabels2.assign(beats, ChordInfo().fullName);
    result.confidence.assign(beats, 0.0f);
    result.beatChroma.assign(beats, Chroma{});
    if (beats == 0 || samples == nullptr || sampleCount <= 0 || sampleRate <= 0 || hop <= 0)
        return result;

    // Frames, semitone spectrogram, frame and beat chroma.
    const ChordFrameList layout = chordFrames(beatFrames, hop, chordPeriod, sampleCount);
    result.framesPerBeat = layout.framesPerBeat;
    std::vector<Chroma> frames;
    {
        const SemitoneSpectrogram spectrogram = semitoneSpectrogram(samples, sampleCount, sampleRate, layout.frames);
        result.tuning = spectrogram.tuning;
        frames = frameChroma(spectrogram);
    }
    result.beatChroma = beatChroma(frames, layout.frames, beats);

    // First pass over the beats: major, minor and 7 for every root, unless the caller chose.
    ChordMask mask{};
    if (callerMask) {
        mask = *callerMask;
    } else {
        for (auto &root : mask) {
            root.fill(0);
            root[0] = root[1] = root[4] = 1;
        }
    }
    ChordTally firstTally{};
    std::vector<ChordInfo> firstPass = matchChordTemplates(result.beatChroma, mask, firstTally);

    // Each root keeps the quality it took most often.
    if (!callerMask) {
        const std::array<int, 12> quality = rootQualities(firstTally);
        ChordMask chosen{};
        for (int r = 0; r < 12; ++r)
            chosen[r][quality[r]] = 1;
        mask = chosen;
        for (ChordInfo &record : firstPass)
            if (record.hasRoot())
                record = chordName(record.root, quality[record.root]);
    }

    // Second pass over the frames, then the vote of every beat's frames.
    ChordTally frameTally{};
    const std::vector<ChordInfo> frameRecords = matchChordTemplates(frames, mask, frameTally);
    frames.clear();
    frames.shrink_to_fit();
    const BeatVote vote = voteBeatChords(layout.frames, frameRecords, beats);
    const std::vector<ChordInfo> refined = refineBeatChords(vote, firstPass, layout.framesPerBeat);

    // Segment smoothing over the main chords, then blip removal.
    const std::vector<int> mains = mainChords(refined);
    const auto smoothed = smoothBeatChords(vote.tally, mains, refined, beatsPerBar);

    std::vector<int> indices;
    for (int b = 0; b < beats; ++b) {
        result.beatLabels1[b] = smoothed.first[b].fullName;
        result.beatLabels2[b] = smoothed.second[b].fullName;
        result.confidence[b] = static_cast<float>(vote.confidence[b]) / std::max(1, layout.framesPerBeat);
    }
    rankChords(smoothed.first, result.chordList1, indices);
    rankChords(smoothed.second, result.chordList2, indices);
    return result;
}

} // namespace analysis
