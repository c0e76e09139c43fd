#include "views/jam/songstepselector.h"

#include <QMouseEvent>

#include <algorithm>
#include <cmath>

SongStepSelector::SongStepSelector(QWidget *parent) : QLabel(parent)
{
    setFixedSize(45, 132);
    setPixmap(QPixmap(":/images/jam/riff_menu.png"));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    m_highlight = new QLabel(this);
    m_highlight->setPixmap(QPixmap(":/images/jam/highlight_riff.png"));
    m_highlight->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_highlight->setGeometry(7, 5, 25, rowHeight);
    hide();
}

void SongStepSelector::showMenu(int step)
{
    m_step = step;
    show();
    raise();
}

void SongStepSelector::hideMenu()
{
    m_step = -1;
    hide();
}

void SongStepSelector::mouseMoveEvent(QMouseEvent *event)
{
    const int y = int(std::lround(event->localPos().y()));
    if (y < 0 || y >= 100)
        return;
    const int cell = (height() - 19) / 6;
    m_riff = std::clamp(y / cell, 0, 5);
    m_highlight->move(7, cell * m_riff + 5);
}

void SongStepSelector::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    mouseMoveEvent(event);
    const int step = m_step;
    m_step = -1;
    hide();
    if (step >= 0)
        emit setRiff(m_riff, step);
}
