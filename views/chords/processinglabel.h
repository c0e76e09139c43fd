// ProcessingLabel: the "Calculating chords" notice over the waveform while the
// analysis runs (stand-in). The main window shows it and starts its dot timer.
#pragma once
#include <QTimer>
#include <QWidget>

class ProcessingLabel : public QWidget
{
    Q_OBJECT
public:
    explicit ProcessingLabel(QWidget *parent = nullptr) : QWidget(parent), m_dotTimer(new QTimer(this))
    {
        m_dotTimer->setInterval(500);
        hide();
    }
    QTimer *dotTimer() { return m_dotTimer; }

private:
    QTimer *m_dotTimer;
};
