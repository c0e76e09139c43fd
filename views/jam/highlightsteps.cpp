#include "views/jam/highlightsteps.h"

#include <QPainter>

#include <algorithm>

HighlightSteps::HighlightSteps(QWidget *parent) : QWidget(parent), m_image(":/images/jam/highlight_steps.png")
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_timer.setInterval(flashInterval);
    connect(&m_timer, SIGNAL(timeout()), this, SLOT(flash()));
    hide();
}

void HighlightSteps::setArmedCell(int cell)
{
    m_cell = std::clamp(cell, 0, 15);
    show();
    m_timer.start();
    update();
}

void HighlightSteps::stop()
{
    m_timer.stop();
    hide();
}

void HighlightSteps::flash()
{
    setHidden(!isHidden());
}

void HighlightSteps::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_image.isNull())
        return;
    painter.drawPixmap(rect(), m_image, QRect(0, m_cell * 30, m_image.width(), 30));
}
