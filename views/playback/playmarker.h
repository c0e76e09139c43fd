// PlayMarker: the line over the waveform at the play position (stand-in).
#pragma once
#include <QWidget>

class PlayMarker : public QWidget
{
    Q_OBJECT
public:
    explicit PlayMarker(QWidget *parent = nullptr) : QWidget(parent) {}
    void startFollowTimer(const float *position) { m_position = position; }

private:
    const float *m_position = nullptr;
};
