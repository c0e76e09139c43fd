#include "views/jam/beatlabel.h"

#include "views/playback/labelfont.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

BeatLabel::BeatLabel(int stepIndex, QWidget *parent) : QLabel(parent), m_stepIndex(stepIndex)
{
    m_flashTimer.setInterval(pulseInterval);
    connect(&m_flashTimer, &QTimer::timeout, this, &BeatLabel::changeFlashOpacity);
    m_animateTimer.setInterval(animateInterval);
    connect(&m_animateTimer, &QTimer::timeout, this, &BeatLabel::animate);

    m_numberLabel = new QLabel(this);
    m_numberLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_numberLabel->setAlignment(Qt::AlignCenter);
    m_numberLabel->setFont(LabelFont::bold(7));
    m_numberLabel->setText(QString("<font color='#FFFFFF'>%1</font>").arg(stepIndex + 1));
    setCursor(Qt::OpenHandCursor);
    // Moves without a button go on to the strip, so that an armed step follows the
    // pointer across the other steps too.
    setMouseTracking(true);
    hide();
}

void BeatLabel::setStepData(int state, int beat, int startSample, int endSample)
{
    m_beat.store(beat, std::memory_order_relaxed);
    m_startSample = startSample;
    m_endSample = endSample;
    setLabelState(state);
}

void BeatLabel::setLabelState(int state)
{
    if (state < Unset || state > BeyondLoop)
        state = Unset;
    m_state.store(state, std::memory_order_relaxed);
    switch (state) {
    case Unset:
        m_flashTimer.stop();
        setAnimated(false);
        m_beat.store(0, std::memory_order_relaxed);
        m_startSample = m_endSample = 0;
        hide();
        break;
    case Armed:
        show();
        m_flashTimer.start();
        update();
        break;
    default:
        show();
        m_flashTimer.stop();
        m_flashDirection = false;
        m_opacity = 1.0f;
        update();
        break;
    }
}

void BeatLabel::clearStep()
{
    m_state.store(Unset, std::memory_order_relaxed);
    m_beat.store(0, std::memory_order_relaxed);
    m_startSample = m_endSample = 0;
    m_opacity = 1.0f;
    m_flashDirection = false;
    m_flashTimer.stop();
    setAnimated(false);
    hide();
}

void BeatLabel::setAnimated(bool animated)
{
    if (animated) {
        m_animateTimer.start();
    } else {
        m_animateTimer.stop();
        m_playX = width();
    }
    update();
}

void BeatLabel::changeFlashOpacity()
{
    if (m_flashDirection)
        m_opacity = std::max(minOpacity, m_opacity / pulseFactor);
    else
        m_opacity = std::min(1.0f, m_opacity * pulseFactor);
    update();
}

void BeatLabel::flipFlashOpacity()
{
    m_flashDirection = !m_flashDirection;
}

void BeatLabel::animate()
{
    QWidget *strip = parentWidget();
    if (!m_position || !strip || strip->width() <= 0 || m_trackFrames <= 0)
        return;
    const float spp = float(m_trackFrames) / float(strip->width());
    const float p = std::fabs(*m_position);
    const float x = p / spp;
    if (!std::isfinite(x))
        return;
    // Held to the strip, so that a stray position cannot overflow the conversion.
    const int stripX = int(std::clamp(x, -1.0f, float(strip->width()) + 1.0f));
    m_playX = mapFrom(strip, QPoint(stripX, 0)).x();
    update();
}

void BeatLabel::reOrder()
{
    emit setFirst(m_stepIndex, beat());
}

void BeatLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    switch (state()) {
    case Armed:
        painter.setPen(QColor(150, 0, 0, 135));
        painter.drawRect(0, 0, w - 2, h - 2);
        painter.setBrush(QColor(150, 0, 0, 135));
        break;
    case InLoop:
        painter.setPen(QColor(100, 220, 150, 50));
        painter.setBrush(QColor(100, 220, 150, 50));
        break;
    case BeyondLoop:
        painter.setPen(QColor(110, 110, 110, 50));
        painter.drawRect(0, 0, w - 1, h - 1);
        painter.setBrush(QColor(110, 110, 110, 50));
        break;
    default:
        return;
    }
    painter.setOpacity(double(m_opacity));
    if (!m_animateTimer.isActive()) {
        painter.drawRect(0, 0, w - 1, h - 1);
        return;
    }
    const int playX = std::clamp(m_playX, 0, w);
    if (playX > 0)
        painter.drawRect(0, 0, playX - 1, h - 1);
    painter.setOpacity(0.3);
    if (playX < w)
        painter.drawRect(playX, 0, w - 1 - playX, h - 1);
    painter.setOpacity(1.0);
    painter.setPen(QPen(QColor(180, 180, 180), 1));
    painter.drawLine(playX, 0, playX, h);
}

void BeatLabel::resizeEvent(QResizeEvent *)
{
    m_numberLabel->setGeometry(0, 0, width(), height());
}

void BeatLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        setCursor(Qt::ClosedHandCursor);
    event->accept();
}

void BeatLabel::mouseReleaseEvent(QMouseEvent *event)
{
    setCursor(Qt::OpenHandCursor);
    event->accept();
}

void BeatLabel::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton)) {
        event->ignore();
        return;
    }
    const int x = mapToParent(event->localPos().toPoint()).x();
    emit scrollBeat(this, x, event->modifiers() == Qt::ControlModifier);
    event->accept();
}

void BeatLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    const int s = state();
    if (s == Armed) {
        setLabelState(InLoop);
        emit commitStep();
    } else if (s == InLoop || s == BeyondLoop) {
        setLabelState(Armed);
        emit setActiveStep(m_stepIndex);
    }
    event->accept();
}
