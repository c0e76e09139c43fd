#include "metadata/metadata.h"

#include "analysis/trackanalysis.h"
#include "metadata/chordspelling.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Beats must be one more than chords: the views read the end of a chord's span at the
// next beat. A list that cannot give that holds no usable analysis.
bool alignBeatsAndChords(QVector<float> &beats, ChordNameList &chords)
{
    if (beats.size() < 2 || chords.isEmpty())
        return false;
    if (beats.size() > chords.size() + 1)
        beats.resize(chords.size() + 1);
    else if (beats.size() < chords.size() + 1)
        chords.resize(beats.size() - 1);
    return true;
}

// A beat position as a whole frame: NaN and negative values give 0, huge ones the
// largest int, so that no conversion overflows whatever a stored file held.
int wholeFrame(double value)
{
    if (!(value > 0))
        return 0;
    if (value >= double(INT_MAX))
        return INT_MAX;
    return static_cast<int>(value);
}

int beatStepOf(const QVector<float> &beats)
{
    if (beats.isEmpty())
        return 0;
    return wholeFrame(double(beats.last()) / beats.size()) / 100;
}

void appendExtrapolatedBeat(QVector<float> &beats)
{
    const int n = beats.size();
    const qint64 last = wholeFrame(beats[n - 1]);
    const qint64 previous = wholeFrame(beats[n - 2]);
    beats.append(static_cast<float>(wholeFrame(double(last + (last - previous)))));
}

// A chord name with its root in the shown spelling ("G#m" gives "Abm"); other texts as they are.
QString spelledForViews(const QString &name)
{
    for (int r = 0; r < ChordSpelling::rootCount; ++r) {
        const char *other = ChordSpelling::otherRootsFromA[r];
        if (other && name.startsWith(QLatin1String(other)))
            return QLatin1String(ChordSpelling::rootsFromA[r]) + name.mid(2);
    }
    return name;
}

} // namespace

MetaData::MetaData(QObject *parent)
    : QObject(parent)
{
}

void MetaData::clear()
{
    QMutexLocker lock(&beatsMutex);
    setHasData(false);
    beats.clear();
    m_analysedBeats.clear();
    tempo = 0;
    beatStep = 0;
    currentBeat = 0;
}

void MetaData::setFromAnalysis(const TrackAnalysis &result)
{
    QVector<float> newBeats;
    newBeats.reserve(int(result.beats.size()) + 1);
    for (float b : result.beats)
        newBeats.append(b);
    if (newBeats.size() >= 2)
        appendExtrapolatedBeat(newBeats);

    ChordNameList chords;
    chords.reserve(int(result.chordLabels.size()));
    for (const std::string &label : result.chordLabels) {
        QString name = spelledForViews(QString::fromUtf8(label.c_str()));
        // Added beats ("X") and beats without a chord show as "-".
        chords.append(name == "X" || name.trimmed().isEmpty() ? QString("-") : name);
    }
    ChordNameList detected;
    detected.reserve(int(result.chordList.size()));
    for (const std::string &label : result.chordList)
        detected.append(spelledForViews(QString::fromUtf8(label.c_str())));

    takeResults(newBeats, chords, detected, result.tempo);
    emit gotMeta();
}

void MetaData::takeResults(const QVector<float> &newBeats, const ChordNameList &chords, const ChordNameList &detected,
                           float newTempo)
{
    QMutexLocker lock(&beatsMutex);
    setHasData(false);
    tempo = std::isfinite(newTempo) ? newTempo : 0.0f;
    beats = newBeats;
    chordVec = chords;
    chordVecDetected = detected;
    currentChords = &chordVec;
    currentDetected = &chordVecDetected;
    const bool usable = alignBeatsAndChords(beats, chordVec);
    if (!usable) {
        beats.clear();
        chordVec.clear();
    }
    m_analysedBeats = beats;
    beatStep = beatStepOf(beats);
    applyBeatShift();
    setHasData(usable);
}

void MetaData::setBeatShiftSteps(int steps)
{
    QMutexLocker lock(&beatsMutex);
    m_beatShiftSteps = steps;
    applyBeatShift();
}

void MetaData::applyBeatShift()
{
    beats = m_analysedBeats;
    if (m_beatShiftSteps == 0)
        return;
    const double shift = double(beatStep) * m_beatShiftSteps;
    // Beats keep their order: one moved before the start waits at frame 0.
    for (float &beat : beats)
        beat = float(std::max(0.0, std::trunc(double(beat) + shift)));
}

void MetaData::loadFromSession(const QStringList &beatTexts, const QStringList &chordTexts,
                               const QStringList &detectedTexts, const QString &tempoText, const QString &)
{
    QVector<float> newBeats;
    for (const QString &text : beatTexts)
        newBeats.append(text.toFloat());
    // Older files may spell a root the other way: the views show one name per chord.
    ChordNameList chords;
    for (const QString &text : chordTexts)
        chords.append(text == "X" ? QString("-") : spelledForViews(text));
    while (newBeats.size() >= 2 && newBeats.size() <= chords.size())
        appendExtrapolatedBeat(newBeats);

    ChordNameList detected;
    for (const QString &text : detectedTexts) {
        const QString name = spelledForViews(text);
        // "G#" and an "Ab" added by an edit are one chord, listed once.
        if (!name.isEmpty() && !detected.contains(name))
            detected.append(name);
    }
    takeResults(newBeats, chords, detected, tempoText.section(' ', 0, 0, QString::SectionSkipEmpty).toFloat());

    emit setBpm(tempo);
    emit setChordFilterSelection(chordVecDetected);
    emit gotMeta();
}
