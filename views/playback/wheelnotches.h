// WheelNotches: turns wheel events into whole notches (120 eighths of a degree each),
// keeping what fine-grained wheels send between them. Knob, Slider and Plotter step once
// per notch with it.
#pragma once
#include <QWheelEvent>

class WheelNotches
{
public:
    static constexpr int notch = 120;

    // Whole notches in this event plus what was left over; signed, vertical first.
    int take(const QWheelEvent *event)
    {
        const QPoint delta = event->angleDelta();
        m_remainder += delta.y() != 0 ? delta.y() : delta.x();
        const int steps = m_remainder / notch;
        m_remainder -= steps * notch;
        return steps;
    }

private:
    int m_remainder = 0;
};
