// The chord editor over a real chord strip and analysis results, its cache writes read
// back from the file, the "calculating" notice and the chord filter page.
#pragma once
#include <QObject>

class TestChordEditor : public QObject
{
    Q_OBJECT
private slots:
    void dotsLightTheChordShown();
    void replaceWritesTheRunAndTheCache();
    void replaceAllKeepsOtherQualities();
    void cancelAndRefusalsWriteNothing();
    void processingNoticeCountsItsDots();
    void filterMarksAndPresets();
};
