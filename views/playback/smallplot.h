// SmallPlot: the overview strip under the waveform, a picture of the whole track with
// the part that the zoomed view shows left clear and the rest shaded. A click or a drag
// moves the zoomed view there and seeks playback there; the wheel zooms or (with Ctrl)
// scrolls the view as over the waveform itself. WaveBg creates and places it; Plotter
// sends it the picture, the zoom factor and the window centre.
#pragma once
#include <QPixmap>
#include <QWidget>

class QWheelEvent;

class SmallPlot : public QWidget
{
    Q_OBJECT
public:
    explicit SmallPlot(QWidget *parent = nullptr);

    const QPixmap &pixmap() const { return m_pixmap; }
    int windowCentre() const { return m_centre; }
    float zoomFactor() const { return m_zoomFactor; }
    // True once a track's picture has arrived; before that the strip neither draws nor seeks.
    bool hasTrack() const { return m_hasTrack; }

public slots:
    void setSmallPlotPixmap(QPixmap pixmap, float zoomFactor, int centre);
    // Moves the zoom window to x, held so that the window stays on the strip.
    void setSmallPlotZoomCentre(int x);
    // Takes the factor without repainting; the next centre update repaints.
    void setZoomFactor(float scaleFactor);
    // The selection is not shown on the overview.
    void setSelection(float startX, float endX);

signals:
    void setCentreZoomPos(float centre);
    void setZoom(QWheelEvent *event);
    void scrollPlot(QWheelEvent *event);
    // Seek to the same fraction of the track as xPos of width.
    void setPlaybackPosition(int xPos, int width);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    QPixmap m_pixmap;
    int m_centre;
    float m_zoomFactor = 1.0f;
    // The factor that the last repaint request drew with.
    float m_paintedFactor = 1.0f;
    bool m_hasTrack = false;
};
