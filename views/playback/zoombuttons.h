// ZoomButtons: the zoom control at the lower left of the waveform frame. Its left half
// zooms out and its right half zooms in, one wheel notch's worth (120) per press.
// WaveBg creates it and hands zoom(int) to the Plotter.
#pragma once
#include <QWidget>

class ZoomButtons : public QWidget
{
    Q_OBJECT
public:
    explicit ZoomButtons(QWidget *parent = nullptr);

    bool plusPressed() const { return m_plusPressed; }
    bool minusPressed() const { return m_minusPressed; }

signals:
    // -120 zooms out one step, +120 zooms in one step.
    void zoom(int value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_plusPressed = false;
    bool m_minusPressed = false;
};
