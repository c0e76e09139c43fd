#include "views/playback/pitchsyncwidget.h"

#include <algorithm>
#include <cmath>

namespace {

float factorOf(float semitones)
{
    return float(std::pow(2.0, double(semitones) / 12.0));
}

} // namespace

void PitchSyncWidget::clear()
{
    m_semitones = 0;
    m_fraction = 0.0f;
    m_interpFactor = 1.0f;
}

void PitchSyncWidget::setSyncValue(QString objectName, int syncValue)
{
    if (objectName == "pitchKnob")
        m_interpFactor = pitchKnobRule(syncValue);
    else if (objectName == "semitones" || objectName == "keyShift")
        m_interpFactor = semitoneRule(syncValue, objectName);
    else if (objectName == "fineTune")
        m_interpFactor = fineRule(syncValue);
    emit updatePitchWidgets(objectName, m_interpFactor);
    emit setInterpFactor(m_interpFactor);
}

void PitchSyncWidget::resetPitch()
{
    clear();
    emit setInterpFactor(1.0f);
    emit updatePitchWidgets(QString(), 1.0f);
}

void PitchSyncWidget::resetFineTune()
{
    m_fraction = 0.0f;
}

void PitchSyncWidget::initFromSession(float semitonesValue)
{
    // A saved shift is restored as it was, within the player's range: whole semitones
    // and the rest as the fraction, as a step from 11 to 12 keeps it. The fine tune
    // reaches from half a semitone down to 0.49 up, so -2.5 is -2 semitones and a fraction
    // of -0.5, as the read-outs show it.
    float total = std::isfinite(semitonesValue) ? semitonesValue : 0.0f;
    total = std::fmax(-12.0f, std::fmin(12.0f, total));
    m_semitones = int(std::floor(total + 0.5f));
    m_fraction = total - float(m_semitones);
    m_interpFactor = factorOf(total);
}

float PitchSyncWidget::pitchKnobRule(int v)
{
    if (v == 99) {
        // The knob's centre: no shift. The caller sends the one update.
        clear();
        return 1.0f;
    }
    const float c = v > 98 ? float(v * 0.01 + 0.01) : float(v * 0.005 + 0.5);
    const float e = float(std::log2(double(c)) * 12.0);
    m_semitones = int(std::round(e));
    if (m_semitones >= 12) {
        m_semitones = 12;
        m_fraction = 0.0f;
        return maximumFactor;
    }
    if (m_semitones <= -12) {
        m_semitones = -12;
        m_fraction = 0.0f;
        return minimumFactor;
    }
    m_fraction = e - float(m_semitones);
    return c;
}

float PitchSyncWidget::semitoneRule(int v, const QString &objectName)
{
    const int previous = m_semitones;
    if (objectName != "keyShift") {
        m_semitones = v;
    } else if (v == 2) {
        return m_interpFactor;
    } else if (v == 0) {
        m_semitones = 0;
        m_fraction = 0.0f;
    } else if (v >= 1) {
        m_semitones += 1;
    } else {
        m_semitones -= 1;
    }
    m_semitones = std::max(-12, std::min(12, m_semitones));

    // A step from 11 to 12 (or -11 to -12) keeps the fine tune while the whole shift
    // stays within an octave; anything that would leave 0.5..2.0 lands on the limit.
    const float h = float(m_semitones) + m_fraction;
    if (h >= 11.5f && m_semitones == 12 && (previous != 11 || h > 12.0f)) {
        m_fraction = 0.0f;
        return maximumFactor;
    }
    if (h <= -11.5f && m_semitones == -12 && (previous != -11 || h < -12.0f)) {
        m_fraction = 0.0f;
        return minimumFactor;
    }
    return factorOf(h);
}

float PitchSyncWidget::fineRule(int v)
{
    m_fraction = float(v) / 100.0f;
    const float f = factorOf(m_fraction + float(m_semitones));
    if (f > maximumFactor) {
        m_fraction = 0.0f;
        return maximumFactor;
    }
    if (f <= minimumFactor) {
        m_fraction = 0.0f;
        return minimumFactor;
    }
    return f;
}
