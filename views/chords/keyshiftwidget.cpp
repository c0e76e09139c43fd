#include "views/chords/keyshiftwidget.h"

#include <algorithm>
#include <cmath>

KeyShiftWidget::KeyShiftWidget(QWidget *parent) : NotchedReadout(parent)
{
    setObjectName("keyShift");
}

QString KeyShiftWidget::displayText() const
{
    return valueText(m_value);
}

// One semitone up or down; at the end of the range the step only re-sends the value.
void KeyShiftWidget::step(int direction)
{
    int code = SameCode;
    if (direction < 0 && m_value > -limit) {
        m_value = std::max(-limit, m_value - 1.0f);
        code = DownCode;
    } else if (direction > 0 && m_value < limit) {
        m_value = std::min(limit, m_value + 1.0f);
        code = UpCode;
    }
    emit setSyncValueSignal(objectName(), code);
    emit shiftKey(m_value);
    update();
}

void KeyShiftWidget::zonePressed(Zone zone, int)
{
    step(zone == MinusZone ? -1 : zone == PlusZone ? 1 : 0);
}

void KeyShiftWidget::resetPressed()
{
    emit resetFineTune();
    m_value = 0.0f;
    emit setSyncValueSignal(objectName(), ResetCode);
    emit shiftKey(0.0f);
    update();
}

void KeyShiftWidget::wheelTurned(int delta)
{
    step(delta > 0 ? 1 : delta < 0 ? -1 : 0);
}

void KeyShiftWidget::updateKeyShift(float keyShift)
{
    if (!std::isfinite(keyShift))
        return;
    m_value = std::max(-limit, std::min(limit, keyShift));
    emit shiftKey(m_value);
    update();
}

void KeyShiftWidget::reset()
{
    m_value = 0.0f;
    emit shiftKey(0.0f);
    update();
}
