#include "views/chords/chordsscrollbutton.h"

#include <QPainter>

ChordsScrollButton::ChordsScrollButton(QWidget *parent, bool up)
    : QAbstractButton(parent), m_image(up ? ":/images/chords/up.png" : ":/images/chords/down.png")
{
    setAutoRepeat(true);
    setAutoRepeatDelay(50);
    setAutoRepeatInterval(50);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QAbstractButton::pressed, this, &ChordsScrollButton::animateButtonPress);
    connect(this, &QAbstractButton::released, this, &ChordsScrollButton::animateButtonRelease);
}

void ChordsScrollButton::animateButtonPress()
{
    m_frameOffset = 12;
    repaint();
}

void ChordsScrollButton::animateButtonRelease()
{
    m_frameOffset = 0;
    repaint();
}

void ChordsScrollButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_image, QRect(0, m_frameOffset, 70, 12));
}
