// PlayMarker: the vertical play line over the zoomed waveform. It reads the player's
// display position through a pointer on its own 10 ms timer, moves the line when its
// pixel changes and tells the overview strip the play position in overview pixels.
// Plotter owns it, lays it over its canvas and gives it the track's sample count; the
// main window hands it the position pointer once; the chord strip follows its x.
#pragma once
#include <QWidget>

class QTimer;

class PlayMarker : public QWidget
{
    Q_OBJECT
public:
    // Width of the overview strip in pixels, the unit of setSmallPos.
    static constexpr int overviewWidth = 884;

    explicit PlayMarker(QWidget *parent = nullptr);

    // Stores the display-position pointer and starts following it.
    void startFollowTimer(const float *position);
    // A track is present from now on: its length in sample frames.
    void setSampleCount(int sampleCount);

    bool hasTrack() const { return m_hasTrack; }
    float sampleCount() const { return m_sampleCount; }
    // The line's x in canvas pixels, and the address the chord strip follows.
    float markerX() const { return m_x; }
    const float *markerXPointer() const { return &m_x; }
    // Plotter clears the draw flag while its centre line stands in for the marker.
    void setDrawMarker(bool draw);
    bool drawsMarker() const { return m_draw; }
    QTimer *followTimer() const { return m_timer; }

public slots:
    // One follow step: recompute the pixel from the display position.
    void setPos();
    // Shown while true (the riff builder's switch sends true when riff mode goes off).
    void showPlaymarker(bool showMarker);
    void showPlaymarker();

signals:
    // The play position in overview pixels, on every follow step with a track.
    void setSmallPos(int smallPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    // The wheel belongs to the waveform view underneath.
    void wheelEvent(QWheelEvent *event) override;

private:
    void repaintBand(float x);

    QTimer *m_timer;
    const float *m_position = nullptr;
    bool m_hasTrack = false;
    bool m_draw = true;
    float m_x = 1.0f;
    float m_carry = 0.0f;
    float m_sampleCount = 0.0f;
};
