#include "analysis/chordsmoothing.h"

#include <algorithm>
#include <cstdlib>

namespace analysis {

SegmentModel segmentModel(int beatsPerBar)
{
    SegmentModel model;
    switch (beatsPerBar) {
    case 2:
    case 4:
    case 8:
        model.offsets = {-1, -2, -4};
        model.weights = {0.0f, 0.8f, 1.0f};
        model.lengthPairs = {{4, 4}, {8, 8}, {4, 8}, {8, 4}};
        model.patternFactor = 1.2f;
        break;
    case 3:
    case 6:
        model.offsets = {-1, -3, -6};
        model.weights = {0.0f, 0.8f, 1.0f};
        model.lengthPairs = {{3, 3}, {6, 3}, {3, 6}, {6, 6}};
        model.patternFactor = 1.2f;
        break;
    default:
        model.offsets = {-1, -2};
        model.weights = {1.0f, 1.2f};
        model.patternFactor = 0.0f;
        break;
    }
    return model;
}

std::vector<ChordInfo> smoothChordSegments(const BeatChordTally &tally, const std::vector<int> &mainChords,
                                           const std::vector<float> &weights, const std::vector<int> &offsets,
                                           const std::vector<ChordInfo> &votes, const ChordPatterns &patterns)
{
    const int beats = static_cast<int>(votes.size());
    std::vector<int> mains;
    for (int chord : mainChords) {
        if (chord < 0)
            break;
        if (chord < kChordClassCount)
            mains.push_back(chord);
    }
    const int offsetCount = static_cast<int>(offsets.size());
    if (mains.empty() || beats == 0 || offsetCount == 0 || static_cast<int>(weights.size()) < offsetCount)
        return votes;

    const int mainCount = static_cast<int>(mains.size());
    std::vector<int> mainPosition(kChordClassCount, -1);
    for (int m = 0; m < mainCount; ++m)
        if (mainPosition[mains[m]] < 0)
            mainPosition[mains[m]] = m;

    // Tables over (main chord position, beat).
    const size_t cells = static_cast<size_t>(mainCount) * beats;
    std::vector<float> score(cells, 0.0f);
    std::vector<int> segment(cells, 0);
    std::vector<int> previous(cells, -1);
    std::vector<int> pattern(cells, -1);
    std::vector<int> bestChord(beats, -1);
    std::vector<float> best(beats, 0.0f);
    auto cell = [beats](int m, int x) { return static_cast<size_t>(m) * beats + x; };

    // Frames of `chord` over beats from ... to (both included).
    auto frames = [&tally](int chord, int from, int to) {
        int sum = 0;
        for (int b = from; b <= to; ++b)
            sum += tally.at(chord, b);
        return sum;
    };
    std::vector<float> patternWeight(patterns.size(), 0.0f);
    for (int p = 0; p < patterns.size(); ++p)
        if (offsetCount + p < static_cast<int>(weights.size()))
            patternWeight[p] = weights[offsetCount + p];

    // Beat 0.
    for (int m = 0; m < mainCount; ++m) {
        score[cell(m, 0)] = static_cast<float>(tally.at(mains[m], 0));
        segment[cell(m, 0)] = -1;
        if (bestChord[0] < 0 || score[cell(m, 0)] > best[0]) {
            bestChord[0] = mains[m];
            best[0] = score[cell(m, 0)];
        }
    }

    std::vector<float> options;
    std::vector<int> optionPattern;
    for (int x = 1; x < beats; ++x) {
        for (int m = 0; m < mainCount; ++m) {
            const int c = mains[m];
            options.clear();
            optionPattern.clear();
            for (int l = 0; l < offsetCount; ++l) {
                const int a = std::max(1, std::abs(offsets[l]));
                float value = 0.0f;
                if (x >= a - 1) {
                    value = weights[l] * static_cast<float>(frames(c, x - a + 1, x));
                    if (x >= a)
                        value += best[x - a];
                }
                options.push_back(value);
                optionPattern.push_back(-1);
            }
            for (int p = 0; p < patterns.size(); ++p) {
                if (patterns.secondChord[p] != c)
                    continue;
                const int a1 = std::max(1, patterns.firstLength[p]);
                const int a2 = std::max(1, patterns.secondLength[p]);
                const int n = a1 + a2;
                float value = 0.0f;
                if (x >= n - 1) {
                    const float w = patternWeight[p];
                    value = w * static_cast<float>(frames(patterns.firstChord[p], x - a2 - a1 + 1, x - a2)) +
                            w * static_cast<float>(frames(c, x - a2 + 1, x));
                    if (x >= n)
                        value += best[x - n];
                }
                options.push_back(value);
                optionPattern.push_back(p);
            }

            int chosen = 0;
            for (int o = 1; o < static_cast<int>(options.size()); ++o)
                if (options[o] >= options[chosen])
                    chosen = o;
            const size_t here = cell(m, x);
            score[here] = options[chosen];

            bool allZero = true;
            for (int l = 0; l < offsetCount; ++l)
                allZero = allZero && options[l] == 0.0f;
            if (allZero) {
                segment[here] = -1;
                previous[here] = bestChord[x - 1];
            } else if (optionPattern[chosen] < 0) {
                const int a = std::max(1, std::abs(offsets[chosen]));
                segment[here] = -a;
                if (x >= a)
                    previous[here] = bestChord[x - a];
            } else {
                const int p = optionPattern[chosen];
                const int n = std::max(1, patterns.firstLength[p]) + std::max(1, patterns.secondLength[p]);
                segment[here] = -n;
                pattern[here] = p;
                if (x >= n)
                    previous[here] = bestChord[x - n];
            }
        }

        // Best chord of the beat; a tie goes to the beat's own vote if that is a main chord,
        // else to the best chord of the beat before.
        int top = 0;
        for (int m = 1; m < mainCount; ++m)
            if (score[cell(m, x)] > score[cell(top, x)])
                top = m;
        int sharing = 0;
        for (int m = 0; m < mainCount; ++m)
            if (score[cell(m, x)] == score[cell(top, x)])
                ++sharing;
        best[x] = score[cell(top, x)];
        bestChord[x] = mains[top];
        if (sharing > 1) {
            const int vote = votes[x].index();
            bestChord[x] = vote >= 0 && mainPosition[vote] >= 0 ? vote : bestChord[x - 1];
        }
    }

    // Back-track from the last beat.
    std::vector<int> labels(beats, -1);
    int e = beats - 1;
    int chord = bestChord[e];
    while (e >= 0) {
        const int m = chord >= 0 ? mainPosition[chord] : -1;
        if (m < 0) {
            // No stored way back from here: keep the beat's best chord and go on.
            labels[e] = bestChord[e];
            --e;
            chord = e >= 0 ? bestChord[e] : -1;
            continue;
        }
        const size_t here = cell(m, e);
        const int p = pattern[here];
        int length;
        if (p < 0) {
            length = std::max(1, -segment[here]);
            for (int b = e; b > e - length && b >= 0; --b)
                labels[b] = chord;
        } else {
            const int a1 = std::max(1, patterns.firstLength[p]);
            const int a2 = std::max(1, patterns.secondLength[p]);
            length = a1 + a2;
            for (int b = e; b > e - length && b >= 0; --b)
                labels[b] = b > e - a2 ? patterns.secondChord[p] : patterns.firstChord[p];
        }
        chord = previous[here];
        e -= length;
    }

    std::vector<ChordInfo> records(beats);
    for (int b = 0; b < beats; ++b)
        records[b] = chordFromClass(labels[b]);
    return records;
}

namespace {

struct LengthEntry
{
    int first;
    int second;
    int count;
};

struct LabelPair
{
    std::string first;
    std::string second;
    int firstChord;
    int secondChord;
    int count;
    std::vector<LengthEntry> lengths;
};

int chordIndexOf(const std::string &label)
{
    int root = -1;
    int quality = -1;
    if (!parseChordName(label, root, quality))
        return -1;
    return root + 12 * quality;
}

} // namespace

ChordPatterns findChordPatterns(const std::vector<std::string> &labels,
                                const std::vector<std::pair<int, int>> &lengthPairs,
                                double shareWithLengths, double shareAlone)
{
    ChordPatterns patterns;

    // Runs of equal labels; the last run is not followed by a change and does not count.
    std::vector<std::pair<std::string, int>> runs;
    for (const std::string &label : labels) {
        if (!runs.empty() && runs.back().first == label)
            ++runs.back().second;
        else
            runs.emplace_back(label, 1);
    }
    if (!runs.empty())
        runs.pop_back();

    std::vector<LabelPair> pairs;
    int pairTotal = 0;
    for (size_t i = 0; i + 1 < runs.size(); ++i) {
        const auto &a = runs[i];
        const auto &b = runs[i + 1];
        const int firstChord = chordIndexOf(a.first);
        const int secondChord = chordIndexOf(b.first);
        if (firstChord < 0 || secondChord < 0)
            continue;
        ++pairTotal;
        auto it = std::find_if(pairs.begin(), pairs.end(), [&](const LabelPair &p) {
            return p.first == a.first && p.second == b.first;
        });
        if (it == pairs.end()) {
            pairs.push_back({a.first, b.first, firstChord, secondChord, 1, {{a.second, b.second, 1}}});
            continue;
        }
        ++it->count;
        auto entry = std::find_if(it->lengths.begin(), it->lengths.end(), [&](const LengthEntry &l) {
            return l.first == a.second && l.second == b.second;
        });
        if (entry == it->lengths.end())
            it->lengths.push_back({a.second, b.second, 1});
        else
            ++entry->count;
    }
    if (pairTotal == 0)
        return patterns;

    for (const LabelPair &pair : pairs) {
        for (const LengthEntry &entry : pair.lengths) {
            const double share = entry.count * 100.0 / pairTotal;
            const bool modelLengths =
                std::find(lengthPairs.begin(), lengthPairs.end(), std::make_pair(entry.first, entry.second)) !=
                lengthPairs.end();
            if ((share > shareWithLengths && modelLengths) || share > shareAlone) {
                patterns.firstChord.push_back(pair.firstChord);
                patterns.secondChord.push_back(pair.secondChord);
                patterns.firstLength.push_back(entry.first);
                patterns.secondLength.push_back(entry.second);
            }
        }
    }
    return patterns;
}

std::vector<float> chordPatternWeights(const SegmentModel &model, const ChordPatterns &patterns)
{
    std::vector<float> weights;
    if (!(model.patternFactor > 0.0f))
        return weights;
    float largest = 0.0f;
    for (size_t l = 0; l < model.weights.size() && l < model.offsets.size() && l < 3; ++l)
        largest = std::max(largest, model.weights[l]);
    const float f = model.patternFactor;
    for (int p = 0; p < patterns.size(); ++p) {
        const int n = patterns.firstLength[p] + patterns.secondLength[p];
        weights.push_back(n < 9 ? f : (f * 8.0f + static_cast<float>(n - 8) * largest) / static_cast<float>(n));
    }
    return weights;
}

std::vector<ChordInfo> removeBlips(const std::vector<ChordInfo> &records, const BeatChordTally &tally)
{
    std::vector<ChordInfo> out = records;
    const int beats = static_cast<int>(records.size());
    auto isBlip = [&records](int i) {
        return records[i].fullName != records[i - 1].fullName && records[i].fullName != records[i + 1].fullName;
    };
    int i = 1;
    while (i <= beats - 2) {
        if (!isBlip(i)) {
            ++i;
            continue;
        }
        const int a = i;
        while (i + 1 <= beats - 2 && isBlip(i + 1))
            ++i;
        const int b = i;
        ++i;

        if (a == b) {
            const ChordInfo &before = records[a - 1];
            const ChordInfo &after = records[a + 1];
            out[a] = tally.at(after.index(), a) > tally.at(before.index(), a) ? after : before;
            continue;
        }
        int winner = a - 1;
        int winnerScore = 0;
        for (int c = a - 1; c <= b + 1; ++c) {
            int s = 0;
            for (int d = a; d <= b; ++d)
                s += tally.at(records[c].index(), d);
            if (s > winnerScore) {
                winnerScore = s;
                winner = c;
            }
        }
        for (int d = a; d <= b; ++d)
            out[d] = records[winner];
    }
    return out;
}

std::pair<std::vector<ChordInfo>, std::vector<ChordInfo>>
smoothBeatChords(const BeatChordTally &tally, const std::vector<int> &mainChords,
                 const std::vector<ChordInfo> &votes, int beatsPerBar)
{
    SegmentModel model = segmentModel(beatsPerBar);
    std::vector<ChordInfo> segmented = smoothChordSegments(tally, mainChords, model.weights, model.offsets, votes);
    std::vector<ChordInfo> clean = removeBlips(segmented, tally);

    const bool haveMains = !mainChords.empty() && mainChords[0] >= 0;
    if (model.patternFactor > 0.0f && haveMains) {
        std::vector<std::string> names;
        names.reserve(clean.size());
        for (const ChordInfo &c : clean)
            names.push_back(c.fullName);
        const ChordPatterns patterns = findChordPatterns(names, model.lengthPairs);
        const std::vector<float> extra = chordPatternWeights(model, patterns);
        model.weights.insert(model.weights.end(), extra.begin(), extra.end());
        segmented = smoothChordSegments(tally, mainChords, model.weights, model.offsets, votes, patterns);
        clean = removeBlips(segmented, tally);
    }
    return {std::move(segmented), std::move(clean)};
}

} // namespace analysis
