#include "analysis/chordnames.h"

#include <cctype>

namespace analysis {

namespace {

const char *const kRootNames[kChordRootCount] = {"C", "C#", "D", "D#", "E", "F",
                                                  "F#", "G", "G#", "A", "Bb", "B"};
const char *const kSuffixes[kChordQualityCount] = {"", "m", "sus2", "sus4", "7", "maj7", "m7"};

} // namespace

std::string chordRootName(int root)
{
    return root >= 0 && root < kChordRootCount ? kRootNames[root] : "";
}

std::string chordQualitySuffix(int quality)
{
    return quality >= 0 && quality < kChordQualityCount ? kSuffixes[quality] : "";
}

ChordInfo chordName(int root, int quality)
{
    ChordInfo info;
    if (root < 0 || root >= kChordRootCount || quality < 0 || quality >= kChordQualityCount)
        return info;
    info.suffix = kSuffixes[quality];
    info.fullName = std::string(kRootNames[root]) + info.suffix;
    info.root = root;
    info.quality = quality;
    return info;
}

ChordInfo chordNameFromIndex(ChordTable table, int row)
{
    if (row < 0)
        return ChordInfo();
    const int quality = table == ChordTable::Triad ? row / 12 : 4 + row / 12;
    if (table == ChordTable::Triad && quality > 3)
        return ChordInfo();
    return chordName(row % 12, quality);
}

ChordInfo chordFromClass(int chordIndex)
{
    if (chordIndex < 0 || chordIndex >= kChordClassCount)
        return ChordInfo();
    return chordName(chordIndex % 12, chordIndex / 12);
}

void upperCase(std::string &text)
{
    for (char &c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

bool parseChordName(const std::string &text, int &root, int &quality)
{
    root = -1;
    quality = -1;
    std::string s = text;
    upperCase(s);

    // Two-letter roots first, so that "C#" is not read as "C" with suffix "#".
    static const struct { const char *name; int root; } kRoots[] = {
        {"C#", 1}, {"DB", 1}, {"D#", 3}, {"EB", 3}, {"F#", 6}, {"GB", 6},
        {"G#", 8}, {"AB", 8}, {"A#", 10}, {"BB", 10},
        {"C", 0}, {"D", 2}, {"E", 4}, {"F", 5}, {"G", 7}, {"A", 9}, {"B", 11}};
    int r = -1;
    std::string suffix;
    for (const auto &candidate : kRoots) {
        const std::string name = candidate.name;
        if (s.compare(0, name.size(), name) == 0) {
            r = candidate.root;
            suffix = s.substr(name.size());
            break;
        }
    }
    if (r < 0)
        return false;

    int q = -1;
    if (suffix.empty())
        q = 0;
    else if (suffix == "MAJ7")
        q = 5;
    else if (suffix == "M7")
        q = 6;
    else if (suffix[0] == 'M')
        q = 1;
    else if (suffix == "SUS2")
        q = 2;
    else if (suffix == "SUS4")
        q = 3;
    else if (suffix[0] == '7')
        q = 4;
    if (q < 0)
        return false;
    root = r;
    quality = q;
    return true;
}

} // namespace analysis
