// CapoWidget: the chord viewer's capo read-out, fret 0..11. Every press re-sends the fret;
// ChordsTab moves the diagrams and the chord strip down by it.
#pragma once
#include "views/chords/notchedreadout.h"

class CapoWidget : public NotchedReadout
{
    Q_OBJECT
public:
    static constexpr int highestFret = 11;

    explicit CapoWidget(QWidget *parent = nullptr);
    int value() const { return m_value; }
    // A session's fret; anything outside 0..11 is held to it.
    void setCapoFromSession(int fret);

signals:
    void shiftFret(float fret);

public slots:
    void updateFretShift(float fretShift);
    void reset();

protected:
    void zonePressed(Zone zone, int x) override;
    void resetPressed() override;
    void wheelTurned(int delta) override;
    QString displayText() const override;

private:
    void setFret(int fret);

    int m_value = 0;
};
