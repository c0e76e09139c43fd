// RealTimeToolsTab: tempo, pitch and isolate controls (stand-in).
#pragma once
#include <QWidget>

#include "views/playback/incrementwidget.h"
#include "views/playback/powerbutton.h"

class RealTimeToolsTab : public QWidget
{
    Q_OBJECT
public:
    explicit RealTimeToolsTab(QWidget *parent = nullptr)
        : QWidget(parent), m_pitchKnob(new QWidget(this)), m_fineTune(new QWidget(this)), m_semitones(new IncrementWidget(this)),
          m_bpm(new IncrementWidget(this)), m_tempoPower(new PowerButton(this)), m_pitchPower(new PowerButton(this)),
          m_isolatePower(new PowerButton(this))
    {
        // Nothing of this tab is laid out yet: keep its controls out of sight.
        for (QWidget *child : findChildren<QWidget *>())
            child->hide();
    }
    QWidget *pitchKnob() { return m_pitchKnob; }
    QWidget *fineTuneWidget() { return m_fineTune; }
    IncrementWidget *semitoneWidget() { return m_semitones; }
    IncrementWidget *bpmWidget() { return m_bpm; }
    PowerButton *tempoPowerButton() { return m_tempoPower; }
    PowerButton *pitchPowerButton() { return m_pitchPower; }
    PowerButton *isolatePowerButton() { return m_isolatePower; }

private:
    QWidget *m_pitchKnob;
    QWidget *m_fineTune;
    IncrementWidget *m_semitones;
    IncrementWidget *m_bpm;
    PowerButton *m_tempoPower;
    PowerButton *m_pitchPower;
    PowerButton *m_isolatePower;
};
