#include "analysis/chordtemplates.h"

#include <algorithm>

namespace analysis {

namespace {

// Interval weights (semitones above the root) of the seven qualities.
const float kIntervalWeights[kChordQualityCount][12] = {
    {1, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0},    // major
    {1, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0},    // minor
    {1, 0, 0.5f, 0, 0, 0, 0, 1, 0, 0, 0, 0}, // sus2
    {1, 0, 0, 0, 0, 0.5f, 0, 1, 0, 0, 0, 0}, // sus4
    {1, 0, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0},    // 7
    {1, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 1},    // maj7
    {1, 0, 0, 1, 0, 0, 0, 1, 0, 0, 1, 0},    // m7
};

constexpr int kTriadRows = 48;
constexpr int kFourNoteRows = 36;

// The value just below `x` in the ascending column, or x itself when nothing is below.
float valueBelow(const std::array<float, 12> &sorted, float x)
{
    const auto it = std::lower_bound(sorted.begin(), sorted.end(), x);
    return it == sorted.begin() ? x : *(it - 1);
}

// Decides between the best triad and the best four-note chord of one chroma vector.
bool preferFourNote(const Chroma &chroma, int triadRoot, int triadQuality, int fourRoot, int fourQuality)
{
    std::array<float, 4> notes{};
    int noteCount = 0;
    int extraCount = 0;
    float extra = 0.0f;
    float triadSum = 0.0f;
    for (int k = 0; k < 12; ++k) {
        const float w4 = chordTemplateWeight(fourRoot, fourQuality, k);
        const float wt = chordTemplateWeight(triadRoot, triadQuality, k);
        if (w4 == 1.0f && noteCount < 4)
            notes[noteCount++] = chroma[k];
        if (w4 - wt == 1.0f) {
            ++extraCount;
            extra = chroma[k];
        }
        if (wt > 0.0f)
            triadSum += chroma[k];
    }
    std::sort(notes.begin(), notes.end());
    const float a = notes[0], b = notes[1], c = notes[2], d = notes[3];
    std::array<float, 12> sorted;
    std::copy(chroma.begin(), chroma.end(), sorted.begin());
    std::sort(sorted.begin(), sorted.end());

    if (d > 2.0f * (a + b + c) || c > 2.0f * (a + b))
        return false;
    if (extraCount == 1) {
        if (extra > a)
            return true;
        const float y = valueBelow(sorted, extra);
        return extra - y > b - extra;
    }
    const float u = b + c + d;
    const bool fuller = (u + a) / 4.0f > triadSum / 3.0f;
    if (u <= triadSum)
        return fuller;
    const float y = valueBelow(sorted, a);
    return a - y > b - a || fuller;
}

} // namespace

float chordTemplateWeight(int root, int quality, int pitchClass)
{
    if (root < 0 || root >= 12 || quality < 0 || quality >= kChordQualityCount)
        return 0.0f;
    return kIntervalWeights[quality][((pitchClass - root) % 12 + 12) % 12];
}

std::vector<ChordInfo> matchChordTemplates(const std::vector<Chroma> &chroma, const ChordMask &mask,
                                           ChordTally &tally)
{
    // Enabled template rows: row = 12 * quality-in-table + root.
    std::array<std::array<float, 12>, kTriadRows> triads{};
    std::array<std::array<float, 12>, kFourNoteRows> fourNotes{};
    bool anyTriad = false;
    bool anyFourNote = false;
    for (int root = 0; root < 12; ++root) {
        for (int q = 0; q < kChordQualityCount; ++q) {
            if (mask[root][q] != 1)
                continue;
            auto &row = q < 4 ? triads[12 * q + root] : fourNotes[12 * (q - 4) + root];
            for (int k = 0; k < 12; ++k)
                row[k] = chordTemplateWeight(root, q, k);
            (q < 4 ? anyTriad : anyFourNote) = true;
        }
    }

    std::vector<ChordInfo> records;
    records.reserve(chroma.size());
    for (const Chroma &column : chroma) {
        float sum = 0.0f;
        for (float v : column)
            sum += v;
        if (!(sum > 0.0f) || (!anyTriad && !anyFourNote)) {
            records.emplace_back();
            continue;
        }
        auto best = [&column](const auto &rows) {
            int bestRow = -1;
            float bestScore = 0.0f;
            for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
                float score = 0.0f;
                for (int k = 0; k < 12; ++k)
                    score += column[k] * rows[r][k];
                if (score > bestScore) {
                    bestScore = score;
                    bestRow = r;
                }
            }
            return bestRow;
        };
        const int bestT = anyTriad ? best(triads) : -1;
        const int best4 = anyFourNote ? best(fourNotes) : -1;

        ChordInfo record;
        if (bestT >= 0 && best4 >= 0) {
            const bool four = preferFourNote(column, bestT % 12, bestT / 12, best4 % 12, 4 + best4 / 12);
            record = four ? chordNameFromIndex(ChordTable::FourNote, best4)
                          : chordNameFromIndex(ChordTable::Triad, bestT);
        } else if (bestT >= 0) {
            record = chordNameFromIndex(ChordTable::Triad, bestT);
        } else if (best4 >= 0) {
            record = chordNameFromIndex(ChordTable::FourNote, best4);
        }
        if (record.hasRoot())
            ++tally[record.root][record.quality];
        records.push_back(record);
    }
    return records;
}

} // namespace analysis
