// CentreLine: the fixed vertical line at the middle of the waveform view that stands
// for the play position while the view scrolls with playback. The Plotter shows it in
// place of the play marker when the marker sits at the centre.
#pragma once
#include <QWidget>

class CentreLine : public QWidget
{
    Q_OBJECT
public:
    explicit CentreLine(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
