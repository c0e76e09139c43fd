// TabWidget: the middle band of the main window. Over the tab background it holds a
// stack of the three tool tabs (0 real-time tools, 1 riff builder, 2 chord viewer) and
// the TabButtons strip that switches them. The main window builds it, resets it before
// each new file and reaches the tabs through its accessors.
#pragma once
#include <QLabel>

#include "app/tabbuttons.h"
#include "views/chords/chordstab.h"
#include "views/jam/jamtab.h"
#include "views/playback/realtimetoolstab.h"

class QStackedWidget;

class TabWidget : public QLabel
{
    Q_OBJECT
public:
    explicit TabWidget(QWidget *parent = nullptr);

    RealTimeToolsTab *realTimeToolsTab() { return m_tools; }
    JamTab *jamTab() { return m_jam; }
    ChordsTab *chordsTab() { return m_chords; }
    TabButtons *tabButtons() { return m_tabButtons; }
    QStackedWidget *stack() { return m_stack; }

    // Before a new file: the tools, then the chord viewer, then the riff builder.
    void resetTabs();

private:
    void createTabs();
    void connectTabs();

    RealTimeToolsTab *m_tools = nullptr;
    ChordsTab *m_chords = nullptr;
    JamTab *m_jam = nullptr;
    TabButtons *m_tabButtons = nullptr;
    QStackedWidget *m_stack = nullptr;
};
