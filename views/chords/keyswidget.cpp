#include "views/chords/keyswidget.h"

#include <QWheelEvent>

#include <algorithm>

KeysWidget::KeysWidget(QWidget *parent) : QLabel(parent), m_image(":/images/chords/12_chords_roll.png")
{
    setScaledContents(true);
    setCursor(Qt::OpenHandCursor);
    setFixedSize(32, 18);
    setKey(0);
}

void KeysWidget::setKey(int key)
{
    m_value = std::max(0, std::min(rowCount - 1, key));
    setPixmap(m_image.copy(0, m_value * 18, 32, 18));
}

void KeysWidget::mousePressEvent(QMouseEvent *)
{
    setCursor(Qt::ClosedHandCursor);
    emit showKeysLabel(m_value);
    emit hideModeLabel();
}

void KeysWidget::mouseReleaseEvent(QMouseEvent *)
{
    setCursor(Qt::OpenHandCursor);
}

void KeysWidget::wheelEvent(QWheelEvent *event)
{
    const int steps = m_wheelNotches.take(event);
    event->accept();
    const int row = std::max(0, std::min(rowCount - 1, m_value - steps));
    if (steps == 0 || row == m_value)
        return;
    setKey(row);
    emit updateFinderChord();
    emit showKeysLabel(m_value);
    emit showKeysLabel(m_value);
}
