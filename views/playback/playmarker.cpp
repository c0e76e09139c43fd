#include "views/playback/playmarker.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>

namespace {
// Half the width of the band repainted around the old and the new line.
constexpr int bandHalf = 50;
}

PlayMarker::PlayMarker(QWidget *parent) : QWidget(parent), m_timer(new QTimer(this))
{
    m_timer->setInterval(10);
    connect(m_timer, &QTimer::timeout, this, &PlayMarker::setPos);
}

void PlayMarker::startFollowTimer(const float *position)
{
    m_position = position;
    m_timer->start();
}

void PlayMarker::setSampleCount(int sampleCount)
{
    // An empty track gives no samples per pixel: the marker keeps waiting.
    m_hasTrack = sampleCount > 0;
    m_sampleCount = sampleCount > 0 ? float(sampleCount) : 0.0f;
}

void PlayMarker::setDrawMarker(bool draw)
{
    if (draw == m_draw)
        return;
    m_draw = draw;
    repaintBand(m_x);
}

void PlayMarker::setPos()
{
    if (!m_hasTrack || !m_position || width() <= 0)
        return;
    const float position = *m_position;
    if (!std::isfinite(position))
        return;

    const float e = position / (m_sampleCount / float(width()));
    const float newX = std::floor(e + m_carry);
    m_carry = e - std::floor(e);

    const double small = std::floor(double(position) / (double(m_sampleCount) / overviewWidth) + 0.5);
    emit setSmallPos(int(qBound(-1.0e9, small, 1.0e9)));

    const float oldX = m_x;
    m_x = newX;
    if (newX != oldX) {
        repaintBand(oldX);
        repaintBand(newX);
    }
}

void PlayMarker::repaintBand(float x)
{
    if (!std::isfinite(x) || std::fabs(x) > 1.0e8f)
        return;
    update(QRect(int(x - bandHalf), 0, 2 * bandHalf, height()));
}

void PlayMarker::showPlaymarker(bool showMarker)
{
    if (showMarker)
        show();
    else
        hide();
}

void PlayMarker::showPlaymarker()
{
    show();
}

void PlayMarker::paintEvent(QPaintEvent *)
{
    if (!m_draw || !m_hasTrack)
        return;
    QPainter painter(this);
    painter.setPen(QPen(QColor(180, 180, 180), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    const int x = int(m_x);
    painter.drawLine(x, 0, x, height());
}

void PlayMarker::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}
