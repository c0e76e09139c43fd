#include "views/jam/songsteplabel.h"

#include "views/playback/labelfont.h"

#include <QWheelEvent>

#include <algorithm>

SongStepLabel::SongStepLabel(int step, QWidget *parent) : QLabel(parent), m_step(step)
{
    setFixedSize(18, 20);
    setAlignment(Qt::AlignCenter);
    setFont(LabelFont::bold(10));
    setText(step == 0 ? "<font color='#929292'>-</font>" : "<font color='#505050'>-</font>");
}

QString SongStepLabel::riffText(int riff)
{
    const QString letter = riff >= 0 && riff <= 5 ? QString(QChar('A' + riff)) : QString("-");
    return "<font color='#B4B4B4'>" + letter + "</font>";
}

void SongStepLabel::setRiffValue(int riff)
{
    m_riff = riff >= 0 && riff <= 5 ? riff : -1;
}

void SongStepLabel::updateRiffText()
{
    setText(riffText(m_riff));
    emit setRiff(m_riff, m_step);
}

void SongStepLabel::setRiffFromMenu(int riff)
{
    setRiffValue(riff);
    updateRiffText();
}

void SongStepLabel::wheelEvent(QWheelEvent *event)
{
    event->accept();
    const int steps = m_wheelNotches.take(event);
    if (steps == 0)
        return;
    const int riff = std::clamp(m_riff + steps, -1, 5);
    if (riff == m_riff)
        return;
    m_riff = riff;
    updateRiffText();
}
