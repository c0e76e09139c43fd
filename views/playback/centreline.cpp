#include "views/playback/centreline.h"

#include <QPainter>

CentreLine::CentreLine(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CentreLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(QColor(180, 180, 180), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    const int x = width() / 2;
    painter.drawLine(x, 0, x, height());
}
