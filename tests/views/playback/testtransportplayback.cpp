#include "testtransportplayback.h"

#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "tests/app/freshhome.h"
#include "tests/eventually.h"
#include "audio/audioplayer.h"
#include "grabs.h"
#include "metadata/metadatathread.h"
#include "tests/pcmwav.h"
#include "views/playback/transportwidget.h"
#include "views/playback/wavebg.h"

#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtEndian>
#include <QtTest>

#include <cmath>

namespace {

constexpr int trackFrames = 44100 * 12;

// A 16-bit stereo WAV file at 44100 Hz: a quiet chord with a pulse every half second.
bool writeTrack(const QString &path)
{
    QByteArray data(trackFrames * 4, Qt::Uninitialized);
    char *out = data.data();
    for (int i = 0; i < trackFrames; ++i) {
        const double t = double(i) / 44100.0;
        const double pulse = (i % 22050) < 800 ? 0.5 : 0.0;
        const double l = 0.2 * std::sin(2 * M_PI * 220.0 * t) + pulse * std::sin(2 * M_PI * 1000.0 * t);
        const double r = 0.2 * std::sin(2 * M_PI * 330.0 * t) + pulse * std::sin(2 * M_PI * 1000.0 * t);
        qToLittleEndian(qint16(l * 32000), out);
        qToLittleEndian(qint16(r * 32000), out + 2);
        out += 4;
    }
    return writePcm16Wav(path, data, 2);
}

// Clicks where a user would: on whatever child lies at the centre of the target.
QWidget *clickOn(QWidget *target)
{
    QWidget *top = target->window();
    const QPoint centre = target->mapTo(top, target->rect().center());
    QWidget *hit = top->childAt(centre);
    if (!hit)
        hit = top;
    QTest::mouseClick(hit, Qt::LeftButton, Qt::NoModifier, hit->mapFrom(top, centre));
    return hit;
}

QString clockTime(TransportWidget *transport)
{
    QString text = transport->clockLabel()->text();
    text.remove("<font color='#ff8c00'>");
    return text.section(' ', 0, 0);
}

// The clock's "m:ss.fff" in seconds.
double clockSeconds(TransportWidget *transport)
{
    const QString time = clockTime(transport);
    return time.section(':', 0, 0).toInt() * 60.0 + time.section(':', 1).toDouble();
}

} // namespace

void TestTransportPlayback::initTestCase()
{
    startFromAFreshHome();
    QVERIFY(m_dir.isValid());
    QVERIFY(writeTrack(m_dir.filePath("song.wav")));
}

void TestTransportPlayback::transportDrivesThePlayer()
{
    MainWindow window;
    warnOnMessageBoxes(window);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    AudioPlayer *player = window.audioPlayer();
    TransportWidget *transport = window.transportWidget();
    SmallPlot *overview = window.waveBg()->smallPlot();
    SmallPlotPlayMarker *overviewMarker = window.waveBg()->smallPlotPlayMarker();

    // Before a track: the clock shows no time and the transport moves nothing.
    QTRY_COMPARE(transport->clockLabel()->text(), QString("<font color='#ff8c00'>0:00 / 0:00</font>"));
    clickOn(transport->forwardButton());
    clickOn(transport->playButton());
    QVERIFY(!player->isPlaying());
    transport->playButton()->unlatch();
    emit overview->setPlaybackPosition(400, 884);
    QCOMPARE(player->playPosition(), AudioPlayer::blockFrames);
    QVERIFY(overview->isHidden());

    QCOMPARE(window.open(m_dir.filePath("song.wav")), 0);
    window.metaDataThread()->wait();
    QCoreApplication::processEvents();
    QVERIFY(overview->isVisible());
    QVERIFY(overviewMarker->isVisible());
    QCOMPARE(transport->durationText(), QString("0:12"));
    saveGrab(&window, "window_opened");

    // A click in the overview's middle seeks to the middle and moves the view there.
    const int x = overview->rect().center().x();
    clickOn(overview);
    const int seekTo = int(x * (double(trackFrames) / 884));
    QCOMPARE(player->playPosition(), seekTo);
    QCOMPARE(overview->windowCentre(), x);
    QTRY_VERIFY(std::abs(overviewMarker->lastDrawnX() - x) <= 1);
    const QString atSeek = TransportWidget::timeText(double(float(seekTo)) / 44100.0, true);
    QVERIFY(atSeek.startsWith("0:05.98"));
    QTRY_COMPARE(clockTime(transport), atSeek);

    // Play: the clock and the markers run, and the lamp lights on the track's beats
    // (the analysis has found the pulses by now).
    int beats = 0;
    int litOnBeat = 0;
    connect(player, &AudioPlayer::flashMetro, transport, [&] {
        ++beats;
        litOnBeat += transport->metronomeLamp()->isVisible() ? 1 : 0;
    });
    clickOn(transport->playButton());
    QVERIFY(player->isPlaying());
    QVERIFY(transport->playButton()->isChecked());
    QTRY_VERIFY_WITH_TIMEOUT(overviewMarker->lastDrawnX() > x + 10, eventuallyMs);
    const double seekSeconds = double(seekTo) / 44100.0;
    QTRY_VERIFY_WITH_TIMEOUT(clockSeconds(transport) > seekSeconds + 0.1, eventuallyMs);
    saveGrab(&window, "window_playing");
    QTRY_VERIFY_WITH_TIMEOUT(beats >= 2, eventuallyMs);
    QCOMPARE(litOnBeat, beats);

    // Forward by 32768 frames while playing; paused, back by as much; loop on.
    int before = player->playPosition();
    clickOn(transport->forwardButton());
    QVERIFY(player->playPosition() >= before + 32768);
    clickOn(transport->playButton());
    QVERIFY(!player->isPlaying());
    before = player->playPosition();
    clickOn(transport->backButton());
    QCOMPARE(player->playPosition(), before - 32768);
    clickOn(transport->playButton());
    QVERIFY(player->isPlaying());
    clickOn(transport->loopButton());
    QVERIFY(player->isLooping());
    QVERIFY(transport->loopButton()->isChecked());

    // Knobs reach the player; the metronome's beat lights the lamp.
    transport->metronomeKnob()->setValue(50);
    QCOMPARE(player->metronomeVolume(), 0.5f);
    transport->volumeKnob()->decrement();
    QCOMPARE(player->getVolume(), 0.98f);
    emit player->flashMetro();
    QVERIFY(transport->metronomeLamp()->isVisible());
    QTRY_VERIFY(transport->metronomeLamp()->isHidden());

    // While riffs play the player greys the buttons out and they take no clicks.
    emit player->setGreyedButtonsHidden(false);
    QCOMPARE(clickOn(transport->stopButton()), static_cast<QWidget *>(transport->greyedButtons()));
    QVERIFY(player->isPlaying());
    saveGrab(transport, "transport_in_window_greyed");
    emit player->setGreyedButtonsHidden(true);

    // Pause and play again with the play button, then stop.
    clickOn(transport->playButton());
    QVERIFY(!player->isPlaying());
    clickOn(transport->playButton());
    QVERIFY(player->isPlaying());
    clickOn(transport->stopButton());
    QVERIFY(!player->isPlaying());
    QVERIFY(!transport->playButton()->isChecked());

    // The volume fade that the shortcuts use moves the player's volume with it.
    transport->fadeVolume(false, false);
    QTRY_COMPARE_WITH_TIMEOUT(player->getVolume(), 0.0f, eventuallyMs);
    transport->fadeVolume(true, false);
    QTRY_COMPARE_WITH_TIMEOUT(player->getVolume(), 0.98f, eventuallyMs);
    QTRY_VERIFY(!transport->fadeTimer()->isActive());
}
