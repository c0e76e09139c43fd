#include "views/chords/capowidget.h"

#include <QWheelEvent>

#include <algorithm>
#include <cmath>

CapoWidget::CapoWidget(QWidget *parent) : PlusMinusReadout(parent) {}

QString CapoWidget::displayText() const
{
    return QString::number(m_value);
}

void CapoWidget::setFret(int fret)
{
    m_value = std::max(0, std::min(highestFret, fret));
    emit shiftFret(float(m_value));
    update();
}

void CapoWidget::zonePressed(Zone zone, int)
{
    setFret(m_value + (zone == PlusZone ? 1 : zone == MinusZone ? -1 : 0));
}

void CapoWidget::resetPressed()
{
    setFret(0);
}

void CapoWidget::wheelTurned(int delta)
{
    setFret(m_value + (delta > 0 ? 1 : delta < 0 ? -1 : 0));
}

void CapoWidget::wheelEvent(QWheelEvent *event)
{
    const int steps = m_wheelNotches.take(event);
    for (int i = 0; i < std::abs(steps); ++i)
        wheelTurned(steps);
    event->accept();
}

void CapoWidget::updateFretShift(float fretShift)
{
    if (!std::isfinite(fretShift))
        return;
    m_value = std::max(0, std::min(highestFret, int(std::trunc(fretShift))));
    update();
}

void CapoWidget::reset()
{
    setFret(0);
}

void CapoWidget::setCapoFromSession(int fret)
{
    reset();
    setFret(fret);
}
