#include "views/playback/slider.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace {
constexpr int trackStart = 23;     // pixels left of the track's first value
constexpr float trackSpan = 0.867f; // share of the width that covers 100 values
}

Slider::Slider(QWidget *parent) : QSlider(Qt::Horizontal, parent)
{
    m_image = QPixmap(":/images/real_time_tools/slider.png");
    connect(this, &QAbstractSlider::sliderMoved, this, &Slider::moveImage);
}

void Slider::resetValue()
{
    setValue(50);
}

void Slider::moveImage(int)
{
    repaint();
}

void Slider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    if (!m_image.isNull() && h > 0 && m_image.height() >= h) {
        const int frames = m_image.height() / h;
        const int frame = qBound(0, value() - minimum(), frames - 1);
        painter.drawPixmap(QRect(0, 0, w, h), m_image, QRect(0, frame * h, w, h));
        return;
    }
    // No strip yet: a groove and a thumb where the press rule would put the value.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(27, 27, 27));
    painter.drawRoundedRect(QRectF(trackStart, h / 2.0 - 2, w * trackSpan, 4), 2, 2);
    const int span = qMax(1, maximum() - minimum());
    const qreal x = trackStart + w * trackSpan * (value() - minimum()) / span;
    painter.setBrush(QColor(170, 170, 170));
    painter.drawRoundedRect(QRectF(x - 4, 2, 8, h - 4), 2, 2);
}

bool Slider::valueAt(qreal localX, int *value) const
{
    const float span = float(width() * trackSpan);
    if (!(span > 0))
        return false;
    const long x = std::lround(localX);
    // Truncate toward zero, then let the range clamp; bound first so the cast is defined.
    const float v = (1.0f / span) * float(x - trackStart) * 100.0f;
    *value = int(std::trunc(qBound(-1.0e6f, v, 1.0e6f)));
    return true;
}

void Slider::centre()
{
    setValue(maximum() / 2);
}

void Slider::mousePressEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::LeftButton) {
        int v = 0;
        if (valueAt(event->localPos().x(), &v))
            setValue(v);
        if (event->modifiers() == Qt::MetaModifier)
            centre();
    } else if (event->buttons() == Qt::RightButton) {
        centre();
    }
    event->accept();
}

void Slider::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::LeftButton)
        return;
    int v = 0;
    if (valueAt(event->localPos().x(), &v))
        setValue(v);
}

void Slider::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void Slider::wheelEvent(QWheelEvent *event)
{
    const int steps = m_wheelNotches.take(event);
    if (steps != 0)
        setValue(value() + steps * singleStep());
    event->accept();
}
