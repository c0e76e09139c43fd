// SongStepLabel: the letter of one song slot (A to F, "-" when empty). The wheel steps its
// riff; any change is announced to the song row. SongStep owns sixteen.
#pragma once
#include <QLabel>

#include "views/playback/wheelnotches.h"

class SongStepLabel : public QLabel
{
    Q_OBJECT
public:
    SongStepLabel(int step, QWidget *parent = nullptr);

    int riff() const { return m_riff; }
    int step() const { return m_step; }
    // Stores the riff (outside 0..5 counts as empty) without announcing it.
    void setRiffValue(int riff);
    // Shows the riff's letter and emits setRiff(riff, step).
    void updateRiffText();
    // The text a riff shows: its letter, or "-".
    static QString riffText(int riff);

public slots:
    void setRiffFromMenu(int riff);

signals:
    void setRiff(int riffIndex, int stepIndex);

protected:
    void wheelEvent(QWheelEvent *event) override;

private:
    int m_riff = -1;
    int m_step;
    WheelNotches m_wheelNotches;
};
