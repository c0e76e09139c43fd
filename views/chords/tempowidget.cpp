#include "views/chords/tempowidget.h"

#include <algorithm>
#include <cmath>

TempoWidget::TempoWidget(QWidget *parent) : NotchedReadout(parent)
{
    setInactive(true);
}

QString TempoWidget::displayText() const
{
    return valueText(m_value);
}

void TempoWidget::send()
{
    if (!isInactive())
        emit tempoChanged(m_value);
    update();
}

void TempoWidget::initTempo(float bpm, float originalBPM)
{
    if (!std::isfinite(originalBPM) || !(originalBPM > 0.0f) || !std::isfinite(bpm))
        return;
    m_maximum = float(int(originalBPM * 2.0f) - 1);
    m_minimum = float(int(originalBPM * 0.25f) + 1);
    m_detected = originalBPM;
    m_value = bpm;
    setInactive(false);
    update();
}

void TempoWidget::updateTempo(float bpm)
{
    if (bpm > m_minimum && bpm < m_maximum)
        m_value = bpm;
    update();
}

void TempoWidget::step(int direction)
{
    if (direction > 0 && m_maximum > m_value)
        m_value = std::min(m_maximum, m_value + 1.0f);
    else if (direction < 0 && m_value > m_minimum)
        m_value = std::max(m_minimum, m_value - 1.0f);
    else if (direction == 0) {
        update();
        return;
    }
    send();
}

void TempoWidget::zonePressed(Zone zone, int)
{
    step(zone == PlusZone ? 1 : zone == MinusZone ? -1 : 0);
}

void TempoWidget::resetPressed()
{
    m_value = m_detected;
    send();
}

void TempoWidget::wheelTurned(int delta)
{
    step(delta > 0 ? 1 : delta < 0 ? -1 : 0);
}

void TempoWidget::reset()
{
    m_value = m_maximum = m_minimum = m_detected = 0.0f;
    setInactive(true);
    emit tempoChanged(-1.0f);
    update();
}
