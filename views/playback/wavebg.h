// WaveBg: the waveform area at the top of the window: frame, waveform, overview strip
// and the scroll switch (stand-in).
#pragma once
#include <QWidget>

#include "views/playback/plotter.h"
#include "views/playback/powerbutton.h"

class WaveBg : public QWidget
{
    Q_OBJECT
public:
    explicit WaveBg(QWidget *parent = nullptr)
        : QWidget(parent), m_plotter(new Plotter(this)), m_scrollButton(new PowerButton(this))
    {
    }
    Plotter *plotter() { return m_plotter; }
    PowerButton *scrollButton() { return m_scrollButton; }

private:
    Plotter *m_plotter;
    PowerButton *m_scrollButton;
};
