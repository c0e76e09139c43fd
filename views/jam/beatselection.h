// BeatSelection: one riff's steps laid over the waveform (stand-in).
#pragma once
#include <QList>
#include <QTimer>
#include <QWidget>

#include "audio/riffsource.h"
#include "views/jam/beatlabel.h"
#include "views/jam/riff.h"

class MetaData;

class BeatSelection : public QWidget, public RiffSource
{
    Q_OBJECT
public:
    explicit BeatSelection(QWidget *parent = nullptr) : QWidget(parent), m_riff(new Riff(this))
    {
        for (int i = 0; i < 16; ++i)
            m_labels.append(new BeatLabel(this));
    }
    Riff *riff() { return m_riff; }
    const QList<BeatLabel *> &beatLabels() const { return m_labels; }
    void setFlashTimer(QTimer *timer) { m_flashTimer = timer; }
    void setMetaData(MetaData *metaData) { m_metaData = metaData; }
    void setTrackFrames(int frames) { m_trackFrames = frames; }
    void clear() {}
    void setLoopLength(int steps) { m_loopLength = steps; }
    int lastBeatIndex() const override { return m_loopLength - 1; }

    int stepBeat(int) const override { return -1; }
    float stepPitch(int) const override { return 1.0f; }

private:
    Riff *m_riff;
    QList<BeatLabel *> m_labels;
    QTimer *m_flashTimer = nullptr;
    MetaData *m_metaData = nullptr;
    int m_trackFrames = 0;
    int m_loopLength = 0;
};
