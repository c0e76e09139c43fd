// SmallPlot: the overview strip of the whole track under the waveform (stand-in: shows
// the picture and passes the wheel on; no seeking yet).
#pragma once
#include <QPainter>
#include <QPixmap>
#include <QWheelEvent>
#include <QWidget>

class SmallPlot : public QWidget
{
    Q_OBJECT
public:
    explicit SmallPlot(QWidget *parent = nullptr) : QWidget(parent) { hide(); }
    const QPixmap &pixmap() const { return m_pixmap; }
    int windowCentre() const { return m_centre; }
    float zoomFactor() const { return m_zoomFactor; }

public slots:
    void setSmallPlotPixmap(QPixmap pixmap, float zoomFactor, int centre)
    {
        m_pixmap = pixmap;
        m_zoomFactor = zoomFactor;
        m_centre = centre;
        update();
    }
    void setSmallPlotZoomCentre(int x)
    {
        m_centre = x;
        update();
    }
    void setZoomFactor(float scaleFactor) { m_zoomFactor = scaleFactor; }
    void setSelection(float, float) {}

signals:
    void setCentreZoomPos(float centre);
    void setZoom(QWheelEvent *event);
    void scrollPlot(QWheelEvent *event);
    void setPlaybackPosition(int xPos, int width);

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawPixmap(rect(), m_pixmap);
    }
    void wheelEvent(QWheelEvent *event) override
    {
        if (event->modifiers() == Qt::ControlModifier)
            emit scrollPlot(event);
        else
            emit setZoom(event);
        update();
    }

private:
    QPixmap m_pixmap;
    int m_centre = 442;
    float m_zoomFactor = 1.0f;
};
