// The riff builder tab: its step row, loop bar, song row, riff chooser and step menus,
// driven by clicks on a real JamTab over real analysis results.
#include "testjamtab.h"

#include "jamfixture.h"

#include "audio/songslots.h"
#include "views/jam/beatlabel.h"
#include "views/jam/contextpitchwidget.h"
#include "views/jam/highlightsteps.h"
#include "views/jam/jamtab.h"
#include "views/jam/looplengthwidget.h"
#include "views/jam/riffidlabel.h"
#include "views/jam/riffidwidget.h"
#include "views/jam/riffstep.h"
#include "views/jam/songstep.h"
#include "views/jam/songsteplabel.h"
#include "views/jam/songstepselector.h"
#include "views/jam/stepcontextmenu.h"
#include "views/playback/knob.h"
#include "views/playback/plotselection.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPushButton>
#include <QRawFont>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QtTest>

using namespace jamfixture;

namespace {

struct Tab
{
    MetaData metaData;
    JamTab tab;
    explicit Tab(bool withBeats = true)
    {
        tab.setMetaData(&metaData);
        tab.resize(1000, 355);
        tab.show();
        if (withBeats)
            giveBeats(metaData, 40);
    }
    void click(QWidget *widget, const QPoint &pos, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(widget, button, modifiers, pos);
    }
    static QPoint cell(int k, int y = 15) { return QPoint(30 * k + 15, y); }
};

void wheel(QWidget *widget, int notches)
{
    QWheelEvent event(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

} // namespace

void TestJamTab::stepRowArmsAndCommits()
{
    {
        // Before analysis results the tab is disabled and the row does nothing.
        Tab t(false);
        QVERIFY(!t.tab.isEnabled());
        QSignalSpy armed(t.tab.riffStep(0), &RiffStep::stepArmed);
        t.click(t.tab.riffStep(0), Tab::cell(0));
        QCOMPARE(armed.count(), 0);
    }
    Tab t;
    QVERIFY(t.tab.isEnabled());
    RiffStep *row = t.tab.riffStep(0);
    LoopLengthWidget *loop = t.tab.loopLengthWidget(0);
    QSignalSpy armed(row, &RiffStep::stepArmed);
    QSignalSpy locks(row, &RiffStep::lockSelection);
    QSignalSpy shown(row, &RiffStep::showStepSelection);

    // A riff starts at its first cell: cell 3 is refused.
    t.click(row, Tab::cell(3));
    QCOMPARE(armed.count(), 0);
    // Arming cell 0 blinks it, turns the riff mode on and shows the riff's strip.
    t.click(row, Tab::cell(0));
    QCOMPARE(armed.count(), 1);
    QCOMPARE(row->armedStep(), 0);
    QVERIFY(row->highlight()->timer()->isActive());
    QCOMPARE(shown.last().at(0).toInt(), 1);
    QVERIFY(t.tab.powerButton()->isOn());
    // Clicking it again commits it.
    t.click(row, Tab::cell(0));
    QCOMPARE(locks.count(), 1);
    QVERIFY(!row->highlight()->timer()->isActive());
    QVERIFY(row->isFirstStepSet());

    // The next new step may be armed; a cell beyond it may not.
    t.click(row, Tab::cell(2));
    QCOMPARE(armed.count(), 1);
    t.click(row, Tab::cell(1));
    QCOMPARE(armed.last().at(0).toInt(), 1);
    t.click(row, Tab::cell(1));
    // A new step past the furthest one grows the loop to it.
    QCOMPARE(loop->value(), 1);
    QCOMPARE(loop->maxValue(), 1);
    QCOMPARE(row->whiteNumberLength(), 2);
    // While one cell is armed the others wait.
    t.click(row, Tab::cell(2));
    QCOMPARE(armed.count(), 3);
    t.click(row, Tab::cell(0));
    QCOMPARE(row->armedStep(), 2);
    t.click(row, Tab::cell(2));
    QCOMPARE(row->armedStep(), -1);
    QCOMPARE(loop->value(), 2);

    // A right click opens the step's menu.
    t.click(row, Tab::cell(1), Qt::RightButton);
    QVERIFY(!t.tab.stepMenu(0, 1)->isHidden());
    // A click on the tab's background closes the menus and commits an armed step.
    t.click(row, Tab::cell(3));
    QCOMPARE(row->armedStep(), 3);
    const int lockCount = locks.count();
    t.click(&t.tab, QPoint(900, 300));
    QVERIFY(t.tab.stepMenu(0, 1)->isHidden());
    QCOMPARE(row->armedStep(), -1);
    QCOMPARE(locks.count(), lockCount + 1);
}

void TestJamTab::loopBarPressesAndDrags()
{
    Tab t;
    RiffStep *row = t.tab.riffStep(0);
    LoopLengthWidget *loop = t.tab.loopLengthWidget(0);
    QSignalSpy lengths(loop, &LoopLengthWidget::setLoopLength);
    QSignalSpy extends(loop, &LoopLengthWidget::extendLoop);

    // Nothing happens until the riff's first step is placed.
    t.click(loop, Tab::cell(2, 5));
    QCOMPARE(lengths.count(), 0);
    row->setFirstStepSet(true);
    loop->setMax(5);

    // Inside the riff a press sets the loop's end; past it the press stops at the end.
    t.click(loop, Tab::cell(2, 5));
    QCOMPARE(lengths.last().at(0).toInt(), 2);
    QCOMPARE(row->whiteNumberLength(), 3);
    t.click(loop, Tab::cell(9, 5));
    QCOMPARE(lengths.last().at(0).toInt(), 5);
    QCOMPARE(extends.count(), 0);
    // Control past the end adds steps; Control inside cuts the riff there.
    t.click(loop, Tab::cell(8, 5), Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(extends.last().at(0).toInt(), 8);
    QCOMPARE(loop->maxValue(), 8);
    QCOMPARE(loop->value(), 8);
    t.click(loop, Tab::cell(4, 5), Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(extends.last().at(0).toInt(), 4);
    QCOMPARE(loop->maxValue(), 4);
    QCOMPARE(loop->value(), 4);

    // A drag past the end adds steps and announces the new loop; a drag beyond the bar's
    // ends stops at its first and last cells.
    QTest::mousePress(loop, Qt::LeftButton, Qt::NoModifier, Tab::cell(4, 5));
    moveMouse(loop, QPoint(700, 5), Qt::LeftButton);
    QCOMPARE(extends.last().at(0).toInt(), 15);
    QCOMPARE(lengths.last().at(0).toInt(), 15);
    QCOMPARE(loop->maxValue(), 15);
    moveMouse(loop, QPoint(-40, 5), Qt::LeftButton);
    QCOMPARE(loop->value(), 0);
    QCOMPARE(loop->maxValue(), 15);
    QTest::mouseRelease(loop, Qt::LeftButton, Qt::NoModifier, QPoint(-40, 5));

    // The wheel steps inside the riff.
    wheel(loop, 1);
    QCOMPARE(loop->value(), 1);
    wheel(loop, -3);
    QCOMPARE(loop->value(), 0);
}

void TestJamTab::songSlotsAndTheirChooser()
{
    Tab t;
    SongStep *song = t.tab.songStep();
    SongStepSelector *chooser = t.tab.songStepSelector();
    QSignalSpy lengths(song, SIGNAL(setLoopLength(int)));
    QSignalSpy stops(song, &SongStep::stopSongPlayback);

    // A click on slot 6 opens the chooser under it, over the tab's window.
    t.click(song, Tab::cell(5));
    QVERIFY(!chooser->isHidden());
    QCOMPARE(chooser->step(), 5);
    QCOMPARE(chooser->parentWidget(), t.tab.window());
    QCOMPARE(chooser->pos(), QPoint(int(std::floor(5 * 30.1 + 0.5)) + JamTab::songMenuLeft, JamTab::songMenuTop));
    moveMouse(chooser, QPoint(20, 3 * 18 + 9));
    QCOMPARE(chooser->highlight()->y(), 3 * 18 + 5);
    t.click(chooser, QPoint(20, 3 * 18 + 9));
    QVERIFY(chooser->isHidden());
    QCOMPARE(t.tab.songSlots()->at(5), 3);
    QCOMPARE(song->stepLabel(5)->text(), QString("<font color='#B4B4B4'>D</font>"));
    QCOMPARE(lengths.last().at(0).toInt(), 1);

    // The wheel steps a slot's riff; the song length counts the filled slots.
    wheel(song->stepLabel(0), 1);
    QCOMPARE(t.tab.songSlots()->at(0), 0);
    QCOMPARE(lengths.last().at(0).toInt(), 2);
    wheel(song->stepLabel(0), 9);
    QCOMPARE(t.tab.songSlots()->at(0), 5);
    wheel(song->stepLabel(0), -9);
    QCOMPARE(t.tab.songSlots()->at(0), -1);
    QCOMPARE(stops.count(), 0);
    // Emptying the last filled slot stops song playback.
    wheel(song->stepLabel(5), -4);
    QCOMPARE(t.tab.songSlots()->at(5), -1);
    QCOMPARE(lengths.last().at(0).toInt(), 0);
    QCOMPARE(stops.count(), 1);
    QCOMPARE(song->stepLabel(5)->text(), QString("<font color='#B4B4B4'>-</font>"));
}

void TestJamTab::riffChooserAndStepMenus()
{
    Tab t;
    RiffIdWidget *chooser = t.tab.riffIdWidget();
    RiffIdLabel *menu = t.tab.riffIdLabel();
    QSignalSpy active(&t.tab, &JamTab::setActiveRiff);

    // A press opens the menu; a release on row C picks riff C for editing.
    t.click(chooser, QPoint(10, 9));
    QVERIFY(!menu->isHidden());
    QTest::mouseRelease(menu, Qt::LeftButton, Qt::NoModifier, QPoint(20, 2 * 18 + 9));
    QVERIFY(menu->isHidden());
    QCOMPARE(chooser->riffId(), 2);
    QCOMPARE(active.last().at(0).toInt(), 2);
    QCOMPARE(t.tab.stepStack()->currentIndex(), 2);
    QCOMPARE(t.tab.loopLengthStack()->currentIndex(), 2);
    // A wheel turn announces the next riff and leaves the menu closed.
    wheel(chooser, 1);
    QVERIFY(menu->isHidden());
    QCOMPARE(chooser->riffId(), 3);
    QCOMPARE(active.last().at(0).toInt(), 3);
    QCOMPARE(t.tab.stepStack()->currentIndex(), 3);
    wheel(chooser, 10);
    QCOMPARE(chooser->riffId(), 5);

    // The step menus of the riff shown: its pitch read-out and its "1st" button.
    t.click(t.tab.riffStep(5), Tab::cell(4), Qt::RightButton);
    StepContextMenu *stepMenu = t.tab.stepMenu(5, 4);
    QVERIFY(!stepMenu->isHidden());
    QCOMPARE(stepMenu->pos(), QPoint(220 + 30 * 4, 106));
    QSignalSpy pitch(stepMenu, &StepContextMenu::contextPitchChanged);
    ContextPitchWidget *readout = stepMenu->pitchWidget();
    t.click(readout, QPoint(80, 10));
    QCOMPARE(readout->semitone(), 1.0f);
    QCOMPARE(pitch.last().at(0).toFloat(), std::pow(2.0f, 1.0f / 12.0f));
    QCOMPARE(pitch.last().at(1).toInt(), 4);
    for (int i = 0; i < 20; ++i)
        t.click(readout, QPoint(5, 10));
    QCOMPARE(readout->semitone(), -12.0f);
    QCOMPARE(pitch.last().at(0).toFloat(), 0.5f);
    t.click(readout, QPoint(40, 10), Qt::RightButton);
    QCOMPARE(readout->semitone(), 0.0f);
    QCOMPARE(pitch.last().at(0).toFloat(), 1.0f);
    QVERIFY(!stepMenu->firstButton()->isHidden());
    // A click on the step row part of the menu opens the menu of the step there.
    t.click(stepMenu, QPoint(41 + 15 + 60, 20));
    QVERIFY(stepMenu->isHidden());
    QVERIFY(!t.tab.stepMenu(5, 6)->isHidden());
    // The close key closes it.
    t.click(t.tab.stepMenu(5, 6)->closeButton(), QPoint(5, 5));
    QVERIFY(t.tab.stepMenu(5, 6)->isHidden());
}

void TestJamTab::pitchTexts()
{
    Tab t;
    t.tab.setBeatPitchLabel(2.6f);
    QCOMPARE(t.tab.pitchLabel()->text(), QString("<font color='#929292'>+3</font>"));
    t.tab.setBeatPitchLabel(-0.4f);
    QCOMPARE(t.tab.pitchLabel()->text(), QString("<font color='#929292'>0</font>"));
    t.tab.setBeatPitchLabel(-0.6f);
    QCOMPARE(t.tab.pitchLabel()->text(), QString("<font color='#929292'>-1</font>"));
    t.tab.setBeatPitchLabel(std::numeric_limits<float>::quiet_NaN());
    QCOMPARE(t.tab.pitchLabel()->text(), QString("<font color='#929292'>0</font>"));
    QCOMPARE(ContextPitchWidget::semitoneText(5), QString("+5"));
    QCOMPARE(ContextPitchWidget::semitoneText(-3), QString("-3"));
    QCOMPARE(ContextPitchWidget::semitoneText(0), QString("0"));
}

void TestJamTab::resetAndAClampedRestore()
{
    Tab t;
    // Hostile session values: out of range, not numbers.
    t.tab.restoreSessionValues("1", "9", "250", {"7", "x", "-4", "3", "20", "2"}, {"3", "5", "5", "40", "20", "nan"},
                               "30", "99", {"2", "7", "-3", "x", "0"});
    QVERIFY(t.tab.powerButton()->isOn());
    QCOMPARE(t.tab.currentRiff(), 0);
    QCOMPARE(t.tab.stepStack()->currentIndex(), 0);
    QCOMPARE(t.tab.beatOffsetKnob()->value(), JamTab::beatOffsetDefault);
    const int values[] = {3, 0, 0, 3, 15, 0};
    const int maxes[] = {3, 5, 5, 15, 15, 0};
    for (int i = 0; i < JamTab::riffCount; ++i) {
        QCOMPARE(t.tab.loopLengthWidget(i)->value(), values[i]);
        QCOMPARE(t.tab.loopLengthWidget(i)->maxValue(), maxes[i]);
        QCOMPARE(t.tab.riffStep(i)->whiteNumberLength(), values[i] + 1);
    }
    QCOMPARE(t.tab.songLoopLengthWidget()->maxValue(), 16);
    QCOMPARE(t.tab.songLoopLengthWidget()->value(), 15);
    QCOMPARE(t.tab.songSlots()->at(0), 2);
    QCOMPARE(t.tab.songSlots()->at(1), -1);
    QCOMPARE(t.tab.songSlots()->at(2), -1);
    QCOMPARE(t.tab.songSlots()->at(3), -1);
    QCOMPARE(t.tab.songSlots()->at(4), 0);
    QCOMPARE(t.tab.songSlots()->at(15), -1);
    t.tab.followRestoredRiff(1, 2, 1);
    QVERIFY(t.tab.riffStep(1)->isFirstStepSet());
    QCOMPARE(t.tab.loopLengthWidget(1)->maxValue(), 2);
    QCOMPARE(t.tab.loopLengthWidget(1)->value(), 1);

    // A new track empties everything and disables the tab until results arrive.
    QSignalSpy pitches(t.tab.stepMenu(2, 3), &StepContextMenu::contextPitchChanged);
    t.tab.beatOffsetKnob()->setValue(60);
    t.tab.reset();
    QVERIFY(!t.tab.isEnabled());
    QVERIFY(!t.tab.powerButton()->isOn());
    QCOMPARE(t.tab.beatOffsetKnob()->value(), JamTab::beatOffsetDefault);
    QCOMPARE(t.tab.songSlots()->filledCount(), 0);
    QCOMPARE(t.tab.loopLengthWidget(3)->maxValue(), 0);
    QVERIFY(!t.tab.riffStep(1)->isFirstStepSet());
    QCOMPARE(pitches.count(), 1);
    QCOMPARE(pitches.last().at(0).toFloat(), 1.0f);
    emit t.metaData.gotMeta();
    QVERIFY(t.tab.isEnabled());
}

void TestJamTab::labelsDrawLettersAndDigits()
{
    // The step numbers, the song letters and the selection's beat read-out resolve, on
    // this machine's fonts, to a text face that draws letters and digits (no symbol font
    // standing in for a generic family), at their own sizes, bold.
    Tab t;
    PlotSelection selection;
    BeatLabel step(0);
    const struct {
        QFont font;
        int pointSize;
    } labels[] = {{t.tab.songStep()->stepLabel(0)->font(), 10},
                  {step.numberLabel()->font(), 7},
                  {selection.beatCountLabel()->font(), 7},
                  {selection.startBeatLabel()->font(), 7}};
    QString text;
    for (char c = 'A'; c <= 'Z'; ++c)
        text += QChar(c);
    text += "0123456789";
    for (const auto &label : labels) {
        const QString family = QFontInfo(label.font).family();
        const QList<QFontDatabase::WritingSystem> systems = QFontDatabase().writingSystems(family);
        QVERIFY2(systems.contains(QFontDatabase::Latin), qPrintable(family));
        QVERIFY2(!systems.contains(QFontDatabase::Symbol), qPrintable(family));
        const QRawFont raw = QRawFont::fromFont(label.font);
        for (const QChar c : text)
            QVERIFY2(raw.supportsCharacter(c), qPrintable(family + ": " + c));
        QCOMPARE(label.font.pointSize(), label.pointSize);
        QCOMPARE(label.font.weight(), 75);
    }
}
