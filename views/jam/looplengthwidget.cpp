#include "views/jam/looplengthwidget.h"

#include "views/jam/stepwidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

LoopLengthWidget::LoopLengthWidget(QWidget *parent)
    : QWidget(parent), m_bar(":/images/jam/loop_length.png"), m_ball(":/images/jam/loop_length_ball.png")
{
    setCursor(Qt::OpenHandCursor);
}

void LoopLengthWidget::setMax(int max)
{
    m_max = std::clamp(max, 0, int(cellCount));
    update();
}

void LoopLengthWidget::resetValue()
{
    m_value = 0;
    m_max = 0;
    m_lastDragCell = -1;
    update();
}

void LoopLengthWidget::setValue(int value)
{
    m_value = std::clamp(value, 0, int(cellCount) - 1);
    emit setLoopLength(m_value);
    m_max = std::max(m_max, m_value);
    update();
}

int LoopLengthWidget::getMaxLoopValue(int)
{
    return m_max;
}

void LoopLengthWidget::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    m_lastDragCell = -1;
    if (event->button() != Qt::LeftButton || event->buttons() != Qt::LeftButton)
        return;
    const QPointF pos = event->localPos();
    if (!rect().contains(pos.toPoint()) || !firstStepSet())
        return;
    const int cell = StepWidget::cellAt(pos.x());
    const bool control = event->modifiers() == Qt::ControlModifier;
    m_lastDragCell = cell;
    if (control && cell != m_max) {
        // Control: the riff ends at this step, grown or cut.
        emit extendLoop(cell);
        m_max = cell;
        setValue(cell);
    } else if (cell <= m_max) {
        setValue(cell);
    } else {
        setValue(m_max);
    }
}

void LoopLengthWidget::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (!(event->buttons() & Qt::LeftButton) || !firstStepSet())
        return;
    const int cell = StepWidget::cellAt(event->localPos().x());
    if (cell == m_lastDragCell)
        return;
    m_lastDragCell = cell;
    dragTo(cell, event->modifiers() == Qt::ControlModifier);
}

void LoopLengthWidget::dragTo(int cell, bool control)
{
    if (cell > m_max) {
        // Past the furthest step: new steps follow, and the loop reaches them.
        emit extendLoop(cell);
        m_max = cell;
        setValue(cell);
        return;
    }
    if (control) {
        m_max = cell;
        emit extendLoop(cell);
    }
    setValue(cell);
}

void LoopLengthWidget::mouseReleaseEvent(QMouseEvent *event)
{
    m_lastDragCell = -1;
    event->accept();
}

void LoopLengthWidget::wheelEvent(QWheelEvent *event)
{
    event->accept();
    const int steps = m_wheelNotches.take(event);
    if (steps == 0)
        return;
    const int value = std::clamp(m_value + steps, 0, std::min(m_max, int(cellCount) - 1));
    if (value != m_value)
        setValue(value);
}

void LoopLengthWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int row = std::clamp(m_value, 0, int(cellCount) - 1);
    if (!m_bar.isNull())
        painter.drawPixmap(QPoint(0, 2), m_bar, QRect(0, row * 5, m_bar.width(), 5));
    if (!m_ball.isNull())
        painter.drawPixmap(QPoint(0, 0), m_ball, QRect(0, row * 10, m_ball.width(), 10));
}
