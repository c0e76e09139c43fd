// Knob: a rotary control drawn from a tall image strip with one frame per value
// (frame n at y = n x height). Dragging up raises it one step per pixel, a right press
// (or a left press with Meta alone) puts it back to its default value, one wheel notch
// moves it one step. The tools tab, the transport bar and the riff builder own knobs;
// they set the range, the object name and the default value.
#pragma once
#include <QDial>
#include <QPixmap>
#include <QString>

#include "views/playback/wheelnotches.h"

class Knob : public QDial
{
    Q_OBJECT
public:
    explicit Knob(QWidget *parent = nullptr);

    // Large: the 85 x 85 strip and the value 49; small: the 64 x 64 strip.
    void setKnobSize(bool large);
    void setImage(const QPixmap &image);
    const QPixmap &image() const { return m_image; }
    void setDefaultValue(int value) { m_defaultValue = value; }
    int defaultValue() const { return m_defaultValue; }
    void resetToDefault();

public slots:
    void increment();
    void decrement();
    void moveImage(int value);
    void setSyncValueSlot(int value);

signals:
    void resetKnob();
    void setSyncValueSignal(QString objectName, int value);
    void knobEntered();
    void knobExited();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QPixmap m_image;
    QPixmap m_scaled; // m_image at the widget's width, made again when the size changes
    int m_lastX = 0;
    int m_lastY = 0;
    int m_defaultValue = 0;
    WheelNotches m_wheelNotches;
};
