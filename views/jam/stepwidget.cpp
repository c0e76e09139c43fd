#include "views/jam/stepwidget.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

StepWidget::StepWidget(const QPixmap &image, QWidget *parent)
    : QWidget(parent), m_image(image), m_whiteNumbers(":/images/jam/white_step_numbers.png")
{
    setMouseTracking(true);
}

int StepWidget::cellAt(double x)
{
    if (!std::isfinite(x))
        return 0;
    const int rounded = int(std::lround(std::clamp(x, -1.0e6, 1.0e6)));
    return std::clamp(rounded / cellWidth, 0, cellCount - 1);
}

void StepWidget::setWhiteNumberLength(int steps)
{
    m_whiteNumberLength = std::clamp(steps + 1, 0, int(cellCount));
    update();
}

void StepWidget::setStep(int step)
{
    if (step < 0 || step >= cellCount)
        return;
    m_currentStep = step;
    update();
}

void StepWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int h = cellWidth;
    if (!m_image.isNull())
        painter.drawPixmap(QPoint(0, 0), m_image, QRect(0, m_currentStep * h, rowWidth, h));
    if (!drawsWhiteNumbers() || m_whiteNumbers.isNull())
        return;
    // White numbers on the loop's cells, except the playing one.
    const int loopEnd = cellWidth * m_whiteNumberLength; // first column past the loop
    const int playStart = cellWidth * m_currentStep;
    const int playEnd = playStart + cellWidth;
    if (playStart > 0)
        painter.drawPixmap(QPoint(0, 0), m_whiteNumbers, QRect(0, 0, std::min(playStart, loopEnd), h));
    if (playEnd < loopEnd)
        painter.drawPixmap(QPoint(playEnd, 0), m_whiteNumbers, QRect(playEnd, 0, loopEnd - playEnd, h));
}

void StepWidget::enterEvent(QEvent *)
{
    emit showBeatOutline();
}

void StepWidget::leaveEvent(QEvent *)
{
    emit hideBeatOutline();
}

void StepWidget::mouseMoveEvent(QMouseEvent *event)
{
    emit moveBeatOutline(cellAt(event->localPos().x()) * cellWidth);
}
