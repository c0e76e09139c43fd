#include "views/jam/riffidlabel.h"

#include <QMouseEvent>

#include <cmath>

RiffIdLabel::RiffIdLabel(QWidget *parent) : QLabel(parent)
{
    setMouseTracking(true);
    setScaledContents(true);
    setPixmap(QPixmap(":/images/jam/riff_menu.png"));
    m_highlight = new QLabel(this);
    m_highlight->setPixmap(QPixmap(":/images/jam/highlight_riff.png"));
    m_highlight->setScaledContents(true);
    m_highlight->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_highlight->setGeometry(5, m_highlightTop, 28, rowHeight);
    hide();
}

void RiffIdLabel::showRiffIdLabel(int key)
{
    if (!isHidden()) {
        hide();
        return;
    }
    show();
    raise();
    moveHighlight(key * rowHeight + 7);
}

void RiffIdLabel::moveHighlight(int y)
{
    if (y <= m_highlightTop + rowHeight && y >= m_highlightTop)
        return;
    if (y < 7 || y > 107)
        return;
    m_highlightTop = (y / rowHeight) * (height() / 7) + 6;
    m_highlight->move(5, m_highlightTop);
}

void RiffIdLabel::mouseMoveEvent(QMouseEvent *event)
{
    moveHighlight(int(std::lround(event->localPos().y())));
}

void RiffIdLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void RiffIdLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const int riff = int(std::lround(event->localPos().y())) / rowHeight;
    hide();
    if (riff <= 0)
        emit setRiffId(0);
    else if (riff <= 5)
        emit setRiffId(riff);
}
