// PlayMarker: the line over the waveform at the play position (stand-in: follows the
// display position on a 10 ms timer, without the carry and the band repaints).
#pragma once
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>

#include <cmath>

class PlayMarker : public QWidget
{
    Q_OBJECT
public:
    explicit PlayMarker(QWidget *parent = nullptr) : QWidget(parent), m_timer(new QTimer(this))
    {
        m_timer->setInterval(10);
        connect(m_timer, &QTimer::timeout, this, &PlayMarker::setPos);
    }
    void startFollowTimer(const float *position)
    {
        m_position = position;
        m_timer->start();
    }
    void setSampleCount(int sampleCount)
    {
        m_hasTrack = true;
        m_sampleCount = float(sampleCount);
    }
    // The line's x in canvas pixels, and the address the chord strip follows.
    float markerX() const { return m_x; }
    const float *markerXPointer() const { return &m_x; }
    void setDrawMarker(bool draw)
    {
        if (draw != m_draw) {
            m_draw = draw;
            update();
        }
    }
    bool drawsMarker() const { return m_draw; }

public slots:
    void setPos()
    {
        if (!m_hasTrack || !m_position || m_sampleCount <= 0 || width() <= 0)
            return;
        const float x = std::floor(*m_position / (m_sampleCount / float(width())));
        emit setSmallPos(int(std::floor(*m_position / (m_sampleCount / 884.0f) + 0.5f)));
        if (x != m_x) {
            m_x = x;
            update();
        }
    }
    void showPlaymarker(bool showMarker) { setVisible(showMarker); }
    void showPlaymarker() { show(); }

signals:
    void setSmallPos(int smallPos);

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!m_draw || !m_hasTrack)
            return;
        QPainter painter(this);
        painter.setPen(QColor(180, 180, 180));
        painter.drawLine(int(m_x), 0, int(m_x), height());
    }
    void wheelEvent(QWheelEvent *event) override { event->ignore(); }

private:
    QTimer *m_timer;
    const float *m_position = nullptr;
    bool m_hasTrack = false;
    bool m_draw = true;
    float m_x = 1.0f;
    float m_sampleCount = 0;
};
