// KeyShiftWidget: the chord viewer's key shift read-out, -12..12 semitones. It is the same
// pitch shift as the tools tab's: every change goes to the pitch sync (with a step code:
// 1 up, -1 down, 2 no change, 0 reset) and to the chord viewer, and the tools tab's pitch
// changes come back through updateKeyShift. ChordsTab owns it.
#pragma once
#include "views/chords/notchedreadout.h"

class KeyShiftWidget : public NotchedReadout
{
    Q_OBJECT
public:
    static constexpr float limit = 12.0f;
    enum StepCode { ResetCode = 0, UpCode = 1, DownCode = -1, SameCode = 2 };

    explicit KeyShiftWidget(QWidget *parent = nullptr);
    float value() const { return m_value; }

signals:
    void shiftKey(float keyShift);
    void setSyncValueSignal(QString objectName, int value);
    void resetFineTune();

public slots:
    void updateKeyShift(float keyShift);
    void reset();

protected:
    void zonePressed(Zone zone, int x) override;
    void resetPressed() override;
    void wheelTurned(int delta) override;
    QString displayText() const override;

private:
    void step(int direction);

    float m_value = 0.0f;
};
