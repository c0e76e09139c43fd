// ChordsStrip: the detected chords, beat by beat, over the waveform (stand-in).
#pragma once
#include <QWidget>

class ChordsStrip : public QWidget
{
    Q_OBJECT
public:
    explicit ChordsStrip(QWidget *parent = nullptr) : QWidget(parent) {}
    void deleteChordLabels() {}
};
