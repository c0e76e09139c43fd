// JamTab: the riff builder: six riff rows and the song row (stand-in).
#pragma once
#include <QList>
#include <QTimer>
#include <QWidget>

#include "views/playback/custombutton.h"

class MetaData;

class JamTab : public QWidget
{
    Q_OBJECT
public:
    explicit JamTab(QWidget *parent = nullptr)
        : QWidget(parent), m_riffPlayButton(new CustomButton(QPixmap(), this, true)),
          m_songPlayButton(new CustomButton(QPixmap(), this, true))
    {
        for (int i = 0; i < 6; ++i)
            m_riffTimers.append(new QTimer(this));
        for (int &slot : m_song)
            slot = -1;
        // Nothing of this tab is laid out yet: keep its controls out of sight.
        m_riffPlayButton->hide();
        m_songPlayButton->hide();
    }
    void setMetaData(MetaData *metaData) { m_metaData = metaData; }
    void reset() {}
    QTimer *riffRowTimer(int index) { return m_riffTimers.value(index); }
    int *songSlots() { return m_song; }
    CustomButton *riffPlayButton() { return m_riffPlayButton; }
    CustomButton *songPlayButton() { return m_songPlayButton; }

private:
    CustomButton *m_riffPlayButton;
    CustomButton *m_songPlayButton;
    QList<QTimer *> m_riffTimers;
    int m_song[16];
    MetaData *m_metaData = nullptr;
};
