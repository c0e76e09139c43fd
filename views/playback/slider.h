// Slider: the isolate tool's azimuth slider, drawn from a strip with one frame per
// value. The pointer's x places the thumb over a track that starts 23 pixels from the
// left; a right press (or a left press with Meta alone) centres it; one wheel notch
// moves it one step. Owned by the real-time tools tab.
#pragma once
#include <QPixmap>
#include <QSlider>

#include "views/playback/wheelnotches.h"

class Slider : public QSlider
{
    Q_OBJECT
public:
    explicit Slider(QWidget *parent = nullptr);

    void resetValue();
    const QPixmap &image() const { return m_image; }

public slots:
    void moveImage(int value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    // The value for a pointer at local x; false when the widget has no width yet.
    bool valueAt(qreal x, int *value) const;
    void centre();

    QPixmap m_image;
    WheelNotches m_wheelNotches;
};
