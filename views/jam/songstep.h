// SongStep: the song row of the riff builder: 16 slots, each naming a riff or empty. A
// press on a slot asks the tab for the riff chooser; the slots are held in SongSlots,
// which the player reads while a song plays. JamTab owns it.
#pragma once
#include <QList>
#include <QStringList>

#include "audio/songslots.h"
#include "views/jam/stepwidget.h"

class SongStepLabel;

class SongStep : public StepWidget
{
    Q_OBJECT
public:
    explicit SongStep(QWidget *parent = nullptr);

    SongSlots *songSlots() { return &m_song; }
    const SongSlots *songSlots() const { return &m_song; }
    SongStepLabel *stepLabel(int step) const { return m_labels.value(step); }
    // Session restore: each text a riff number (decimal); anything else empties the slot.
    void restoreSteps(const QStringList &steps);
    // All slots empty.
    void resetSong();

public slots:
    void setRiff(int riffIndex, int stepIndex);
    void setRiffFromMenu(int riffIndex, int stepIndex);

signals:
    void showSongMenu(int step);
    void stopSongPlayback();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    bool drawsWhiteNumbers() const override { return false; }

private:
    QList<SongStepLabel *> m_labels;
    SongSlots m_song;
};
