// PlotSelection: the selected part of the track over the waveform (stand-in).
#pragma once
#include <QWidget>

class PlotSelection : public QWidget
{
    Q_OBJECT
public:
    explicit PlotSelection(QWidget *parent = nullptr) : QWidget(parent) {}
    int *startPointer() { return &m_start; }
    int *endPointer() { return &m_end; }

private:
    int m_start = 0;
    int m_end = 0;
};
