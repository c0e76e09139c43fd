// LoopLengthWidget: the bar under a riff's step row that says how many of its steps play.
// Its value is the index of the loop's last step, its max the furthest step the riff
// reaches. A press or drag sets the loop end; dragging past the furthest step, or a press
// there with Control, adds steps; Control with a press or drag inside the riff cuts it at
// that step. JamTab owns one per riff (and a hidden one that carries the song's length).
#pragma once
#include <QPixmap>
#include <QWidget>

#include "views/playback/wheelnotches.h"

class LoopLengthWidget : public QWidget
{
    Q_OBJECT
public:
    static constexpr int cellWidth = 30;
    static constexpr int cellCount = 16;

    explicit LoopLengthWidget(QWidget *parent = nullptr);

    int value() const { return m_value; }
    int maxValue() const { return m_max; }
    // The furthest step reached, held to 0..16 (16 only for the song's bar).
    void setMax(int max);
    // Value and max back to 0 without announcing it (a new track).
    void resetValue();

public slots:
    void setValue(int value);
    int getMaxLoopValue(int max);

signals:
    void setLoopLength(int steps);
    void extendLoop(int steps);
    // Asked of the riff's step row: whether its first step is placed.
    bool firstStepSet();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void dragTo(int cell, bool control);

    QPixmap m_bar;
    QPixmap m_ball;
    int m_value = 0;
    int m_max = 0;
    int m_lastDragCell = -1;
    WheelNotches m_wheelNotches;
};
