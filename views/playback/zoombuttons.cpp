#include "views/playback/zoombuttons.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <cmath>

ZoomButtons::ZoomButtons(QWidget *parent) : QWidget(parent) {}

void ZoomButtons::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const char *name = m_plusPressed    ? ":/images/zoom_plus.png"
                       : m_minusPressed ? ":/images/zoom_minus.png"
                                        : ":/images/zoom.png";
    const QPixmap image(QString::fromLatin1(name));
    if (!image.isNull()) {
        painter.drawPixmap(rect(), image);
        return;
    }
    // No image: two plain halves with a minus and a plus.
    const int half = width() / 2;
    painter.setPen(QColor(27, 27, 27));
    painter.setBrush(m_minusPressed ? QColor(230, 122, 15) : QColor(70, 70, 70));
    painter.drawRect(0, 0, half - 1, height() - 1);
    painter.setBrush(m_plusPressed ? QColor(230, 122, 15) : QColor(70, 70, 70));
    painter.drawRect(half, 0, width() - half - 1, height() - 1);
    painter.setPen(QPen(QColor(195, 195, 195), 2));
    const int cy = height() / 2;
    painter.drawLine(half / 2 - 4, cy, half / 2 + 4, cy);
    const int px = half + (width() - half) / 2;
    painter.drawLine(px - 4, cy, px + 4, cy);
    painter.drawLine(px, cy - 4, px, cy + 4);
}

void ZoomButtons::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const long x = std::lround(event->localPos().x());
    if (x < width() / 2) {
        m_minusPressed = true;
        emit zoom(-120);
    } else {
        m_plusPressed = true;
        emit zoom(120);
    }
    repaint();
}

void ZoomButtons::mouseReleaseEvent(QMouseEvent *)
{
    m_plusPressed = false;
    m_minusPressed = false;
    repaint();
}
