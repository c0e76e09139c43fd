#include "app/tabwidget.h"

#include "app/tabbuttons.h"
#include "views/chords/chordstab.h"
#include "views/jam/jamtab.h"
#include "views/playback/realtimetoolstab.h"

#include <QPixmap>
#include <QStackedWidget>

TabWidget::TabWidget(QWidget *parent) : QLabel(parent)
{
    createTabs();
    connectTabs();
}

void TabWidget::createTabs()
{
    setScaledContents(true);
    setPixmap(QPixmap(":/images/background_tabs.png"));

    m_tools = new RealTimeToolsTab(this);
    m_chords = new ChordsTab(this);
    m_jam = new JamTab(this);

    m_tabButtons = new TabButtons(this);
    m_tabButtons->setGeometry(325, 12, 350, 25);

    m_stack = new QStackedWidget(this);
    m_stack->addWidget(m_tools);
    m_stack->addWidget(m_jam);
    m_stack->addWidget(m_chords);
    m_stack->setGeometry(0, 0, 1000, 355);

    m_tabButtons->raise();
    m_stack->setCurrentIndex(0);
}

void TabWidget::connectTabs()
{
    connect(m_tabButtons, SIGNAL(tabChanged(int)), m_stack, SLOT(setCurrentIndex(int)));
}

void TabWidget::resetTabs()
{
    m_tools->resetTools();
    m_chords->reset();
    m_jam->reset();
}
