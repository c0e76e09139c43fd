#include "views/playback/transportwidget.h"

#include <QEvent>
#include <QFont>
#include <QGridLayout>
#include <QPixmap>
#include <QTimer>

#include <cmath>

namespace {
constexpr int buttonWidth = 42;
constexpr int buttonHeight = 41;
constexpr int knobSize = 50;
constexpr int volumeMaximum = 99;
const char *const clockFormat = "<font color='#ff8c00'>%1 / %2</font>";
}

bool GreyedButtons::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip)
        return true;
    return QLabel::event(event);
}

TransportWidget::TransportWidget(QWidget *parent) : QLabel(parent)
{
    setPixmap(QPixmap(":/images/background_transport.png"));
    setScaledContents(true);
    setFont(QFont("Arial", 10, QFont::Bold));

    m_transportBacking = makeImageLabel(":/images/transport/transport_backing.png", 212, 45);
    m_clockBacking = makeImageLabel(":/images/transport/clock_backing.png", 212, 24);
    m_clockLabel = new QLabel(this);
    m_clockLabel->setFixedSize(205, 24);
    m_clockLabel->setAlignment(Qt::AlignCenter);
    m_clockLabel->setText("<font color='#DE6E08'>0.000</font>");

    m_playButton = makeButton(":/images/transport/play_pause.png", true, "play");
    m_stopButton = makeButton(":/images/transport/stop.png", false, "stop");
    m_forwardButton = makeButton(":/images/transport/fwd.png", false, "fwd");
    m_backButton = makeButton(":/images/transport/back.png", false, "back");
    m_loopButton = makeButton(":/images/transport/loop.png", true, "loop");
    m_cueForwardButton = makeButton(":/images/transport/back.png", false, "cuef");
    m_cueBackButton = makeButton(":/images/transport/back.png", false, "cueb");
    for (CustomButton *b : {m_forwardButton, m_backButton}) {
        b->setAutoRepeat(true);
        b->setAutoRepeatInterval(50);
    }
    m_cueForwardButton->hide();
    m_cueBackButton->hide();

    m_volumeKnob = makeKnob(799, 13, volumeMaximum);
    m_volumeKnob->setObjectName("volume");
    m_metronomeKnob = makeKnob(159, 13, 0);
    m_metronomeKnob->setObjectName("metronome");

    m_greyLamp = makeImageLabel(":/images/transport/metronome_grey.png", 12, 12);
    m_greyLamp->move(207, 53);
    m_redLamp = makeImageLabel(":/images/transport/metronome_red.png", 12, 12);
    m_redLamp->move(207, 53);
    m_redLamp->hide();

    m_volumeLabel = makeImageLabel(":/images/transport/volume_label.png", 64, 24);
    m_volumeLabel->move(791, 61);
    m_metronomeLabel = makeImageLabel(":/images/transport/metronome_label.png", 88, 24);
    m_metronomeLabel->move(139, 60);

    m_greyedButtons = new GreyedButtons(this);
    m_greyedButtons->setPixmap(QPixmap(":/images/transport/transport_grey.png"));
    m_greyedButtons->setScaledContents(true);
    m_greyedButtons->setFixedSize(212, 45);
    m_greyedButtons->hide();

    auto *grid = new QGridLayout(this);
    grid->setSpacing(0);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QWidget(this), 0, 0, Qt::AlignBottom);
    grid->addWidget(m_clockBacking, 1, 1, 1, 5, Qt::AlignCenter);
    grid->addWidget(m_clockLabel, 1, 1, 1, 5, Qt::AlignCenter);
    grid->addWidget(new QWidget(this), 2, 0, Qt::AlignRight);
    grid->addWidget(m_transportBacking, 2, 1, 1, 5);
    grid->addWidget(m_greyedButtons, 2, 1, 1, 5);
    grid->addWidget(m_loopButton, 2, 1);
    grid->addWidget(m_backButton, 2, 2);
    grid->addWidget(m_playButton, 2, 3);
    grid->addWidget(m_forwardButton, 2, 4);
    grid->addWidget(m_stopButton, 2, 5);
    grid->addWidget(new QWidget(this), 2, 6, Qt::AlignLeft);
    grid->addWidget(new QWidget(this), 3, 0, Qt::AlignTop);
    // The outer rows and columns take the spare room, so the block stays centred.
    grid->setRowStretch(0, 1);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(6, 1);
    m_greyedButtons->raise();

    m_clockTimer = new QTimer(this);
    m_clockTimer->setInterval(40);
    connect(m_clockTimer, &QTimer::timeout, this, &TransportWidget::updateTime);

    m_flashTimer = new QTimer(this);
    m_flashTimer->setInterval(200);
    connect(m_flashTimer, &QTimer::timeout, m_redLamp, &QWidget::hide);
    connect(m_flashTimer, &QTimer::timeout, m_flashTimer, &QTimer::stop);

    m_fadeTimer = new QTimer(this);
    m_fadeTimer->setInterval(10);
    connect(m_fadeTimer, &QTimer::timeout, this, &TransportWidget::fadeVolumeSlot);

    m_clockTimer->start();
}

CustomButton *TransportWidget::makeButton(const QString &image, bool checkable, const QString &name)
{
    auto *button = new CustomButton(QPixmap(image), this, checkable);
    button->setFixedSize(buttonWidth, buttonHeight);
    button->setObjectName(name);
    return button;
}

Knob *TransportWidget::makeKnob(int x, int y, int value)
{
    auto *knob = new Knob(this);
    knob->setKnobSize(false);
    knob->setImage(QPixmap(":/images/transport/transport_knob.png"));
    knob->setFixedSize(knobSize, knobSize);
    knob->move(x, y);
    knob->setRange(0, volumeMaximum);
    knob->setValue(value);
    knob->setDefaultValue(value);
    return knob;
}

QLabel *TransportWidget::makeImageLabel(const QString &image, int w, int h)
{
    auto *label = new QLabel(this);
    label->setPixmap(QPixmap(image));
    label->setScaledContents(true);
    label->setFixedSize(w, h);
    return label;
}

void TransportWidget::setPositionSource(const float *position)
{
    m_position = position;
}

void TransportWidget::setSampleRate(int sampleRate)
{
    m_sampleRate = sampleRate;
}

void TransportWidget::setDuration(int sampleCount)
{
    // Without a usable rate or length the clock keeps showing no time.
    if (m_sampleRate <= 0 || sampleCount <= 0) {
        m_durationText = QStringLiteral("0:00");
        return;
    }
    m_durationText = timeText(double(sampleCount) / m_sampleRate, false);
}

QString TransportWidget::timeText(double seconds, bool dropBelowTwentieth)
{
    if (!std::isfinite(seconds) || seconds < 0.0)
        seconds = 0.0;
    qint64 minutes = qint64(std::trunc(seconds / 60.0));
    double s = seconds - double(minutes) * 60.0;
    if (s < 0.0 || (dropBelowTwentieth && s < 0.05))
        s = 0.0;

    QString text = QString::number(s, 'g', 6);
    if (text.contains('e'))
        text = QStringLiteral("0"); // under a ten-thousandth of a second
    // Six digits may round a part just below a minute up to "60": carry it.
    if (text.toDouble() >= 60.0) {
        ++minutes;
        text = QStringLiteral("0");
    }
    const int dot = text.indexOf('.');
    if (dot >= 0)
        text.truncate(dot + 4);
    if (text.toDouble() < 10.0)
        text.prepend('0');
    return QString::number(minutes) + ':' + text;
}

void TransportWidget::updateTime()
{
    double seconds = 0.0;
    if (m_position && m_sampleRate > 0)
        seconds = double(*m_position) / m_sampleRate;
    m_clockLabel->setText(QString(clockFormat).arg(timeText(seconds, true), m_durationText));
}

void TransportWidget::setGreyedButtonsHidden(bool hidden)
{
    if (hidden) {
        m_greyedButtons->hide();
    } else {
        m_greyedButtons->raise();
        m_greyedButtons->show();
    }
}

void TransportWidget::flashMetronome()
{
    m_redLamp->show();
    m_flashTimer->start();
}

void TransportWidget::fadeVolume(bool up, bool pauseAtEnd)
{
    if (!up) {
        // A fade down that follows another (running, or ended with no fade up since)
        // keeps the value from before the first, so the fade up returns there.
        if (m_fadeUp)
            m_rememberedVolume = m_volumeKnob->value();
        m_pauseAtEnd = pauseAtEnd;
    } else if (m_pausedByFade) {
        // Undo the pause that the fade down asked for, once.
        m_pausedByFade = false;
        emit pauseSignal();
    }
    m_fadeUp = up;
    m_fadeTimer->start();
}

void TransportWidget::fadeVolumeSlot()
{
    Knob *knob = m_volumeKnob;
    if (m_fadeUp) {
        // Up to the remembered value, never past the top of the range.
        const auto reached = [&] { return knob->value() >= m_rememberedVolume || knob->value() >= knob->maximum(); };
        if (!reached())
            knob->increment();
        if (reached())
            stopFade();
        return;
    }
    knob->decrement();
    if (knob->value() <= knob->minimum()) {
        stopFade();
        if (m_pauseAtEnd && !m_pausedByFade) {
            m_pausedByFade = true;
            emit pauseSignal();
        }
    }
}

void TransportWidget::stopFade()
{
    m_fadeTimer->stop();
}
