// SmallPlotPlayMarker: the play line on the overview strip. It lies over SmallPlot,
// lets the mouse through, and on every step of the waveform's play marker reads the
// player's display position itself and moves the line when its pixel changes. WaveBg
// creates and places it; the main window hands it the position pointer once.
#pragma once
#include <QWidget>

class SmallPlotPlayMarker : public QWidget
{
    Q_OBJECT
public:
    explicit SmallPlotPlayMarker(QWidget *parent = nullptr);

    void setPositionSource(const float *position);

    float sampleCount() const { return m_sampleCount; }
    float samplesPerPixel() const { return m_samplesPerPixel; }
    // The pixel of the line as last drawn.
    int lastDrawnX() const { return m_lastX; }

public slots:
    // The track's length in sample frames (Plotter, per track).
    void setSampleCount(int sampleCount);
    // Triggered by the waveform's marker; the position is read from the player.
    void updatePos(int pos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool ready() const;
    void updateSamplesPerPixel();
    void repaintColumn(int x);

    const float *m_position = nullptr;
    float m_sampleCount = 0.0f;
    float m_samplesPerPixel = 0.0f;
    int m_lastX = 0;
};
