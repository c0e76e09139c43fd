#include "views/playback/plotbutton.h"

#include <QMouseEvent>
#include <QPainter>

PlotButton::PlotButton(const QString &name, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    setFixedSize(43, 18);
    if (name == "muteSolo")
        m_image = QPixmap(":/images/real_time_tools/mute_solo.png");
    else if (name == "filter")
        m_image = QPixmap(":/images/real_time_tools/hi_lo.png");
}

void PlotButton::setStateFromSession(bool state)
{
    m_state = state;
    emit setState(m_state);
    repaint();
}

void PlotButton::reset()
{
    setStateFromSession(true);
}

void PlotButton::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    QPainter painter(this);
    const int half = m_image.height() / 2;
    const QRect source(0, m_state ? half : 0, m_image.width(), half);
    painter.drawPixmap(rect(), m_image, source);
}

void PlotButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_state = event->localPos().x() <= width() / 2;
    emit setState(m_state);
    repaint();
    event->accept();
}
