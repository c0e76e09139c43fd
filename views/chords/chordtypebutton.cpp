#include "views/chords/chordtypebutton.h"

#include <QPainter>

ChordTypeButton::ChordTypeButton(QWidget *parent, bool open)
    : QAbstractButton(parent), m_image(open ? ":/images/chords/open.png" : ":/images/chords/power.png"),
      m_frameOffset(open ? 0 : 18), m_open(open)
{
    setFixedSize(45, 18);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QAbstractButton::pressed, this, &ChordTypeButton::animateButtonPress);
}

void ChordTypeButton::setFrameOffset(int offset)
{
    m_frameOffset = offset == 0 ? 0 : 18;
    update();
}

void ChordTypeButton::animateButtonPress()
{
    if (m_frameOffset != 18)
        return;
    setFrameOffset(0);
    repaint();
    if (m_open) {
        emit useOpenChords();
        emit setChordType(0);
    } else {
        emit usePowerChords();
        emit setChordType(1);
    }
}

void ChordTypeButton::disableButton()
{
    setFrameOffset(18);
}

void ChordTypeButton::enableButton()
{
    setFrameOffset(0);
}

void ChordTypeButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_image, QRect(0, m_frameOffset, 45, 18));
}
