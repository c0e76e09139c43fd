// BeatLabel: one step of a riff on the waveform. It covers the beat assigned to its step,
// shows the step number, pulses while it is being placed (armed), and draws the play head
// while its step plays. A drag moves it beat by beat, a double click commits or re-arms
// it. Its BeatSelection creates the 16 labels of a riff and lays them out.
#pragma once
#include <QLabel>
#include <QTimer>

#include <atomic>

class BeatLabel : public QLabel
{
    Q_OBJECT
public:
    enum State { Unset = 0, Armed = 1, InLoop = 2, BeyondLoop = 3 };
    // The armed label's pulse: one opacity step per tick, between these bounds; the
    // direction turns with the riff row's 700 ms highlight timer.
    static constexpr int pulseInterval = 30;
    static constexpr float pulseFactor = 1.05f;
    static constexpr float minOpacity = 0.3f;
    static constexpr int animateInterval = 5;

    BeatLabel(int stepIndex, QWidget *parent = nullptr);

    int state() const { return m_state.load(std::memory_order_relaxed); }
    int beat() const { return m_beat.load(std::memory_order_relaxed); }
    int startSample() const { return m_startSample; }
    int endSample() const { return m_endSample; }
    int stepIndex() const { return m_stepIndex; }
    float opacity() const { return m_opacity; }
    bool flashDirection() const { return m_flashDirection; }
    bool isAnimated() const { return m_animateTimer.isActive(); }
    bool isFlashing() const { return m_flashTimer.isActive(); }
    int playX() const { return m_playX; }
    QLabel *numberLabel() const { return m_numberLabel; }

    // Stores beat and samples, then the state (setLabelState).
    void setStepData(int state, int beat, int startSample, int endSample);
    // 0 hides the label and zeroes beat and samples; 1 shows it pulsing; 2 and 3 show it
    // still. A value outside 0..3 counts as 0.
    void setLabelState(int state);
    void setAnimated(bool animated);
    void setPositionSource(const float *position) { m_position = position; }
    void setTrackFrames(int frames) { m_trackFrames = frames; }
    // State 0, beat and samples 0, opacity 1.0, flash direction false; hidden.
    void clearStep();

public slots:
    void changeFlashOpacity();
    void flipFlashOpacity();
    void animate();
    void reOrder();

signals:
    void scrollBeat(BeatLabel *beatLabel, int amount, bool ctrlPressed);
    void setActiveStep(int step);
    void commitStep();
    void setFirst(int step, int beat);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    float m_opacity = 1.0f;
    QTimer m_flashTimer;
    QTimer m_animateTimer;
    std::atomic<int> m_state{Unset};
    std::atomic<int> m_beat{-1};
    int m_startSample = 0;
    int m_endSample = 0;
    int m_stepIndex;
    bool m_flashDirection = false;
    QLabel *m_numberLabel;
    const float *m_position = nullptr;
    int m_trackFrames = 0;
    int m_playX = 0;
};
