#include "voicings.h"

#include "metadata/chordspelling.h"

#include <algorithm>

namespace Voicings {

namespace {

// Written as in a chord book, low E string first; 'x' = not played.
// Rows: major, m, 7, sus4, sus2, maj7, m7; columns: A A# B C C# D D# E F F# G G#.
const char *const kChordTable[kQualities][kRoots] = {
    {"x02220", "x13331", "x24442", "x32010", "x46664", "xx0232",
     "xx1343", "022100", "133211", "244322", "320003", "466544"},
    {"x02210", "x13321", "x24432", "x35543", "x46654", "xx0231",
     "xx1342", "022000", "133111", "244222", "355333", "466444"},
    {"x02020", "x13131", "x21202", "x35353", "x46464", "xx0212",
     "xx1323", "020100", "131211", "242322", "320001", "464544"},
    {"x02230", "x13341", "x24452", "x33011", "x46674", "xx0233",
     "xx1344", "022200", "133311", "244422", "330013", "466644"},
    {"x02200", "x13311", "x24422", "x30013", "x46644", "xx0230",
     "xx1341", "024400", "xx3011", "xx4122", "300233", "xx6344"},
    {"x02120", "x13231", "x24342", "x32000", "x46564", "xx0222",
     "xx1333", "021100", "xx3210", "243322", "320002", "465544"},
    {"x02010", "x13121", "x20202", "x35343", "x46454", "xx0211",
     "xx1322", "020000", "131111", "242222", "353333", "464444"},
};

const char *const kPowerTable[kRoots] = {
    "x022xx", "x133xx", "x244xx", "x355xx", "x466xx", "xx023x",
    "xx134x", "022xxx", "133xxx", "244xxx", "355xxx", "466xxx",
};

Shape parse(const char *s)
{
    Shape shape{};
    for (int i = 0; i < kStrings; ++i)
        shape[size_t(i)] = s[i] == 'x' ? kMuted : s[i] - '0';
    return shape;
}

} // namespace

Shape chordShape(int index)
{
    if (index < 0 || index >= kChords)
        return Shape{kMuted, kMuted, kMuted, kMuted, kMuted, kMuted};
    return parse(kChordTable[index / kRoots][index % kRoots]);
}

Shape powerChordShape(int root)
{
    if (root < 0 || root >= kRoots)
        return Shape{kMuted, kMuted, kMuted, kMuted, kMuted, kMuted};
    return parse(kPowerTable[root]);
}

const char *rootName(int root)
{
    return ChordSpelling::rootFromA(root);
}

const char *qualitySuffix(int quality)
{
    static const char *const names[kQualities] = {"", "m", "7", "sus4", "sus2", "maj7", "m7"};
    return quality >= 0 && quality < kQualities ? names[quality] : "";
}

int qualityIntervals(int quality)
{
    static const int sets[kQualities] = {
        (1 << 0) | (1 << 4) | (1 << 7),             // major
        (1 << 0) | (1 << 3) | (1 << 7),             // minor
        (1 << 0) | (1 << 4) | (1 << 7) | (1 << 10), // dominant seventh
        (1 << 0) | (1 << 5) | (1 << 7),             // sus4
        (1 << 0) | (1 << 2) | (1 << 7),             // sus2
        (1 << 0) | (1 << 4) | (1 << 7) | (1 << 11), // major seventh
        (1 << 0) | (1 << 3) | (1 << 7) | (1 << 10), // minor seventh
    };
    return quality >= 0 && quality < kQualities ? sets[quality] : 0;
}

int rootPitchClass(int root)
{
    return (root + 9) % 12;
}

int baseFret(const Shape &shape, int span)
{
    int lo = 99, hi = 0;
    for (int f : shape) {
        if (f > 0) {
            lo = std::min(lo, f);
            hi = std::max(hi, f);
        }
    }
    if (hi <= span)
        return 1;
    return lo;
}

int barreFret(const Shape &shape)
{
    // A bar lies across from the bass string to the top string at the lowest fret of
    // the shape, with no open string under it.
    int lowest = -1, lo = 99;
    for (int i = 0; i < kStrings; ++i) {
        const int f = shape[size_t(i)];
        if (f > 0) {
            if (lowest < 0)
                lowest = i;
            lo = std::min(lo, f);
        }
    }
    if (lowest < 0 || shape[size_t(lowest)] != lo || shape[kStrings - 1] != lo)
        return 0;
    // The bar carries the bass: no open or muted string is played below it.
    for (int i = 0; i < lowest; ++i)
        if (shape[size_t(i)] != kMuted)
            return 0;
    for (int i = lowest; i < kStrings; ++i)
        if (shape[size_t(i)] == 0 || shape[size_t(i)] == kMuted)
            return 0;
    return lo;
}

} // namespace Voicings
