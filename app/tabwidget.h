// TabWidget: holds the real-time tools, riff builder and chord viewer tabs (stand-in).
#pragma once
#include <QStackedWidget>

#include "app/tabbuttons.h"
#include "views/chords/chordstab.h"
#include "views/jam/jamtab.h"
#include "views/playback/realtimetoolstab.h"

class TabWidget : public QStackedWidget
{
    Q_OBJECT
public:
    explicit TabWidget(QWidget *parent = nullptr)
        : QStackedWidget(parent), m_tools(new RealTimeToolsTab(this)), m_jam(new JamTab(this)), m_chords(new ChordsTab(this)),
          m_tabButtons(new TabButtons(this))
    {
        addWidget(m_tools);
        addWidget(m_jam);
        addWidget(m_chords);
        connect(m_tabButtons, SIGNAL(tabChanged(int)), this, SLOT(setCurrentIndex(int)));
    }
    RealTimeToolsTab *realTimeToolsTab() { return m_tools; }
    JamTab *jamTab() { return m_jam; }
    ChordsTab *chordsTab() { return m_chords; }
    TabButtons *tabButtons() { return m_tabButtons; }
    void resetTabs()
    {
        m_chords->reset();
        m_jam->reset();
    }

private:
    RealTimeToolsTab *m_tools;
    JamTab *m_jam;
    ChordsTab *m_chords;
    TabButtons *m_tabButtons;
};
