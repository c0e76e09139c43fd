// TransportWidget: the transport bar at the bottom of the window (stand-in).
#pragma once
#include <QWidget>

class TransportWidget : public QWidget
{
    Q_OBJECT
public:
    explicit TransportWidget(QWidget *parent = nullptr) : QWidget(parent) {}
    void setPositionSource(const float *position) { m_position = position; }
    void setSampleRate(int sampleRate) { m_sampleRate = sampleRate; }
    void setDuration(int frames) { m_duration = frames; }

private:
    const float *m_position = nullptr;
    int m_sampleRate = 44100;
    int m_duration = 0;
};
