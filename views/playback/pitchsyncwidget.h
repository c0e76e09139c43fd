// PitchSyncWidget: the one holder of the pitch shift. Four controls change it: the pitch
// knob ("pitchKnob", 0..199), the semitone read-out ("semitones", whole semitones), the
// fine-tune read-out ("fineTune", fine value - 50) and the chord viewer's key shift
// ("keyShift", a step code). Each change gives whole semitones (-12..12), a fraction of
// a semitone and the factor 2^((semitones + fraction) / 12), kept within 0.5..2.0; the
// factor goes to the player (setInterpFactor) and the tools tab brings the other
// controls in line (updatePitchWidgets). Built and wired by the main window.
#pragma once
#include <QString>

#include "views/playback/globalwidgetsync.h"

class PitchSyncWidget : public GlobalWidgetSync
{
    Q_OBJECT
public:
    static constexpr float minimumFactor = 0.5f;
    static constexpr float maximumFactor = 2.0f;

    explicit PitchSyncWidget(QObject *parent = nullptr) : GlobalWidgetSync(parent) {}

    float interpFactor() const { return m_interpFactor; }
    float fraction() const { return m_fraction; }
    int semitones() const { return m_semitones; }

public slots:
    // One change from a control; emits updatePitchWidgets, then setInterpFactor, once each.
    void setSyncValue(QString objectName, int syncValue);
    // Back to no shift; emits setInterpFactor(1.0), then updatePitchWidgets("", 1.0).
    void resetPitch();
    // Clears the fraction; sends nothing (the next change does).
    void resetFineTune();
    // A saved shift in semitones (fraction included); sends nothing: the tools tab sends
    // the same factor to the player itself.
    void initFromSession(float semitonesValue);

signals:
    void setInterpFactor(float interpFactor);
    void updatePitchWidgets(QString objectName, float interpFactor);

private:
    void clear();
    float pitchKnobRule(int value);
    float semitoneRule(int value, const QString &objectName);
    float fineRule(int value);

    float m_interpFactor = 1.0f;
    float m_fraction = 0.0f;
    int m_semitones = 0;
};
