// MetaData: the analysis result of the loaded track: tempo, beat positions (frames),
// one chord name per beat ("chordVec") and the ranked list of detected chords
// ("chordVecDetected"). Owned by MetaDataThread, filled by it after an analysis or by
// MainWindow from the cache; the player, the chord views and the riff builder read it
// while hasData() is true.
#pragma once
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <atomic>

struct TrackAnalysis;

using ChordNameList = QVector<QString>;
using ChordFilterGrid = QVector<QVector<int> >;

class MetaData : public QObject
{
    Q_OBJECT
public:
    explicit MetaData(QObject *parent = nullptr);

    bool hasData() const { return m_hasData.load(std::memory_order_acquire); }

    void clear();
    void setFromAnalysis(const TrackAnalysis &result);
    void loadFromSession(const QStringList &beatTexts, const QStringList &chordTexts, const QStringList &detectedTexts,
                         const QString &tempoText, const QString &fileNameText);

    // The beats exactly as the analysis gave them (with the extra closing beat), which
    // the cache stores whatever later shifts the working beat list.
    const QVector<float> &analysedBeats() const { return m_analysedBeats; }

    // The riff builder's beat offset: every working beat moves by steps x beatStep frames
    // from where the analysis put it (a beat that would fall before the track start sits
    // at 0). It belongs to the beat-offset knob, so a new analysis (and clear()) keeps it;
    // a new track puts the knob, and with it the shift, back to 0. Takes the beats lock.
    void setBeatShiftSteps(int steps);
    int beatShiftSteps() const { return m_beatShiftSteps; }

    float tempo = 0;
    int beatStep = 0;
    QVector<float> beats;
    ChordNameList chordVec;
    ChordNameList chordVecDetected;
    ChordNameList *currentChords = &chordVec;
    ChordNameList *currentDetected = &chordVecDetected;
    // Index of the beat being played; written by the player's thread.
    std::atomic<int> currentBeat{0};
    // Held while the beat list is replaced, and by the player while it reads it.
    QMutex beatsMutex;

signals:
    void changeBeat();
    void gotMeta();
    void setBpm(float bpm);
    void setChordFilterSelection(QVector<QString> selection);

private:
    // Replaces the results under the beats lock, keeping one more beat than chords.
    void takeResults(const QVector<float> &newBeats, const ChordNameList &chords, const ChordNameList &detected,
                     float newTempo);
    void setHasData(bool value) { m_hasData.store(value, std::memory_order_release); }

    // Sets the working beats from the analysed ones and the shift (beats lock held).
    void applyBeatShift();

    std::atomic<bool> m_hasData{false};
    QVector<float> m_analysedBeats;
    int m_beatShiftSteps = 0;
};
