// The chord viewer over real analysis results: the diagram lists, the filter's button, the
// current and next chord, key shift and capo against the strip, read-outs and session values.
#pragma once
#include <QObject>

class TestChordsTab : public QObject
{
    Q_OBJECT
private slots:
    void detectedChordsMakeDiagrams();
    void scrollArrowsForMoreThanEight();
    void currentAndNextChord();
    void powerChordsCompareRoots();
    void shiftAndCapoMatchTheStrip();
    void keyShiftReadout();
    void capoAndTempoReadouts();
    void neckAndSessionValues();
    void panesPickTheDrawnRow();
};
