// WaveBg: the waveform area at the top of the main window. It builds, places and wires
// the zoomable waveform (Plotter), the overview strip and its play marker, the progress
// bar and text shown while a track is decoded and drawn, the scroll switch and the zoom
// buttons, under a frame image that lies over them all. The main window creates it and
// sets and clears the progress text while it opens a file.
#pragma once
#include <QLabel>
#include <QString>

#include "views/playback/plotter.h"
#include "views/playback/powerbutton.h"
#include "views/playback/progressbar.h"
#include "views/playback/smallplot.h"
#include "views/playback/smallplotplaymarker.h"
#include "views/playback/zoombuttons.h"

class WaveBg : public QLabel
{
    Q_OBJECT
public:
    // Places of the children in the frame.
    static const QRect plotterRect;
    static const QRect smallPlotRect;
    static const QRect scrollButtonRect;
    static const QRect zoomButtonsRect;

    explicit WaveBg(QWidget *parent = nullptr);

    Plotter *plotter() const { return m_plotter; }
    SmallPlot *smallPlot() const { return m_smallPlot; }
    SmallPlotPlayMarker *smallPlotPlayMarker() const { return m_smallPlotPlayMarker; }
    ProgressBar *progressBar() const { return m_progressBar; }
    QLabel *progressLabel() const { return m_progressLabel; }
    QLabel *foreground() const { return m_foreground; }
    // The scroll switch: on while the view follows playback.
    PowerButton *scrollButton() const { return m_scrollButton; }
    ZoomButtons *zoomButtons() const { return m_zoomButtons; }

public slots:
    void setProgressLabelText(QString text);
    void clearProgressLabel();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *m_foreground;
    Plotter *m_plotter;
    SmallPlot *m_smallPlot;
    SmallPlotPlayMarker *m_smallPlotPlayMarker;
    ProgressBar *m_progressBar;
    QLabel *m_progressLabel;
    PowerButton *m_scrollButton;
    ZoomButtons *m_zoomButtons;
};
