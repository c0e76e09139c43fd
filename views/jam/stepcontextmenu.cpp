#include "views/jam/stepcontextmenu.h"

#include "views/jam/contextpitchwidget.h"
#include "views/jam/stepwidget.h"
#include "views/playback/custombutton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace {
// A transparent two-frame strip: the close key is drawn in the menu's own image.
QPixmap clearStrip()
{
    QPixmap strip(20, 40);
    strip.fill(Qt::transparent);
    return strip;
}
} // namespace

StepContextMenu::StepContextMenu(int step, QWidget *parent)
    : QWidget(parent), m_image(":/images/jam/right_click_context.png"), m_step(step)
{
    setFixedSize(128, 160);

    m_firstButton = new QPushButton("1st", this);
    m_firstButton->setFocusPolicy(Qt::NoFocus);
    m_firstButton->setGeometry(104, 66, 20, 20);
    QFont font("Arial", 7);
    font.setWeight(75);
    m_firstButton->setFont(font);
    m_firstButton->setStyleSheet("QPushButton { color: #E0D2C0; background-color: #3A3430; border: 1px solid #B4641E;"
                                 " border-radius: 4px; padding: 0px; }"
                                 "QPushButton:pressed { background-color: #E67A0F; color: #1E1B19; }");
    connect(m_firstButton, SIGNAL(released()), this, SLOT(hide()));

    m_pitchWidget = new ContextPitchWidget(step, this);
    m_pitchWidget->move(10, 66);
    connect(m_pitchWidget, SIGNAL(contextPitchChanged(float, int)), this, SIGNAL(contextPitchChanged(float, int)));

    m_closeButton = new CustomButton(clearStrip(), this, false);
    m_closeButton->setGeometry(width() - 41, 41, 20, 20);
    connect(m_closeButton, SIGNAL(pressed()), this, SLOT(hide()));
    hide();
}

void StepContextMenu::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_image.isNull())
        painter.drawPixmap(0, 0, m_image);
}

void StepContextMenu::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->localPos().y() > 32)
        return;
    // The top of the menu lies over the step row: a click there picks that row's step.
    const QWidget *tab = parentWidget();
    const double x = event->localPos().x() + (tab ? pos().x() : 0);
    emit showDifferentContextMenu(StepWidget::cellAt(x - rowLeft));
    hide();
}
