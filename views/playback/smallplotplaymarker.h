// SmallPlotPlayMarker: the play position in the overview strip (stand-in).
#pragma once
#include <QWidget>

class SmallPlotPlayMarker : public QWidget
{
    Q_OBJECT
public:
    explicit SmallPlotPlayMarker(QWidget *parent = nullptr) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    void setPositionSource(const float *position) { m_position = position; }

public slots:
    void setSampleCount(int sampleCount) { m_sampleCount = sampleCount; }
    void updatePos(int) {}

private:
    const float *m_position = nullptr;
    int m_sampleCount = 0;
};
