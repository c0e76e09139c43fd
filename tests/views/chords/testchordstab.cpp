#include "testchordstab.h"

#include "metadata/metadata.h"
#include "views/chords/capowidget.h"
#include "views/chords/chordfilterwidget.h"
#include "views/chords/chordindex.h"
#include "views/chords/chordmodeslabel.h"
#include "views/chords/chordmodeswidget.h"
#include "views/chords/chordscontainer.h"
#include "views/chords/chordsscrollbutton.h"
#include "views/chords/chordsstrip.h"
#include "views/chords/chordstab.h"
#include "views/chords/chordtypebutton.h"
#include "views/chords/chordwidget.h"
#include "views/chords/keyshiftwidget.h"
#include "views/chords/keyslabel.h"
#include "views/chords/keyswidget.h"
#include "views/chords/necktypewidget.h"
#include "views/chords/tempowidget.h"
#include "views/playback/custombutton.h"

#include <QSignalSpy>
#include <QStackedWidget>
#include <QtTest>

namespace {

void fill(MetaData &meta, const QStringList &chords, const QStringList &detected)
{
    QStringList beats;
    for (int i = 0; i < chords.size(); ++i)
        beats << QString::number(10000 + i * 22050);
    meta.loadFromSession(beats, chords, detected, "120", QString());
}

// Moves playback to a beat: the current diagram then stands for that beat's chord (the
// root alone for power chords), and for none outside the track's beats.
void setBeat(ChordsTab &tab, MetaData &meta, int beat)
{
    meta.currentBeat.store(beat);
    emit meta.changeBeat();
    const ChordNameList &names = *meta.currentChords;
    QString name;
    if (beat >= 0 && beat < names.size())
        name = tab.chordType() == 1 ? ChordIndex::rootPart(names.at(beat)) : names.at(beat);
    QCOMPARE(tab.currentChord()->baseIndex(), ChordIndex::indexOf(name));
    QCOMPARE(tab.currentChord()->showsChord(), tab.currentChord()->currentIndex() >= 0);
}

void press(QWidget *widget, int x, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(widget, button, Qt::NoModifier, QPoint(x, 10));
    QTest::mouseRelease(widget, button, Qt::NoModifier, QPoint(x, 10));
}

void wheel(QWidget *widget, int delta)
{
    QWheelEvent event(QPointF(40, 10), QPointF(widget->mapToGlobal(QPoint(40, 10))), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

QList<int> baseIndexes(const QList<ChordWidget *> &diagrams)
{
    QList<int> out;
    for (const ChordWidget *d : diagrams)
        out << d->baseIndex();
    return out;
}

} // namespace

void TestChordsTab::detectedChordsMakeDiagrams()
{
    MetaData meta;
    ChordsTab tab;
    tab.setMetaData(&meta);
    fill(meta, {"Am", "A7", "Bbm"}, {"Am", "", "A7", "-", "X", "Bbm"});
    tab.initDetectedChords();
    const QList<ChordWidget *> &open = tab.container()->openChords();
    const QList<ChordWidget *> &power = tab.container()->powerChords();
    QCOMPARE(baseIndexes(open), (QList<int>{12, 24, 13}));
    QCOMPARE(baseIndexes(power), (QList<int>{0, 1}));
    for (const ChordWidget *d : open)
        QVERIFY(d->showsChord() && d->chordType() == 0);
    for (const ChordWidget *d : power)
        QVERIFY(d->showsChord() && d->chordType() == 1);

    // Key shift and capo move every diagram from its detected chord, never from the last
    // shift: up 2 then capo 2 is back where it started.
    tab.setChordKeyShift(2);
    QCOMPARE(open.at(0)->currentIndex(), 14);
    QCOMPARE(power.at(1)->currentIndex(), 3);
    tab.setCapoShift(2);
    QCOMPARE(open.at(0)->currentIndex(), 12);
    QCOMPARE(baseIndexes(open), (QList<int>{12, 24, 13}));
    tab.setCapoShift(0);
    // +12 is the same key; with capo 11 it is one semitone up.
    tab.setChordKeyShift(12);
    QCOMPARE(open.at(2)->currentIndex(), 13);
    tab.setCapoShift(11);
    QCOMPARE(open.at(2)->currentIndex(), 14);
    QCOMPARE(open.at(0)->currentIndex(), 13);

    // A new track empties the viewer and resets key shift and capo.
    QSignalSpy strip(&tab, &ChordsTab::setChordStripKeyShift);
    tab.reset();
    QCOMPARE(tab.keyShift(), 0.0f);
    QCOMPARE(tab.capo(), 0.0f);
    QCOMPARE(strip.last().at(0).toInt(), 0);
    QVERIFY(!tab.currentChord()->showsChord());
    QVERIFY(tab.container()->isHidden());
}

void TestChordsTab::scrollArrowsForMoreThanEight()
{
    MetaData meta;
    ChordsTab tab;
    tab.setMetaData(&meta);
    QStringList names = {"A", "Bm", "C", "D7", "E", "F#m", "G", "Asus4"};
    fill(meta, {"A", "C"}, names);
    tab.initDetectedChords();
    QVERIFY(tab.scrollDownButton()->isHidden());
    // A ninth name that is not a chord adds no diagram.
    fill(meta, {"A", "C"}, names + QStringList{"-"});
    tab.initDetectedChords();
    QVERIFY(tab.scrollDownButton()->isHidden());
    fill(meta, {"A", "C"}, names + QStringList{"Cmaj7"});
    tab.initDetectedChords();
    QVERIFY(!tab.scrollDownButton()->isHidden() && !tab.scrollUpButton()->isHidden());
    // The list scrolls down and back up by 20 pixels, no further than it reaches.
    tab.show();
    ChordsContainer *container = tab.container();
    for (int i = 0; i < 30; ++i)
        tab.scrollDownButton()->pressed();
    QVERIFY(container->openOffset() < 0);
    QVERIFY(container->openOffset() >= container->height() - container->openList()->height() - 20);
    for (int i = 0; i < 30; ++i)
        tab.scrollUpButton()->pressed();
    QCOMPARE(container->openOffset(), 0);
    // The chord filter's button shows clear of the arrows and opens its page; a new track
    // starts on the diagram page, without the button.
    CustomButton *button = tab.chordFilterButton();
    QVERIFY(button->isVisible() && !button->geometry().intersects(tab.scrollDownButton()->geometry()));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(tab.pageStack()->currentWidget(), static_cast<QWidget *>(tab.chordFilterWidget()));
    meta.clear();
    tab.reset();
    QVERIFY(tab.pageStack()->currentIndex() == 0 && !button->isVisible());
}

void TestChordsTab::currentAndNextChord()
{
    MetaData meta;
    ChordsTab tab;
    tab.setMetaData(&meta);
    fill(meta, {"C", "C", "G"}, {"C", "G"});
    tab.initDetectedChords();
    setBeat(tab, meta, 0);
    QCOMPARE(tab.currentChord()->currentIndex(), 3);
    QCOMPARE(tab.nextChord()->currentIndex(), 10);
    QVERIFY(tab.nextChord()->showsChord());
    QVERIFY(tab.beatsToNextLabel()->text().contains(">2<"));
    setBeat(tab, meta, 1);
    QVERIFY(tab.beatsToNextLabel()->text().contains(">1<"));
    // The last beat: no next chord.
    setBeat(tab, meta, 2);
    QCOMPARE(tab.currentChord()->currentIndex(), 10);
    QVERIFY(!tab.nextChord()->showsChord());
    QVERIFY(tab.beatsToNextLabel()->text().contains(">0<"));
    // Beat indexes out of range hide both diagrams.
    for (int beat : {3, -1, 1000}) {
        setBeat(tab, meta, beat);
        QVERIFY(!tab.currentChord()->showsChord());
        QVERIFY(!tab.nextChord()->showsChord());
    }
    // The diagrams follow the key shift between beats too.
    setBeat(tab, meta, 0);
    tab.setChordKeyShift(-3);
    QCOMPARE(tab.currentChord()->currentIndex(), 0);
    QCOMPARE(tab.nextChord()->currentIndex(), 7);
}

void TestChordsTab::powerChordsCompareRoots()
{
    MetaData meta;
    ChordsTab tab;
    tab.setMetaData(&meta);
    fill(meta, {"A", "Am", "C#m", "C", "C#m", "-"}, {"A"});
    tab.initDetectedChords();
    QTest::mousePress(tab.powerButton(), Qt::LeftButton);
    QTest::mouseRelease(tab.powerButton(), Qt::LeftButton);
    QCOMPARE(tab.chordType(), 1);
    QCOMPARE(tab.openButton()->frameOffset(), 18);
    QVERIFY(!tab.container()->powerList()->isHidden());
    setBeat(tab, meta, 0);
    // "A" and "Am" are one power chord; "C#m" is C#, not C.
    QCOMPARE(tab.currentChord()->currentIndex(), 0);
    QCOMPARE(tab.nextChord()->currentIndex(), 4);
    QVERIFY(tab.beatsToNextLabel()->text().contains(">2<"));
    setBeat(tab, meta, 3);
    QCOMPARE(tab.currentChord()->currentIndex(), 3);
    QCOMPARE(tab.nextChord()->currentIndex(), 4);
    QVERIFY(tab.beatsToNextLabel()->text().contains(">1<"));
    // A beat without a chord hides the next diagram.
    setBeat(tab, meta, 4);
    QVERIFY(!tab.nextChord()->showsChord());
    // Pressing the selected type again changes nothing.
    QSignalSpy types(tab.powerButton(), &ChordTypeButton::setChordType);
    QTest::mousePress(tab.powerButton(), Qt::LeftButton);
    QCOMPARE(types.count(), 0);
}

void TestChordsTab::shiftAndCapoMatchTheStrip()
{
    MetaData meta;
    const QStringList chords = {"Am", "D", "G7", "Ebmaj7", "-", "C#sus2", "F#m7", "Bsus4"};
    fill(meta, chords, chords);
    ChordsTab tab;
    tab.setMetaData(&meta);
    tab.initDetectedChords();
    ChordsStrip strip;
    strip.playTimer()->stop();
    strip.setMetaData(&meta);
    strip.setTrackFrames(44100 * 10);
    strip.resize(800, 20);
    // Wired as the main window wires them.
    QObject::connect(&tab, SIGNAL(setChordStripKeyShift(int)), &strip, SLOT(setKeyShift(int)));
    QObject::connect(&strip, SIGNAL(getShiftedChordIndex(QString, int)), &tab, SLOT(getChordIndex(QString, int)),
                     Qt::DirectConnection);
    strip.initChordStrip();
    const QList<ChordWidget *> &open = tab.container()->openChords();
    for (float k : {-12.0f, -7.0f, 0.0f, 2.4f, 5.0f, 6.5f, 12.0f}) {
        for (int capo = 0; capo <= 11; capo += 1) {
            tab.setChordKeyShift(k);
            tab.setCapoShift(float(capo));
            int d = 0;
            for (ChordLabel *label : strip.labels()) {
                if (label->analysisText() == "-")
                    continue;
                // The strip names the chord the diagram draws, and takes it back exactly.
                QCOMPARE(ChordIndex::indexOf(label->displayText()), open.at(d)->currentIndex());
                QCOMPARE(label->shiftedText(), ChordIndex::chordName(open.at(d)->baseIndex()));
                ++d;
            }
        }
    }
}

void TestChordsTab::keyShiftReadout()
{
    ChordsTab tab;
    KeyShiftWidget *key = tab.keyShiftWidget();
    QCOMPARE(key->objectName(), QString("keyShift"));
    QSignalSpy codes(key, &KeyShiftWidget::setSyncValueSignal);
    QSignalSpy shifts(key, &KeyShiftWidget::shiftKey);
    QSignalSpy fine(key, &KeyShiftWidget::resetFineTune);
    for (int i = 0; i < 12; ++i)
        press(key, 80);
    QCOMPARE(key->value(), 12.0f);
    QCOMPARE(codes.last().at(1).toInt(), 1);
    // At +12 a plus press only re-sends.
    press(key, 80);
    QCOMPARE(codes.last().at(1).toInt(), 2);
    QCOMPARE(shifts.last().at(0).toFloat(), 12.0f);
    QCOMPARE(tab.keyShift(), 12.0f);
    // The wheel steps one semitone per notch either way; parts of a notch add up.
    wheel(key, -120);
    QCOMPARE(key->value(), 11.0f);
    QCOMPARE(codes.last().at(1).toInt(), -1);
    wheel(key, -60);
    QCOMPARE(key->value(), 11.0f);
    wheel(key, -60);
    QCOMPARE(key->value(), 10.0f);
    wheel(key, 120);
    QCOMPARE(key->value(), 11.0f);
    // A fine-tuned shift from the tools tab stays inside the range when stepped.
    key->updateKeyShift(-11.5f);
    press(key, 10);
    QCOMPARE(key->value(), -12.0f);
    // A right press resets, fine tune included.
    press(key, 50, Qt::RightButton);
    QCOMPARE(key->value(), 0.0f);
    QCOMPARE(fine.count(), 1);
    QCOMPARE(codes.last().at(1).toInt(), 0);
    QCOMPARE(shifts.last().at(0).toFloat(), 0.0f);
}

void TestChordsTab::capoAndTempoReadouts()
{
    ChordsTab tab;
    CapoWidget *capo = tab.capoWidget();
    QSignalSpy frets(capo, &CapoWidget::shiftFret);
    press(capo, 50);
    QCOMPARE(frets.count(), 1); // the middle re-sends the fret
    for (int i = 0; i < 14; ++i)
        press(capo, 80);
    QCOMPARE(capo->value(), 11);
    QCOMPARE(tab.capo(), 11.0f);
    wheel(capo, -120);
    QCOMPARE(capo->value(), 10);
    capo->setCapoFromSession(99);
    QCOMPARE(capo->value(), 11);

    TempoWidget *tempo = tab.tempoWidget();
    QSignalSpy tempos(tempo, &TempoWidget::tempoChanged);
    press(tempo, 80);
    QVERIFY(tempo->isInactive());
    QCOMPARE(tempos.count(), 0);
    tempo->initTempo(238.5f, 120.0f);
    QCOMPARE(tempo->maximum(), 239.0f);
    QCOMPARE(tempo->minimum(), 31.0f);
    press(tempo, 80);
    press(tempo, 80);
    QCOMPARE(tempo->value(), 239.0f);
    QCOMPARE(tempos.last().at(0).toFloat(), 239.0f);
    tempo->updateTempo(32.0f);
    press(tempo, 10);
    press(tempo, 10);
    QCOMPARE(tempo->value(), 31.0f);
    press(tempo, 50, Qt::RightButton);
    QCOMPARE(tempo->value(), 120.0f);
    tempo->updateTempo(500.0f);
    QCOMPARE(tempo->value(), 120.0f);
    tempo->initTempo(100.7f, 100.7f);
    QCOMPARE(tempo->maximum(), 200.0f);
    QCOMPARE(tempo->minimum(), 26.0f);
    tempos.clear();
    tab.reset();
    QCOMPARE(tempos.count(), 1);
    QCOMPARE(tempos.last().at(0).toFloat(), -1.0f);
    QVERIFY(tempo->isInactive());
}

void TestChordsTab::neckAndSessionValues()
{
    MetaData meta;
    ChordsTab tab;
    tab.setMetaData(&meta);
    QStringList detected;
    for (int i = 0; i < 40; ++i)
        detected << ChordIndex::chordName(i * 2);
    fill(meta, {"A", "C"}, detected);
    tab.initDetectedChords();
    NeckTypeWidget *neck = tab.neckTypeWidget();
    press(neck, 10);
    QCOMPARE(neck->neckType(), 3);
    QCOMPARE(tab.neckType(), 3);
    QCOMPARE(tab.container()->openChords().first()->neckType(), 3);
    press(neck, 80);
    QCOMPARE(neck->neckType(), 0);
    wheel(neck, -120);
    QCOMPARE(neck->neckType(), 3);
    neck->setNeckType(9);
    QCOMPARE(neck->neckType(), 0);

    // A session's values: good ones restore, bad ones are held or ignored.
    tab.show();
    tab.restoreSessionValues({"1", "2", "-40", "0", "19", "3"});
    QCOMPARE(tab.chordType(), 1);
    QCOMPARE(tab.neckType(), 2);
    QCOMPARE(tab.container()->openOffset(), -40);
    QCOMPARE(tab.finderChord()->currentIndex(), 19);
    QCOMPARE(tab.keysRoll()->key(), 7);
    QCOMPARE(tab.modesRoll()->getMode(), 1);
    QCOMPARE(tab.capo(), 3.0f);
    tab.restoreSessionValues({"7", "x", "-2000000000", "junk", "500", "-4"});
    QCOMPARE(tab.chordType(), 1);
    QCOMPARE(tab.neckType(), 2);
    QVERIFY(tab.container()->openOffset() >= tab.container()->height() - tab.container()->openList()->height() - 20);
    QCOMPARE(tab.finderChord()->currentIndex(), 19);
    QCOMPARE(tab.capo(), 0.0f);

    // Restored while the track's chords are still being found: the lists built when they
    // come keep the session's position.
    meta.clear();
    tab.restoreSessionValues({"0", "2", "-40", "0", "19", "0"});
    fill(meta, {"A", "C"}, detected);
    tab.initDetectedChords();
    QCOMPARE(tab.container()->openOffset(), -40);
}

void TestChordsTab::panesPickTheDrawnRow()
{
    // Each row of the keys and modes panes picks itself from its top to its bottom pixel,
    // where the pane's image draws it, and the finder shows that chord.
    ChordsTab tab;
    tab.show();
    KeysLabel *keys = tab.keysPane();
    ChordModesLabel *modes = tab.modesPane();
    for (int row = 0; row < KeysWidget::rowCount; ++row) {
        for (int y : {6 + 18 * row, 6 + 18 * row + 17}) {
            tab.keysRoll()->setKey(row == 0 ? 1 : 0);
            keys->showKeysLabel(0);
            QTest::mousePress(keys, Qt::LeftButton, Qt::NoModifier, QPoint(30, y));
            QTest::mouseRelease(keys, Qt::LeftButton, Qt::NoModifier, QPoint(30, y));
            QCOMPARE(tab.keysRoll()->key(), row);
            QVERIFY(!keys->isVisible());
        }
    }
    for (int row = 0; row < ChordModesWidget::rowCount; ++row) {
        for (int y : {4 + 18 * row, 4 + 18 * row + 17}) {
            tab.modesRoll()->setMode(row == 0 ? 1 : 0);
            modes->showModeLabel(0);
            QTest::mousePress(modes, Qt::LeftButton, Qt::NoModifier, QPoint(40, y));
            QCOMPARE(tab.modesRoll()->getMode(), row);
            QCOMPARE(tab.finderChord()->currentIndex(), tab.keysRoll()->key() + 12 * row);
        }
    }
}
