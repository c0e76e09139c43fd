// The chord strip over real analysis results: runs, placement, names in the current key,
// the play highlight, the beat offset and the edit mode.
#pragma once
#include <QObject>

#include "views/chords/chordindex.h"

// Answers the strip's query as the chord viewer does, for a shift set by the test.
class ChordViewerStandIn : public QObject
{
    Q_OBJECT
public:
    int currentShift = 0;
public slots:
    int getChordIndex(QString chord, int shiftAmount)
    {
        return ChordIndex::transposed(ChordIndex::indexOf(chord), currentShift, shiftAmount);
    }
};

class TestChordsStrip : public QObject
{
    Q_OBJECT
private slots:
    void runsAndPlaces();
    void noDataHidesTheStrip();
    void namesMatchTheDiagramsForEveryShift();
    void beatOffsetMovesOnceAfterARebuild();
    void playHighlightRepaintsOnlyChangedLabels();
    void editWidensAndPicksBeats();
    void hoverOnANarrowLabel();
};
