// JamTab: the riff builder tab. For the riff being edited it shows the step row
// (RiffStep), the loop-length bar, the riff chooser and each step's menu with its pitch;
// below them the song row of 16 slots with its riff chooser; play buttons for the riff
// and the song, the beat-offset knob, the riff mode switch and the pitch of the step
// playing. The steps themselves are placed on the waveform (BeatSelection); the shell
// wires the two together and to the player. TabWidget owns it.
#pragma once
#include <QLabel>
#include <QList>
#include <QStringList>

#include "views/playback/custombutton.h"
#include "views/playback/powerbutton.h"

class HighlightSteps;
class Knob;
class LoopLengthWidget;
class MetaData;
class QStackedWidget;
class QTimer;
class RiffIdLabel;
class RiffIdWidget;
class RiffStep;
class SongSlots;
class SongStep;
class SongStepSelector;
class StepContextMenu;

class JamTab : public QLabel
{
    Q_OBJECT
public:
    static constexpr int riffCount = 6;
    static constexpr int stepCount = 16;
    static constexpr int beatOffsetDefault = 49;
    // Where the song slot chooser opens, in tab coordinates: x = floor(slot x 30.1 + 0.5)
    // + songMenuLeft, y = songMenuTop (under the song row).
    static constexpr int songMenuLeft = 255;
    static constexpr int songMenuTop = 307;

    explicit JamTab(QWidget *parent = nullptr);

    void setMetaData(MetaData *metaData);
    // A new track: every riff empty, the song empty, riff A shown, the tab disabled.
    void reset();
    // Session values, as read from the file: each is checked and held to its range; a
    // text that is not a number counts as unset.
    void restoreSessionValues(const QString &powerButton, const QString &currentRiff, const QString &beatOffset,
                              const QStringList &riffLengths, const QStringList &riffLengthMaxes,
                              const QString &songLength = QString(), const QString &songLengthMax = QString(),
                              const QStringList &songSlots = QStringList());
    // After a riff's steps are restored on the waveform: its step row and loop bar follow
    // what the riff really holds (its last step, and the last step that plays).
    void followRestoredRiff(int riff, int lastStep, int lastPlayingStep);

    // The accessors the shell wires and the tests drive.
    QTimer *riffRowTimer(int riff) const;
    SongSlots *songSlots() const;
    CustomButton *riffPlayButton() const { return m_riffPlayButton; }
    CustomButton *songPlayButton() const { return m_songPlayButton; }
    PowerButton *powerButton() const { return m_powerButton; }
    Knob *beatOffsetKnob() const { return m_beatOffsetKnob; }
    RiffIdWidget *riffIdWidget() const { return m_riffIdWidget; }
    RiffIdLabel *riffIdLabel() const { return m_riffIdLabel; }
    QStackedWidget *stepStack() const { return m_stepStack; }
    QStackedWidget *loopLengthStack() const { return m_loopLengthStack; }
    RiffStep *riffStep(int riff) const { return m_riffSteps.value(riff); }
    LoopLengthWidget *loopLengthWidget(int riff) const { return m_loopLengthWidgets.value(riff); }
    LoopLengthWidget *songLoopLengthWidget() const { return m_songLoopLength; }
    SongStep *songStep() const { return m_songStep; }
    SongStepSelector *songStepSelector() const { return m_songStepSelector; }
    StepContextMenu *stepMenu(int riff, int step) const;
    QLabel *pitchLabel() const { return m_pitchLabel; }
    QLabel *beatOutline() const { return m_beatOutline; }
    int currentRiff() const;

public slots:
    void moveBeatOutline(int x);
    void turnOnPowerButton(int on);
    void showContextLabel(int index);
    void setBeatPitchLabel(float pitch);
    void showSongStepMenu(int step);
    void enableWidgets();
    void hideMenus();

signals:
    void setActiveRiff(int riff);
    void playRiff();
    void playSong();
    void setRiffLength(int steps);
    void getBeat(int step);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    PowerButton *m_powerButton;
    CustomButton *m_riffPlayButton;
    CustomButton *m_songPlayButton;
    Knob *m_beatOffsetKnob;
    RiffIdWidget *m_riffIdWidget;
    RiffIdLabel *m_riffIdLabel;
    QStackedWidget *m_loopLengthStack;
    LoopLengthWidget *m_songLoopLength;
    SongStep *m_songStep;
    QStackedWidget *m_stepStack;
    QList<RiffStep *> m_riffSteps;
    QList<LoopLengthWidget *> m_loopLengthWidgets;
    QList<StepContextMenu *> m_stepMenus;
    QLabel *m_beatOutline;
    QLabel *m_pitchLabel;
    SongStepSelector *m_songStepSelector;
    MetaData *m_metaData = nullptr;
};
