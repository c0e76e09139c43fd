// Riffs on the waveform: a real BeatSelection over real analysis results, driven by
// double clicks, moves and drags.
#include "testbeatselection.h"

#include "jamfixture.h"

#include <QSignalSpy>
#include <QtTest>

using namespace jamfixture;

namespace {

struct Strip
{
    MetaData metaData;
    BeatSelection selection;

    explicit Strip(int beats = 40)
    {
        if (beats > 0)
            giveBeats(metaData, beats);
        selection.setMetaData(&metaData);
        selection.resize(stripWidth, stripHeight);
        selection.setTrackFrames(trackFrames);
        selection.clear();
        selection.show();
    }
    BeatLabel *label(int step) { return selection.beatLabel(step); }
    QVector<int> beats()
    {
        QVector<int> list;
        for (int k = 0; k <= selection.lastStep(); ++k)
            list << label(k)->beat();
        return list;
    }
    QVector<int> states()
    {
        QVector<int> list;
        for (int k = 0; k <= selection.lastStep(); ++k)
            list << label(k)->state();
        return list;
    }
    // Arms the next step by a double click over `beat`, moves it there and commits it.
    void place(int beat)
    {
        QTest::mouseDClick(&selection, Qt::LeftButton, Qt::NoModifier, beatPoint(beat));
        moveMouse(&selection, beatPoint(beat));
        selection.lockSelection();
    }
};

} // namespace

void TestBeatSelection::doubleClicksArmAndCommitSteps()
{
    Strip strip;
    QSignalSpy armed(&strip.selection, &BeatSelection::setActiveStep);
    QSignalSpy committed(&strip.selection, &BeatSelection::commitStep);

    // The first step starts on the first beat; the next move brings it under the mouse.
    QTest::mouseDClick(&strip.selection, Qt::LeftButton, Qt::NoModifier, beatPoint(5));
    QCOMPARE(armed.count(), 1);
    QCOMPARE(armed.last().at(0).toInt(), 0);
    QCOMPARE(strip.label(0)->state(), int(BeatLabel::Armed));
    QCOMPARE(strip.label(0)->beat(), 0);
    QCOMPARE(strip.selection.lastBeatIndex(), -1); // placing, not playing yet
    QVERIFY(strip.label(0)->isFlashing());
    moveMouse(&strip.selection, beatPoint(5));
    QCOMPARE(strip.label(0)->beat(), 5);
    QCOMPARE(strip.selection.hoverBeat(), 5);
    QCOMPARE(strip.label(0)->geometry(), QRect(50, 0, 9, stripHeight));
    QCOMPARE(strip.label(0)->startSample(), BeatSelection::beatLead + 5 * beatSpacing);
    QCOMPARE(strip.label(0)->endSample(), BeatSelection::beatLead + 6 * beatSpacing);

    // While a step is armed a double click on the strip arms nothing more.
    QTest::mouseDClick(&strip.selection, Qt::LeftButton, Qt::NoModifier, beatPoint(20));
    QCOMPARE(armed.count(), 1);

    // A double click on the armed step commits it, and it plays.
    QTest::mouseDClick(strip.label(0), Qt::LeftButton, Qt::NoModifier, QPoint(4, 10));
    QCOMPARE(committed.count(), 1);
    QCOMPARE(strip.label(0)->state(), int(BeatLabel::InLoop));
    QVERIFY(!strip.label(0)->isFlashing());
    QCOMPARE(strip.selection.armedStep(), -1);
    QCOMPARE(strip.selection.lastBeatIndex(), 0);

    // Later steps start where the double click was; moving over another step's label
    // still carries the armed step (the label hands the move on).
    QTest::mouseDClick(&strip.selection, Qt::LeftButton, Qt::NoModifier, beatPoint(12));
    QCOMPARE(armed.last().at(0).toInt(), 1);
    QCOMPARE(strip.label(1)->beat(), 12);
    QCOMPARE(strip.selection.lastBeatIndex(), 0);
    moveMouse(strip.label(0), QPoint(4, 10));
    QCOMPARE(strip.label(1)->beat(), 5);
    // Outside every beat the armed step stays.
    moveMouse(&strip.selection, QPoint(stripWidth - 2, 10));
    QCOMPARE(strip.label(1)->beat(), 5);
    QCOMPARE(strip.selection.hoverBeat(), 5);
    moveMouse(&strip.selection, beatPoint(7));
    strip.selection.lockSelection();
    QCOMPARE(strip.beats(), QVector<int>({5, 7}));
    QCOMPARE(strip.selection.lastBeatIndex(), 1);

    // A double click on a placed step re-arms it; the loop stays as it was.
    QTest::mouseDClick(strip.label(0), Qt::LeftButton, Qt::NoModifier, QPoint(4, 10));
    QCOMPARE(armed.last().at(0).toInt(), 0);
    QCOMPARE(strip.selection.armedStep(), 0);
    moveMouse(&strip.selection, beatPoint(3));
    QTest::mouseDClick(strip.label(0), Qt::LeftButton, Qt::NoModifier, QPoint(4, 10));
    QCOMPARE(strip.beats(), QVector<int>({3, 7}));
    QCOMPARE(strip.selection.lastBeatIndex(), 1);
}

void TestBeatSelection::refusalsAndTheBeatCap()
{
    {
        // No analysis results: nothing arms, from the strip or from the step row.
        Strip strip(0);
        QSignalSpy armed(&strip.selection, &BeatSelection::setActiveStep);
        QTest::mouseDClick(&strip.selection, Qt::LeftButton, Qt::NoModifier, beatPoint(3));
        strip.selection.setArmedStep(0);
        strip.selection.extendLoopLength(4);
        QCOMPARE(armed.count(), 0);
        QCOMPARE(strip.selection.lastStep(), -1);
        QCOMPARE(strip.selection.lastBeatIndex(), -1);
    }
    Strip strip(12); // beats 0..11 can hold a step
    QSignalSpy armed(&strip.selection, &BeatSelection::setActiveStep);
    QTest::mouseDClick(&strip.selection, Qt::RightButton, Qt::NoModifier, beatPoint(3));
    QCOMPARE(armed.count(), 0);

    // Steps from the step row follow the step before; at the last beat they stay there.
    strip.place(10);
    strip.selection.setArmedStep(1);
    strip.selection.lockSelection();
    strip.selection.setArmedStep(2);
    strip.selection.lockSelection();
    QCOMPARE(strip.beats(), QVector<int>({10, 11, 11}));
    // A step that does not follow the last one is not armed.
    strip.selection.setArmedStep(9);
    QCOMPARE(strip.selection.armedStep(), -1);
    QCOMPARE(strip.selection.lastStep(), 2);

    // Sixteen steps fill a riff; a double click then arms nothing.
    for (int k = 3; k < 16; ++k)
        strip.place(k);
    QCOMPARE(strip.selection.lastStep(), 15);
    QCOMPARE(strip.selection.lastBeatIndex(), 15);
    const int before = armed.count();
    QTest::mouseDClick(&strip.selection, Qt::LeftButton, Qt::NoModifier, beatPoint(3));
    QCOMPARE(armed.count(), before);
    QCOMPARE(strip.selection.armedStep(), -1);
}

void TestBeatSelection::loopLengthAndExtending()
{
    Strip strip(30);
    for (int beat : {4, 5, 6, 8, 9, 10})
        strip.place(beat);
    QCOMPARE(strip.selection.lastStep(), 5);

    // The argument is the loop's last step: 0 to 2 play, 3 to 5 wait beyond it.
    strip.selection.setLoopLength(2);
    QCOMPARE(strip.states(), QVector<int>({2, 2, 2, 3, 3, 3}));
    QCOMPARE(strip.selection.lastBeatIndex(), 2);
    strip.selection.setLoopLength(-1);
    QCOMPARE(strip.states(), QVector<int>({3, 3, 3, 3, 3, 3}));
    QCOMPARE(strip.selection.lastBeatIndex(), -1);
    strip.selection.setLoopLength(40); // held to the riff
    QCOMPARE(strip.selection.lastBeatIndex(), 5);

    // Extending past skipped cells fills each with the beat after the one before.
    QSignalSpy exportCheck(&strip.selection, &BeatSelection::checkEnableAudioExport);
    strip.selection.extendLoopLength(9);
    QCOMPARE(strip.beats(), QVector<int>({4, 5, 6, 8, 9, 10, 11, 12, 13, 14}));
    QCOMPARE(strip.states(), QVector<int>(10, BeatLabel::InLoop));
    QCOMPARE(strip.selection.lastBeatIndex(), 9);
    QCOMPARE(exportCheck.count(), 1);
    for (int k = 6; k <= 9; ++k)
        QVERIFY(!strip.label(k)->isHidden());

    // Extending to the end of the track stops at the last beat that has an end.
    strip.selection.setFirst(0, 0);
    strip.place(27);
    strip.selection.extendLoopLength(15);
    QCOMPARE(strip.label(10)->beat(), 27);
    QCOMPARE(strip.label(11)->beat(), 28);
    QCOMPARE(strip.label(12)->beat(), 29);
    QCOMPARE(strip.label(15)->beat(), 29);

    // Cutting clears every step above the new end.
    strip.selection.extendLoopLength(3);
    QCOMPARE(strip.selection.lastStep(), 3);
    QCOMPARE(strip.selection.lastBeatIndex(), 3);
    for (int k = 4; k < 16; ++k) {
        QCOMPARE(strip.label(k)->state(), int(BeatLabel::Unset));
        QVERIFY(strip.label(k)->isHidden());
        QCOMPARE(strip.selection.stepBeat(k), -1);
    }
}

void TestBeatSelection::dragsMoveOneStepOrTheWholeRiff()
{
    Strip strip(30);
    for (int beat : {2, 4, 6})
        strip.place(beat);

    // A left drag moves the step beat by beat; its state stays.
    BeatLabel *second = strip.label(1);
    QTest::mousePress(second, Qt::LeftButton, Qt::NoModifier, QPoint(4, 10));
    QCOMPARE(second->cursor().shape(), Qt::ClosedHandCursor);
    moveMouse(second, QPoint(4 + 50, 10), Qt::LeftButton);
    QTest::mouseRelease(second, Qt::LeftButton, Qt::NoModifier, QPoint(54, 10));
    QCOMPARE(second->cursor().shape(), Qt::OpenHandCursor);
    QCOMPARE(strip.beats(), QVector<int>({2, 9, 6}));
    QCOMPARE(second->state(), int(BeatLabel::InLoop));
    QCOMPARE(second->x(), 90);

    // With Control the whole riff moves by the same number of beats, or not at all when
    // a step would leave the track.
    QTest::mousePress(second, Qt::LeftButton, Qt::ControlModifier, QPoint(4, 10));
    moveMouse(second, QPoint(4 - 30, 10), Qt::LeftButton, Qt::ControlModifier); // beat 6: step 1 to -1
    QCOMPARE(strip.beats(), QVector<int>({2, 9, 6}));
    moveMouse(second, QPoint(4 - 20, 10), Qt::LeftButton, Qt::ControlModifier); // beat 7
    QCOMPARE(strip.beats(), QVector<int>({0, 7, 4}));
    QTest::mouseRelease(second, Qt::LeftButton, Qt::ControlModifier, QPoint(4, 10));
    QCOMPARE(strip.label(0)->x(), 0);
    // Shift is not Control: one step moves.
    QTest::mousePress(second, Qt::LeftButton, Qt::ShiftModifier, QPoint(4, 10));
    moveMouse(second, QPoint(4 + 100, 10), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
    QCOMPARE(strip.beats(), QVector<int>({0, 17, 4}));
    QTest::mouseRelease(second, Qt::LeftButton);
    // Past the last beat nothing moves.
    QTest::mousePress(second, Qt::LeftButton, Qt::NoModifier, QPoint(4, 10));
    moveMouse(second, QPoint(stripWidth, 10), Qt::LeftButton);
    QCOMPARE(strip.beats(), QVector<int>({0, 17, 4}));
    QTest::mouseRelease(second, Qt::LeftButton);
}

void TestBeatSelection::reorderStartsAtTheChosenStep()
{
    Strip strip(50);
    for (int beat : {40, 10, 30, 20})
        strip.place(beat);
    strip.selection.riff()->setStepInterp(1.5f, 1);
    strip.selection.setLoopLength(2);
    QSignalSpy firsts(strip.label(2), &BeatLabel::setFirst);
    strip.label(2)->reOrder();
    QCOMPARE(firsts.count(), 1);
    QCOMPARE(strip.beats(), QVector<int>({30, 40, 10, 20}));
    // Pitches and loop places stay with the steps.
    QCOMPARE(strip.selection.stepPitch(1), 1.5f);
    QCOMPARE(strip.states(), QVector<int>({2, 2, 2, 3}));
    QCOMPARE(strip.label(0)->startSample(), BeatSelection::beatLead + 30 * beatSpacing);
    // A step outside the riff changes nothing.
    strip.selection.setFirst(7, 0);
    strip.selection.setFirst(-1, 0);
    QCOMPARE(strip.beats(), QVector<int>({30, 40, 10, 20}));
}

void TestBeatSelection::stepsOnOneBeatStack()
{
    Strip strip(30);
    strip.place(5);
    strip.place(5);
    // Halves: each slice one pixel short, the last taking what remains.
    QCOMPARE(strip.label(0)->geometry(), QRect(50, 0, 9, 14));
    QCOMPARE(strip.label(1)->geometry(), QRect(50, 15, 9, 15));
    strip.place(5);
    QCOMPARE(strip.label(0)->geometry(), QRect(50, 0, 9, 9));
    QCOMPARE(strip.label(1)->geometry(), QRect(50, 10, 9, 9));
    QCOMPARE(strip.label(2)->geometry(), QRect(50, 20, 9, 10));
    // A step alone on its beat takes the whole height.
    strip.place(8);
    QCOMPARE(strip.label(3)->geometry(), QRect(80, 0, 9, stripHeight));
    // A wider strip (a zoom) lays every step out again.
    strip.selection.resize(stripWidth * 2, stripHeight);
    QCOMPARE(strip.label(3)->geometry(), QRect(160, 0, 19, stripHeight));
}

void TestBeatSelection::clearAndAClampedRestore()
{
    Strip strip(20);
    // An empty riff shows step 1 on the first beat, but nothing plays.
    QCOMPARE(strip.label(0)->state(), int(BeatLabel::InLoop));
    QCOMPARE(strip.label(0)->beat(), 0);
    QCOMPARE(strip.selection.lastStep(), -1);
    QCOMPARE(strip.selection.loopLength(), -1);
    QCOMPARE(strip.selection.lastBeatIndex(), -1);

    // Values from a session file are held to the riff and the track.
    strip.selection.setLastStep(40);
    strip.selection.setLoopLength(99);
    strip.selection.restoreStep(0, 2, 3, -5, 1 << 30);
    strip.selection.restoreStep(1, 1, 4, 0, 0);   // armed in the file: placed
    strip.selection.restoreStep(2, 3, 500, 0, 0); // no such beat
    strip.selection.restoreStep(3, 2, 6, 0, 0);   // after the gap
    strip.selection.restoreStep(-1, 2, 6, 0, 0);
    strip.selection.restoreStep(16, 2, 6, 0, 0);
    strip.selection.riff()->setStepInterp(std::numeric_limits<float>::quiet_NaN(), 0);
    strip.selection.riff()->setStepInterp(9.0f, 1);
    strip.selection.finishRestore();
    QCOMPARE(strip.selection.lastStep(), 1);
    QCOMPARE(strip.beats(), QVector<int>({3, 4}));
    QCOMPARE(strip.states(), QVector<int>({2, 2}));
    QCOMPARE(strip.label(0)->startSample(), BeatSelection::beatLead + 3 * beatSpacing);
    QCOMPARE(strip.selection.lastBeatIndex(), 1);
    QCOMPARE(strip.selection.stepBeat(3), -1);
    QCOMPARE(strip.selection.stepPitch(0), 1.0f);
    QCOMPARE(strip.selection.stepPitch(1), 2.0f);
    QCOMPARE(strip.selection.stepPitch(16), 1.0f);

    strip.selection.clear();
    QCOMPARE(strip.selection.lastBeatIndex(), -1);
    QCOMPARE(strip.selection.stepBeat(1), -1);
    QCOMPARE(strip.label(0)->beat(), 0);
}
