// Plotter: draws the decoded track and holds the overlays on it (stand-in).
#pragma once
#include <QList>
#include <QWidget>

#include "views/chords/chordsstrip.h"
#include "views/chords/processinglabel.h"
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
          m_selection(new PlotSelection(this)), m_chordsStrip(new ChordsStrip(this)),
          m_processingLabel(new ProcessingLabel(this))
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
    ProcessingLabel *processingLabel() { return m_processingLabel; }
    void setWaveform(float *left, float *right, int frames, bool stereo)
    {
        m_left = left;
        m_right = right;
        m_frames = frames;
        m_stereo = stereo;
    }

private:
    PlayMarker *m_playMarker;
    SmallPlotPlayMarker *m_smallPlotPlayMarker;
    PlotSelection *m_selection;
    ChordsStrip *m_chordsStrip;
    ProcessingLabel *m_processingLabel;
    float *m_left = nullptr;
    float *m_right = nullptr;
    int m_frames = 0;
    bool m_stereo = false;
    QList<BeatSelection *> m_beatSelections;
    MetaData *m_metaData = nullptr;
};
