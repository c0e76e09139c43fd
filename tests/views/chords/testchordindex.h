// Chord names to indexes and back, and transposition by key shift and capo.
#pragma once
#include <QObject>

class TestChordIndex : public QObject
{
    Q_OBJECT
private slots:
    void namesAndSpellings();
    void shiftAmountFromKeyAndCapo();
    void shiftWrapsAnyOffsetAndKeepsNone();
    void forwardThenBackIsIdentity();
};
