// TabWidget: holds the real-time tools, riff builder and chord viewer tabs (stand-in).
#pragma once
#include <QStackedWidget>

#include "views/chords/chordstab.h"
#include "views/jam/jamtab.h"
#include "views/playback/realtimetoolstab.h"

class TabWidget : public QStackedWidget
{
    Q_OBJECT
public:
    explicit TabWidget(QWidget *parent = nullptr)
        : QStackedWidget(parent), m_tools(new RealTimeToolsTab(this)), m_jam(new JamTab(this)), m_chords(new ChordsTab(this))
    {
        addWidget(m_tools);
        addWidget(m_jam);
        addWidget(m_chords);
    }
    RealTimeToolsTab *realTimeToolsTab() { return m_tools; }
    JamTab *jamTab() { return m_jam; }
    ChordsTab *chordsTab() { return m_chords; }
    void resetTabs() {}

private:
    RealTimeToolsTab *m_tools;
    JamTab *m_jam;
    ChordsTab *m_chords;
};
