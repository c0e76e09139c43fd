#include "views/playback/smallplot.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

SmallPlot::SmallPlot(QWidget *parent) : QWidget(parent), m_centre(width() / 2)
{
    setCursor(Qt::OpenHandCursor);
    hide();
}

void SmallPlot::setSmallPlotPixmap(QPixmap pixmap, float zoomFactor, int centre)
{
    m_pixmap = pixmap;
    m_hasTrack = !pixmap.isNull(); // a null picture: no track
    setZoomFactor(zoomFactor);
    m_centre = centre;
    m_paintedFactor = m_zoomFactor;
    update();
}

void SmallPlot::setSmallPlotZoomCentre(int x)
{
    const int w = width();
    const float half = float(w / 2) * m_zoomFactor;
    if (float(x) - half < -1.0f)
        x = int(half);
    else if (float(x) + half > float(w))
        x = int(float(w) - half + 2.0f);
    // Following playback sends the centre every 10 ms; a repaint is needed only when the
    // window has moved or the factor has changed since the last one.
    if (x == m_centre && m_zoomFactor == m_paintedFactor)
        return;
    m_centre = x;
    m_paintedFactor = m_zoomFactor;
    update();
}

void SmallPlot::setZoomFactor(float scaleFactor)
{
    // The view never shows more than the whole track nor a non-positive share of it.
    if (!std::isfinite(scaleFactor) || scaleFactor <= 0.0f || scaleFactor > 1.0f)
        scaleFactor = 1.0f;
    m_zoomFactor = scaleFactor;
}

void SmallPlot::setSelection(float, float)
{
}

void SmallPlot::paintEvent(QPaintEvent *)
{
    if (!m_hasTrack)
        return;
    const int w = width();
    const int h = height();
    QPainter painter(this);
    if (!m_pixmap.isNull())
        painter.drawPixmap(rect(), m_pixmap);

    painter.setOpacity(0.7);
    painter.setBrush(QBrush(Qt::black, Qt::SolidPattern));
    painter.setPen(QColor(200, 100, 35));
    painter.drawLine(0, h / 2, w, h / 2);
    painter.drawLine(m_centre, 0, m_centre, h);

    painter.setPen(Qt::NoPen);
    const float half = float(w / 2) * m_zoomFactor;
    const float leftEnd = float(m_centre) - half;
    if (leftEnd > 0.0f)
        painter.drawRect(QRectF(0, 0, leftEnd, h));
    const int rightStart = int(half + float(m_centre));
    if (rightStart < w)
        painter.drawRect(QRect(rightStart, 0, w - rightStart, h));
}

void SmallPlot::mousePressEvent(QMouseEvent *event)
{
    setCursor(Qt::ClosedHandCursor);
    if (!m_hasTrack || width() <= 0 || event->buttons() != Qt::LeftButton)
        return;
    const int x = qRound(event->localPos().x());
    setSmallPlotZoomCentre(x);
    emit setCentreZoomPos(float(x));
    emit setPlaybackPosition(x, width());
}

void SmallPlot::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_hasTrack || event->buttons() != Qt::LeftButton)
        return;
    const int x = qRound(event->localPos().x());
    if (x <= 0 || x > width() - 1)
        return;
    setSmallPlotZoomCentre(x);
    emit setCentreZoomPos(float(m_centre));
    emit setPlaybackPosition(x, width());
}

void SmallPlot::mouseReleaseEvent(QMouseEvent *)
{
    setCursor(Qt::OpenHandCursor);
}

void SmallPlot::mouseDoubleClickEvent(QMouseEvent *)
{
    // The press of each click has done the work; the double click adds nothing.
}

void SmallPlot::wheelEvent(QWheelEvent *event)
{
    if (event->modifiers() == Qt::ControlModifier)
        emit scrollPlot(event);
    else
        emit setZoom(event);
    update();
}
