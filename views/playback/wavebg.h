// WaveBg: the waveform area at the top of the window: frame, waveform, overview strip,
// progress bar and text, and the scroll switch (stand-in).
#pragma once
#include <QLabel>
#include <QWidget>

#include "views/playback/plotter.h"
#include "views/playback/powerbutton.h"
#include "views/playback/progressbar.h"
#include "views/playback/smallplot.h"

class WaveBg : public QWidget
{
    Q_OBJECT
public:
    explicit WaveBg(QWidget *parent = nullptr)
        : QWidget(parent), m_plotter(new Plotter(this)), m_scrollButton(new PowerButton(this)),
          m_smallPlot(new SmallPlot(this)), m_progressBar(new ProgressBar(this)), m_progressLabel(new QLabel(this))
    {
        m_progressLabel->hide();
    }
    Plotter *plotter() { return m_plotter; }
    PowerButton *scrollButton() { return m_scrollButton; }
    SmallPlot *smallPlot() { return m_smallPlot; }
    ProgressBar *progressBar() { return m_progressBar; }

public slots:
    void setProgressLabelText(const QString &text)
    {
        m_progressLabel->setText(text);
        m_progressLabel->show();
    }
    void clearProgressLabel()
    {
        m_progressLabel->clear();
        m_progressLabel->hide();
    }

private:
    Plotter *m_plotter;
    PowerButton *m_scrollButton;
    SmallPlot *m_smallPlot;
    ProgressBar *m_progressBar;
    QLabel *m_progressLabel;
};
