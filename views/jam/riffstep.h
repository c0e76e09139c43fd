// RiffStep: the step row of one riff in the riff builder. A click arms a cell (the step
// then follows the mouse on the waveform), a second click on it commits it; a right
// click opens the step's menu. It blinks the armed cell and tells the riff's
// BeatSelection (through the shell's wiring) which step to place. JamTab owns six.
#pragma once
#include "views/jam/stepwidget.h"

class HighlightSteps;
class MetaData;

class RiffStep : public StepWidget
{
    Q_OBJECT
public:
    explicit RiffStep(QWidget *parent = nullptr);

    void setMetaData(MetaData *metaData) { m_metaData = metaData; }
    HighlightSteps *highlight() const { return m_highlight; }
    int armedStep() const { return m_armedStep; }
    bool isFirstStepSet() const { return m_firstStepSet; }
    // Back to a riff with no step (a new track).
    void reset();
    void setFirstStepSet(bool set) { m_firstStepSet = set; }

public slots:
    void setArmedStep(int step);
    void commitStep();
    void disarm(int value);
    void disarm();
    bool firstStepSet() { return m_firstStepSet; }

signals:
    void stepArmed(int step);
    void showStepSelection(int index);
    void lockSelection();
    void showContext(int step);
    void contextStepMoved(int x);
    void hideContext();

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void arm(int cell);

    MetaData *m_metaData = nullptr;
    HighlightSteps *m_highlight;
    int m_armedStep = -1;
    bool m_firstStepSet = false;
};
