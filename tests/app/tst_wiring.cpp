// The connections between the subsystems that the main window makes: every one is
// there exactly once, none fails while the window is built, the six riffs never cross,
// and the query signals answer with the player's values.
#include "app/mainwindow.h"
#include "app/pathsmanager.h"
#include "app/tabwidget.h"
#include "app/updatecheck.h"
#include "audio/audioplayer.h"
#include "analysis/trackanalysis.h"
#include "metadata/metadata.h"
#include "metadata/metadatathread.h"
#include "preferences/devicestab.h"
#include "preferences/languagetab.h"
#include "preferences/preferencesmenu.h"
#include "preferences/shortcutstab.h"
#include "views/chords/chordfilterwidget.h"
#include "views/chords/keyshiftwidget.h"
#include "views/chords/processinglabel.h"
#include "views/chords/singlechordeditwidget.h"
#include "views/chords/tempowidget.h"
#include "views/jam/looplengthwidget.h"
#include "views/jam/riffidwidget.h"
#include "views/jam/riffstep.h"
#include "views/jam/songstep.h"
#include "views/jam/stepcontextmenu.h"
#include "views/playback/pitchsyncwidget.h"
#include "views/playback/smallplot.h"
#include "views/playback/transportwidget.h"
#include "views/playback/wavebg.h"
#include "connectwarnings.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QStackedWidget>
#include <QtTest>

namespace {
// QObject::receivers is protected; a pointer to it taken through a subclass may be
// called on any object.
struct ReceiverCount : QObject {
    static int of(const QObject *sender, const char *signal)
    {
        int (QObject::*count)(const char *) const = &ReceiverCount::receivers;
        return (sender->*count)(signal);
    }
};

struct Row {
    QObject *sender;
    const char *signal;
    QObject *receiver;
    const char *slot;
};

QAction *actionNamed(MainWindow &window, const QString &text)
{
    for (QAction *action : window.findChildren<QAction *>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// The rows of the window's wiring made with the string form, with both ends built.
QVector<Row> wiringTable(MainWindow &w)
{
    AudioPlayer *player = w.audioPlayer();
    MetaDataThread *analysis = w.metaDataThread();
    TransportWidget *transport = w.transportWidget();
    Plotter *plotter = w.waveBg()->plotter();
    SmallPlot *smallPlot = w.waveBg()->smallPlot();
    PlotSelection *selection = plotter->plotSelection();
    RealTimeToolsTab *tools = w.tabWidget()->realTimeToolsTab();
    ChordsTab *chords = w.tabWidget()->chordsTab();
    JamTab *jam = w.tabWidget()->jamTab();
    PitchSyncWidget *sync = w.pitchSyncWidget();
    PreferencesMenu *prefs = w.preferencesMenu();
    QVector<Row> rows = {
        {transport->playButton(), SIGNAL(released()), player, SLOT(pause())},
        {transport->stopButton(), SIGNAL(released()), player, SLOT(stop())},
        {transport->forwardButton(), SIGNAL(released()), player, SLOT(seekF())},
        {transport->backButton(), SIGNAL(released()), player, SLOT(seekB())},
        {transport->cueBackButton(), SIGNAL(released()), player, SLOT(toBeginning())},
        {transport->cueForwardButton(), SIGNAL(released()), player, SLOT(toEnd())},
        {transport->loopButton(), SIGNAL(toggled(bool)), player, SLOT(loop(bool))},
        {smallPlot, SIGNAL(setPlaybackPosition(int,int)), player, SLOT(setPlaybackPos(int,int))},
        {selection, SIGNAL(selectionDoubleClick()), player, SLOT(play())},
        {selection, SIGNAL(selectionDoubleClick()), transport->playButton(), SLOT(latch())},
        {selection, SIGNAL(selectionSingleClick()), player, SLOT(selectionSingleClick())},
        {plotter, SIGNAL(setSmallPlotPixmap(QPixmap,float,int)), smallPlot, SLOT(setSmallPlotPixmap(QPixmap,float,int))},
        {plotter, SIGNAL(setSmallPlotZoomFactor(float)), smallPlot, SLOT(setZoomFactor(float))},
        {selection, SIGNAL(setSmallPlotSelection(float,float)), smallPlot, SLOT(setSelection(float,float))},

        {tools, SIGNAL(setHopFactor(float)), player, SLOT(setHop(float))},
        {tools, SIGNAL(activateTempo(bool)), player, SLOT(activateTempo(bool))},
        {tools, SIGNAL(changeMode(int)), player, SLOT(changeMode(int))},
        {tools->tempoKnob(), SIGNAL(resetKnob()), player, SLOT(resetHopFactor())},
        {tools, SIGNAL(initTempoPowerButtonFromSession(bool,float)), player, SLOT(initHopFactorFromSession(bool,float))},
        {tools, SIGNAL(setInterpFactor(float)), player, SLOT(setInterp(float))},
        {tools, SIGNAL(activatePitch(bool)), player, SLOT(activatePitch(bool))},
        {tools, SIGNAL(activateSSS(bool)), player, SLOT(activateSSS(bool))},
        {tools, SIGNAL(widthChanged(int)), player, SLOT(setWidth(int))},
        {tools, SIGNAL(separationChanged(int)), player, SLOT(setSeparation(int))},
        {tools, SIGNAL(azimuthChanged(int)), player, SLOT(setAzimuth(int))},
        {tools->isolatePlot(), SIGNAL(getCurve()), player, SLOT(getSSSCurve())},
        {tools->isolatePlot(), SIGNAL(setPlotScale(int)), player, SLOT(setPScale(int))},
        {tools, SIGNAL(setMuteSolo(bool)), player, SLOT(setInverted(bool))},
        {tools, SIGNAL(setFilter(bool)), player, SLOT(setFilter(bool))},
        {tools, SIGNAL(filterChanged(int)), player, SLOT(setFilterKnob(int))},
        {analysis, SIGNAL(setBPM(float)), tools, SLOT(setBPM(float))},
        {analysis, SIGNAL(gotMetaData()), chords, SLOT(initDetectedChords())},
        {analysis, SIGNAL(gotMetaData()), plotter->chordsStrip(), SLOT(initChordStrip())},

        {tools, SIGNAL(updateChordTempo(float)), chords->tempoWidget(), SLOT(updateTempo(float))},
        {tools->bpmWidget(), SIGNAL(updateChordTempo(float)), chords->tempoWidget(), SLOT(updateTempo(float))},
        {chords->tempoWidget(), SIGNAL(tempoChanged(float)), tools->bpmWidget(), SLOT(tempoChangedFromChords(float))},
        {tools, SIGNAL(initChordTempo(float,float)), chords->tempoWidget(), SLOT(initTempo(float,float))},
        {chords->keyShiftWidget(), SIGNAL(shiftKey(float)), tools->semitoneWidget(), SLOT(keyShiftFromChords(float))},
        {tools, SIGNAL(updateChordKeyShift(float)), chords->keyShiftWidget(), SLOT(updateKeyShift(float))},

        {jam->powerButton(), SIGNAL(buttonOn(bool)), plotter, SLOT(activateBeatSelecitionWidget(bool))},
        {jam, SIGNAL(setActiveRiff(int)), plotter, SLOT(setActiveRiff(int))},
        {player, SIGNAL(enableJamTab(bool)), jam->powerButton(), SLOT(setValueFromSession(bool))},
        {jam, SIGNAL(setActiveRiff(int)), player, SLOT(setRiff(int))},
        {player, SIGNAL(setCurrentSongStep(int)), jam->songStep(), SLOT(setStep(int))},
        {player, SIGNAL(songRiffChanged(int)), plotter, SLOT(setActiveRiff(int))},
        {player, SIGNAL(songRiffChanged(int)), jam->riffIdWidget(), SLOT(setRiffId(int))},
        {player, SIGNAL(songRiffChanged(int)), jam->stepStack(), SLOT(setCurrentIndex(int))},
        {player, SIGNAL(songRiffChanged(int)), jam->loopLengthStack(), SLOT(setCurrentIndex(int))},
        {player, SIGNAL(updateBeatSelections(int)), selection, SLOT(updateSelectionFromOffset(int))},
        {player, SIGNAL(setGreyedButtonsHidden(bool)), transport, SLOT(setGreyedButtonsHidden(bool))},
        {jam->songStep(), SIGNAL(setLoopLength(int)), player, SLOT(setSongLength(int))},
        {w.recentFilesMenu(), SIGNAL(triggered(QAction*)), &w, SLOT(loadRecent(QAction*))},
        {jam->powerButton(), SIGNAL(buttonOn(bool)), &w, SLOT(jamTabPowerPressed(bool))},
        {jam->powerButton(), SIGNAL(buttonOn(bool)), plotter->playMarker(), SLOT(showPlaymarker(bool))},
        {transport->playButton(), SIGNAL(released()), plotter->playMarker(), SLOT(show())},
        {transport->loopButton(), SIGNAL(released()), plotter->playMarker(), SLOT(show())},

        {plotter->chordsStrip(), SIGNAL(getShiftedChordIndex(QString,int)), chords, SLOT(getChordIndex(QString,int))},
        {chords, SIGNAL(setChordStripKeyShift(int)), plotter->chordsStrip(), SLOT(setKeyShift(int))},
        {transport->volumeKnob(), SIGNAL(valueChanged(int)), player, SLOT(setVolume(int))},
        {transport->metronomeKnob(), SIGNAL(valueChanged(int)), player, SLOT(setMetroVolume(int))},
        {player, SIGNAL(playRiffSong(bool)), plotter, SLOT(riffSongPlayback(bool))},
        {player, SIGNAL(changeBeatPitch(float)), jam, SLOT(setBeatPitchLabel(float))},
        {player, SIGNAL(unlatchMainPlay()), transport->playButton(), SLOT(unlatch())},
        {player, SIGNAL(unlatchRiffPlay()), jam->riffPlayButton(), SLOT(unlatch())},
        {player, SIGNAL(unlatchSongPlay()), jam->songPlayButton(), SLOT(unlatch())},
        {jam->songStep(), SIGNAL(setLoopLength()), &w, SLOT(checkSongLoopLength())},
        {player, SIGNAL(flashMetro()), transport, SLOT(flashMetronome())},
        {jam, SIGNAL(playRiff()), player, SLOT(playRiff())},
        {jam, SIGNAL(playSong()), player, SLOT(playSong())},
        {jam->songStep(), SIGNAL(stopSongPlayback()), player, SLOT(stopSongPlayback())},
        {jam->beatOffsetKnob(), SIGNAL(valueChanged(int)), player, SLOT(setBeatOffset(int))},
        {jam->beatOffsetKnob(), SIGNAL(valueChanged(int)), plotter->chordsStrip(), SLOT(repositionChords(int))},
        {jam, SIGNAL(setActiveRiff(int)), &w, SLOT(checkEnableAudioExport())},
        {plotter->chordEditor(), SIGNAL(savePQM()), analysis, SLOT(savePQM())},
        {plotter->chordEditor(), SIGNAL(reInitDetectedChordsWidget()), chords, SLOT(initDetectedChords())},
        {chords->chordFilterWidget(), SIGNAL(recalculateChords(QVector<QVector<int> >)), &w,
         SLOT(recalculateChords(QVector<QVector<int> >))},
        {chords->chordFilterWidget(), SIGNAL(stopPlayback()), player, SLOT(stop())},
        {analysis, SIGNAL(setChordFilterSelection(QVector<QString>)), chords->chordFilterWidget(),
         SLOT(setSelectionFromDetectedChords(QVector<QString>))},
        {analysis, SIGNAL(gotMetaData()), plotter->processingLabel(), SLOT(hide())},
        {analysis, SIGNAL(gotMetaData()), plotter->processingLabel()->dotTimer(), SLOT(stop())},
        {analysis, SIGNAL(gotMetaData()), &w, SLOT(checkEnableAudioExport())},

        {selection, SIGNAL(enableSaveSelection(bool)), &w, SLOT(enableSelectionExport(bool))},
        {prefs, SIGNAL(setAudioDevice(int)), player, SLOT(setAudioDevice(int))},
        {prefs, SIGNAL(setDeviceBufferSize(int)), player, SLOT(setDeviceBufferSize(int))},
        {prefs, SIGNAL(updatePaths(QString,QString)), w.pathsManager(), SLOT(updatePaths(QString,QString))},
        {prefs->shortcutsTab(), SIGNAL(initMainWindowShortcuts()), &w, SLOT(initShortcuts())},
        {w.updateCheck(), SIGNAL(showUpdateMessageBox(int,bool)), &w, SLOT(showUpdateMessageBox(int,bool))},
        {tools, SIGNAL(initPitchSyncWidgetFromSession(float)), sync, SLOT(initFromSession(float))},
        {tools->pitchKnob(), SIGNAL(setSyncValueSignal(QString,int)), sync, SLOT(setSyncValue(QString,int))},
        {tools->fineTuneWidget(), SIGNAL(setSyncValueSignal(QString,int)), sync, SLOT(setSyncValue(QString,int))},
        {tools->semitoneWidget(), SIGNAL(setSyncValueSignal(QString,int)), sync, SLOT(setSyncValue(QString,int))},
        {chords->keyShiftWidget(), SIGNAL(setSyncValueSignal(QString,int)), sync, SLOT(setSyncValue(QString,int))},
        {chords->keyShiftWidget(), SIGNAL(resetFineTune()), sync, SLOT(resetFineTune())},
        {tools->semitoneWidget(), SIGNAL(resetPitch()), sync, SLOT(resetPitch())},
        {tools->fineTuneWidget(), SIGNAL(resetFineTune()), sync, SLOT(resetFineTune())},
        {sync, SIGNAL(setInterpFactor(float)), player, SLOT(setInterp(float))},
        {sync, SIGNAL(updatePitchWidgets(QString,float)), tools, SLOT(updatePitchWidgets(QString,float))},
        {prefs->languageTab(), SIGNAL(closeMainwindow()), &w, SLOT(close())},
        {prefs->languageTab(), SIGNAL(writeSettings()), &w, SLOT(writeSettings())},
    };

    for (int i = 0; i < JamTab::riffCount; ++i) {
        BeatSelection *strip = plotter->beatSelection(i);
        RiffStep *steps = jam->riffStep(i);
        LoopLengthWidget *loop = jam->loopLengthWidget(i);
        rows += {
            {steps, SIGNAL(showStepSelection(int)), plotter, SLOT(switchSelectionWidget(int))},
            {steps, SIGNAL(stepArmed(int)), strip, SLOT(setArmedStep(int))},
            {steps, SIGNAL(setLoopLength(int)), player, SLOT(setRiffLength(int))},
            {loop, SIGNAL(setLoopLength(int)), player, SLOT(setRiffLength(int))},
            {steps, SIGNAL(lockSelection()), strip, SLOT(lockSelection())},
            {player, SIGNAL(setCurrentBeatStep(int)), steps, SLOT(setStep(int))},
            {steps, SIGNAL(setLoopLength(int)), strip, SLOT(setLoopLength(int))},
            {loop, SIGNAL(setLoopLength(int)), strip, SLOT(setLoopLength(int))},
            {loop, SIGNAL(extendLoop(int)), strip, SLOT(extendLoopLength(int))},
            {strip, SIGNAL(setActiveStep(int)), steps, SLOT(setArmedStep(int))},
            {strip, SIGNAL(commitStep()), steps, SLOT(commitStep())},
            {strip, SIGNAL(commitStep()), &w, SLOT(checkEnableAudioExport())},
            {strip, SIGNAL(checkEnableAudioExport()), &w, SLOT(checkEnableAudioExport())},
            {player, SIGNAL(updateBeatSelections()), strip, SLOT(update())},
            {player, SIGNAL(updateBeatSelections()), strip, SLOT(layoutBeatLabels())},
            {player, SIGNAL(setCurrentBeatStep(int)), strip, SLOT(setAnimatedStep(int))},
        };
        for (int k = 0; k < JamTab::stepCount; ++k) {
            StepContextMenu *menu = jam->stepMenu(i, k);
            rows += {{menu->firstButton(), SIGNAL(released()), strip->beatLabel(k), SLOT(reOrder())},
                     {menu, SIGNAL(contextPitchChanged(float,int)), strip, SLOT(interpChanged(float,int))}};
        }
    }

    // The menu actions, with the riff and song play buttons let go by each export.
    const struct {
        const char *text;
        QObject *receiver;
        const char *slot;
    } actions[] = {
        {"&Open Audio File...", &w, SLOT(open())},
        {"Open CD Track...", &w, SLOT(openCD())},
        {"E&xit", &w, SLOT(close())},
        {"Save Session &As...", &w, SLOT(saveSessionFileAs())},
        {"&Save Session", &w, SLOT(saveSessionFile())},
        {"&Load Session...", &w, SLOT(loadSession())},
        {"Save Audio Selection", &w, SLOT(exportSelection())},
        {"Save Audio", &w, SLOT(exportAudioMP3())},
        {"Save Song Audio...", &w, SLOT(exportSongWav())},
        {"Save Riff Audio...", &w, SLOT(exportRiffWav())},
        {"View Help", &w, SLOT(viewOnlineDocs())},
        {"Online Support", &w, SLOT(viewSupport())},
        {"About Plectronome", &w, SLOT(about())},
        {"Check For Updates", w.updateCheck(), SLOT(checkForUpdates())},
    };
    for (const auto &a : actions) {
        QAction *action = actionNamed(w, a.text);
        rows += {action, SIGNAL(triggered()), a.receiver, a.slot};
        if (QString(a.slot).contains("export"))
            rows += {{action, SIGNAL(triggered()), jam->riffPlayButton(), SLOT(unlatch())},
                     {action, SIGNAL(triggered()), jam->songPlayButton(), SLOT(unlatch())}};
    }
    rows += {actionNamed(w, "Set &Audio Device")->actionGroup(), SIGNAL(triggered(QAction*)), prefs,
             SLOT(showPreferences(QAction*))};
    return rows;
}
} // namespace

class TestWiring : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { connectwarnings::install(); }

    // A string connection that names a wrong signal or slot only prints a warning: none
    // may be printed while the window is built. Then every row of the wiring is there
    // exactly once: disconnecting it takes away one receiver of its signal, no more.
    void everyConnectionIsMadeOnce()
    {
        connectwarnings::collected().clear();
        MainWindow window;
        QVERIFY2(connectwarnings::collected().isEmpty(), qPrintable(connectwarnings::collected().join("\n")));
        const QVector<Row> rows = wiringTable(window);
        for (const Row &row : rows) {
            const QString name = QString("%1 %2 -> %3 %4")
                                     .arg(row.sender ? row.sender->metaObject()->className() : "null",
                                          row.signal + 1,
                                          row.receiver ? row.receiver->metaObject()->className() : "null",
                                          row.slot + 1);
            QVERIFY2(row.sender && row.receiver, qPrintable(name));
            const int before = ReceiverCount::of(row.sender, row.signal);
            QVERIFY2(QObject::disconnect(row.sender, row.signal, row.receiver, row.slot), qPrintable(name));
            QVERIFY2(before - ReceiverCount::of(row.sender, row.signal) == 1, qPrintable("twice: " + name));
        }
        QVERIFY2(connectwarnings::collected().isEmpty(), qPrintable(connectwarnings::collected().join("\n")));
        window.close();
    }

    // Each riff's step row, loop bar and step menus, its strip on the waveform and its
    // beat labels are joined to the objects of that riff only.
    void riffsNeverCross()
    {
        MainWindow window;
        JamTab *jam = window.tabWidget()->jamTab();
        Plotter *plotter = window.waveBg()->plotter();
        const auto objectsOf = [&](int riff) {
            QList<QObject *> objects = {jam->riffStep(riff), jam->loopLengthWidget(riff),
                                        plotter->beatSelection(riff)};
            for (int k = 0; k < JamTab::stepCount; ++k)
                objects << jam->stepMenu(riff, k) << jam->stepMenu(riff, k)->firstButton()
                        << plotter->beatSelection(riff)->beatLabel(k);
            return objects;
        };
        for (int i = 0; i < JamTab::riffCount; ++i) {
            for (int j = 0; j < JamTab::riffCount; ++j) {
                if (i == j)
                    continue;
                for (QObject *from : objectsOf(i)) {
                    for (QObject *to : objectsOf(j))
                        QVERIFY2(!QObject::disconnect(from, nullptr, to, nullptr),
                                 qPrintable(QString("riff %1 reaches riff %2").arg(i).arg(j)));
                }
            }
        }

        // And in use: a step armed and a loop length set on riff 3 leave riff 4 alone.
        TrackAnalysis analysis;
        analysis.tempo = 120.0f;
        for (int b = 0; b < 40; ++b) {
            analysis.beats.push_back(4096.0f + 22050.0f * float(b));
            analysis.chordLabels.push_back("C");
        }
        window.metaDataThread()->metaData()->setFromAnalysis(analysis);
        emit jam->riffStep(3)->stepArmed(0);
        emit jam->riffStep(3)->lockSelection();
        emit jam->loopLengthWidget(3)->extendLoop(2);
        QCOMPARE(plotter->beatSelection(3)->lastStep(), 2);
        QCOMPARE(plotter->beatSelection(4)->lastStep(), -1);
        emit jam->stepMenu(3, 1)->contextPitchChanged(2.0f, 1);
        QCOMPARE(plotter->beatSelection(3)->stepPitch(1), 2.0f);
        QCOMPARE(plotter->beatSelection(4)->stepPitch(1), 1.0f);
        window.close();
    }

    // The query signals of the preferences and the isolate plot are answered by the
    // player, at once, with its own values.
    void queriesAnswerWithThePlayersValues()
    {
        MainWindow window;
        AudioPlayer *player = window.audioPlayer();
        DevicesTab *devices = window.preferencesMenu()->devicesTab();
        const QStringList list = player->getDeviceList();
        QVERIFY(!list.isEmpty());
        QCOMPARE(emit devices->getDeviceList(), list);
        QCOMPARE(emit devices->getCurrentDevice(), player->getAudioDevice());
        QCOMPARE(emit window.preferencesMenu()->deviceStringToIndex(list.last()),
                 player->deviceStringToIndex(list.last()));
        SSSPlot *plot = window.tabWidget()->realTimeToolsTab()->isolatePlot();
        QCOMPARE(emit plot->getCurve(), player->getSSSCurve());
        window.close();
    }
};

QTEST_MAIN(TestWiring)
#include "tst_wiring.moc"
