#include "views/playback/progressbar.h"

#include <QPainter>

ProgressBar::ProgressBar(QWidget *parent)
    : QWidget(parent), m_bar(":/images/progress_bar.png"), m_background(":/images/progress_bar_background.png")
{
}

void ProgressBar::updatePercentage(float pc)
{
    if (pc > 0 && isHidden() && pc < upperLimit)
        show();
    m_percentage = pc;
    repaint();
    // The paint ends the bar at the upper limit; when nothing was painted (the window is
    // not exposed), it ends here all the same.
    if (m_percentage >= upperLimit) {
        m_percentage = 0;
        hide();
    }
}

void ProgressBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int w = width();
    const int h = height();
    // The source window slides left over the bar image as the percentage rises, so the
    // visible part grows from the left.
    const qreal sourceX = w - w * m_percentage / 98.0;
    if (!m_bar.isNull()) {
        painter.drawPixmap(QRectF(0, 0, w, h), m_bar, QRectF(sourceX, 0, w, h));
    } else {
        const qreal filled = qBound<qreal>(0, w - sourceX, w);
        painter.fillRect(QRectF(0, 0, filled, h), QColor(214, 100, 35));
    }
    if (!m_background.isNull()) {
        painter.drawPixmap(QRect(0, 0, w, h), m_background);
    } else {
        painter.setPen(QColor(27, 27, 27));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(0, 0, w - 1, h - 1);
    }
    if (m_percentage >= upperLimit) {
        m_percentage = 0;
        hide();
    }
}
