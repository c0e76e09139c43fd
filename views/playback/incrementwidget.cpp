#include "views/playback/incrementwidget.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

struct Images {
    const char *normal, *plus, *minus;
};

Images imagesFor(int kind)
{
    if (kind == IncrementWidget::FineTune)
        return {":/images/real_time_tools/plus_minus_fine_tune.png", ":/images/real_time_tools/plus_minus_fine_tune_up.png",
                ":/images/real_time_tools/plus_minus_fine_tune_down.png"};
    return {":/images/real_time_tools/plus_minus.png", ":/images/real_time_tools/plus_minus_up.png",
            ":/images/real_time_tools/plus_minus_down.png"};
}

bool hasFraction(float v)
{
    return std::floor(v) != v;
}

} // namespace

IncrementWidget::IncrementWidget(int kind, QWidget *parent)
    : PlusMinusReadout(parent, imagesFor(kind).normal, imagesFor(kind).plus, imagesFor(kind).minus), m_kind(kind)
{
    m_marker = new QLabel(this);
    m_marker->setPixmap(QPixmap(":/images/real_time_tools/plus_minus_fine_tune_slider.png"));
    m_marker->setScaledContents(true);
    m_marker->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_marker->setVisible(m_kind == FineTune);
    if (m_kind == FineTune)
        setFineTune(50.0f);
    if (m_kind == Bpm)
        setInactive(true);
}

void IncrementWidget::showValue(float value)
{
    m_value = value;
    update();
}

void IncrementWidget::setDetectedBPM(float bpm)
{
    if (m_kind != Bpm || !std::isfinite(bpm) || bpm <= 0.0f)
        return;
    const int rounded = int(std::round(bpm));
    if (rounded <= 0)
        return;
    if (!isTempoKnown())
        m_value = float(rounded);
    else
        m_value = m_value / float(m_detectedBPM) * float(rounded); // the playing factor stays
    m_detectedBPM = rounded;
    setInactive(false);
    update();
}

void IncrementWidget::clearTempo()
{
    m_detectedBPM = -1;
    m_value = 0.0f;
    setInactive(m_kind == Bpm);
    update();
}

int IncrementWidget::markerX(float fine)
{
    return 24 + int(std::max(0.0f, std::min(99.0f, fine)) / 99.0f * 40.0f);
}

void IncrementWidget::setFineTune(float fine)
{
    m_value = std::isfinite(fine) ? std::max(0.0f, std::min(99.0f, fine)) : 50.0f;
    m_marker->setGeometry(markerX(m_value), 0, 5, 20);
    update();
}

int IncrementWidget::semitonesOf(float interpFactor)
{
    if (!(interpFactor > 0.0f) || !std::isfinite(interpFactor))
        return 0;
    const double s = std::log2(double(interpFactor)) * 12.0;
    return std::max(-12, std::min(12, int(std::round(s + 0.001))));
}

float IncrementWidget::fineOf(float interpFactor)
{
    if (!(interpFactor > 0.0f) || !std::isfinite(interpFactor))
        return 50.0f;
    const float e = float(std::log2(double(interpFactor)) * 12.0);
    const float whole = float(std::round(double(e) + 0.001));
    const float fine = std::trunc((e - whole) * 100.0f) + 50.0f;
    return std::max(0.0f, std::min(99.0f, fine));
}

void IncrementWidget::setPitchFromKnob(float interpFactor)
{
    m_value = float(semitonesOf(interpFactor));
    update();
}

int IncrementWidget::getCurrentValue()
{
    return int(m_value);
}

void IncrementWidget::emitValue()
{
    switch (m_kind) {
    case Mode:
        emit modeChanged(int(m_value) + 1);
        break;
    case Bpm: {
        if (!isTempoKnown())
            return;
        const float d = float(m_detectedBPM);
        const float c = m_value;
        int knob = 99;
        if (d > c)
            knob = int(std::trunc(std::trunc((c / d - 0.25f) * 99.0f) * 1.3333334f));
        else if (d < c)
            knob = int(std::trunc(((c - d) / d + 1.0f) * 100.0f));
        emit setKnobFromBPM(std::max(0, std::min(199, knob)));
        break;
    }
    case Semitones:
        emit setSyncValueSignal(objectName(), int(m_value));
        break;
    case FineTune:
        emit setSyncValueSignal(objectName(), int(m_value - 50.0f));
        break;
    }
}

void IncrementWidget::zonePressed(Zone zone, int x)
{
    if (!acceptsInput())
        return;
    if (zone == MiddleZone) {
        // Only the fine tune has something under the middle: the marker goes there.
        if (m_kind != FineTune)
            return;
        if (x > 65)
            setFineTune(99.0f);
        else if (x >= 27)
            setFineTune(float(x - 24) / 44.0f * 100.0f);
        else
            setFineTune(0.0f);
        repaint();
        emitValue();
        return;
    }
    applyStep(zone == PlusZone ? 1 : -1);
    repaint();
    emitValue();
}

void IncrementWidget::resetPressed()
{
    if (!acceptsInput())
        return;
    switch (m_kind) {
    case Bpm:
        m_value = float(m_detectedBPM);
        repaint();
        emitValue();
        break;
    case Mode:
    case Semitones:
        // The mode sends its reset itself; the pitch sync answers resetPitch with the
        // one new factor, so nothing more is sent.
        reset();
        repaint();
        break;
    case FineTune:
        emit resetFineTune();
        setFineTune(50.0f);
        repaint();
        emitValue();
        break;
    }
}

void IncrementWidget::reset()
{
    switch (m_kind) {
    case Mode:
        m_value = 0.0f;
        update();
        emit modeChanged(1);
        break;
    case Bpm:
        clearTempo();
        break;
    case Semitones:
        m_value = 0.0f;
        update();
        emit resetPitch();
        break;
    case FineTune:
        setFineTune(50.0f);
        emit resetFineTune();
        break;
    }
}

void IncrementWidget::applyStep(int direction)
{
    float v = m_value;
    switch (m_kind) {
    case Semitones:
        v = direction > 0 ? std::min(12.0f, v + 1.0f) : std::max(-12.0f, v - 1.0f);
        break;
    case Mode:
        v = direction > 0 ? (v < 3.0f ? v + 1.0f : 0.0f) : (std::floor(v) > 0.0f ? v - 1.0f : 3.0f);
        break;
    case Bpm:
        // From a quarter (the first whole BPM not below it, the player's slowest) to twice
        // the detected tempo; a value between whole numbers steps to the next whole number.
        if (direction > 0 && v < float(m_detectedBPM * 2))
            v = hasFraction(v) ? std::floor(v) + 1.0f : v + 1.0f;
        else if (direction < 0 && v > float(slowestBPM()))
            v = hasFraction(v) ? std::floor(v) : v - 1.0f;
        break;
    case FineTune:
        v = direction > 0 ? std::min(99.0f, v + 1.0f) : std::max(0.0f, v - 1.0f);
        break;
    }
    if (m_kind == FineTune)
        setFineTune(v);
    else
        m_value = v;
}

void IncrementWidget::step(int direction)
{
    if (direction == 0 || !acceptsInput())
        return;
    applyStep(direction);
    if (m_kind == Bpm)
        emit updateChordTempo(m_value);
    repaint();
    emitValue();
}

void IncrementWidget::increment()
{
    step(1);
}

void IncrementWidget::decrement()
{
    step(-1);
}

void IncrementWidget::wheelTurned(int delta)
{
    step(delta > 0 ? 1 : delta < 0 ? -1 : 0);
}

void IncrementWidget::wheelEvent(QWheelEvent *event)
{
    event->accept();
    if (!acceptsInput())
        return;
    const int notches = m_wheelNotches.take(event);
    for (int i = 0; i < std::abs(notches); ++i)
        step(notches > 0 ? 1 : -1);
}

void IncrementWidget::mouseMoveEvent(QMouseEvent *event)
{
    PlusMinusReadout::mouseMoveEvent(event);
    if (m_kind != FineTune || !(event->buttons() & Qt::LeftButton))
        return;
    const int x = pointerX();
    const float before = m_value;
    if (x >= 24 && x <= 67)
        setFineTune(float(x - 24) / 44.0f * 100.0f);
    else if (x < 24 && pressX() > 24)
        setFineTune(0.0f);
    else if (x > 67 && pressX() <= 67)
        setFineTune(99.0f);
    if (m_value != before)
        emitValue();
}

void IncrementWidget::tempoChangedFromChords(float bpm)
{
    if (m_kind != Bpm || !isTempoKnown() || !std::isfinite(bpm) || bpm <= 0.0f)
        return;
    m_value = std::max(float(slowestBPM()), std::min(float(m_detectedBPM * 2), bpm));
    update();
    emitValue();
}

void IncrementWidget::keyShiftFromChords(float)
{
    // The key shift reaches the pitch through the pitch sync; nothing to do here.
}

float IncrementWidget::shownSemitones()
{
    const int decimal = receivers(SIGNAL(getDecimal())) > 0 ? emit getDecimal() : 50;
    return m_value + float(decimal - 50) / 100.0f;
}

void IncrementWidget::paintValue(QPainter &painter)
{
    switch (m_kind) {
    case Bpm:
        if (isTempoKnown())
            drawCentredText(painter, valueText(m_value));
        break;
    case Semitones:
        drawCentredText(painter, valueText(shownSemitones()));
        break;
    case Mode: {
        const int current = int(m_value);
        for (int i = 0; i < 4; ++i) {
            const QColor colour = i == current ? QColor(230, 122, 15) : QColor(170, 170, 170);
            painter.setPen(colour);
            painter.setBrush(colour);
            painter.drawRect(QRectF(30 + 10 * i, 9, 3, 3));
        }
        break;
    }
    case FineTune:
        break;
    }
}
