// BeatSelection: one riff laid over the waveform, a transparent strip exactly as wide as
// the drawn track. It owns the riff's Riff (step pitches) and its 16 BeatLabels, and
// turns the mouse into step assignments: a double click arms the next step, moves carry
// the armed step from beat to beat, a double click on it commits it, a drag moves a step
// (Control moves the whole riff). The riff builder tab drives it through the shell's
// wiring; Plotter creates the six strips; AudioPlayer reads it as a RiffSource.
//
// Beats sit where the waveform draws them: beat b spans the pixels from
// floor((beats[b] - 2048) / samplesPerPixel + 0.5) to the same for beats[b + 1].
#pragma once
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QVector>
#include <QWidget>

#include <atomic>

#include "audio/riffsource.h"
#include "views/jam/beatlabel.h"
#include "views/jam/riff.h"

class MetaData;

class BeatSelection : public QWidget, public RiffSource
{
    Q_OBJECT
public:
    // Beat positions are drawn this many samples early, as playback starts a step early.
    static constexpr int beatLead = 2048;

    explicit BeatSelection(QWidget *parent = nullptr);

    Riff *riff() { return m_riff; }
    const QList<BeatLabel *> &beatLabels() const { return m_labels; }
    BeatLabel *beatLabel(int step) const { return m_labels.value(step); }
    // The timer whose ticks turn the armed step's pulse; the shell hands over the riff
    // row's highlight timer before setMetaData.
    void setFlashTimer(QTimer *timer) { m_flashTimer = timer; }
    QTimer *flashTimer() const { return m_flashTimer; }
    void setMetaData(MetaData *metaData);
    void setTrackFrames(int frames);
    int trackFrames() const { return m_trackFrames; }
    // A new track: no step, and (when beats are known) step 1 shown on the first beat.
    void clear();

    int armedStep() const { return m_armedStep; }
    int lastStep() const { return m_lastStep.load(std::memory_order_relaxed); }
    // Number of steps that play (-1 before the first step).
    int loopLength() const { return m_loopLength.load(std::memory_order_relaxed); }
    int hoverBeat() const { return m_hoverBeat; }
    float samplesPerPixel() const;
    // The beat whose drawn span holds strip pixel x; -1 for none.
    int beatAtX(double x) const;

    // RiffSource, read by the player's thread.
    int stepBeat(int step) const override;
    int lastBeatIndex() const override;
    float stepPitch(int step) const override;

    // Session restore, in this order: setLastStep, setLoopLength, restoreStep for each
    // step, Riff::setStepInterp, then finishRestore, which drops what does not fit the
    // track or the riff (unknown beats, gaps) and lays the labels out.
    void setLastStep(int step);
    void restoreStep(int step, int state, int beat, int startSample, int endSample);
    void finishRestore();

public slots:
    // Places the step labels over their beats (also after the beat offset moved them).
    void layoutBeatLabels();

    void setArmedStep(int step, int beat = -1);
    void reArmStep(int step);
    void lockSelection();
    void interpChanged(float interp, int step);
    void flash();
    // The argument is the index of the last step in the loop (-1 to 15).
    void setLoopLength(int loopLength);
    void extendLoopLength(int step);
    void scrollBeatLabel(BeatLabel *beatLabel, int xMouse, bool ctrlClick);
    void setAnimatedStep(int step);
    void setFirst(int step, int beat);

signals:
    void setActiveStep(int step);
    void commitStep();
    void checkEnableAudioExport();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void metaDataArrived();

private:
    // The beat list, copied under the analysis' lock; empty without data.
    QVector<float> beatList() const;
    static bool usable(const QVector<float> &beats) { return beats.size() >= 2; }
    void assign(BeatLabel *label, int state, int beat, const QVector<float> &beats);
    int loopState(int step) const;
    // Commits an armed step without announcing it: a new step joins the loop.
    void settleArmedStep();
    void showFirstStepPlaceholder(const QVector<float> &beats);

    Riff *m_riff;
    QPointer<QTimer> m_flashTimer;
    QList<BeatLabel *> m_labels;
    MetaData *m_metaData = nullptr;
    int m_trackFrames = 0;
    int m_armedStep = -1;
    // The armed step was added at the riff's end (not re-armed): committing it grows the loop.
    bool m_newStepArmed = false;
    std::atomic<int> m_lastStep{-1};
    std::atomic<int> m_loopLength{-1};
    int m_hoverBeat = -1;
};
