// Plotter: the zoomable waveform view of the loaded track. Once per track it reduces the
// samples to an envelope and draws the waveform at eight zoom levels into the
// PlotCanvas; afterwards zooming, scrolling and following playback only move widgets
// and switch levels. It also holds the overlays that lie on the waveform: the play
// marker, the selection, the six riff beat selections, the chord strip, the chord
// editor and the "calculating" notice. WaveBg creates it; the main window hands it the
// analysis results and, after decoding, the sample arrays.
#pragma once
#include <QList>
#include <QPointF>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include "views/chords/chordsstrip.h"
#include "views/chords/processinglabel.h"
#include "views/chords/singlechordeditwidget.h"
#include "views/jam/beatselection.h"
#include "views/playback/playmarker.h"
#include "views/playback/plotselection.h"
#include "views/playback/wheelnotches.h"

class CentreLine;
class ChordLabel;
class MetaData;
class PlotCanvas;
class QPixmap;
class QStackedWidget;
class QTimer;
class QWheelEvent;

class Plotter : public QWidget
{
    Q_OBJECT
public:
    static constexpr int levelCount = 8;
    static constexpr int riffCount = 6;
    // Envelope points per view pixel, each a top and a bottom value.
    static constexpr int envelopeDensity = 64;

    explicit Plotter(QWidget *parent = nullptr);

    void setMetaData(MetaData *metaData);
    // Borrows the decoded arrays (left and right; for mono both hold the same samples),
    // builds the envelope and the eight levels, and opens the track at level 4 at its
    // start. Runs on the GUI thread and reports progress through updateProgressBar.
    void setWaveform(const float *left, const float *right, int sampleCount, bool stereo);
    // The session's plot values: zoom centre first, zoom factor second, as texts.
    void restoreZoomFromSession(const QStringList &plotValues);

    // Zoom factor of level k: 0.6 to the power k, multiplied out in single precision.
    static float levelFactor(int level);
    static float minimumZoomFactor() { return levelFactor(levelCount - 1); }
    // The level whose per-cent rounding matches the factor; 7 when none does.
    static int levelForFactor(float factor);

    int sampleCount() const { return m_sampleCount; }
    bool isStereo() const { return m_stereo; }
    bool hasWaveform() const { return m_hasWaveform; }
    float zoomCentre() const { return m_zoomCentre; }
    float centreColumn() const { return m_centreColumn; }
    // The address the chord strip follows while the view scrolls with playback.
    const float *centreColumnPointer() const { return &m_centreColumn; }
    int zoomLevel() const;
    bool isScrollingOff() const { return m_scrollOff; }
    bool isRiffSongPlayback() const { return m_riffSongPlayback; }
    const QVector<QPointF> &envelope() const { return m_envelope; }

    PlayMarker *playMarker() const { return m_playMarker; }
    PlotSelection *plotSelection() const { return m_selection; }
    BeatSelection *beatSelection(int index) const { return m_beatSelections.value(index); }
    ChordsStrip *chordsStrip() const { return m_chordsStrip; }
    ProcessingLabel *processingLabel() const { return m_processingLabel; }
    SingleChordEditWidget *chordEditor() const { return m_chordEditor; }
    PlotCanvas *canvas() const { return m_canvas; }
    CentreLine *centreLine() const { return m_centreLine; }
    QStackedWidget *selectionStack() const { return m_selectionStack; }
    QStackedWidget *beatSelectionStack() const { return m_beatSelectionStack; }
    QTimer *scrollTimer() const { return m_scrollTimer; }
    QTimer *zoomGuardTimer() const { return m_zoomGuardTimer; }

public slots:
    void setCentreZoomPos(float zoomCentre);
    void setZoomFactor(QWheelEvent *event);
    void scrollPlot(QWheelEvent *event);
    void zoomPlot(int wheelValue);
    void updateZoom(int zoom);
    void updateWaveform();
    void playbackScroll();
    void riffSongPlayback(bool playingRiffSong);
    void switchSelectionWidget(int index);
    void activateBeatSelecitionWidget(bool activate);
    void setActiveRiff(int riff);
    void setScrolling(bool scrolling);
    void showChordEdit(QString chordText, int num, ChordLabel *chordLabel);
    float getZoomFactor() const { return m_zoomFactor; }
    void zoomIn();
    void zoomOut();

signals:
    void showSmallPlotPlayMarker();
    void setSmallPlotPixmap(QPixmap pixmap, float zoomFactor, int centre);
    void setSmallPlotZoomCentre(int x);
    void setSmallPlotZoomFactor(float zoomFactor);
    void setSmallPlotSampleCount(int sampleCount);
    void updateProgressBar(float pc);

protected:
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildEnvelope();
    void drawWaveform();
    void selectZoomLevel();
    // A centre that is set (the overview, following, a session) is kept as asked, held
    // only to the track, so that zoom steps keep that point in the middle of the view or,
    // near an end, inside it. The layout places the canvas without a gap at either end.
    float trackCentre(float centre) const;
    // The centre of the window actually shown: held half a window from either end.
    float shownCentre(float centre) const;
    void placeChordEditor(bool allowRecentre);
    void guardedZoom(int direction);

    PlotCanvas *m_canvas = nullptr;
    CentreLine *m_centreLine = nullptr;
    PlayMarker *m_playMarker = nullptr;
    PlotSelection *m_selection = nullptr;
    QStackedWidget *m_selectionStack = nullptr;
    QStackedWidget *m_beatSelectionStack = nullptr;
    QList<BeatSelection *> m_beatSelections;
    ChordsStrip *m_chordsStrip = nullptr;
    ProcessingLabel *m_processingLabel = nullptr;
    SingleChordEditWidget *m_chordEditor = nullptr;
    QPointer<QWidget> m_editLabel;

    const float *m_left = nullptr;
    const float *m_right = nullptr;
    int m_sampleCount = 0;
    bool m_stereo = false;
    QVector<QPointF> m_envelope;

    float m_zoomFactor = 1.0f;
    float m_zoomCentre = 0.0f;
    float m_centreColumn = 0.0f;
    bool m_scrollOff = false;
    bool m_riffSongPlayback = false;
    bool m_hasWaveform = false;
    WheelNotches m_wheelNotches;

    QTimer *m_scrollTimer = nullptr;
    QTimer *m_zoomGuardTimer = nullptr;
    MetaData *m_metaData = nullptr;
};
