#include "views/playback/smallplotplaymarker.h"

#include <QPainter>

#include <cmath>

SmallPlotPlayMarker::SmallPlotPlayMarker(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SmallPlotPlayMarker::setPositionSource(const float *position)
{
    m_position = position;
}

void SmallPlotPlayMarker::setSampleCount(int sampleCount)
{
    m_sampleCount = sampleCount > 0 ? float(sampleCount) : 0.0f;
    updateSamplesPerPixel();
}

void SmallPlotPlayMarker::updateSamplesPerPixel()
{
    // Unknown until both a track and a width exist: nothing is drawn meanwhile.
    m_samplesPerPixel = (m_sampleCount > 0.0f && width() > 0) ? m_sampleCount / float(width()) : 0.0f;
}

bool SmallPlotPlayMarker::ready() const
{
    return m_position && m_samplesPerPixel > 0.0f && std::isfinite(*m_position);
}

void SmallPlotPlayMarker::updatePos(int)
{
    if (!ready())
        return;
    const double a = std::trunc(double(*m_position) / double(m_samplesPerPixel));
    const int x = int(qBound(-1.0e6, a, 1.0e6));
    if (x == m_lastX)
        return;
    repaintColumn(m_lastX);
    m_lastX = x;
    repaintColumn(x);
}

void SmallPlotPlayMarker::repaintColumn(int x)
{
    update(QRect(x - 2, 0, 5, height()));
}

void SmallPlotPlayMarker::resizeEvent(QResizeEvent *event)
{
    updateSamplesPerPixel();
    QWidget::resizeEvent(event);
}

void SmallPlotPlayMarker::paintEvent(QPaintEvent *)
{
    if (!ready())
        return;
    QPainter painter(this);
    painter.setPen(QPen(QColor(180, 180, 180), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawLine(m_lastX, 0, m_lastX, height());
}
