// BeatLabel: one step of a riff on the waveform (stand-in).
#pragma once
#include <QLabel>

class BeatLabel : public QLabel
{
    Q_OBJECT
public:
    explicit BeatLabel(QWidget *parent = nullptr) : QLabel(parent) {}
    void setPositionSource(const float *position) { m_position = position; }

private:
    const float *m_position = nullptr;
};
