// The tab container and the real-time tools tab in the main window, through the real
// AudioPlayer on SDL's dummy driver: tab switching, the tempo and pitch controls reaching
// the engine (one parameter message per user change), the BPM read-out's range and its
// dead state while no tempo is known, the pitch sync's limits, session restore and the
// isolate settings of a new track.
#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "audio/audioplayer.h"
#include "app/tabwidget.h"
#include "metadata/metadatathread.h"
#include "tests/pcmwav.h"
#include "tests/real_time_tools/signalmeasure.h"
#include "tests/views/playback/grabs.h"
#include "views/playback/pitchsyncwidget.h"
#include "tests/capturegaps.h"
#include "tests/eventually.h"
#include "freshhome.h"

#include <QDir>
#include <QFile>
#include <QShortcut>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <cmath>

namespace {

// A 16-bit stereo WAV: a 440 Hz tone in the centre and a 660 Hz tone on the left only.
bool writeStereoWav(const QString &path, int frames)
{
    QByteArray data;
    data.reserve(frames * 4);
    for (int i = 0; i < frames; ++i) {
        const double centre = 8000.0 * std::sin(2.0 * M_PI * 440.0 * i / 44100.0);
        const double side = 8000.0 * std::sin(2.0 * M_PI * 660.0 * i / 44100.0);
        const qint16 l = qint16(std::lround(centre + side));
        const qint16 r = qint16(std::lround(centre));
        char b[4];
        qToLittleEndian(l, b);
        qToLittleEndian(r, b + 2);
        data.append(b, 4);
    }
    return writePcm16Wav(path, data, 2);
}

void press(QWidget *widget, int x, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(widget, button, Qt::NoModifier, QPoint(x, widget->height() / 2));
}

void wheel(QWidget *widget, int delta)
{
    const QPointF pos(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent event(pos, QPointF(widget->mapToGlobal(pos.toPoint())), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

constexpr int plus = 80;
constexpr int minus = 10;

} // namespace

class TestRealTimeTools : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_track;

    static RealTimeToolsTab *toolsOf(MainWindow &w) { return w.tabWidget()->realTimeToolsTab(); }
    static RealTimeEngine &engineOf(MainWindow &w) { return w.audioPlayer()->engine(); }

private slots:
    void initTestCase()
    {
        startFromAFreshHome();
        QVERIFY(m_dir.isValid());
        m_track = m_dir.filePath("centre.wav");
        QVERIFY(writeStereoWav(m_track, 44100 * 3));
    }

    void tabButtonsSwitchTheStack()
    {
        MainWindow window;
        TabButtons *buttons = window.tabWidget()->tabButtons();
        QStackedWidget *stack = window.tabWidget()->stack();
        QCOMPARE(buttons->geometry(), QRect(325, 12, 350, 25));
        QCOMPARE(stack->currentWidget(), static_cast<QWidget *>(toolsOf(window)));
        QSignalSpy changed(buttons, SIGNAL(tabChanged(int)));
        press(buttons, 116);
        QCOMPARE(stack->currentWidget(), static_cast<QWidget *>(window.tabWidget()->jamTab()));
        press(buttons, 232);
        QCOMPARE(stack->currentWidget(), static_cast<QWidget *>(window.tabWidget()->chordsTab()));
        press(buttons, 115);
        QCOMPARE(stack->currentIndex(), 0);
        press(buttons, 0);
        QCOMPARE(changed.count(), 4); // the current tab again still says so
        QCOMPARE(stack->currentIndex(), 0);
        buttons->showRiffBuilder();
        QCOMPARE(stack->currentIndex(), 1);
        QCOMPARE(buttons->currentTab(), 1);
    }

    void tempoKnobAndReadoutReachTheEngine()
    {
        MainWindow window;
        RealTimeToolsTab *tools = toolsOf(window);
        RealTimeEngine &engine = engineOf(window);
        Knob *knob = tools->tempoKnob();
        QSignalSpy hops(tools, SIGNAL(setHopFactor(float)));

        const struct {
            int knob;
            float factor;
        } cases[] = {{98, 0.985f}, {0, 0.25f}, {199, 1.99f}, {100, 1.0f}, {57, 0.6775f}};
        for (const auto &c : cases) {
            hops.clear();
            knob->setValue(c.knob);
            QCOMPARE(hops.count(), 1);
            QVERIFY(!engine.isTempoOff());
            QVERIFY(tools->tempoPowerButton()->isOn());
            QVERIFY(qFuzzyCompare(engine.hopFactor(), c.factor));
        }
        knob->setValue(99);
        QVERIFY(engine.isTempoOff());
        QVERIFY(!tools->tempoPowerButton()->isOn());
        QCOMPARE(engine.storedHopFactor(), 1.0f);
        QCOMPARE(engine.hopFactor(), 1.0f);

        // At 120 BPM the read-out steps by whole BPM from 30 to 240, and plays exactly
        // what it shows.
        IncrementWidget *bpm = tools->bpmWidget();
        tools->setBPM(120.3f);
        QCOMPARE(bpm->detectedBPM(), 120);
        QCOMPARE(bpm->value(), 120.0f);
        for (int i = 0; i < 30; ++i) {
            hops.clear();
            press(bpm, minus);
            QCOMPARE(hops.count(), 1);
        }
        QCOMPARE(bpm->value(), 90.0f);
        QCOMPARE(engine.hopFactor(), 0.75f);
        QVERIFY(!engine.isTempoOff());
        for (int i = 0; i < 100; ++i)
            press(bpm, minus);
        QCOMPARE(bpm->value(), 30.0f);
        QCOMPARE(engine.hopFactor(), 0.25f);
        for (int i = 0; i < 250; ++i)
            press(bpm, plus);
        QCOMPARE(bpm->value(), 240.0f);
        QCOMPARE(engine.hopFactor(), 2.0f);
        QCOMPARE(knob->value(), 199);

        // A value between whole numbers (from the knob) steps to the next whole number.
        bpm->showValue(120.4f);
        press(bpm, plus);
        QCOMPARE(bpm->value(), 121.0f);
        bpm->showValue(120.4f);
        press(bpm, minus);
        QCOMPARE(bpm->value(), 120.0f);
        QVERIFY(engine.isTempoOff()); // back at the detected tempo: off
        QCOMPARE(knob->value(), 99);

        // The knob shows its tempo in the read-out; a right press returns to 120 and off.
        knob->setValue(66);
        QVERIFY(qFuzzyCompare(bpm->value(), 0.745f * 120.0f));
        hops.clear();
        press(bpm, 40, Qt::RightButton);
        QCOMPARE(hops.count(), 1);
        QCOMPARE(bpm->value(), 120.0f);
        QVERIFY(engine.isTempoOff());
        QVERIFY(!tools->tempoPowerButton()->isOn());

        // At 43 BPM the slowest is 11 (a quarter is 10.75), and the knob rests at its start.
        tools->resetTools();
        tools->setBPM(43.0f);
        for (int i = 0; i < 40; ++i)
            press(bpm, minus);
        QCOMPARE(bpm->value(), 11.0f);
        QCOMPARE(knob->value(), 0);
        QVERIFY(qFuzzyCompare(engine.hopFactor(), 11.0f / 43.0f));

        // The mode read-out wraps and the engine gets 1..4.
        IncrementWidget *mode = tools->modeWidget();
        QSignalSpy modes(tools, SIGNAL(changeMode(int)));
        press(mode, minus);
        press(mode, plus);
        QCOMPARE(modes.count(), 2);
        QCOMPARE(modes.at(0).at(0).toInt(), 4);
        QCOMPARE(modes.at(1).at(0).toInt(), 1);
    }

    void withoutTempoNothingMoves()
    {
        MainWindow window;
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        RealTimeToolsTab *tools = toolsOf(window);
        RealTimeEngine &engine = engineOf(window);
        IncrementWidget *bpm = tools->bpmWidget();
        QSignalSpy hops(tools, SIGNAL(setHopFactor(float)));
        QSignalSpy chordTempo(tools, SIGNAL(updateChordTempo(float)));

        // Analysis without data, or a broken tempo, leaves the read-out dead.
        for (float bad : {0.0f, -1.0f, std::nanf(""), -120.0f})
            tools->setBPM(bad);
        QVERIFY(bpm->isInactive());
        QTest::keyClick(&window, Qt::Key_F6); // "Tempo Up (+1 BPM)"
        QTest::keyClick(&window, Qt::Key_F5);
        wheel(bpm, 120);
        wheel(bpm->inactiveOverlay(), -120);
        press(bpm, plus);
        press(bpm->inactiveOverlay(), plus);
        press(bpm, 40, Qt::RightButton);
        bpm->tempoChangedFromChords(-1.0f);
        bpm->tempoChangedFromChords(140.0f);
        QCOMPARE(hops.count(), 0);
        QCOMPARE(chordTempo.count(), 0);
        QCOMPARE(tools->tempoKnob()->value(), 99);
        QVERIFY(engine.isTempoOff());
        QCOMPARE(engine.hopFactor(), 1.0f);
        QCOMPARE(bpm->value(), 0.0f);

        // A real tempo makes it live: the keys step it.
        tools->setBPM(100.0f);
        QVERIFY(!bpm->isInactive());
        QTest::keyClick(&window, Qt::Key_F6);
        QCOMPARE(bpm->value(), 101.0f);
        QVERIFY(qFuzzyCompare(engine.hopFactor(), 1.01f));
        wheel(bpm, -60); // half a notch: nothing yet
        QCOMPARE(bpm->value(), 101.0f);
        wheel(bpm, -60);
        QCOMPARE(bpm->value(), 100.0f);
        QVERIFY(engine.isTempoOff());
        // The chord viewer's "no tempo" is not a tempo either.
        bpm->tempoChangedFromChords(-1.0f);
        QCOMPARE(bpm->value(), 100.0f);
        window.close();
    }

    void pitchControlsStayInStep()
    {
        MainWindow window;
        RealTimeToolsTab *tools = toolsOf(window);
        RealTimeEngine &engine = engineOf(window);
        PitchSyncWidget *sync = window.pitchSyncWidget();
        Knob *knob = tools->pitchKnob();
        IncrementWidget *semitones = tools->semitoneWidget();
        IncrementWidget *fine = tools->fineTuneWidget();
        QSignalSpy fromSync(sync, SIGNAL(setInterpFactor(float)));
        QSignalSpy fromTab(tools, SIGNAL(setInterpFactor(float)));
        auto interpMessages = [&] { return fromSync.count() + fromTab.count(); };
        auto clearSpies = [&] { fromSync.clear(); fromTab.clear(); };

        knob->setValue(0);
        QCOMPARE(engine.interpFactor(), 0.5f);
        QCOMPARE(semitones->value(), -12.0f);
        QCOMPARE(fine->value(), 50.0f);
        knob->setValue(199);
        QCOMPARE(engine.interpFactor(), 2.0f);
        QCOMPARE(sync->semitones(), 12);
        clearSpies();
        knob->setValue(99);
        QCOMPARE(interpMessages(), 1);
        QVERIFY(engine.isPitchOff());
        QCOMPARE(engine.interpFactor(), 1.0f);
        QCOMPARE(sync->fraction(), 0.0f);
        QVERIFY(!tools->pitchPowerButton()->isOn());

        // Fine 70 is +0.2 semitone, in floating point all the way.
        QSignalSpy keyShift(tools, SIGNAL(updateChordKeyShift(float)));
        for (int i = 0; i < 20; ++i) {
            clearSpies();
            press(fine, plus);
            QCOMPARE(interpMessages(), 1);
        }
        QCOMPARE(fine->value(), 70.0f);
        QVERIFY(qFuzzyCompare(sync->fraction(), 0.2f));
        QVERIFY(qFuzzyCompare(engine.interpFactor(), float(std::pow(2.0, 0.2 / 12.0))));
        QVERIFY(qFuzzyCompare(keyShift.last().at(0).toFloat(), 0.2f));
        QVERIFY(qFuzzyCompare(tools->semitonesValue(), 0.2f));
        QVERIFY(tools->pitchPowerButton()->isOn());
        QVERIFY(knob->value() > 99);

        // Stepping 11 -> 12 with +0.2 would leave the octave: the fraction goes, 2.0 exactly.
        for (int i = 0; i < 11; ++i)
            semitones->increment();
        QCOMPARE(sync->semitones(), 11);
        clearSpies();
        press(semitones, plus);
        QCOMPARE(interpMessages(), 1);
        QCOMPARE(engine.interpFactor(), 2.0f);
        QCOMPARE(sync->fraction(), 0.0f);
        QCOMPARE(fine->value(), 50.0f);
        press(semitones, plus);
        QCOMPARE(semitones->value(), 12.0f);

        // With -0.2 the step from 11 to 12 keeps the fraction: 11.8 semitones.
        press(semitones, minus);
        for (int i = 0; i < 20; ++i)
            press(fine, minus);
        QVERIFY(qFuzzyCompare(sync->fraction(), -0.2f));
        press(semitones, plus);
        QCOMPARE(sync->semitones(), 12);
        QVERIFY(qFuzzyCompare(sync->fraction(), -0.2f));
        QVERIFY(qFuzzyCompare(engine.interpFactor(), float(std::pow(2.0, 11.8 / 12.0))));
        QVERIFY(qFuzzyCompare(tools->semitonesValue(), 11.8f));
        // Above 12 the fine tune cannot go: +0.1 on 12 gives 2.0 and clears it.
        for (int i = 0; i < 30; ++i)
            press(fine, plus);
        QCOMPARE(engine.interpFactor(), 2.0f);
        QCOMPARE(fine->value(), 50.0f);

        // A right press on the semitones resets the pitch in one message.
        clearSpies();
        press(semitones, 40, Qt::RightButton);
        QCOMPARE(interpMessages(), 1);
        QCOMPARE(engine.interpFactor(), 1.0f);
        QVERIFY(engine.isPitchOff());
        QCOMPARE(knob->value(), 99);
        QCOMPARE(semitones->value(), 0.0f);
        QCOMPARE(fine->value(), 50.0f);
        QCOMPARE(sync->semitones(), 0);
        QCOMPARE(sync->fraction(), 0.0f);

        // The fine tune stops at 0 and 99, also from a factor half a semitone down.
        for (int i = 0; i < 60; ++i)
            fine->increment();
        QCOMPARE(fine->value(), 99.0f);
        QVERIFY(qFuzzyCompare(sync->fraction(), 0.49f));
        for (int i = 0; i < 120; ++i)
            wheel(fine, -120);
        QCOMPARE(fine->value(), 0.0f);
        QVERIFY(qFuzzyCompare(sync->fraction(), -0.5f));
        // Together the two read-outs show any factor to a hundredth, halves included.
        for (int h = -1200; h <= 1200; h += 5) {
            const float factor = float(std::pow(2.0, h / 1200.0));
            const float f = IncrementWidget::fineOf(factor);
            QVERIFY(f >= 0.0f && f <= 99.0f);
            const float shown = float(IncrementWidget::semitonesOf(factor)) + (f - 50.0f) / 100.0f;
            QVERIFY2(std::fabs(shown - h / 100.0f) < 0.0101f, qPrintable(QString::number(h)));
        }
        press(fine, 40, Qt::RightButton);
        QCOMPARE(fine->value(), 50.0f);
        QCOMPARE(engine.interpFactor(), 1.0f);

        // The knob's positions come back from their own factors.
        for (int v = 0; v <= 199; ++v)
            QCOMPARE(RealTimeToolsTab::pitchKnobValue(v == 99 ? 1.0f : v > 98 ? v * 0.01f + 0.01f : v * 0.005f + 0.5f), v);

        // A saved -2.25 is -2 semitones and -0.25.
        sync->initFromSession(-2.25f);
        QCOMPARE(sync->semitones(), -2);
        QCOMPARE(sync->fraction(), -0.25f);
        sync->initFromSession(11.6f);
        QCOMPARE(sync->semitones(), 12);
        QVERIFY(qFuzzyCompare(sync->interpFactor(), float(std::pow(2.0, 11.6 / 12.0))));

        // The key shift's step code 2 changes nothing; a step at +12 stays at 12.
        sync->setSyncValue("keyShift", 0);
        for (int i = 0; i < 14; ++i)
            sync->setSyncValue("keyShift", 1);
        QCOMPARE(sync->semitones(), 12);
        QCOMPARE(engine.interpFactor(), 2.0f);
        sync->setSyncValue("keyShift", 2);
        QCOMPARE(sync->semitones(), 12);
    }

    void sessionRestoreAgreesWithTheEngine()
    {
        MainWindow window;
        RealTimeToolsTab *tools = toolsOf(window);
        RealTimeEngine &engine = engineOf(window);
        const QStringList isolate{"60", "20", "30", "10", "0", "0", "1"};

        tools->restoreFromSession({"120", "66", "2", "1"}, {"113", "2.1", "0", "1"}, isolate);
        QVERIFY(tools->tempoPowerButton()->isOn());
        QVERIFY(!engine.isTempoOff());
        QVERIFY(qFuzzyCompare(engine.hopFactor(), RealTimeToolsTab::tempoFactor(66)));
        QCOMPARE(engine.vocoderMode(), 3);
        QVERIFY(!engine.isPitchOff());
        QVERIFY(qFuzzyCompare(engine.interpFactor(), float(std::pow(2.0, 2.1 / 12.0))));
        QCOMPARE(window.pitchSyncWidget()->semitones(), 2);
        QVERIFY(qFuzzyCompare(tools->semitonesValue(), 2.1f));
        QVERIFY(engine.isIsolateOn());
        QCOMPARE(engine.isolateKeep(), 40.0f);
        QCOMPARE(engine.isolateFilterBin(), 30.0f);
        QVERIFY(!engine.isInverted());
        QVERIFY(!engine.isHighSide());

        // Saved with the tempo switched off: the engine keeps the factor for later.
        tools->restoreFromSession({"120", "66", "0", "0"}, {"99", "0", "0", "0"}, isolate);
        QVERIFY(!tools->tempoPowerButton()->isOn());
        QVERIFY(engine.isTempoOff());
        QVERIFY(qFuzzyCompare(engine.storedHopFactor(), RealTimeToolsTab::tempoFactor(66)));
        QVERIFY(engine.isPitchOff());
        QCOMPARE(tools->semitonesValue(), 0.0f);

        // Restored before the analysis gave a tempo: when it comes, the read-out shows the
        // tempo that plays, not the detected one (the file holds that tempo cut to 89).
        tools->restoreFromSession({"89", "66", "0", "1"}, {"99", "0", "0", "0"}, isolate);
        tools->setBPM(120.0f);
        QCOMPARE(tools->bpmWidget()->value(), RealTimeToolsTab::tempoFactor(66) * 120.0f);

        // A tempo from the BPM buttons, between the knob's steps: the saved BPM plays.
        tools->resetTools();
        tools->restoreFromSession({"117", "94", "0", "1"}, {"99", "0", "0", "0"}, isolate);
        tools->setBPM(120.0f);
        QVERIFY(tools->bpmWidget()->value() == 117.0f && engine.hopFactor() == 117.0f / 120.0f);
        // The knob turned while the analysis still runs is the tempo that plays after it.
        tools->resetTools();
        tools->restoreFromSession({"117", "94", "0", "1"}, {"99", "0", "0", "0"}, isolate);
        tools->tempoKnob()->setValue(150);
        tools->setBPM(120.0f);
        QVERIFY(tools->bpmWidget()->value() == 180.0f && engine.hopFactor() == 1.5f);
        // A knob's pitch plays its own factor; -2.5 is -2 semitones and the fine tune's bottom.
        tools->restoreFromSession({"120", "99", "0", "0"}, {"110", "1.81", "31", "1", "1.11000001"}, isolate);
        QVERIFY(engine.interpFactor() == 1.11f);
        tools->restoreFromSession({"120", "99", "0", "0"}, {"73", "-2.5", "0", "1"}, isolate);
        QCOMPARE(tools->fineTuneWidget()->value(), 0.0f);
        QCOMPARE(window.pitchSyncWidget()->semitones(), -2);
    }

    // What a new user does, heard through SDL's disk driver: open a song, slow it to 75 %
    // with the BPM read-out, transpose it +2 with the key, keep only the centre, play.
    void slowTransposeAndIsolateAreHeard()
    {
        const QString capture = qEnvironmentVariable("SDL_DISKAUDIOFILE");
        if (qEnvironmentVariable("SDL_AUDIODRIVER") != "disk" || capture.isEmpty())
            QSKIP("runs under SDL's disk driver only");
        MainWindow window;
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        RealTimeToolsTab *tools = toolsOf(window);
        QCOMPARE(window.open(m_track), 0);
        window.metaDataThread()->wait();
        QCoreApplication::processEvents();
        if (!tools->bpmWidget()->isTempoKnown())
            tools->setBPM(120.0f); // a steady tone may have no tempo of its own
        const float detected = float(tools->bpmWidget()->detectedBPM());
        const float target = std::round(detected * 0.75f);
        for (int i = 0; i < 10000 && tools->bpmWidget()->value() > target; ++i)
            press(tools->bpmWidget(), minus);
        QCOMPARE(tools->bpmWidget()->value(), target);
        QCOMPARE(window.audioPlayer()->engine().hopFactor(), target / detected);
        QTest::keyClick(&window, Qt::Key_F8); // "Pitch Up (+1 Semitone)"
        QTest::keyClick(&window, Qt::Key_F8);
        QTest::mouseClick(tools->isolatePowerButton(), Qt::LeftButton);
        QVERIFY(tools->tempoPowerButton()->isOn() && tools->pitchPowerButton()->isOn()
                && tools->isolatePowerButton()->isOn());
        QVERIFY(tools->muteSoloButton()->state()); // solo: the band at the centre stays

        QFile(capture).resize(0);
        window.audioPlayer()->play();
        QTRY_VERIFY_WITH_TIMEOUT(!window.audioPlayer()->isPlaying(), eventuallyMs);
        QTest::qWait(300);
        window.close();
        window.audioPlayer()->shutdown();

        QFile f(capture);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        // A busy machine may leave gaps of silence in the capture: only what was played counts.
        const std::vector<float> played = playedFrames(bytes);
        const int frames = int(played.size() / 2);
        std::vector<float> left, right;
        for (int i = 0; i < frames; ++i) {
            left.push_back(played[size_t(2 * i)]);
            right.push_back(played[size_t(2 * i + 1)]);
        }
        int first = 0, last = frames - 1;
        while (first < frames && std::fabs(left[size_t(first)]) < 1e-3f)
            ++first;
        while (last > first && std::fabs(left[size_t(last)]) < 1e-3f)
            --last;
        // The three-second track plays for three seconds over the tempo factor.
        const double seconds = double(last - first) / 44100.0 * (target / detected);
        QVERIFY2(seconds > 2.8 && seconds < 3.1, qPrintable(QString::number(seconds)));
        // Only the centre's 440 Hz is left, two semitones up, on both sides alike.
        const size_t from = size_t(first + 22050), to = size_t(first + 3 * 44100);
        const double up2 = 440.0 * std::pow(2.0, 2.0 / 12.0);
        QVERIFY2(std::fabs(measureFrequency(left, from, to) - up2) < 3.0,
                 qPrintable(QString::number(measureFrequency(left, from, to))));
        QVERIFY2(std::fabs(measureFrequency(right, from, to) - up2) < 3.0,
                 qPrintable(QString::number(measureFrequency(right, from, to))));
        QVERIFY(std::fabs(rms(left, from, to) - rms(right, from, to)) < 0.2 * rms(right, from, to));
    }

    // Pictures of the tab at rest and with every tool on, to look at after a run.
    void faceplateIdleAndBusy()
    {
        MainWindow window;
        RealTimeToolsTab *tools = toolsOf(window);
        QCOMPARE(tools->geometry(), QRect(0, 0, 1000, 355));
        QCOMPARE(tools->isolatePlot()->geometry(), QRect(343, 84, 316, 101));
        QCOMPARE(tools->pitchKnob()->geometry(), QRect(782, 94, 85, 85));
        QCOMPARE(tools->fineTuneWidget()->geometry(), QRect(781, 272, 93, 20));
        saveGrab(window.tabWidget(), "tools_tab_idle");

        tools->setBPM(118.0f);
        press(tools->bpmWidget(), minus);
        tools->pitchKnob()->setValue(130);
        press(tools->modeWidget(), plus);
        press(tools->fineTuneWidget(), 60);
        tools->separationKnob()->setValue(80);
        tools->muteSoloButton()->setStateFromSession(false);
        tools->tempoKnob()->setValue(70);
        tools->fadeInTempoLabel();
        for (int i = 0; i < 1000 && tools->fadeTimer()->isActive(); ++i)
            tools->fadeTempoWidgets();
        QCOMPARE(tools->labelOpacity(), 1.0f);
        QCOMPARE(tools->scaleLabel(0)->palette().color(QPalette::WindowText).alpha(), 150);
        QVERIFY(tools->tempoPowerButton()->isOn());
        QVERIFY(tools->pitchPowerButton()->isOn());
        QVERIFY(tools->isolatePowerButton()->isOn());
        saveGrab(window.tabWidget(), "tools_tab_busy");
    }

    void newTrackTakesTheControls()
    {
        MainWindow window;
        RealTimeToolsTab *tools = toolsOf(window);
        RealTimeEngine &engine = engineOf(window);
        tools->tempoKnob()->setValue(66);
        tools->pitchKnob()->setValue(120);
        tools->filterKnob()->setValue(40);
        QCOMPARE(window.open(m_track), 0);
        window.metaDataThread()->wait();
        QCoreApplication::processEvents();

        // Every tool is off and at rest, and the engine holds what the controls show.
        QVERIFY(engine.isTempoOff());
        QVERIFY(engine.isPitchOff());
        QVERIFY(!engine.isIsolateOn());
        QCOMPARE(tools->tempoKnob()->value(), 99);
        QCOMPARE(tools->pitchKnob()->value(), 99);
        QCOMPARE(window.pitchSyncWidget()->interpFactor(), 1.0f);
        QCOMPARE(engine.isolateKeep(), 100.0f - tools->separationKnob()->value());
        QCOMPARE(engine.isolateFilterBin(), float(tools->filterKnob()->value()));
        QVERIFY(qFuzzyCompare(engine.isolateWidth(), (tools->widthKnob()->value() + 0.001f) / 100.0f));
        QCOMPARE(engine.isInverted(), tools->muteSoloButton()->state());
        saveGrab(&window, "window_new_track");
    }
};

QTEST_MAIN(TestRealTimeTools)
#include "tst_realtimetools.moc"
