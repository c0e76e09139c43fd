// StepWidget: a row of 16 cells of 30 pixels in the riff builder, drawn from an image
// strip whose row k shows cell k as the playing one, with the cells inside the loop
// numbered in white. RiffStep (a riff's steps) and SongStep (the song's slots) build on it.
#pragma once
#include <QPixmap>
#include <QWidget>

class StepWidget : public QWidget
{
    Q_OBJECT
public:
    static constexpr int cellWidth = 30;
    static constexpr int cellCount = 16;
    static constexpr int rowWidth = cellWidth * cellCount;

    StepWidget(const QPixmap &image, QWidget *parent = nullptr);

    // The cell under a pointer x: x / 30 of the rounded x, held to 0..15.
    static int cellAt(double x);
    int whiteNumberLength() const { return m_whiteNumberLength; }
    int currentStep() const { return m_currentStep; }

public slots:
    void setWhiteNumberLength(int steps);
    void setStep(int step);

signals:
    void setLoopLength(int steps);
    void setLoopLength();
    void showBeatOutline();
    void hideBeatOutline();
    void moveBeatOutline(int x);
    // Asked of the riff's loop-length bar: its furthest step.
    int getMaxLoopValue(int value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    // Whether the white numbers of the loop are drawn (the song row shows only its image).
    virtual bool drawsWhiteNumbers() const { return true; }

    QPixmap m_image;
    QPixmap m_whiteNumbers;
    int m_whiteNumberLength = 1;
    int m_currentStep = 0;
};
