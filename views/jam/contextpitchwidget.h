// ContextPitchWidget: the pitch read-out of one riff step's menu, in whole semitones
// (-12 to +12): the minus and plus ends step it, the wheel too, a right click resets it.
// Each change sends the step's pitch factor 2^(semitone / 12). StepContextMenu owns it.
#pragma once
#include "views/playback/plusminusreadout.h"

class ContextPitchWidget : public PlusMinusReadout
{
    Q_OBJECT
public:
    static constexpr int maxSemitones = 12;

    ContextPitchWidget(int step, QWidget *parent = nullptr);

    float interp() const { return m_interp; }
    float semitone() const { return m_semitone; }
    int step() const { return m_step; }
    // Session restore: stored as read (held to range), nothing is sent.
    void setStepInterp(float interp);
    void setStepSemitone(float semitone);
    // Back to 0 semitones, sending the factor 1.0.
    void reset();
    // The read-out's text: the semitones, "+" before positive values.
    static QString semitoneText(float semitone);

signals:
    void contextPitchChanged(float interp, int step);

protected:
    void zonePressed(Zone zone, int x) override;
    void resetPressed() override;
    void wheelTurned(int delta) override;
    QString displayText() const override { return semitoneText(m_semitone); }

private:
    void setSemitoneAndSend(float semitone);

    float m_interp = 1.0f;
    float m_semitone = 0.0f;
    int m_step;
    int m_wheelRemainder = 0;
};
