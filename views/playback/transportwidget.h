// TransportWidget: the transport bar at the bottom of the window (stand-in).
#pragma once
#include <QWidget>

class TransportWidget : public QWidget
{
    Q_OBJECT
public:
    explicit TransportWidget(QWidget *parent = nullptr) : QWidget(parent) {}
    void setPositionSource(const float *position) { m_position = position; }

private:
    const float *m_position = nullptr;
};
