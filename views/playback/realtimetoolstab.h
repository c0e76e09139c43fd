// RealTimeToolsTab: the first tab, with the player's three live tools on one faceplate:
// tempo (knob, BPM read-out, mode), pitch (knob, semitone and fine-tune read-outs) and
// isolate (width, separation and filter knobs, azimuth slider, mute/solo and high/low
// switches), each with its power switch. It turns the controls into the player's
// parameters and sends them as signals, which the main window wires to AudioPlayer;
// pitch changes go through the PitchSyncWidget, which answers with updatePitchWidgets.
// A tool runs while its power switch is on: touching a tool's control switches it on,
// bringing tempo back to the detected tempo (or pitch to no shift) switches it off.
// Owned by TabWidget; the main window resets it before each file and restores it from
// sessions.
#pragma once
#include <QLabel>
#include <QString>
#include <QStringList>

#include "views/playback/incrementwidget.h"
#include "views/playback/knob.h"
#include "views/playback/plotbutton.h"
#include "views/playback/powerbutton.h"
#include "views/playback/slider.h"
#include "views/playback/sssplot.h"

class QTimer;

class RealTimeToolsTab : public QLabel
{
    Q_OBJECT
public:
    // Where the isolate plot sits on the faceplate.
    static constexpr int isolatePlotX = 343;
    static constexpr int isolatePlotY = 84;
    static constexpr int isolatePlotWidth = 316;
    static constexpr int isolatePlotHeight = 101;

    explicit RealTimeToolsTab(QWidget *parent = nullptr);

    // The tempo factor for a tempo knob position: 0 gives 0.25, 1..98 rise to 0.985, 99 is
    // exactly 1.0, 100..199 give v / 100.
    static float tempoFactor(int knobValue);
    // The pitch knob position that shows a pitch factor (99 for 1.0).
    static int pitchKnobValue(float interpFactor);

    Knob *tempoKnob() { return m_tempoKnob; }
    Knob *pitchKnob() { return m_pitchKnob; }
    Knob *widthKnob() { return m_widthKnob; }
    Knob *separationKnob() { return m_separationKnob; }
    Knob *filterKnob() { return m_filterKnob; }
    Slider *azimuthSlider() { return m_azimuthSlider; }
    PowerButton *tempoPowerButton() { return m_tempoPower; }
    PowerButton *pitchPowerButton() { return m_pitchPower; }
    PowerButton *isolatePowerButton() { return m_isolatePower; }
    PlotButton *muteSoloButton() { return m_muteSolo; }
    PlotButton *filterButton() { return m_filterSwitch; }
    IncrementWidget *bpmWidget() { return m_bpm; }
    IncrementWidget *modeWidget() { return m_mode; }
    IncrementWidget *semitoneWidget() { return m_semitones; }
    IncrementWidget *fineTuneWidget() { return m_fineTune; }
    SSSPlot *isolatePlot() { return m_isolatePlot; }
    QLabel *scaleLabel(int i) { return m_scaleLabels[i]; }
    QTimer *fadeTimer() { return m_fadeTimer; }
    int fadeCounter() const { return m_fadeCounter; }
    float labelOpacity() const { return m_labelOpacity; }

    // Every control back to its start; the tools off; no tempo known.
    void resetTools();
    // Sends the isolate controls and the mode to the player again (a new track starts
    // with the player's own isolate defaults).
    void sendToolSettings();
    // The saved tool state, as the session file lists it:
    //  tempo: BPM (whole), tempo knob, mode, tempo on;
    //  pitch: pitch knob, semitones (with the fine part), not read, pitch on, pitch factor
    //         (our own files only);
    //  isolate: separation, width, filter, azimuth, high/low, mute/solo, isolate on.
    // The tempo comes back from the knob, or from the saved BPM when that lies between the
    // knob's tempos (set with the BPM buttons); before the detected tempo is known, the
    // BPM waits for setBPM.
    void restoreFromSession(const QStringList &tempo, const QStringList &pitch, const QStringList &isolate);
    // Whole semitones plus the fine tune's part, as the session file keeps it.
    float semitonesValue();
    // The pitch factor the pitch controls send to the player (1.0 for none).
    float pitchFactor() const { return m_pitchFactor; }

signals:
    void setHopFactor(float hopFactor);
    // true switches the tool off, false on (the power button's sense).
    void activateTempo(bool activate);
    void changeMode(int index);
    void setInterpFactor(float interpFactor);
    void activatePitch(bool activate);
    void activateSSS(bool active);
    void widthChanged(int value);
    void separationChanged(int value);
    void azimuthChanged(int value);
    void filterChanged(int value);
    void setMuteSolo(bool mute);
    void setFilter(bool filter);
    void initChordTempo(float originalBPM, float currentBPM);
    void updateChordTempo(float tempo);
    void updateChordKeyShift(float keyShift);
    void initPitchSyncWidgetFromSession(float semitoneValue);
    // The saved tempo switch and the value that the player's session entry turns into
    // the saved tempo factor.
    void initTempoPowerButtonFromSession(bool power, float hopValue);

public slots:
    float hopFactorChanged(int value);
    float hopFactorChanged(int value, bool setBPMWidget);
    void setTempoKnobValue(int value);
    void setBPM(float bpm);
    void TSMActivated(bool activate);
    void PSMActivated(bool activate);
    void turnOnTempo(int value);
    void turnOnPitch(float interpFactor);
    void turnOnSSS(int value);
    void turnOnSSS(bool value);
    void setLRPerCent(int value);
    void updatePitchWidgets(QString objectName, float interpFactor);
    void fadeTempoWidgets();
    void fadeInTempoLabel();
    void fadeOutTempoLabel();

private:
    void createControls();
    void connectControls();
    void applyLabelOpacity(float opacity);
    // Sends the BPM read-out's tempo as the factor that plays; true when it is the
    // detected tempo. Only while the tempo is known.
    bool sendReadoutTempo();
    // A saved BPM that the knob does not give plays, once the detected tempo is known.
    void restoreSavedBPM();

    Knob *m_tempoKnob = nullptr;
    Knob *m_pitchKnob = nullptr;
    Knob *m_widthKnob = nullptr;
    Knob *m_separationKnob = nullptr;
    Knob *m_filterKnob = nullptr;
    Slider *m_azimuthSlider = nullptr;
    PowerButton *m_tempoPower = nullptr;
    PowerButton *m_pitchPower = nullptr;
    PowerButton *m_isolatePower = nullptr;
    SSSPlot *m_isolatePlot = nullptr;
    PlotButton *m_muteSolo = nullptr;
    PlotButton *m_filterSwitch = nullptr;
    IncrementWidget *m_bpm = nullptr;
    IncrementWidget *m_mode = nullptr;
    IncrementWidget *m_semitones = nullptr;
    IncrementWidget *m_fineTune = nullptr;
    QLabel *m_scaleLabels[3] = {};
    QTimer *m_fadeTimer = nullptr;
    int m_fadeCounter = 0;
    float m_labelOpacity = 0.0f;
    // The tempo factor last sent, the pitch factor last known, and a saved BPM waiting
    // for the detected tempo (0 for none).
    float m_tempoFactor = 1.0f;
    float m_pitchFactor = 1.0f;
    float m_savedBPM = 0.0f;
};
