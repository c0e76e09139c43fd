// SmallPlot: the overview strip of the whole track under the waveform (stand-in).
#pragma once
#include <QWidget>

class SmallPlot : public QWidget
{
    Q_OBJECT
public:
    explicit SmallPlot(QWidget *parent = nullptr) : QWidget(parent) { hide(); }
};
