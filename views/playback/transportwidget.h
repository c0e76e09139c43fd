// TransportWidget: the strip of playback controls at the bottom of the main window:
// loop, back, play/pause, forward and stop, the clock with the play position and the
// track length, the volume and metronome knobs and the metronome lamp. The buttons and
// knobs do no work of their own; the main window connects them to the player. The
// widget itself runs the clock from the player's display position, flashes the lamp on
// each metronome beat, fades the volume knob down and up, and lays a greyed picture
// over the buttons while riff or song playback forbids them.
#pragma once
#include <QLabel>
#include <QString>

#include "views/playback/custombutton.h"
#include "views/playback/knob.h"

class QTimer;

// The greyed picture over the transport buttons: while shown it takes their clicks and
// keeps their tool tips from showing.
class GreyedButtons : public QLabel
{
    Q_OBJECT
public:
    explicit GreyedButtons(QWidget *parent = nullptr) : QLabel(parent) {}

protected:
    bool event(QEvent *event) override;
};

class TransportWidget : public QLabel
{
    Q_OBJECT
public:
    explicit TransportWidget(QWidget *parent = nullptr);

    // The player's display position in sample frames (main window, once).
    void setPositionSource(const float *position);
    // Per track, from the decoder.
    void setSampleRate(int sampleRate);
    // Per track, when a file has been opened: its length in sample frames.
    void setDuration(int sampleCount);
    // Fades the volume knob down (remembering its value) or back up to that value.
    // A fade down with pauseAtEnd asks for a pause when it reaches 0 and the next fade
    // up asks for the pause again before it starts, so playback rests while silent.
    void fadeVolume(bool up, bool pauseAtEnd);

    // The clock's minutes and seconds for a time in seconds: "1:05.432". With
    // dropBelowTwentieth, seconds parts under 0.05 show as "00".
    static QString timeText(double seconds, bool dropBelowTwentieth);

    CustomButton *playButton() const { return m_playButton; }
    CustomButton *stopButton() const { return m_stopButton; }
    CustomButton *forwardButton() const { return m_forwardButton; }
    CustomButton *backButton() const { return m_backButton; }
    CustomButton *loopButton() const { return m_loopButton; }
    CustomButton *cueForwardButton() const { return m_cueForwardButton; }
    CustomButton *cueBackButton() const { return m_cueBackButton; }
    Knob *volumeKnob() const { return m_volumeKnob; }
    Knob *metronomeKnob() const { return m_metronomeKnob; }
    QLabel *clockLabel() const { return m_clockLabel; }
    QLabel *metronomeLamp() const { return m_redLamp; }
    QLabel *metronomeLampOff() const { return m_greyLamp; }
    GreyedButtons *greyedButtons() const { return m_greyedButtons; }
    QTimer *clockTimer() const { return m_clockTimer; }
    QTimer *flashTimer() const { return m_flashTimer; }
    QTimer *fadeTimer() const { return m_fadeTimer; }
    int sampleRate() const { return m_sampleRate; }
    QString durationText() const { return m_durationText; }
    int rememberedVolume() const { return m_rememberedVolume; }

public slots:
    void updateTime();
    // Hidden while true; the player shows it while riffs or songs play.
    void setGreyedButtonsHidden(bool hidden);
    // Lights the red lamp for 200 ms after the latest beat.
    void flashMetronome();
    // One 10 ms step of a volume fade.
    void fadeVolumeSlot();

signals:
    void pauseSignal();

private:
    CustomButton *makeButton(const QString &image, bool checkable, const QString &name);
    Knob *makeKnob(int x, int y, int value);
    QLabel *makeImageLabel(const QString &image, int w, int h);
    void stopFade();

    QLabel *m_transportBacking;
    QLabel *m_clockBacking;
    QLabel *m_clockLabel;
    CustomButton *m_playButton;
    CustomButton *m_stopButton;
    CustomButton *m_forwardButton;
    CustomButton *m_backButton;
    CustomButton *m_loopButton;
    CustomButton *m_cueForwardButton;
    CustomButton *m_cueBackButton;
    Knob *m_volumeKnob;
    Knob *m_metronomeKnob;
    QLabel *m_greyLamp;
    QLabel *m_redLamp;
    QLabel *m_volumeLabel;
    QLabel *m_metronomeLabel;
    GreyedButtons *m_greyedButtons;

    const float *m_position = nullptr;
    int m_sampleRate = 44100;
    bool m_hasDuration = false;
    QString m_durationText = QStringLiteral("0:00");
    QTimer *m_clockTimer;
    QTimer *m_flashTimer;
    QTimer *m_fadeTimer;
    int m_rememberedVolume = 0;
    bool m_fadeUp = true;
    bool m_pauseAtEnd = false;
    // A fade down has asked for its pause and no fade up has undone it yet.
    bool m_pausedByFade = false;
};
