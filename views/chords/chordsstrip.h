// ChordsStrip: the detected chords, beat by beat, over the waveform (stand-in).
#pragma once
#include <QPoint>
#include <QString>
#include <QWidget>

#include "views/chords/chordlabel.h"

class MetaData;

class ChordsStrip : public QWidget
{
    Q_OBJECT
public:
    explicit ChordsStrip(QWidget *parent = nullptr) : QWidget(parent) {}
    void deleteChordLabels() {}
    void setMetaData(MetaData *metaData) { m_metaData = metaData; }
    void setTrackFrames(int frames) { m_trackFrames = frames; }
    // The x, in strip pixels, that the play highlight follows.
    void setPlayPositionSource(const float *position) { m_playPosition = position; }
    const float *playPositionSource() const { return m_playPosition; }

public slots:
    void initChordStrip() {}
    void repositionChords() {}
    QPoint getStartEndBeats() { return QPoint(); }

signals:
    void showChordEdit(QString chordText, int x, ChordLabel *editLabel);
    void changeSingleChordDot(QString chordText);
    void stopScrolling(bool stopScroll);
    float getZoomFactor();

private:
    MetaData *m_metaData = nullptr;
    int m_trackFrames = 0;
    const float *m_playPosition = nullptr;
};
