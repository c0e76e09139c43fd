// IncrementWidget: the four plus/minus read-outs of the real-time tools tab, on the
// shared read-out model of PlusMinusReadout:
//  - kind 0, mode: four dots, 0..3 wrapping; sends modeChanged(mode + 1);
//  - kind 1, BPM: the playing tempo, from a quarter to twice the detected tempo; sends
//    setKnobFromBPM with the tempo knob's position; dead (and covered) while no tempo
//    is known;
//  - kind 2, semitones: -12..12, shown with the fine tune's part; sends
//    setSyncValueSignal(name, semitones) to the pitch sync;
//  - kind 3, fine tune: 0..99 (50 = none) with a marker; sends setSyncValueSignal(name,
//    fine - 50).
// The tab moves the pitch read-outs from a factor without them sending anything back.
#pragma once
#include <QString>

#include "views/playback/plusminusreadout.h"
#include "views/playback/wheelnotches.h"

class QLabel;

class IncrementWidget : public PlusMinusReadout
{
    Q_OBJECT
public:
    enum Kind { Mode = 0, Bpm = 1, Semitones = 2, FineTune = 3 };

    explicit IncrementWidget(int kind, QWidget *parent = nullptr);

    int kind() const { return m_kind; }
    float value() const { return m_value; }
    // The detected tempo, rounded; -1 while none is known (BPM read-out only).
    int detectedBPM() const { return m_detectedBPM; }
    bool isTempoKnown() const { return m_detectedBPM > 0; }
    QLabel *fineTuneMarker() { return m_marker; }

    // Shows a value without sending it (BPM read-out: the knob's tempo).
    void showValue(float value);
    // BPM read-out: a detected tempo makes it live; the first one also becomes the value.
    // Zero, negative and NaN tempos are no tempo and change nothing.
    void setDetectedBPM(float bpm);
    // BPM read-out: no tempo known, the value 0 and the cover shown.
    void clearTempo();
    // Fine-tune read-out: the value (clamped to 0..99) and the marker, without sending.
    void setFineTune(float fine);
    // The marker's x for a fine value.
    static int markerX(float fine);

    // Whole semitones and the fine value that show a pitch factor; both read-outs use
    // the same rounding so that together they show the factor.
    static int semitonesOf(float interpFactor);
    static float fineOf(float interpFactor);

signals:
    void modeChanged(int index);
    void setKnobFromBPM(int value);
    void updateChordTempo(float BPMValue);
    void setSyncValueSignal(QString objectName, int value);
    void resetPitch();
    void resetFineTune();
    // Asked by the semitone read-out: the fine-tune read-out's value.
    int getDecimal();

public slots:
    // One step up or down, as one wheel notch (the keyboard commands).
    void increment();
    void decrement();
    // Back to the start value: mode 0 (sends mode 1), no tempo, 0 semitones (the pitch
    // is reset), fine 50.
    void reset();
    void tempoChangedFromChords(float bpm);
    void keyShiftFromChords(float keyShift);
    int getCurrentValue();
    // Semitone read-out: whole semitones from a pitch factor, without sending.
    void setPitchFromKnob(float interpFactor);

protected:
    void zonePressed(Zone zone, int x) override;
    void resetPressed() override;
    void wheelTurned(int delta) override;
    void paintValue(QPainter &painter) override;
    void wheelEvent(QWheelEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    // Sends the value as this kind does.
    void emitValue();
    // One step up (+1) or down (-1) of the value within its range, nothing sent.
    void applyStep(int direction);
    // A wheel notch or key: one step, repainted and sent; nothing while no tempo is known.
    void step(int direction);
    bool acceptsInput() const { return m_kind != Bpm || isTempoKnown(); }
    // The lowest BPM the read-out goes to: a quarter of the detected tempo, rounded up.
    int slowestBPM() const { return (m_detectedBPM + 3) / 4; }
    float shownSemitones();

    const int m_kind;
    float m_value = 0.0f;
    int m_detectedBPM = -1;
    QLabel *m_marker = nullptr;
    WheelNotches m_wheelNotches;
};
