// TransportWidget: the transport bar at the bottom of the window (stand-in).
#pragma once
#include <QWidget>

#include "views/playback/custombutton.h"
#include "views/playback/knob.h"

class TransportWidget : public QWidget
{
    Q_OBJECT
public:
    explicit TransportWidget(QWidget *parent = nullptr)
        : QWidget(parent), m_playButton(new CustomButton(QPixmap(), this, true)),
          m_loopButton(new CustomButton(QPixmap(), this, true)), m_volumeKnob(new Knob(this)),
          m_metronomeKnob(new Knob(this))
    {
        m_playButton->setObjectName("play");
        m_loopButton->setObjectName("loop");
        m_volumeKnob->setRange(0, 99);
        m_volumeKnob->setValue(99);
        m_metronomeKnob->setRange(0, 99);
    }
    CustomButton *playButton() { return m_playButton; }
    CustomButton *loopButton() { return m_loopButton; }
    Knob *volumeKnob() { return m_volumeKnob; }
    Knob *metronomeKnob() { return m_metronomeKnob; }
    void setPositionSource(const float *position) { m_position = position; }
    void setSampleRate(int sampleRate) { m_sampleRate = sampleRate; }
    void setDuration(int frames) { m_duration = frames; }

private:
    CustomButton *m_playButton;
    CustomButton *m_loopButton;
    Knob *m_volumeKnob;
    Knob *m_metronomeKnob;
    const float *m_position = nullptr;
    int m_sampleRate = 44100;
    int m_duration = 0;
};
