#include "views/jam/riffidwidget.h"

#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>

RiffIdWidget::RiffIdWidget(QWidget *parent) : QLabel(parent), m_image(":/images/jam/riff_id.png")
{
    setCursor(Qt::OpenHandCursor);
    setScaledContents(true);
    setRiffId(0);
}

void RiffIdWidget::setRiffId(int riffId)
{
    m_riffId = std::clamp(riffId, 0, 5);
    if (!m_image.isNull())
        setPixmap(m_image.copy(0, 18 * m_riffId, m_image.width(), 18));
}

void RiffIdWidget::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    setCursor(Qt::ClosedHandCursor);
    emit showRiffIdLabel(m_riffId);
}

void RiffIdWidget::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    setCursor(Qt::OpenHandCursor);
}

void RiffIdWidget::wheelEvent(QWheelEvent *event)
{
    event->accept();
    const int steps = m_wheelNotches.take(event);
    const int riff = std::clamp(m_riffId + steps, 0, 5);
    if (steps == 0 || riff == m_riffId)
        return;
    setRiffId(riff);
    // Twice, so that the menu ends as it was while the new riff is announced.
    emit showRiffIdLabel(m_riffId);
    emit showRiffIdLabel(m_riffId);
}
