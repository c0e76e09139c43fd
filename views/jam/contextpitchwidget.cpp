#include "views/jam/contextpitchwidget.h"

#include "views/jam/riff.h"
#include "views/playback/wheelnotches.h"

#include <algorithm>
#include <cmath>

ContextPitchWidget::ContextPitchWidget(int step, QWidget *parent) : PlusMinusReadout(parent), m_step(step) {}

QString ContextPitchWidget::semitoneText(float semitone)
{
    QString text = QString::number(double(semitone), 'g', 6);
    if (text != "0" && !text.contains('-'))
        text.prepend('+');
    return text;
}

void ContextPitchWidget::setStepInterp(float interp)
{
    if (!std::isfinite(interp) || interp <= 0.0f)
        interp = 1.0f;
    m_interp = std::clamp(interp, Riff::minInterp, Riff::maxInterp);
    update();
}

void ContextPitchWidget::setStepSemitone(float semitone)
{
    if (!std::isfinite(semitone))
        semitone = 0.0f;
    m_semitone = std::clamp(semitone, -float(maxSemitones), float(maxSemitones));
    update();
}

void ContextPitchWidget::reset()
{
    m_semitone = 0.0f;
    m_interp = 1.0f;
    emit contextPitchChanged(1.0f, m_step);
    update();
}

void ContextPitchWidget::setSemitoneAndSend(float semitone)
{
    m_semitone = std::clamp(semitone, -float(maxSemitones), float(maxSemitones));
    m_interp = std::pow(2.0f, m_semitone / 12.0f);
    emit contextPitchChanged(m_interp, m_step);
    update();
}

void ContextPitchWidget::zonePressed(Zone zone, int)
{
    float semitone = m_semitone;
    if (zone == MinusZone)
        semitone -= 1.0f;
    else if (zone == PlusZone)
        semitone += 1.0f;
    setSemitoneAndSend(semitone);
}

void ContextPitchWidget::resetPressed()
{
    reset();
}

void ContextPitchWidget::wheelTurned(int delta)
{
    m_wheelRemainder += delta;
    const int steps = m_wheelRemainder / WheelNotches::notch;
    m_wheelRemainder -= steps * WheelNotches::notch;
    if (steps != 0)
        setSemitoneAndSend(m_semitone + float(steps));
}
