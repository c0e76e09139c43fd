// BeatSelection: one riff's steps laid over the waveform (stand-in).
#pragma once
#include <QList>
#include <QTimer>
#include <QWidget>

#include "views/jam/beatlabel.h"
#include "views/jam/riff.h"

class MetaData;

class BeatSelection : public QWidget
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

private:
    Riff *m_riff;
    QList<BeatLabel *> m_labels;
    QTimer *m_flashTimer = nullptr;
    MetaData *m_metaData = nullptr;
};
