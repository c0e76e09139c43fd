#include "views/chords/capowidget.h"

#include <algorithm>
#include <cmath>

CapoWidget::CapoWidget(QWidget *parent) : NotchedReadout(parent) {}

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
