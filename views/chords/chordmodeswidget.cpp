#include "views/chords/chordmodeswidget.h"

#include <QWheelEvent>

#include <algorithm>

ChordModesWidget::ChordModesWidget(QWidget *parent)
    : QLabel(parent), m_image(":/images/chords/modes_roll.png")
{
    setScaledContents(true);
    setCursor(Qt::OpenHandCursor);
    setFixedSize(85, 18);
    setMode(0);
}

void ChordModesWidget::setMode(int mode)
{
    m_value = std::max(0, std::min(rowCount - 1, mode));
    setPixmap(m_image.copy(0, m_value * 18, 85, 18));
}

void ChordModesWidget::mousePressEvent(QMouseEvent *)
{
    setCursor(Qt::ClosedHandCursor);
    emit showModeLabel(m_value);
    emit hideKeysLabel();
}

void ChordModesWidget::mouseReleaseEvent(QMouseEvent *)
{
    setCursor(Qt::OpenHandCursor);
}

void ChordModesWidget::wheelEvent(QWheelEvent *event)
{
    const int steps = m_wheelNotches.take(event);
    event->accept();
    const int row = std::max(0, std::min(rowCount - 1, m_value - steps));
    if (steps == 0 || row == m_value)
        return;
    setMode(row);
    emit updateFinderChord();
    // Twice: an open pane stays open, a closed one closed, and its highlight follows.
    emit showModeLabel(m_value);
    emit showModeLabel(m_value);
}
