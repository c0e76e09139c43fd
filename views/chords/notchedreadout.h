// NotchedReadout: a plus/minus read-out of the chord viewer whose wheel steps once per
// whole notch, either way, adding up the parts of a notch that fine wheels send. The key
// shift, capo and tempo read-outs derive from it.
#pragma once
#include <QWheelEvent>

#include <cstdlib>

#include "views/playback/plusminusreadout.h"
#include "views/playback/wheelnotches.h"

class NotchedReadout : public PlusMinusReadout
{
    Q_OBJECT
public:
    using PlusMinusReadout::PlusMinusReadout;

protected:
    void wheelEvent(QWheelEvent *event) override
    {
        const int steps = m_wheelNotches.take(event);
        for (int i = 0; i < std::abs(steps); ++i)
            wheelTurned(steps > 0 ? WheelNotches::notch : -WheelNotches::notch);
        event->accept();
    }

private:
    WheelNotches m_wheelNotches;
};
