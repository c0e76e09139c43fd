#include "views/chords/chordindex.h"

#include "metadata/chordspelling.h"

#include <QHash>

#include <cmath>

namespace {

using ChordSpelling::otherRootsFromA;
using ChordSpelling::rootsFromA;
static_assert(ChordSpelling::rootCount == ChordIndex::rootCount, "one spelling per root");
const char *const suffixes[ChordIndex::qualityCount] = {"", "m", "7", "sus4", "sus2", "maj7", "m7"};

const QHash<QString, int> &nameTable()
{
    static const QHash<QString, int> table = [] {
        QHash<QString, int> t;
        for (int q = 0; q < ChordIndex::qualityCount; ++q) {
            for (int r = 0; r < ChordIndex::rootCount; ++r) {
                const int index = q * ChordIndex::rootCount + r;
                t.insert(QString::fromLatin1(rootsFromA[r]) + suffixes[q], index);
                if (otherRootsFromA[r])
                    t.insert(QString::fromLatin1(otherRootsFromA[r]) + suffixes[q], index);
            }
        }
        return t;
    }();
    return table;
}

} // namespace

int ChordIndex::indexOf(const QString &name)
{
    return nameTable().value(name, -1);
}

int ChordIndex::shiftAmount(float keyShift, float capo)
{
    if (!std::isfinite(keyShift))
        keyShift = 0.0f;
    if (!std::isfinite(capo))
        capo = 0.0f;
    // A key shift of x.5 from the fine tune goes up, as does a value a hair below it.
    const double rounded = std::round(double(keyShift) + 0.001);
    int s = int(std::trunc(std::fmod(rounded - double(capo), 24.0)));
    if (s > 12)
        s -= 12;
    if (s <= -13)
        s += 12;
    return s;
}

int ChordIndex::shifted(int index, int semitones)
{
    if (index < 0 || index >= chordCount)
        return -1;
    const int root = index % rootCount;
    const int quality = index / rootCount;
    int d = (root + semitones % rootCount) % rootCount;
    if (d < 0)
        d += rootCount;
    return quality * rootCount + d;
}

QString ChordIndex::rootName(int root)
{
    if (root < 0 || root >= rootCount)
        return QString();
    return QString::fromLatin1(rootsFromA[root]);
}

QString ChordIndex::qualitySuffix(int quality)
{
    if (quality < 0 || quality >= qualityCount)
        return QString();
    return QString::fromLatin1(suffixes[quality]);
}

QString ChordIndex::chordName(int index)
{
    if (index < 0 || index >= chordCount)
        return QString();
    return rootName(index % rootCount) + qualitySuffix(index / rootCount);
}

QString ChordIndex::rootPart(const QString &name)
{
    if (name.isEmpty())
        return QString();
    if (name.size() > 1 && (name.at(1) == QLatin1Char('#') || name.at(1) == QLatin1Char('b')))
        return name.left(2);
    return name.left(1);
}

QString ChordIndex::shiftedName(const QString &name, int semitones)
{
    const QString shiftedText = chordName(shifted(indexOf(name), semitones));
    return shiftedText.isEmpty() ? QStringLiteral("-") : shiftedText;
}
