#include "views/playback/powerbutton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

PowerButton::PowerButton(QWidget *parent) : QAbstractButton(parent)
{
    // The state changes only through a press or the owners' calls, never by keyboard.
    setFocusPolicy(Qt::NoFocus);
}

void PowerButton::setState(bool small)
{
    m_small = small;
    update();
}

QSize PowerButton::sizeHint() const
{
    return m_small ? QSize(20, 20) : QSize(25, 25);
}

void PowerButton::switchOff()
{
    if (!m_on)
        return;
    emit buttonOn(true);
    m_on = false;
    repaint();
}

void PowerButton::setValueFromSession(bool on)
{
    m_on = on;
    emit buttonOn(!on);
    repaint();
}

void PowerButton::setValueFromJamPlay(bool off)
{
    m_on = !off;
    emit buttonOn(off);
    repaint();
}

void PowerButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const char *name = m_on ? (m_small ? ":/images/real_time_tools/power_on_small.png"
                                       : ":/images/real_time_tools/power_on.png")
                            : (m_small ? ":/images/real_time_tools/power_off_small.png"
                                       : ":/images/real_time_tools/power_off.png");
    const QPixmap image(QString::fromLatin1(name));
    if (!image.isNull()) {
        painter.drawPixmap(0, 0, image);
        return;
    }
    // No image: a lamp, lit while on.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(27, 27, 27), 2));
    painter.setBrush(m_on ? QColor(230, 122, 15) : QColor(70, 70, 70));
    const qreal d = qMin(width(), height()) - 4;
    painter.drawEllipse(QRectF(2, 2, d, d));
}

void PowerButton::mousePressEvent(QMouseEvent *event)
{
    // Any mouse button: tell the old state (true = it was on and now goes off), then flip.
    emit buttonOn(m_on);
    emit stop();
    m_on = !m_on;
    repaint();
    event->accept();
}

void PowerButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}
