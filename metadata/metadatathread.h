// MetaDataThread: runs the whole-track analysis of the loaded file off the GUI thread,
// copies the result into the MetaData it owns, writes the analysis cache and reports
// through signals queued to the GUI thread. MainWindow hands it the samples and starts
// it once per opened file (and again after a change of the chord filter).
#pragma once
#include <QString>
#include <QThread>
#include <QVector>

#include <atomic>

#include "metadata/metadata.h"

class MetaDataThread : public QThread
{
    Q_OBJECT
public:
    explicit MetaDataThread(QObject *parent = nullptr);
    ~MetaDataThread() override;

    MetaData *metaData() { return m_metaData; }

    // Keeps the mono copy the analysis reads (see analysis/analysiscopy.h). When the
    // memory for it cannot be had, the next run finishes at once with no data.
    void setSamples(const float *left, const float *right, int count, bool stereo, int sampleRate);
    // Also takes the recording mark of the audio file as it is now, right after it was
    // decoded: every cache written for it carries that mark (none for CD tracks, which
    // get no cache).
    void setFileNames(const QString &cachePath, const QString &audioPath);
    QString cachePath() const { return m_cachePath; }
    QString audioPath() const { return m_audioPath; }

    // Asks a running analysis to give up at its next stage; its result is then dropped.
    void cancel() { m_cancel = true; }

    void initChordFilter();
    bool setChordFilter(const ChordFilterGrid &grid);
    // True while the track's chords are those the last analysis named: none corrected by
    // hand since, and not read from a cache that may hold corrections. Asked before the
    // chord filter runs the analysis again, which would replace corrections.
    bool chordsAsAnalysed() const { return !m_analysedChords.isEmpty() && m_metaData->chordVec == m_analysedChords; }
    const ChordFilterGrid &chordFilter() const { return m_chordFilter; }
    bool chordFilterActive() const { return m_filterActive; }

signals:
    void setBPM(float bpm);
    void setChordFilterSelection(QVector<QString> selection);
    void gotMetaData();

public slots:
    void savePQM();

protected:
    void run() override;

private:
    void freeSamples();

    MetaData *m_metaData;
    float *m_samples = nullptr;
    int m_sampleCount = 0;
    int m_sampleRate = 44100;  // of the copy
    int m_decimation = 1;      // source frames per sample of the copy
    QString m_cachePath;
    QString m_audioPath;
    QString m_recordingMark;
    bool m_samplesSet = false;
    ChordFilterGrid m_chordFilter;
    bool m_filterActive = false;
    ChordNameList m_analysedChords;  // the chords of the last analysis, as it named them
    std::atomic<bool> m_cancel{false};
};
