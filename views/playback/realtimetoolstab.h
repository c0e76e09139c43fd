// RealTimeToolsTab: tempo, pitch and isolate controls (stand-in).
#pragma once
#include <QWidget>

class RealTimeToolsTab : public QWidget
{
    Q_OBJECT
public:
    explicit RealTimeToolsTab(QWidget *parent = nullptr)
        : QWidget(parent), m_pitchKnob(new QWidget(this)), m_fineTune(new QWidget(this)), m_semitones(new QWidget(this))
    {
    }
    QWidget *pitchKnob() { return m_pitchKnob; }
    QWidget *fineTuneWidget() { return m_fineTune; }
    QWidget *semitoneWidget() { return m_semitones; }

private:
    QWidget *m_pitchKnob;
    QWidget *m_fineTune;
    QWidget *m_semitones;
};
