#include "views/chords/necktypewidget.h"

#include "views/playback/plusminusreadout.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

NeckTypeWidget::NeckTypeWidget(QWidget *parent)
    : QPushButton(parent), m_image(":/images/real_time_tools/plus_minus.png")
{
    setFixedSize(93, 20);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QPushButton::pressed, this, &NeckTypeWidget::buttonPressed);
}

void NeckTypeWidget::step(int direction)
{
    m_neckType = (m_neckType + direction + neckCount) % neckCount;
    emit neckTypeChanged(m_neckType);
    update();
}

void NeckTypeWidget::buttonPressed()
{
    switch (PlusMinusReadout::zoneAt(m_pressX)) {
    case PlusMinusReadout::MinusZone:
        m_image = QPixmap(":/images/real_time_tools/plus_minus_down.png");
        step(-1);
        break;
    case PlusMinusReadout::PlusZone:
        m_image = QPixmap(":/images/real_time_tools/plus_minus_up.png");
        step(1);
        break;
    case PlusMinusReadout::MiddleZone:
        break;
    }
}

void NeckTypeWidget::reset()
{
    m_neckType = 0;
    update();
}

void NeckTypeWidget::setNeckType(int type)
{
    m_neckType = type >= 0 && type < neckCount ? type : 0;
    emit neckTypeChanged(m_neckType);
    update();
}

void NeckTypeWidget::mousePressEvent(QMouseEvent *event)
{
    if (PlusMinusReadout::isResetPress(event)) {
        m_neckType = 0;
        emit neckTypeChanged(0);
        update();
        event->accept();
        return;
    }
    m_pressX = int(std::lround(event->localPos().x()));
    QPushButton::mousePressEvent(event);
}

void NeckTypeWidget::mouseReleaseEvent(QMouseEvent *event)
{
    QPushButton::mouseReleaseEvent(event);
    m_image = QPixmap(":/images/real_time_tools/plus_minus.png");
    update();
}

void NeckTypeWidget::wheelEvent(QWheelEvent *event)
{
    const int steps = m_wheelNotches.take(event);
    for (int i = 0; i < std::abs(steps); ++i)
        step(steps > 0 ? 1 : -1);
    event->accept();
}

void NeckTypeWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(rect(), m_image);
    const QColor lit(230, 122, 15);
    const QColor dim(170, 170, 170);
    for (int i = 0; i < neckCount; ++i) {
        const QColor c = i == m_neckType ? lit : dim;
        painter.setPen(c);
        painter.setBrush(i == m_neckType ? QBrush(c) : QBrush(Qt::NoBrush));
        painter.drawEllipse(QRectF(30 + 10 * i, 9, 3, 3));
    }
}
