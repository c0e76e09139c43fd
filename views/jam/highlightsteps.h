// HighlightSteps: the blinking frame over the armed cell of a riff's step row. Its 700 ms
// timer also turns the pulse of the armed step on the waveform (the shell hands the timer
// to that riff's BeatSelection). RiffStep owns it.
#pragma once
#include <QPixmap>
#include <QTimer>
#include <QWidget>

class HighlightSteps : public QWidget
{
    Q_OBJECT
public:
    static constexpr int flashInterval = 700;

    explicit HighlightSteps(QWidget *parent = nullptr);

    QTimer *timer() { return &m_timer; }
    int cell() const { return m_cell; }
    // Shows the frame on a cell and starts the blinking.
    void setArmedCell(int cell);
    // Stops the blinking and hides the frame.
    void stop();

public slots:
    void flash();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTimer m_timer;
    QPixmap m_image;
    int m_cell = 0;
};
