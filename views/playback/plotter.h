// Plotter: draws the decoded track and holds the overlays on it (stand-in).
#pragma once
#include <QList>
#include <QWidget>

#include "views/chords/chordsstrip.h"
#include "views/jam/beatselection.h"
#include "views/playback/playmarker.h"
#include "views/playback/plotselection.h"
#include "views/playback/smallplotplaymarker.h"

class MetaData;

class Plotter : public QWidget
{
    Q_OBJECT
public:
    explicit Plotter(QWidget *parent = nullptr)
        : QWidget(parent), m_playMarker(new PlayMarker(this)), m_smallPlotPlayMarker(new SmallPlotPlayMarker(this)),
          m_selection(new PlotSelection(this)), m_chordsStrip(new ChordsStrip(this))
    {
        for (int i = 0; i < 6; ++i)
            m_beatSelections.append(new BeatSelection(this));
    }
    void setMetaData(MetaData *metaData) { m_metaData = metaData; }
    BeatSelection *beatSelection(int index) { return m_beatSelections.value(index); }
    PlayMarker *playMarker() { return m_playMarker; }
    SmallPlotPlayMarker *smallPlotPlayMarker() { return m_smallPlotPlayMarker; }
    PlotSelection *plotSelection() { return m_selection; }
    ChordsStrip *chordsStrip() { return m_chordsStrip; }

private:
    PlayMarker *m_playMarker;
    SmallPlotPlayMarker *m_smallPlotPlayMarker;
    PlotSelection *m_selection;
    ChordsStrip *m_chordsStrip;
    QList<BeatSelection *> m_beatSelections;
    MetaData *m_metaData = nullptr;
};
