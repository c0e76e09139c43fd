#include "views/playback/custombutton.h"

#include <QMouseEvent>
#include <QPainter>

CustomButton::CustomButton(const QPixmap &image, QWidget *parent, bool checkable)
    : QPushButton(parent), m_image(image)
{
    setCheckable(checkable);
    // The program's shortcuts own the keyboard; a focused button would eat the space bar.
    setFocusPolicy(Qt::NoFocus);
}

void CustomButton::latch()
{
    m_drawnState = 1;
    setChecked(true);
    repaint();
}

void CustomButton::unlatch()
{
    m_drawnState = 0;
    // Unlatched while still held (its press was refused, or stopped what it started): the
    // coming release would toggle it on again, so it stays off after the release too.
    m_unlatchOnRelease = isCheckable() && isDown();
    setChecked(false);
    repaint();
}

void CustomButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    if (!m_image.isNull() && m_image.height() >= h * (m_drawnState + 1)) {
        painter.drawPixmap(QRect(0, 0, w, h), m_image, QRect(0, m_drawnState * h, w, h));
        return;
    }
    // No usable strip: a plain face, darker while pressed, so the button stays usable.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(27, 27, 27));
    painter.setBrush(m_drawnState ? QColor(230, 122, 15) : QColor(70, 70, 70));
    painter.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 4, 4);
}

void CustomButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_drawnState = 1;
    m_unlatchOnRelease = false;
    repaint();
    QPushButton::mousePressEvent(event);
}

void CustomButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_drawnState = (isCheckable() && !isChecked()) ? 1 : 0;
    repaint();
    QPushButton::mouseReleaseEvent(event);
    if (m_unlatchOnRelease) {
        m_unlatchOnRelease = false;
        setChecked(false);
    }
    // A release outside the button does not toggle it; the frame follows the real state.
    const int state = (isCheckable() && isChecked()) ? 1 : 0;
    if (state != m_drawnState) {
        m_drawnState = state;
        update();
    }
}

void CustomButton::checkStateSet()
{
    // setChecked from outside (a session, a signal): show the matching frame.
    const int state = isChecked() ? 1 : 0;
    if (state != m_drawnState) {
        m_drawnState = state;
        update();
    }
}
