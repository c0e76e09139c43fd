#include "views/playback/realtimetoolstab.h"

#include "views/playback/incrementwidget.h"
#include "views/playback/knob.h"
#include "views/playback/lrpercentwidget.h"
#include "views/playback/plotbutton.h"
#include "views/playback/powerbutton.h"
#include "views/playback/slider.h"

#include <QPixmap>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

Knob *makeKnob(QWidget *parent, bool large, int x, int y, int maximum, int start, const char *name = nullptr)
{
    auto *knob = new Knob(parent);
    if (name)
        knob->setObjectName(name);
    knob->setKnobSize(large);
    knob->setRange(0, maximum);
    knob->setValue(start);
    knob->setDefaultValue(start);
    knob->move(x, y);
    return knob;
}

IncrementWidget *makeReadout(QWidget *parent, int kind, int x, int y, const char *name = nullptr)
{
    auto *readout = new IncrementWidget(kind, parent);
    if (name)
        readout->setObjectName(name);
    readout->move(x, y);
    return readout;
}

PowerButton *makePower(QWidget *parent, int x, int y)
{
    auto *button = new PowerButton(parent);
    button->setGeometry(x, y, 25, 25);
    return button;
}

// A list item as a number; false when it is missing or no number.
bool itemAt(const QStringList &items, int i, float *value)
{
    bool ok = false;
    const float v = items.value(i).trimmed().toFloat(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    *value = v;
    return true;
}

int clampedInt(float v, int low, int high)
{
    // Held to the range before the conversion: a huge value must not overflow it.
    return int(std::max(float(low), std::min(float(high), v)));
}

} // namespace

RealTimeToolsTab::RealTimeToolsTab(QWidget *parent) : QLabel(parent)
{
    setScaledContents(true);
    setPixmap(QPixmap(":/images/real_time_tools/tool_overlay.png"));
    createControls();
    connectControls();
    m_isolatePlot->setWidth(m_widthKnob->value());
    resetTools();
}

void RealTimeToolsTab::createControls()
{
    m_tempoKnob = makeKnob(this, true, 141, 94, 199, 99);
    m_pitchKnob = makeKnob(this, true, 782, 94, 199, 99, "pitchKnob");
    m_widthKnob = makeKnob(this, false, 379, 242, 99, 34);
    m_separationKnob = makeKnob(this, false, 469, 242, 99, 99);
    m_filterKnob = makeKnob(this, false, 555, 242, 99, 19);

    m_azimuthSlider = new Slider(this);
    m_azimuthSlider->setGeometry(326, 200, 350, 24);
    m_azimuthSlider->setRange(0, 99);
    m_azimuthSlider->setValue(50);

    m_tempoPower = makePower(this, 70, 300);
    m_pitchPower = makePower(this, 701, 300);
    m_isolatePower = makePower(this, 322, 300);

    m_isolatePlot = new SSSPlot(this);
    m_isolatePlot->setGeometry(isolatePlotX, isolatePlotY, isolatePlotWidth, isolatePlotHeight);

    m_muteSolo = new PlotButton("muteSolo", this);
    m_muteSolo->move(328, 264);
    m_filterSwitch = new PlotButton("filter", this);
    m_filterSwitch->move(628, 264);

    m_bpm = makeReadout(this, IncrementWidget::Bpm, 141, 228);
    m_mode = makeReadout(this, IncrementWidget::Mode, 141, 272);
    m_semitones = makeReadout(this, IncrementWidget::Semitones, 781, 228, "semitones");
    m_fineTune = makeReadout(this, IncrementWidget::FineTune, 781, 272, "fineTune");

    const struct {
        const char *text;
        int x, y;
    } scale[3] = {{"1/2", 126, 129}, {"1/4", 149, 168}, {"x2", 208, 168}};
    QFont font("Arial", 7);
    font.setWeight(75);
    for (int i = 0; i < 3; ++i) {
        m_scaleLabels[i] = new QLabel(scale[i].text, this);
        m_scaleLabels[i]->setGeometry(scale[i].x, scale[i].y, 20, 20);
        m_scaleLabels[i]->setFont(font);
        m_scaleLabels[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    applyLabelOpacity(0.0f);

    m_fadeTimer = new QTimer(this);
    m_fadeTimer->setInterval(10);
}

void RealTimeToolsTab::connectControls()
{
    connect(m_mode, SIGNAL(modeChanged(int)), this, SIGNAL(changeMode(int)));
    connect(m_tempoKnob, SIGNAL(valueChanged(int)), this, SLOT(hopFactorChanged(int)));
    connect(m_bpm, SIGNAL(setKnobFromBPM(int)), this, SLOT(setTempoKnobValue(int)));
    connect(m_tempoPower, SIGNAL(buttonOn(bool)), this, SLOT(TSMActivated(bool)));
    connect(m_tempoKnob, SIGNAL(valueChanged(int)), this, SLOT(turnOnTempo(int)));
    connect(m_pitchPower, SIGNAL(buttonOn(bool)), this, SLOT(PSMActivated(bool)));
    connect(m_isolatePower, SIGNAL(buttonOn(bool)), this, SIGNAL(activateSSS(bool)));
    connect(m_widthKnob, SIGNAL(valueChanged(int)), this, SIGNAL(widthChanged(int)));
    connect(m_separationKnob, SIGNAL(valueChanged(int)), this, SIGNAL(separationChanged(int)));
    connect(m_azimuthSlider, SIGNAL(valueChanged(int)), this, SIGNAL(azimuthChanged(int)));
    connect(m_muteSolo, SIGNAL(setState(bool)), this, SIGNAL(setMuteSolo(bool)));
    connect(m_filterKnob, SIGNAL(valueChanged(int)), this, SIGNAL(filterChanged(int)));
    connect(m_filterSwitch, SIGNAL(setState(bool)), this, SIGNAL(setFilter(bool)));
    for (QObject *control : {static_cast<QObject *>(m_widthKnob), static_cast<QObject *>(m_separationKnob),
                             static_cast<QObject *>(m_azimuthSlider), static_cast<QObject *>(m_filterKnob)})
        connect(control, SIGNAL(valueChanged(int)), this, SLOT(turnOnSSS(int)));
    connect(m_muteSolo, SIGNAL(setState(bool)), this, SLOT(turnOnSSS(bool)));
    connect(m_filterSwitch, SIGNAL(setState(bool)), this, SLOT(turnOnSSS(bool)));
    connect(m_azimuthSlider, SIGNAL(valueChanged(int)), this, SLOT(setLRPerCent(int)));
    // The isolate plot follows the same controls.
    connect(m_isolatePower, SIGNAL(buttonOn(bool)), m_isolatePlot, SLOT(turnOn(bool)));
    connect(m_widthKnob, SIGNAL(valueChanged(int)), m_isolatePlot, SLOT(setWidth(int)));
    connect(m_separationKnob, SIGNAL(valueChanged(int)), m_isolatePlot, SLOT(setSupressionFactor(int)));
    connect(m_azimuthSlider, SIGNAL(valueChanged(int)), m_isolatePlot, SLOT(setAzimuth(int)));
    connect(m_muteSolo, SIGNAL(setState(bool)), m_isolatePlot, SLOT(setMuteSolo(bool)));
    connect(m_semitones, SIGNAL(getDecimal()), m_fineTune, SLOT(getCurrentValue()), Qt::DirectConnection);
    connect(m_fadeTimer, SIGNAL(timeout()), this, SLOT(fadeTempoWidgets()));
    connect(m_tempoKnob, SIGNAL(knobEntered()), this, SLOT(fadeInTempoLabel()));
    connect(m_tempoKnob, SIGNAL(knobExited()), this, SLOT(fadeOutTempoLabel()));
}

// ---- Tempo ------------------------------------------------------------------------------

float RealTimeToolsTab::tempoFactor(int v)
{
    if (v <= 0)
        return 0.25f;
    if (v == 99)
        return 1.0f;
    if (v < 99)
        return 0.25f + 0.75f * float(v) / 100.0f;
    return float(v) / 100.0f;
}

float RealTimeToolsTab::hopFactorChanged(int value)
{
    return hopFactorChanged(value, true);
}

float RealTimeToolsTab::hopFactorChanged(int value, bool setBPMWidget)
{
    // A tempo set now replaces a session's tempo still waiting for the detected one.
    m_savedBPM = 0.0f;
    const float factor = tempoFactor(value);
    if (m_bpm->isTempoKnown()) {
        const float detected = float(m_bpm->detectedBPM());
        if (setBPMWidget)
            m_bpm->showValue(factor == 1.0f ? detected : factor * detected);
        emit updateChordTempo(std::trunc(m_bpm->value()));
    }
    m_tempoFactor = factor;
    emit setHopFactor(factor);
    return factor;
}

bool RealTimeToolsTab::sendReadoutTempo()
{
    // The read-out's tempo is what plays; the knob only shows where it lies.
    const float detected = float(m_bpm->detectedBPM());
    const float bpm = m_bpm->value();
    const bool atDetected = bpm == detected;
    m_tempoFactor = atDetected ? 1.0f : std::max(0.25f, std::min(2.0f, bpm / detected));
    emit updateChordTempo(std::trunc(bpm));
    emit setHopFactor(m_tempoFactor);
    return atDetected;
}

void RealTimeToolsTab::restoreSavedBPM()
{
    const float saved = m_savedBPM;
    if (!(saved > 0.0f) || !m_bpm->isTempoKnown())
        return;
    m_savedBPM = 0.0f;
    // The file keeps the tempo cut to a whole BPM. A knob's tempo cuts to the saved one and
    // the knob brings it back exactly; any other was set with the BPM buttons or the chord
    // viewer, which step in whole BPM, and is the saved one.
    const float detected = float(m_bpm->detectedBPM());
    if (std::trunc(m_bpm->value()) == saved || saved < detected / 4.0f || saved > detected * 2.0f)
        return;
    m_bpm->showValue(saved);
    sendReadoutTempo();
}

void RealTimeToolsTab::setTempoKnobValue(int value)
{
    disconnect(m_tempoKnob, SIGNAL(valueChanged(int)), this, SLOT(hopFactorChanged(int)));
    m_tempoKnob->setValue(value == -1 ? m_tempoKnob->defaultValue() : value);
    bool atDetected = false;
    if (m_bpm->isTempoKnown())
        atDetected = sendReadoutTempo();
    else
        hopFactorChanged(value, false);
    connect(m_tempoKnob, SIGNAL(valueChanged(int)), this, SLOT(hopFactorChanged(int)));
    // Back at the detected tempo the tool goes off; any other tempo switches it on.
    m_tempoPower->setValueFromSession(!atDetected);
}

void RealTimeToolsTab::setBPM(float bpm)
{
    const bool wasKnown = m_bpm->isTempoKnown();
    m_bpm->setDetectedBPM(bpm);
    if (!m_bpm->isTempoKnown())
        return;
    // A knob set before the tempo was known (a session restored while the track is analysed)
    // already plays its tempo: the read-out shows it now that it can.
    const float factor = tempoFactor(m_tempoKnob->value());
    if (!wasKnown && factor != 1.0f)
        m_bpm->showValue(factor * float(m_bpm->detectedBPM()));
    // ... and a saved tempo between the knob's plays from now on.
    if (!wasKnown)
        restoreSavedBPM();
    emit initChordTempo(std::trunc(m_bpm->value()), float(m_bpm->detectedBPM()));
}

void RealTimeToolsTab::TSMActivated(bool activate)
{
    emit activateTempo(activate);
}

void RealTimeToolsTab::PSMActivated(bool activate)
{
    emit activatePitch(activate);
}

// The power switches tell the player through their own buttonOn, once per change.
void RealTimeToolsTab::turnOnTempo(int)
{
    m_tempoPower->setValueFromSession(m_tempoKnob->value() != m_tempoKnob->defaultValue());
}

void RealTimeToolsTab::turnOnPitch(float interpFactor)
{
    m_pitchPower->setValueFromSession(interpFactor != 1.0f);
}

void RealTimeToolsTab::turnOnSSS(int)
{
    m_isolatePower->setValueFromSession(true);
}

void RealTimeToolsTab::turnOnSSS(bool)
{
    m_isolatePower->setValueFromSession(true);
}

void RealTimeToolsTab::setLRPerCent(int value)
{
    // Left of the middle the left read-out shows how far, right of it the right one.
    LRPerCentWidget *left = m_isolatePlot->leftPerCent();
    LRPerCentWidget *right = m_isolatePlot->rightPerCent();
    if (value <= 48) {
        right->stopHideTimer();
        left->setPercentage(49 - value);
    } else if (value == 49) {
        left->stopHideTimer();
        right->stopHideTimer();
    } else {
        left->stopHideTimer();
        right->setPercentage(value - 50);
    }
}

// ---- Pitch --------------------------------------------------------------------------------

int RealTimeToolsTab::pitchKnobValue(float interp)
{
    // The inverse of the pitch knob's scale (0.5 + 0.005 v below the centre, 0.01 v + 0.01
    // above), kept off the centre for any factor other than 1.
    if (interp == 1.0f || !std::isfinite(interp))
        return 99;
    if (interp > 1.0f)
        return std::max(100, std::min(199, int(std::lround(100.0 * double(interp) - 1.0))));
    return std::max(0, std::min(98, int(std::lround((double(interp) - 0.5) * 200.0))));
}

void RealTimeToolsTab::updatePitchWidgets(QString objectName, float interp)
{
    m_pitchFactor = interp;
    const bool atLimit = interp >= 2.0f || interp <= 0.5f;
    auto setKnob = [this, interp] {
        const QSignalBlocker blocker(m_pitchKnob);
        m_pitchKnob->setValue(interp == 1.0f ? m_pitchKnob->defaultValue() : pitchKnobValue(interp));
    };
    if (objectName == "pitchKnob") {
        m_semitones->setPitchFromKnob(interp);
        m_fineTune->setFineTune(IncrementWidget::fineOf(interp));
    } else if (objectName == "semitones") {
        setKnob();
    } else if (objectName == "fineTune" || objectName == "keyShift") {
        setKnob();
        m_semitones->setPitchFromKnob(interp);
    } else {
        // A reset: every pitch control follows.
        setKnob();
        m_semitones->setPitchFromKnob(interp);
        m_fineTune->setFineTune(IncrementWidget::fineOf(interp));
    }
    if (atLimit || interp == 1.0f)
        m_fineTune->setFineTune(50.0f);
    m_semitones->update();
    if (objectName != "keyShift")
        emit updateChordKeyShift(semitonesValue());
    turnOnPitch(interp);
}

float RealTimeToolsTab::semitonesValue()
{
    return std::trunc(m_semitones->value()) + (std::trunc(m_fineTune->value()) - 50.0f) / 100.0f;
}

// ---- Tempo scale labels ---------------------------------------------------------------------

void RealTimeToolsTab::applyLabelOpacity(float opacity)
{
    const float alpha = opacity * 150.0f;
    if (alpha < 0.0f || alpha > 255.0f)
        return;
    for (QLabel *label : m_scaleLabels) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(170, 170, 170, int(alpha)));
        label->setPalette(palette);
    }
}

void RealTimeToolsTab::fadeInTempoLabel()
{
    if (m_labelOpacity == 0.0f) {
        m_fadeCounter = 0;
        m_fadeTimer->start();
    } else if (m_fadeCounter >= -99 && m_fadeCounter <= -1) {
        m_fadeCounter = -m_fadeCounter; // fading out: turn back
    } else if (m_fadeCounter < -100) {
        m_fadeCounter = 100; // holding before the fade-out: stay
    }
}

void RealTimeToolsTab::fadeOutTempoLabel()
{
    if (!m_fadeTimer->isActive()) {
        m_fadeCounter = -200; // hold for a second, then fade out
        m_fadeTimer->start();
    } else {
        m_fadeCounter = -m_fadeCounter;
    }
}

void RealTimeToolsTab::fadeTempoWidgets()
{
    int &c = m_fadeCounter;
    if (c > 100 || c < -200) {
        c = -199;
        m_labelOpacity = 1.99f;
        return;
    }
    if (c >= 0) {
        if (c == 100)
            m_fadeTimer->stop();
        ++c;
        if (c == 100)
            m_fadeTimer->stop();
        m_labelOpacity = float(std::abs(c)) / 100.0f;
        applyLabelOpacity(m_labelOpacity);
        return;
    }
    ++c;
    if (c == 0)
        m_fadeTimer->stop();
    m_labelOpacity = float(std::abs(c)) / 100.0f;
    if (c >= -100)
        applyLabelOpacity(m_labelOpacity);
}

// ---- Whole tab --------------------------------------------------------------------------------

void RealTimeToolsTab::resetTools()
{
    for (Knob *knob : {m_tempoKnob, m_pitchKnob, m_widthKnob, m_separationKnob, m_filterKnob})
        knob->resetToDefault();
    m_azimuthSlider->resetValue();
    m_tempoPower->switchOff();
    m_pitchPower->switchOff();
    m_isolatePower->switchOff();
    m_bpm->clearTempo();
    m_savedBPM = 0.0f;
    m_mode->reset();
    // The pitch sync goes back to no shift with the read-outs.
    m_semitones->reset();
    m_fineTune->reset();
    m_pitchFactor = 1.0f;
    m_muteSolo->reset();
    m_filterSwitch->reset();
    m_isolatePower->switchOff();
}

void RealTimeToolsTab::sendToolSettings()
{
    emit widthChanged(m_widthKnob->value());
    emit separationChanged(m_separationKnob->value());
    emit azimuthChanged(m_azimuthSlider->value());
    emit filterChanged(m_filterKnob->value());
    emit setMuteSolo(m_muteSolo->state());
    emit setFilter(m_filterSwitch->state());
    emit changeMode(m_mode->getCurrentValue() + 1);
}

void RealTimeToolsTab::restoreFromSession(const QStringList &tempo, const QStringList &pitch,
                                          const QStringList &isolate)
{
    float v = 0.0f;
    // Tempo: the knob with its signals (the factor follows), the mode, then the switch.
    if (itemAt(tempo, 1, &v)) {
        // The read-out shows the knob's tempo even when the knob stands there already.
        const int knob = clampedInt(v, 0, 199);
        if (m_tempoKnob->value() == knob) {
            hopFactorChanged(knob);
            turnOnTempo(knob);
        } else {
            m_tempoKnob->setValue(knob);
        }
    }
    // A tempo between the knob's comes back from the saved BPM, now or once the detected
    // tempo is known.
    m_savedBPM = itemAt(tempo, 0, &v) ? v : 0.0f;
    restoreSavedBPM();
    if (itemAt(tempo, 2, &v)) {
        const int mode = clampedInt(v, 0, 3);
        m_mode->showValue(float(mode));
        emit changeMode(mode + 1);
    }
    if (itemAt(tempo, 3, &v)) {
        const bool on = v != 0.0f;
        {
            const QSignalBlocker blocker(m_tempoPower);
            m_tempoPower->setValueFromSession(on);
        }
        // The player's session entry halves the distance below 1; hand it the value
        // that comes out as the factor sent.
        const float factor = m_tempoFactor;
        emit initTempoPowerButtonFromSession(on, factor < 1.0f ? 2.0f * factor - 1.0f : factor);
    }

    // Pitch: the knob quietly, the switch, then the shift itself through the pitch sync.
    if (itemAt(pitch, 0, &v)) {
        const QSignalBlocker blocker(m_pitchKnob);
        m_pitchKnob->setValue(clampedInt(v, 0, 199));
    }
    if (itemAt(pitch, 3, &v))
        m_pitchPower->setValueFromSession(v != 0.0f);
    if (itemAt(pitch, 1, &v)) {
        // The read-outs show the saved value as it was: whole semitones and the fine
        // tune's hundredths of one (-0.5 to 0.49).
        const float semitones = std::max(-12.0f, std::min(12.0f, v));
        const float whole = std::floor(semitones + 0.5f);
        m_semitones->showValue(whole);
        m_fineTune->setFineTune(50.0f + std::round((semitones - whole) * 100.0f));
        // What plays: the factor the player had (a knob's lies between those hundredths)
        // when the file keeps it and it agrees with the read-outs, else theirs.
        float shift = semitones;
        float interp = float(std::pow(2.0, double(semitones) / 12.0));
        if (itemAt(pitch, 4, &v) && v != interp && v >= 0.5f && v <= 2.0f) {
            const float exact = float(std::log2(double(v)) * 12.0);
            if (std::fabs(exact - semitones) < 0.011f) {
                shift = exact;
                interp = v;
            }
        }
        m_pitchFactor = interp;
        emit initPitchSyncWidgetFromSession(shift);
        emit setInterpFactor(interp);
        emit updateChordKeyShift(semitones);
    }

    // Isolate: every control with its signals, then the switch.
    Knob *isolateKnobs[3] = {m_separationKnob, m_widthKnob, m_filterKnob};
    for (int i = 0; i < 3; ++i) {
        if (itemAt(isolate, i, &v))
            isolateKnobs[i]->setValue(clampedInt(v, 0, 99));
    }
    if (itemAt(isolate, 3, &v))
        m_azimuthSlider->setValue(clampedInt(v, 0, 99));
    if (itemAt(isolate, 4, &v))
        m_filterSwitch->setStateFromSession(v != 0.0f);
    if (itemAt(isolate, 5, &v))
        m_muteSolo->setStateFromSession(v != 0.0f);
    if (itemAt(isolate, 6, &v))
        m_isolatePower->setValueFromSession(v != 0.0f);
}
