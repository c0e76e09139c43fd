#include "testchordsstrip.h"

#include "metadata/metadata.h"
#include "views/chords/beatlinewidget.h"
#include "views/chords/beatpixels.h"
#include "views/chords/chordsstrip.h"
#include "views/chords/editboundary.h"
#include "views/playback/custombutton.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

namespace {

constexpr int trackFrames = 44100 * 20;
constexpr int stripWidth = 1500;

// Analysis results as a session or the cache hands them over: one beat every half second.
void fill(MetaData &meta, const QStringList &chords)
{
    QStringList beats;
    for (int i = 0; i < chords.size(); ++i)
        beats << QString::number(10000 + i * 22050);
    meta.loadFromSession(beats, chords, {}, "120", QString());
}

void setUp(ChordsStrip &strip, MetaData &meta)
{
    strip.playTimer()->stop();
    strip.setMetaData(&meta);
    strip.setTrackFrames(trackFrames);
    strip.resize(stripWidth, 20);
    strip.initChordStrip();
}

int beatX(const MetaData &meta, int beat, int offset = ChordsStrip::baseSampleOffset, int width = stripWidth)
{
    return BeatPixels(trackFrames, width, offset).x(double(meta.analysedBeats().at(beat)));
}

class PaintCounter : public QObject
{
public:
    QHash<QObject *, int> paints;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints[watched];
        return false;
    }
};

void moveMouse(QWidget *widget, QPoint pos, Qt::MouseButtons buttons)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

void TestChordsStrip::runsAndPlaces()
{
    MetaData meta;
    fill(meta, {"C", "C", "Am", "Am", "Am", "F"});
    ChordsStrip strip;
    setUp(strip, meta);
    const QList<ChordLabel *> &labels = strip.labels();
    QCOMPARE(labels.size(), 3);
    const int firsts[] = {0, 2, 5};
    const int counts[] = {2, 3, 1};
    for (int i = 0; i < 3; ++i) {
        ChordLabel *label = labels.at(i);
        QCOMPARE(label->firstBeat(), firsts[i]);
        QCOMPARE(label->beatCount(), counts[i]);
        QCOMPARE(label->startSample(), int(meta.analysedBeats().at(firsts[i])));
        QCOMPARE(label->endSample(), int(meta.analysedBeats().at(firsts[i] + counts[i])));
        QVERIFY(!label->isHidden());
        QCOMPARE(label->geometry(), QRect(beatX(meta, firsts[i]), 0,
                                          beatX(meta, firsts[i] + counts[i]) - beatX(meta, firsts[i]), 20));
    }
    // The last run ends at the beat that follows the last analysed one.
    QCOMPARE(labels.last()->endSample(), int(meta.analysedBeats().last()));
    QCOMPARE(labels.at(1)->displayText(), QString("Am"));

    // The beat-offset knob at 52 moves every label right by three beat steps; the
    // knob's lowest value counts too.
    const int step = meta.beatStep;
    QVERIFY(step > 0);
    strip.repositionChords(52);
    QCOMPARE(strip.sampleOffset(), 3 * step - 2048);
    QCOMPARE(labels.at(1)->x(), beatX(meta, 2, 3 * step - 2048));
    strip.repositionChords(0);
    QCOMPARE(strip.sampleOffset(), -49 * step - 2048);
    strip.repositionChords(49);
    QCOMPARE(labels.at(1)->x(), beatX(meta, 2));

    // A wider strip (a closer zoom) lays the labels out again.
    strip.resize(stripWidth * 2, 20);
    QCOMPARE(labels.at(2)->x(), beatX(meta, 5, -2048, stripWidth * 2));
}

void TestChordsStrip::noDataHidesTheStrip()
{
    MetaData meta;
    ChordsStrip strip;
    setUp(strip, meta);
    QVERIFY(strip.labels().isEmpty());
    QCOMPARE(strip.getStartEndBeats(), QPoint(-1, -1));
    float position = 100;
    strip.setPlayPositionSource(&position);
    strip.updatePlayPos();

    fill(meta, {"G", "D", "Em"});
    strip.initChordStrip();
    QCOMPARE(strip.labels().size(), 3);
    // The analysis is being redone: the old labels hide, with nothing to follow.
    meta.clear();
    strip.initChordStrip();
    strip.repositionChords(60);
    for (ChordLabel *label : strip.labels())
        QVERIFY(label->isHidden());
    QVERIFY(strip.beatLineWidget()->isHidden());
    QVERIFY(strip.leftHandle()->isHidden());

    // A new track drops them.
    strip.deleteChordLabels();
    QVERIFY(strip.labels().isEmpty());
    QVERIFY(strip.isHidden());
    QCOMPARE(strip.keyShift(), 0);
}

void TestChordsStrip::namesMatchTheDiagramsForEveryShift()
{
    MetaData meta;
    const QStringList names = {"Am", "A7", "Bbm", "C#maj7", "X", "Ebsus2", "G#m7", "D", "Fsus4", "B7", "-", "Gm"};
    fill(meta, names);
    ChordsStrip strip;
    setUp(strip, meta);
    QCOMPARE(strip.labels().size(), names.size());

    auto check = [&](int shift) {
        for (ChordLabel *label : strip.labels()) {
            const int detected = ChordIndex::indexOf(label->analysisText());
            if (detected < 0) {
                QCOMPARE(label->displayText(), shift == 0 ? label->analysisText() : QString("-"));
                continue;
            }
            // The name the strip shows is the diagram the chord viewer draws ...
            QCOMPARE(ChordIndex::indexOf(label->displayText()), ChordIndex::transposed(detected, shift, 0));
            QCOMPARE(label->shift(), shift);
            // ... and taking it back gives the detected chord, which an edit writes.
            QCOMPARE(ChordIndex::indexOf(label->shiftedText()), detected);
        }
    };
    // Without the chord viewer the names stay as detected.
    check(0);
    for (int s = -12; s <= 12; ++s) {
        strip.setKeyShift(s);
        check(s);
    }

    // With the chord viewer answering for its key shift and capo, fine tune included.
    ChordViewerStandIn viewer;
    connect(&strip, SIGNAL(getShiftedChordIndex(QString, int)), &viewer, SLOT(getChordIndex(QString, int)),
            Qt::DirectConnection);
    for (float k : {-12.0f, -5.0f, -0.4f, 0.0f, 2.5f, 5.0f, 7.6f, 12.0f}) {
        for (int capo = 0; capo <= 11; ++capo) {
            viewer.currentShift = ChordIndex::shiftAmount(k, float(capo));
            strip.setKeyShift(viewer.currentShift);
            check(viewer.currentShift);
        }
    }
    // Key shift +5: D shows as G, the way the diagrams draw it.
    viewer.currentShift = 5;
    strip.setKeyShift(5);
    QCOMPARE(strip.labels().at(7)->displayText(), QString("G"));
    QCOMPARE(strip.labels().at(7)->shiftedText(), QString("D"));
}

void TestChordsStrip::beatOffsetMovesOnceAfterARebuild()
{
    MetaData meta;
    fill(meta, {"C", "C", "G", "G", "Am", "F", "C", "G"});
    ChordsStrip strip;
    setUp(strip, meta);
    strip.repositionChords(53);
    const int shiftedX = strip.labels().at(1)->x();
    QCOMPARE(shiftedX, beatX(meta, 2, 4 * meta.beatStep - 2048));

    // The player moves its working beats for the same knob; a rebuild after a chord edit
    // must not add that move to the knob's.
    for (float &b : meta.beats)
        b += 4.0f * float(meta.beatStep);
    meta.chordVec[4] = "Dm";
    strip.initChordStrip();
    QCOMPARE(strip.labels().at(1)->x(), shiftedX);
    QCOMPARE(strip.labels().at(2)->displayText(), QString("Dm"));
    strip.repositionChords(54);
    QCOMPARE(strip.labels().at(1)->x(), beatX(meta, 2, 5 * meta.beatStep - 2048));
}

void TestChordsStrip::playHighlightRepaintsOnlyChangedLabels()
{
    MetaData meta;
    fill(meta, {"C", "C", "G", "Am", "Am", "F", "F", "C"});
    ChordsStrip strip;
    setUp(strip, meta);
    strip.show();
    QVERIFY(QTest::qWaitForWindowExposed(&strip));
    const QList<ChordLabel *> &labels = strip.labels();
    QCOMPARE(labels.size(), 5);
    PaintCounter counter;
    for (ChordLabel *label : labels)
        label->installEventFilter(&counter);

    float position = float(labels.at(0)->x() + 3);
    strip.setPlayPositionSource(&position);
    strip.updatePlayPos();
    QCOMPARE(strip.playingLabel(), labels.at(0));
    QVERIFY(labels.at(0)->isPlaying());
    QApplication::processEvents();

    counter.paints.clear();
    position = float(labels.at(2)->x() + 1);
    strip.updatePlayPos();
    QApplication::processEvents();
    QVERIFY(!labels.at(0)->isPlaying());
    QVERIFY(labels.at(2)->isPlaying());
    QCOMPARE(counter.paints.keys().size(), 2);
    QVERIFY(counter.paints.contains(labels.at(0)) && counter.paints.contains(labels.at(2)));

    // Inside the same label, or on a label's very edge, nothing changes.
    counter.paints.clear();
    position = float(labels.at(2)->x() + labels.at(2)->width() / 2);
    strip.updatePlayPos();
    position = float(labels.at(3)->x());
    strip.updatePlayPos();
    QApplication::processEvents();
    QVERIFY(counter.paints.isEmpty());
    QCOMPARE(strip.playingLabel(), labels.at(2));
}

void TestChordsStrip::editWidensAndPicksBeats()
{
    MetaData meta;
    fill(meta, {"C", "C", "Am", "Am", "Am", "F"});
    ChordsStrip strip;
    setUp(strip, meta);
    QSignalSpy edits(&strip, SIGNAL(showChordEdit(QString, int, ChordLabel *)));
    QSignalSpy scrolling(&strip, SIGNAL(stopScrolling(bool)));
    ChordLabel *am = strip.labels().at(1);
    QTest::mouseClick(am, Qt::RightButton);
    QCOMPARE(edits.count(), 1);
    QCOMPARE(edits.at(0).at(0).toString(), QString("Am"));
    QCOMPARE(scrolling.count(), 1);
    QCOMPARE(scrolling.at(0).at(0).toBool(), false);
    QVERIFY(strip.isEditing() && am->isActive() && am->isFlashing());
    QCOMPARE(am->colour(), ChordLabel::editColour);
    QCOMPARE(strip.getStartEndBeats(), QPoint(2, 5));
    QCOMPARE(strip.leftHandle()->geometry().center().x() + 1, am->x());
    QCOMPARE(strip.rightHandle()->x() + 10, am->x() + am->width());
    QVERIFY(!strip.beatLineWidget()->isHidden());
    QCOMPARE(strip.beatLineWidget()->chordEditText(), QString("Am"));

    // Dragging the right handle past the next label takes in its beat; the left handle
    // to the middle of beat 0's span takes in beat 1 only.
    QTest::mousePress(strip.rightHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    moveMouse(strip.rightHandle(), strip.rightHandle()->mapFrom(&strip, QPoint(beatX(meta, 6) - 2, 10)),
              Qt::LeftButton);
    QTest::mouseRelease(strip.rightHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(strip.getStartEndBeats(), QPoint(2, 6));
    QTest::mousePress(strip.leftHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    moveMouse(strip.leftHandle(), strip.leftHandle()->mapFrom(&strip, QPoint(beatX(meta, 1) - 2, 10)), Qt::LeftButton);
    QTest::mouseRelease(strip.leftHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(strip.getStartEndBeats(), QPoint(1, 6));
    QCOMPARE(am->x(), beatX(meta, 1));
    QCOMPARE(am->x() + am->width(), beatX(meta, 6));

    // Picking one beat of the range narrows the edit to it and holds the pulse; a beat
    // outside the range cannot be picked; the same beat again clears the pick.
    BeatLineWidget *lines = strip.beatLineWidget();
    const QPoint inBeat3((beatX(meta, 3) + beatX(meta, 4)) / 2, 10);
    QTest::mouseClick(lines, Qt::LeftButton, Qt::NoModifier, inBeat3);
    QCOMPARE(strip.getStartEndBeats(), QPoint(3, 4));
    QVERIFY(!am->isFlashing());
    QTest::mouseClick(lines, Qt::LeftButton, Qt::NoModifier, QPoint(beatX(meta, 0) + 3, 10));
    QCOMPARE(strip.getStartEndBeats(), QPoint(3, 4));
    QTest::mouseClick(lines, Qt::LeftButton, Qt::NoModifier, inBeat3);
    QCOMPARE(strip.getStartEndBeats(), QPoint(1, 6));
    QVERIFY(am->isFlashing());

    // A zoom keeps the widened range.
    strip.resize(stripWidth * 3, 20);
    QCOMPARE(am->x(), beatX(meta, 1, -2048, stripWidth * 3));
    QCOMPARE(am->x() + am->width(), beatX(meta, 6, -2048, stripWidth * 3));
    QCOMPARE(strip.getStartEndBeats(), QPoint(1, 6));

    // The key shift follows into the editor while the label is edited.
    QSignalSpy dots(&strip, SIGNAL(changeSingleChordDot(QString)));
    strip.setKeyShift(3);
    QCOMPARE(dots.count(), 1);
    QCOMPARE(dots.at(0).at(0).toString(), QString("Cm"));
    QCOMPARE(lines->chordEditText(), QString("Cm"));

    // The editor's rebuild ends the edit.
    strip.initChordStrip();
    QVERIFY(!strip.isEditing());
    QCOMPARE(strip.getStartEndBeats(), QPoint(-1, -1));
    QVERIFY(strip.rightHandle()->isHidden());
}

void TestChordsStrip::hoverOnANarrowLabel()
{
    // Five beats on a label three pixels wide (the whole track at a small width).
    ChordLabel label(nullptr, "C", 0, 1000, 0, 5);
    label.resize(3, 20);
    label.startEdit();
    moveMouse(&label, QPoint(2, 5), Qt::NoButton);
    QCOMPARE(label.hoverBeat(), 3);
    moveMouse(&label, QPoint(40, 5), Qt::NoButton);
    QCOMPARE(label.hoverBeat(), 4);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &leave);
    QCOMPARE(label.hoverBeat(), -1);
    label.deactivate();
    QVERIFY(!label.isFlashing());
    QCOMPARE(label.colour(), ChordLabel::labelColour);
}
