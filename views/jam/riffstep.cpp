#include "views/jam/riffstep.h"

#include "metadata/metadata.h"
#include "views/jam/highlightsteps.h"

#include <QEvent>
#include <QMouseEvent>

RiffStep::RiffStep(QWidget *parent) : StepWidget(QPixmap(":/images/jam/step_select.png"), parent)
{
    m_highlight = new HighlightSteps(this);
    m_highlight->setGeometry(0, 0, rowWidth, cellWidth);
}

void RiffStep::reset()
{
    m_firstStepSet = false;
    m_armedStep = -1;
    m_highlight->stop();
    m_whiteNumberLength = 1;
    m_currentStep = 0;
    update();
}

bool RiffStep::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip)
        return true;
    return StepWidget::event(event);
}

void RiffStep::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (!m_metaData || !m_metaData->hasData())
        return;
    const double x = event->localPos().x();
    const int cell = cellAt(x);
    const bool menuPress = event->button() == Qt::RightButton
                           || (event->button() == Qt::LeftButton && event->modifiers() == Qt::MetaModifier);
    if (menuPress) {
        emit contextStepMoved(int(x));
        emit showContext(cell);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    // The furthest cell that may be armed: the next new step when the loop reaches the
    // riff's end, else the loop's last step.
    const int max = getMaxLoopValue(0);
    const int reach = m_whiteNumberLength == max + 1 ? max + 1 : m_whiteNumberLength - 1;
    const bool armed = m_highlight->timer()->isActive();
    if (reach == 1 && armed) {
        emit lockSelection();
        commitStep();
        return;
    }
    if (armed && cell == m_armedStep) {
        emit lockSelection();
        commitStep();
        return;
    }
    if (cell > reach || armed)
        return;
    // A riff starts at its first step.
    if (!m_firstStepSet && cell > 0)
        return;
    arm(cell);
}

void RiffStep::arm(int cell)
{
    m_armedStep = cell;
    m_highlight->setArmedCell(cell);
    emit stepArmed(cell);
    emit showStepSelection(1);
}

void RiffStep::setArmedStep(int step)
{
    if (step < 0 || step >= cellCount)
        return;
    // The strip commits the step armed before where it stands: a new one joins the loop.
    if (m_armedStep >= 0 && m_armedStep != step)
        commitStep();
    m_armedStep = step;
    m_highlight->setArmedCell(step);
    emit showStepSelection(1);
}

void RiffStep::commitStep()
{
    const int step = m_armedStep;
    m_armedStep = -1;
    m_highlight->stop();
    if (step < 0)
        return;
    m_firstStepSet = true;
    // A step placed past the furthest one grows the loop to it.
    if (step > getMaxLoopValue(0))
        emit setLoopLength(step);
}

void RiffStep::disarm(int)
{
    m_armedStep = -1;
    m_highlight->stop();
}

void RiffStep::disarm()
{
    // A step being placed is kept where it stands.
    if (m_armedStep >= 0)
        emit lockSelection();
    m_armedStep = -1;
    m_highlight->stop();
}
