#include "testtransportwidget.h"

#include "grabs.h"
#include "tests/eventually.h"
#include "views/playback/transportwidget.h"

#include <QHelpEvent>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

QString clockHtml(const QString &time, const QString &duration)
{
    return QString("<font color='#ff8c00'>%1 / %2</font>").arg(time, duration);
}

// Clicks where a user would: on whatever child lies at the centre of the target.
QWidget *clickAt(QWidget *top, QWidget *target)
{
    const QPoint centre = target->mapTo(top, target->rect().center());
    QWidget *hit = top->childAt(centre);
    if (!hit)
        hit = top;
    QTest::mouseClick(hit, Qt::LeftButton, Qt::NoModifier, hit->mapFrom(top, centre));
    return hit;
}

// Steps a fade as its timer would, at most `limit` times (no events run, so the timer cannot).
int runFade(TransportWidget &transport, int limit = 1000)
{
    int steps = 0;
    for (; transport.fadeTimer()->isActive() && steps < limit; ++steps)
        transport.fadeVolumeSlot();
    return steps;
}

} // namespace

void TestTransportWidget::clockTexts_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("one minute five") << 65.4321 << "1:05.432";
    QTest::newRow("just under a minute") << 59.97 << "0:59.97";
    QTest::newRow("just over a minute") << 60.03 << "1:00";
    QTest::newRow("rounds up to a minute") << 59.9999996 << "1:00";
    QTest::newRow("rounds up to ten seconds") << 9.9999996 << "0:10";
    QTest::newRow("start") << 0.0 << "0:00";
    QTest::newRow("under a twentieth") << 0.049 << "0:00";
    QTest::newRow("a twentieth") << 0.05 << "0:00.05";
    QTest::newRow("long") << 3725.5 << "62:05.5";
}

void TestTransportWidget::clockTexts()
{
    QFETCH(double, seconds);
    QFETCH(QString, text);
    QCOMPARE(TransportWidget::timeText(seconds, true), text);

    // The same through the widget, from a display position in frames (a float holds
    // whole frames up to about six minutes at 44100 Hz).
    if (seconds > 360.0)
        return;
    TransportWidget transport;
    float position = float(seconds * 44100.0);
    transport.setPositionSource(&position);
    transport.updateTime();
    QCOMPARE(transport.clockLabel()->text(), clockHtml(text, "0:00"));
}

void TestTransportWidget::clockWithoutTrack()
{
    TransportWidget transport;
    QCOMPARE(transport.clockLabel()->text(), QString("<font color='#DE6E08'>0.000</font>"));
    QVERIFY(transport.clockTimer()->isActive());
    QCOMPARE(transport.clockTimer()->interval(), 40);

    // No position yet: the clock shows the start instead of reading through null.
    transport.updateTime();
    QCOMPARE(transport.clockLabel()->text(), clockHtml("0:00", "0:00"));

    // A rate of 0 (nothing decoded) and an unusable position show no time either.
    float position = 1.0e6f;
    transport.setPositionSource(&position);
    transport.setSampleRate(0);
    transport.updateTime();
    QCOMPARE(transport.clockLabel()->text(), clockHtml("0:00", "0:00"));
    transport.setDuration(441000);
    QCOMPARE(transport.durationText(), QString("0:00"));

    transport.setSampleRate(44100);
    position = std::numeric_limits<float>::quiet_NaN();
    transport.updateTime();
    QCOMPARE(transport.clockLabel()->text(), clockHtml("0:00", "0:00"));
    position = -5000.0f;
    transport.updateTime();
    QCOMPARE(transport.clockLabel()->text(), clockHtml("0:00", "0:00"));
}

void TestTransportWidget::clockFollowsPosition()
{
    TransportWidget transport;
    float position = 0.0f;
    transport.setPositionSource(&position);
    transport.setSampleRate(48000);
    transport.setDuration(48000 * 185);
    position = 48000.0f * 61.25f;
    // The running clock timer picks the position up by itself.
    QTRY_COMPARE_WITH_TIMEOUT(transport.clockLabel()->text(), clockHtml("1:01.25", "3:05"), eventuallyMs);
}

void TestTransportWidget::durationText()
{
    TransportWidget transport;
    QCOMPARE(transport.durationText(), QString("0:00"));
    transport.setDuration(100000);
    QCOMPARE(transport.durationText(), QString("0:02.267"));
    transport.setDuration(44100 * 60);
    QCOMPARE(transport.durationText(), QString("1:00"));
    // The length keeps the parts under a twentieth of a second.
    transport.setDuration(44100 * 60 + 441);
    QCOMPARE(transport.durationText(), QString("1:00.01"));
    // So small that six digits would write it with an exponent.
    transport.setDuration(1);
    QCOMPARE(transport.durationText(), QString("0:00"));
    transport.setDuration(-5);
    QCOMPARE(transport.durationText(), QString("0:00"));
}

void TestTransportWidget::fadeDownReachesZeroThenPauses()
{
    TransportWidget transport;
    Knob *volume = transport.volumeKnob();
    QCOMPARE(volume->value(), 99);
    QSignalSpy pauses(&transport, &TransportWidget::pauseSignal);
    QSignalSpy values(volume, &QAbstractSlider::valueChanged);

    transport.fadeVolume(false, true);
    QVERIFY(transport.fadeTimer()->isActive());
    QCOMPARE(transport.fadeTimer()->interval(), 10);
    // 99 steps, one value at a time down to 0, so the player's volume follows; then the pause.
    QCOMPARE(runFade(transport), 99);
    QCOMPARE(volume->value(), 0);
    QCOMPARE(pauses.count(), 1);
    QCOMPARE(values.count(), 99);
    QCOMPARE(values.last().at(0).toInt(), 0);
    QCOMPARE(transport.rememberedVolume(), 99);

    QTest::qWait(50);
    QCOMPARE(volume->value(), 0);
    QCOMPARE(pauses.count(), 1);
}

void TestTransportWidget::fadeUpReturnsAndEnds()
{
    TransportWidget transport;
    Knob *volume = transport.volumeKnob();
    volume->setValue(40);
    transport.fadeVolume(false, true);
    QCOMPARE(runFade(transport), 40);
    QCOMPARE(volume->value(), 0);

    // The fade up asks for the pause again before the volume rises.
    int valueAtPause = -1;
    connect(&transport, &TransportWidget::pauseSignal, [&] { valueAtPause = volume->value(); });
    QSignalSpy pauses(&transport, &TransportWidget::pauseSignal);
    transport.fadeVolume(true, false);
    QCOMPARE(pauses.count(), 1);
    QCOMPARE(valueAtPause, 0);
    QCOMPARE(runFade(transport), 40);
    QCOMPARE(volume->value(), 40);
    QTest::qWait(50);
    QCOMPARE(volume->value(), 40);

    // A second fade up has nothing to undo and nothing to raise: it ends at once.
    transport.fadeVolume(true, false);
    QCOMPARE(runFade(transport), 1);
    QCOMPARE(volume->value(), 40);
    QCOMPARE(pauses.count(), 1);

    // Turned above the remembered value while fading up: the fade ends there.
    transport.fadeVolume(false, false);
    runFade(transport);
    transport.fadeVolume(true, false);
    volume->setValue(70);
    QCOMPARE(runFade(transport), 1);
    QCOMPARE(volume->value(), 70);

    // A second fade down, during the first or after it, keeps the value from before the
    // first: the fade up returns there.
    transport.fadeVolume(false, false);
    runFade(transport, 25);
    QCOMPARE(volume->value(), 45);
    transport.fadeVolume(false, false);
    QCOMPARE(runFade(transport), 45);
    transport.fadeVolume(false, false);
    QCOMPARE(transport.rememberedVolume(), 70);
    runFade(transport);
    transport.fadeVolume(true, false);
    QCOMPARE(runFade(transport), 70);
    QCOMPARE(volume->value(), 70);
}

void TestTransportWidget::fadeEdges()
{
    // A fade up with no fade down before it, the knob at the top: ends without a step.
    {
        TransportWidget transport;
        QSignalSpy pauses(&transport, &TransportWidget::pauseSignal);
        QSignalSpy values(transport.volumeKnob(), &QAbstractSlider::valueChanged);
        transport.fadeVolume(true, true);
        QCOMPARE(runFade(transport), 1);
        QCOMPARE(transport.volumeKnob()->value(), 99);
        QCOMPARE(values.count(), 0);
        QCOMPARE(pauses.count(), 0);
    }
    // A fade down from 0 stops at once and asks for its pause.
    {
        TransportWidget transport;
        transport.volumeKnob()->setValue(0);
        QSignalSpy pauses(&transport, &TransportWidget::pauseSignal);
        transport.fadeVolume(false, true);
        QCOMPARE(runFade(transport), 1);
        QCOMPARE(pauses.count(), 1);
        QCOMPARE(transport.volumeKnob()->value(), 0);
    }
    // A fade down cut short by a fade up never paused, so nothing is asked to resume.
    {
        TransportWidget transport;
        QSignalSpy pauses(&transport, &TransportWidget::pauseSignal);
        transport.fadeVolume(false, true);
        runFade(transport, 5);
        transport.fadeVolume(true, true);
        QCOMPARE(runFade(transport), 5);
        QCOMPARE(transport.volumeKnob()->value(), 99);
        QCOMPARE(pauses.count(), 0);
    }
    // Without pause-at-end nothing is paused.
    {
        TransportWidget transport;
        transport.volumeKnob()->setValue(5);
        QSignalSpy pauses(&transport, &TransportWidget::pauseSignal);
        transport.fadeVolume(false, false);
        runFade(transport);
        transport.fadeVolume(true, false);
        runFade(transport);
        QCOMPARE(transport.volumeKnob()->value(), 5);
        QCOMPARE(pauses.count(), 0);
    }
}

void TestTransportWidget::lampFlashesPerBeat()
{
    TransportWidget transport;
    transport.show();
    QLabel *lamp = transport.metronomeLamp();
    QVERIFY(lamp->isHidden());
    QVERIFY(!transport.metronomeLampOff()->isHidden());

    // Lit for 200 ms, then the lamp goes out and its timer stops.
    transport.flashMetronome();
    QVERIFY(!lamp->isHidden());
    QVERIFY(transport.flashTimer()->isActive());
    QCOMPARE(transport.flashTimer()->interval(), 200);
    QTRY_VERIFY_WITH_TIMEOUT(lamp->isHidden(), eventuallyMs);
    QVERIFY(!transport.flashTimer()->isActive());

    // A second beat starts the 200 ms again (the first's timer, overdue, cannot fire meanwhile).
    transport.flashMetronome();
    QTest::qSleep(300);
    QCOMPARE(transport.flashTimer()->remainingTime(), 0);
    transport.flashMetronome();
    QVERIFY(transport.flashTimer()->remainingTime() > 0);
    QVERIFY(!lamp->isHidden());
    QTRY_VERIFY_WITH_TIMEOUT(lamp->isHidden(), eventuallyMs);
    QVERIFY(!transport.flashTimer()->isActive());
}

void TestTransportWidget::greyOverlaySwallowsClicks()
{
    TransportWidget transport;
    transport.setFixedSize(1000, 91);
    transport.show();
    QVERIFY(QTest::qWaitForWindowExposed(&transport));
    GreyedButtons *grey = transport.greyedButtons();
    QVERIFY(grey->isHidden());

    CustomButton *play = transport.playButton();
    CustomButton *stop = transport.stopButton();
    QSignalSpy playReleased(play, &QAbstractButton::released);
    QSignalSpy stopReleased(stop, &QAbstractButton::released);

    transport.setGreyedButtonsHidden(false);
    QVERIFY(grey->isVisible());
    QCOMPARE(clickAt(&transport, play), static_cast<QWidget *>(grey));
    clickAt(&transport, stop);
    QCOMPARE(playReleased.count(), 0);
    QCOMPARE(stopReleased.count(), 0);
    QVERIFY(!play->isChecked());

    // It keeps the buttons' tool tips away as well.
    QHelpEvent tip(QEvent::ToolTip, QPoint(5, 5), grey->mapToGlobal(QPoint(5, 5)));
    QVERIFY(QCoreApplication::sendEvent(grey, &tip));
    saveGrab(&transport, "transport_greyed");

    transport.setGreyedButtonsHidden(true);
    QVERIFY(grey->isHidden());
    QCOMPARE(clickAt(&transport, play), static_cast<QWidget *>(play));
    QCOMPARE(playReleased.count(), 1);
    QVERIFY(play->isChecked());
    clickAt(&transport, stop);
    QCOMPARE(stopReleased.count(), 1);
}

void TestTransportWidget::layoutAndGrab()
{
    TransportWidget transport;
    transport.setFixedSize(1000, 91);
    transport.show();
    QVERIFY(QTest::qWaitForWindowExposed(&transport));

    struct Expect {
        CustomButton *button;
        const char *name;
        bool checkable;
        bool repeats;
    };
    const Expect buttons[] = {
        {transport.playButton(), "play", true, false},     {transport.stopButton(), "stop", false, false},
        {transport.forwardButton(), "fwd", false, true},   {transport.backButton(), "back", false, true},
        {transport.loopButton(), "loop", true, false},     {transport.cueForwardButton(), "cuef", false, false},
        {transport.cueBackButton(), "cueb", false, false},
    };
    for (const Expect &e : buttons) {
        QCOMPARE(e.button->objectName(), QString(e.name));
        QCOMPARE(e.button->isCheckable(), e.checkable);
        QCOMPARE(e.button->autoRepeat(), e.repeats);
        if (e.repeats)
            QCOMPARE(e.button->autoRepeatInterval(), 50);
        QCOMPARE(e.button->size(), QSize(42, 41));
    }
    QVERIFY(transport.cueForwardButton()->isHidden());
    QVERIFY(transport.cueBackButton()->isHidden());

    // Loop, back, play, forward, stop from left to right, one row, centred in the bar.
    const QList<CustomButton *> row = {transport.loopButton(), transport.backButton(), transport.playButton(),
                                       transport.forwardButton(), transport.stopButton()};
    for (int i = 1; i < row.size(); ++i) {
        QCOMPARE(row[i]->y(), row[0]->y());
        QVERIFY(row[i]->x() >= row[i - 1]->x() + 42);
    }
    const int blockCentre = (row.first()->x() + row.last()->geometry().right()) / 2;
    QVERIFY2(std::abs(blockCentre - 500) <= 2, qPrintable(QString::number(blockCentre)));
    QCOMPARE(transport.greyedButtons()->size(), QSize(212, 45));
    transport.setGreyedButtonsHidden(false);
    QVERIFY(transport.greyedButtons()->geometry().contains(transport.playButton()->geometry()));
    QVERIFY(transport.greyedButtons()->geometry().contains(transport.loopButton()->geometry()));
    QVERIFY(transport.greyedButtons()->geometry().contains(transport.stopButton()->geometry()));
    transport.setGreyedButtonsHidden(true);
    QVERIFY(transport.clockLabel()->geometry().bottom() <= transport.playButton()->y());
    QCOMPARE(transport.clockLabel()->alignment(), Qt::AlignCenter);

    // Knobs, lamp and captions at their places.
    QCOMPARE(transport.volumeKnob()->geometry(), QRect(799, 13, 50, 50));
    QCOMPARE(transport.metronomeKnob()->geometry(), QRect(159, 13, 50, 50));
    QCOMPARE(transport.volumeKnob()->maximum(), 99);
    QCOMPARE(transport.volumeKnob()->defaultValue(), 99);
    QCOMPARE(transport.metronomeKnob()->value(), 0);
    QCOMPARE(transport.metronomeKnob()->defaultValue(), 0);
    QCOMPARE(transport.metronomeLamp()->geometry(), QRect(207, 53, 12, 12));
    QCOMPARE(transport.metronomeLampOff()->geometry(), QRect(207, 53, 12, 12));

    float position = 44100.0f * 65.4321f;
    transport.setPositionSource(&position);
    transport.setDuration(44100 * 200);
    transport.metronomeKnob()->setValue(30);
    transport.playButton()->latch();
    transport.flashMetronome();
    transport.updateTime();
    const QString path = saveGrab(&transport, "transport_playing");
    const QImage image(path);
    QCOMPARE(image.size(), QSize(1000, 91));
    // The bar is drawn: not one flat colour.
    QVERIFY(image.pixel(500, 5) != image.pixel(transport.playButton()->geometry().center()));
}
