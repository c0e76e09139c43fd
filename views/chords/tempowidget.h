// TempoWidget: the chord viewer's tempo read-out in BPM. It stays inactive (greyed, sends
// nothing) until a tempo is detected; then it steps one BPM between a quarter and twice the
// detected tempo, a right press (or Meta + left) goes back to the detected tempo, and each
// change goes to the tools tab's BPM read-out, whose changes come back through updateTempo.
#pragma once
#include "views/chords/notchedreadout.h"

class TempoWidget : public NotchedReadout
{
    Q_OBJECT
public:
    explicit TempoWidget(QWidget *parent = nullptr);
    float value() const { return m_value; }
    float maximum() const { return m_maximum; }
    float minimum() const { return m_minimum; }
    float detected() const { return m_detected; }

signals:
    void tempoChanged(float bpm);

public slots:
    void initTempo(float bpm, float originalBPM);
    void updateTempo(float bpm);
    // No tempo: inactive again; sends -1, which the tools tab leaves alone.
    void reset();

protected:
    void zonePressed(Zone zone, int x) override;
    void resetPressed() override;
    void wheelTurned(int delta) override;
    QString displayText() const override;

private:
    void step(int direction);
    void send();

    float m_value = 0.0f;
    float m_maximum = 0.0f;
    float m_minimum = 0.0f;
    float m_detected = 0.0f;
};
