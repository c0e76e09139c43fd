// SmallPlotPlayMarker: the play position in the overview strip (stand-in).
#pragma once
#include <QWidget>

class SmallPlotPlayMarker : public QWidget
{
    Q_OBJECT
public:
    explicit SmallPlotPlayMarker(QWidget *parent = nullptr) : QWidget(parent) {}
    void setPositionSource(const float *position) { m_position = position; }

private:
    const float *m_position = nullptr;
};
