#include "views/playback/knob.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>


Knob::Knob(QWidget *parent) : QDial(parent)
{
    connect(this, &QAbstractSlider::sliderMoved, this, &Knob::moveImage);
    connect(this, &QAbstractSlider::valueChanged, this, &Knob::setSyncValueSlot);
}

void Knob::setKnobSize(bool large)
{
    if (large) {
        setImage(QPixmap(":/images/real_time_tools/knob_large.png"));
        setFixedSize(85, 85);
        setValue(49);
    } else {
        setImage(QPixmap(":/images/real_time_tools/knob_small.png"));
        setFixedSize(64, 64);
    }
}

void Knob::setImage(const QPixmap &image)
{
    m_image = image;
    m_scaled = QPixmap();
    update();
}

void Knob::resetToDefault()
{
    setValue(m_defaultValue);
    emit resetKnob();
}

void Knob::increment()
{
    setValue(value() + 1);
}

void Knob::decrement()
{
    setValue(value() - 1);
}

void Knob::moveImage(int)
{
    repaint();
}

void Knob::setSyncValueSlot(int value)
{
    emit setSyncValueSignal(objectName(), value);
}

void Knob::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int w = width();
    const int h = height();
    if (!m_image.isNull() && w > 0 && h > 0) {
        if (m_scaled.isNull() || m_scaled.width() != w) {
            m_scaled = m_image.width() == w
                           ? m_image
                           : m_image.scaled(w, h, Qt::KeepAspectRatioByExpanding, Qt::FastTransformation);
        }
        // Ranges start at 0, so the value is the frame; a short strip shows its last frame.
        const int frames = m_scaled.height() / h;
        if (frames > 0) {
            const int frame = qBound(0, value(), frames - 1);
            painter.drawPixmap(QRect(0, 0, w, h), m_scaled, QRect(0, frame * h, w, h));
            return;
        }
    }
    // No strip yet: a plain dial with a pointer, so the knob can still be read.
    const qreal r = qMin(w, h) / 2.0 - 2;
    const QPointF c(w / 2.0, h / 2.0);
    painter.setPen(QPen(QColor(27, 27, 27), 2));
    painter.setBrush(QColor(60, 60, 60));
    painter.drawEllipse(c, r, r);
    const int span = qMax(1, maximum() - minimum());
    const double angle = (225.0 - 270.0 * (value() - minimum()) / span) * M_PI / 180.0;
    painter.setPen(QPen(QColor(230, 122, 15), 2));
    painter.drawLine(c, c + QPointF(std::cos(angle) * r * 0.8, -std::sin(angle) * r * 0.8));
}

void Knob::mousePressEvent(QMouseEvent *event)
{
    // The base press would jump the value to the pointer; a knob is only dragged.
    if (event->buttons() == Qt::LeftButton) {
        m_lastX = int(std::lround(event->localPos().x()));
        m_lastY = int(std::lround(event->localPos().y()));
        if (event->modifiers() == Qt::MetaModifier)
            resetToDefault();
    } else if (event->buttons() == Qt::RightButton) {
        resetToDefault();
    }
    event->accept();
}

void Knob::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::LeftButton)
        return;
    const int y = int(std::lround(event->localPos().y()));
    setValue(value() + m_lastY - y);
    m_lastX = int(std::lround(event->localPos().x()));
    m_lastY = y;
}

void Knob::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void Knob::wheelEvent(QWheelEvent *event)
{
    // One step per notch (the dial's own handling moves several).
    const int steps = m_wheelNotches.take(event);
    if (steps != 0)
        setValue(value() + steps * singleStep());
    event->accept();
}

void Knob::enterEvent(QEvent *event)
{
    emit knobEntered();
    QDial::enterEvent(event);
}

void Knob::leaveEvent(QEvent *event)
{
    emit knobExited();
    QDial::leaveEvent(event);
}
