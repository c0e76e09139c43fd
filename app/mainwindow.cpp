#include "app/mainwindow.h"

#include "app/checkedtranslator.h"
#include "app/datafolder.h"
#include "app/metronomeclick.h"
#include "app/pathsmanager.h"
#include "app/tabwidget.h"
#include "app/updatecheck.h"
#include "audio/audioplayer.h"
#include "audio/layer/audiolayer.h"
#include "metadata/metadatathread.h"
#include "preferences/preferencesmenu.h"
#include "views/chords/chordfilterwidget.h"
#include "views/chords/chordsstrip.h"
#include "views/chords/chordstab.h"
#include "views/chords/keyshiftwidget.h"
#include "views/chords/necktypewidget.h"
#include "views/chords/processinglabel.h"
#include "views/chords/singlechordeditwidget.h"
#include "views/chords/tempowidget.h"
#include "views/playback/pitchsyncwidget.h"
#include "views/playback/transportwidget.h"
#include "views/jam/looplengthwidget.h"
#include "views/jam/riffidwidget.h"
#include "views/jam/riffstep.h"
#include "views/jam/songstep.h"
#include "views/jam/stepcontextmenu.h"
#include "views/playback/wavebg.h"

#include <QCloseEvent>
#include <QFileOpenEvent>
#include <QStackedWidget>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    m_pathsManager = new PathsManager(this);
    QDir dataDir(dataFolderPath);
    if (!dataDir.exists())
        QDir().mkpath(dataFolderPath);
    setWindowIcon(QIcon(":/images/icon_64.png"));
    init();
    createConnections();
    // Sees every event of the application, the window's own included, once: the keys
    // before the shortcuts do, and the desktop's file-open requests (see eventFilter).
    qApp->installEventFilter(this);
    enableAllShortcuts();
    holdRiffsAndSong();
    show();
    statusBar()->hide();
}

MainWindow::~MainWindow()
{
    stopThreads();
    if (m_updateCheck)
        m_updateCheck->deleteLater();
    delete m_preferencesMenu;
    m_preferencesMenu = nullptr;
    // Both threads are joined: nothing reads the track, the player or the analysis any
    // more, and no event loop runs while the views that point at them go.
    delete m_audioPlayer;
    m_audioPlayer = nullptr;
    delete m_metaDataThread;
    m_metaDataThread = nullptr;
    freeSampleBuffers();
    audiolayer::shutdown();
}

void MainWindow::init()
{
    qRegisterMetaType<QVector<QString> >("QVector<QString>");
    m_title = "Plectronome";
    setWindowTitle(m_title);
    setFixedSize(1000, 695);

    m_audioPlayer = new AudioPlayer(nullptr);
    m_leftSamples = m_rightSamples = nullptr;
    m_stereo = m_loaded = false;
    m_frameCount = m_sampleRate = 0;

    m_metaDataThread = new MetaDataThread(nullptr);
    m_fileRelocated = false;

    createWidgets();
    createCentralWidget();
    createActions();
    createMenus();

    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setBrush(QPalette::All, backgroundRole(), QBrush(QColor(40, 40, 40)));
    setPalette(pal);
    QPalette statusPal = statusBar()->palette();
    statusPal.setBrush(QPalette::All, foregroundRole(), QBrush(QColor(215, 215, 215)));
    statusBar()->setPalette(statusPal);

    // Centre on the first screen's available area (its origin is not added).
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        const int left = avail.width() / 2 - width() / 2;
        const int top = avail.height() / 2 - height() / 2;
        setGeometry(left, top, width(), height());
    }

    // Our decoder reads every listed format itself; the loads are kept for their order.
    audiolayer::loadPlugin("flac");
    audiolayer::loadPlugin("wma");
    if (QFile::exists(QCoreApplication::applicationDirPath() + "/aac"))
        audiolayer::loadPlugin("aac");
    audiolayer::loadPlugin("alac");
    audiolayer::loadPlugin("cd");

    m_startTimer = new QTimer(this);
    m_startTimer->setSingleShot(true);
    m_startTimer->setInterval(1050);
    connect(m_startTimer, SIGNAL(timeout()), this, SLOT(delayedLoad()));
    m_startTimer->start();

    setAcceptDrops(true);
    checkSongLoopLength();
    m_audioPlayer->setMetronomeClick(metronomeClickSamples, metronomeClickSamples, metronomeClickLength);
    readSettings();
    // One notice when start-up refused the translation file of the chosen language.
    const QString refusedTranslation = CheckedTranslator::takeRefusedFile();
    if (!refusedTranslation.isEmpty()) {
        QTimer::singleShot(0, this, [this, refusedTranslation] {
            showMessageBox(QMessageBox::Warning, tr("Cannot load file"),
                           tr("The translation file<br />%1<br />is damaged or is not the one installed with "
                              "Plectronome, so Plectronome is shown in English.")
                               .arg(refusedTranslation.toHtmlEscaped()));
        });
    }
    scanMetadataFolder();
}

void MainWindow::createWidgets()
{
    const int w = width();
    MetaData *metaData = m_metaDataThread->metaData();
    float *position = m_audioPlayer->timeBuffer();

    m_waveBg = new WaveBg(this);
    m_tabWidget = new TabWidget(this);
    m_transportWidget = new TransportWidget(this);

    Plotter *plotter = m_waveBg->plotter();
    JamTab *jamTab = m_tabWidget->jamTab();
    for (int i = 0; i < 6; ++i) {
        BeatSelection *selection = plotter->beatSelection(i);
        m_audioPlayer->appendRiff(selection);
        selection->setFlashTimer(jamTab->riffRowTimer(i));
        selection->setMetaData(metaData);
    }
    m_audioPlayer->setSong(jamTab->songSlots());
    plotter->setMetaData(metaData);
    plotter->playMarker()->startFollowTimer(position);
    m_waveBg->scrollButton()->setValueFromSession(true);
    m_transportWidget->setPositionSource(position);
    m_audioPlayer->initMetaData(metaData);
    m_tabWidget->chordsTab()->setMetaData(metaData);
    jamTab->setMetaData(metaData);

    m_waveBg->setFixedSize(w, 228);
    m_tabWidget->setFixedSize(w, 355);
    m_transportWidget->setFixedSize(w, 91);

    m_waveBg->smallPlotPlayMarker()->setPositionSource(position);
    for (int i = 0; i < 6; ++i) {
        for (BeatLabel *label : plotter->beatSelection(i)->beatLabels())
            label->setPositionSource(position);
    }
    PlotSelection *selection = plotter->plotSelection();
    m_audioPlayer->setSelectionPointers(selection->startPointer(), selection->endPointer());

    m_pitchSyncWidget = new PitchSyncWidget(this);
    RealTimeToolsTab *tools = m_tabWidget->realTimeToolsTab();
    m_pitchSyncWidget->registerWidget(tools->pitchKnob());
    m_pitchSyncWidget->registerWidget(tools->fineTuneWidget());
    m_pitchSyncWidget->registerWidget(tools->semitoneWidget());
    m_pitchSyncWidget->registerWidget(m_tabWidget->chordsTab()->keyShiftWidget());

    m_preferencesMenu = new PreferencesMenu(nullptr, Qt::Window | Qt::WindowCloseButtonHint);
    m_preferencesMenu->hide();
    m_preferencesMenu->pathsTab()->setDefaultSavePath(dataFolderPath);

    m_updateCheck = new UpdateCheck(this);
}

void MainWindow::createCentralWidget()
{
    auto *layout = new QGridLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_waveBg, 0, 0);
    layout->addWidget(m_tabWidget, 1, 0);
    layout->addWidget(m_transportWidget, 2, 0);
    auto *central = new QWidget(this);
    central->setLayout(layout);
    setCentralWidget(central);
}

void MainWindow::createConnections()
{
    // Transport bar and overview strip to the player, and the overview to the plotter.
    TransportWidget *transport = m_transportWidget;
    Plotter *plotter = m_waveBg->plotter();
    SmallPlot *smallPlot = m_waveBg->smallPlot();
    connect(transport->playButton(), SIGNAL(released()), m_audioPlayer, SLOT(pause()));
    connect(transport->stopButton(), SIGNAL(released()), m_audioPlayer, SLOT(stop()));
    connect(transport->forwardButton(), SIGNAL(released()), m_audioPlayer, SLOT(seekF()));
    connect(transport->backButton(), SIGNAL(released()), m_audioPlayer, SLOT(seekB()));
    connect(transport->cueBackButton(), SIGNAL(released()), m_audioPlayer, SLOT(toBeginning()));
    connect(transport->cueForwardButton(), SIGNAL(released()), m_audioPlayer, SLOT(toEnd()));
    connect(transport->loopButton(), SIGNAL(toggled(bool)), m_audioPlayer, SLOT(loop(bool)));
    connect(smallPlot, SIGNAL(setPlaybackPosition(int,int)), m_audioPlayer, SLOT(setPlaybackPos(int,int)));
    connect(plotter, SIGNAL(setSmallPlotPixmap(QPixmap,float,int)), smallPlot,
            SLOT(setSmallPlotPixmap(QPixmap,float,int)));
    connect(plotter, SIGNAL(setSmallPlotZoomFactor(float)), smallPlot, SLOT(setZoomFactor(float)));
    connect(transport->playButton(), SIGNAL(released()), plotter->playMarker(), SLOT(show()));
    connect(transport->loopButton(), SIGNAL(released()), plotter->playMarker(), SLOT(show()));
    connect(transport->volumeKnob(), SIGNAL(valueChanged(int)), m_audioPlayer, SLOT(setVolume(int)));
    connect(transport->metronomeKnob(), SIGNAL(valueChanged(int)), m_audioPlayer, SLOT(setMetroVolume(int)));
    connect(m_audioPlayer, SIGNAL(unlatchMainPlay()), transport->playButton(), SLOT(unlatch()));
    connect(m_audioPlayer, SIGNAL(flashMetro()), transport, SLOT(flashMetronome()));
    connect(m_audioPlayer, SIGNAL(setGreyedButtonsHidden(bool)), transport, SLOT(setGreyedButtonsHidden(bool)));

    // Each analysis result (or cache load) rebuilds the chord strip and the chord viewer's
    // diagrams; the viewer's key shift and capo name the strip's chords.
    ChordsStrip *strip = plotter->chordsStrip();
    ChordsTab *chordsTab = m_tabWidget->chordsTab();
    connect(m_metaDataThread, SIGNAL(gotMetaData()), strip, SLOT(initChordStrip()));
    connect(m_metaDataThread, SIGNAL(gotMetaData()), chordsTab, SLOT(initDetectedChords()));
    connect(chordsTab, SIGNAL(setChordStripKeyShift(int)), strip, SLOT(setKeyShift(int)));
    connect(strip, SIGNAL(getShiftedChordIndex(QString,int)), chordsTab, SLOT(getChordIndex(QString,int)),
            Qt::DirectConnection);

    // Real-time tools tab to the player, and the detected tempo to the tab.
    RealTimeToolsTab *tools = m_tabWidget->realTimeToolsTab();
    connect(tools, SIGNAL(setHopFactor(float)), m_audioPlayer, SLOT(setHop(float)));
    // The isolate plot asks the player for its curve while it paints: a direct query.
    connect(tools->isolatePlot(), SIGNAL(getCurve()), m_audioPlayer, SLOT(getSSSCurve()), Qt::DirectConnection);
    connect(tools->isolatePlot(), SIGNAL(setPlotScale(int)), m_audioPlayer, SLOT(setPScale(int)));
    connect(tools, SIGNAL(activateTempo(bool)), m_audioPlayer, SLOT(activateTempo(bool)));
    connect(tools, SIGNAL(changeMode(int)), m_audioPlayer, SLOT(changeMode(int)));
    connect(tools->tempoKnob(), SIGNAL(resetKnob()), m_audioPlayer, SLOT(resetHopFactor()));
    connect(tools, SIGNAL(initTempoPowerButtonFromSession(bool,float)), m_audioPlayer,
            SLOT(initHopFactorFromSession(bool,float)));
    connect(tools, SIGNAL(setInterpFactor(float)), m_audioPlayer, SLOT(setInterp(float)));
    connect(tools, SIGNAL(activatePitch(bool)), m_audioPlayer, SLOT(activatePitch(bool)));
    connect(tools, SIGNAL(activateSSS(bool)), m_audioPlayer, SLOT(activateSSS(bool)));
    connect(tools, SIGNAL(widthChanged(int)), m_audioPlayer, SLOT(setWidth(int)));
    connect(tools, SIGNAL(separationChanged(int)), m_audioPlayer, SLOT(setSeparation(int)));
    connect(tools, SIGNAL(azimuthChanged(int)), m_audioPlayer, SLOT(setAzimuth(int)));
    connect(tools, SIGNAL(setMuteSolo(bool)), m_audioPlayer, SLOT(setInverted(bool)));
    connect(tools, SIGNAL(setFilter(bool)), m_audioPlayer, SLOT(setFilter(bool)));
    connect(tools, SIGNAL(filterChanged(int)), m_audioPlayer, SLOT(setFilterKnob(int)));
    connect(m_metaDataThread, SIGNAL(setBPM(float)), tools, SLOT(setBPM(float)));

    // Pitch: every pitch control goes through the pitch sync, which answers the player
    // and the tab.
    connect(tools, SIGNAL(initPitchSyncWidgetFromSession(float)), m_pitchSyncWidget, SLOT(initFromSession(float)));
    connect(tools->pitchKnob(), SIGNAL(setSyncValueSignal(QString,int)), m_pitchSyncWidget,
            SLOT(setSyncValue(QString,int)));
    connect(tools->fineTuneWidget(), SIGNAL(setSyncValueSignal(QString,int)), m_pitchSyncWidget,
            SLOT(setSyncValue(QString,int)));
    connect(tools->semitoneWidget(), SIGNAL(setSyncValueSignal(QString,int)), m_pitchSyncWidget,
            SLOT(setSyncValue(QString,int)));
    connect(tools->semitoneWidget(), SIGNAL(resetPitch()), m_pitchSyncWidget, SLOT(resetPitch()));
    connect(tools->fineTuneWidget(), SIGNAL(resetFineTune()), m_pitchSyncWidget, SLOT(resetFineTune()));
    connect(m_pitchSyncWidget, SIGNAL(setInterpFactor(float)), m_audioPlayer, SLOT(setInterp(float)));
    connect(m_pitchSyncWidget, SIGNAL(updatePitchWidgets(QString,float)), tools,
            SLOT(updatePitchWidgets(QString,float)));

    // The chord viewer's tempo and key shift are the tools tab's tempo and pitch.
    TempoWidget *chordTempo = chordsTab->tempoWidget();
    KeyShiftWidget *keyShift = chordsTab->keyShiftWidget();
    connect(tools, SIGNAL(updateChordTempo(float)), chordTempo, SLOT(updateTempo(float)));
    connect(tools->bpmWidget(), SIGNAL(updateChordTempo(float)), chordTempo, SLOT(updateTempo(float)));
    connect(chordTempo, SIGNAL(tempoChanged(float)), tools->bpmWidget(), SLOT(tempoChangedFromChords(float)));
    connect(tools, SIGNAL(initChordTempo(float,float)), chordTempo, SLOT(initTempo(float,float)));
    connect(keyShift, SIGNAL(shiftKey(float)), tools->semitoneWidget(), SLOT(keyShiftFromChords(float)));
    connect(tools, SIGNAL(updateChordKeyShift(float)), keyShift, SLOT(updateKeyShift(float)));
    connect(keyShift, SIGNAL(setSyncValueSignal(QString,int)), m_pitchSyncWidget, SLOT(setSyncValue(QString,int)));
    connect(keyShift, SIGNAL(resetFineTune()), m_pitchSyncWidget, SLOT(resetFineTune()));

    // The selection on the waveform: a double click plays it (and latches play), a click
    // puts a stopped player at its start, and only a selection with samples exports.
    PlotSelection *selection = plotter->plotSelection();
    connect(selection, SIGNAL(selectionDoubleClick()), m_audioPlayer, SLOT(play()));
    connect(selection, SIGNAL(selectionDoubleClick()), transport->playButton(), SLOT(latch()));
    connect(selection, SIGNAL(selectionSingleClick()), m_audioPlayer, SLOT(selectionSingleClick()));
    connect(selection, SIGNAL(enableSaveSelection(bool)), this, SLOT(enableSelectionExport(bool)));
    connect(selection, SIGNAL(setSmallPlotSelection(float,float)), smallPlot, SLOT(setSelection(float,float)));
    connect(m_audioPlayer, SIGNAL(updateBeatSelections(int)), selection, SLOT(updateSelectionFromOffset(int)));
    connect(m_metaDataThread, SIGNAL(gotMetaData()), selection, SLOT(snapToNewBeats()));
    connectRiffBuilder();
    connectChordEditing();
}

void MainWindow::connectRiffBuilder()
{
    Plotter *plotter = m_waveBg->plotter();
    JamTab *jam = m_tabWidget->jamTab();
    AudioPlayer *player = m_audioPlayer;
    PowerButton *power = jam->powerButton();
    connect(power, SIGNAL(buttonOn(bool)), plotter, SLOT(activateBeatSelecitionWidget(bool)));
    connect(power, SIGNAL(buttonOn(bool)), this, SLOT(jamTabPowerPressed(bool)));
    connect(power, SIGNAL(buttonOn(bool)), plotter->playMarker(), SLOT(showPlaymarker(bool)));
    connect(player, SIGNAL(enableJamTab(bool)), power, SLOT(setValueFromSession(bool)));
    connect(jam, SIGNAL(setActiveRiff(int)), plotter, SLOT(setActiveRiff(int)));
    connect(jam, SIGNAL(setActiveRiff(int)), player, SLOT(setRiff(int)));
    connect(player, SIGNAL(songRiffChanged(int)), plotter, SLOT(setActiveRiff(int)));
    connect(player, SIGNAL(songRiffChanged(int)), jam->riffIdWidget(), SLOT(setRiffId(int)));
    connect(player, SIGNAL(songRiffChanged(int)), jam->stepStack(), SLOT(setCurrentIndex(int)));
    connect(player, SIGNAL(songRiffChanged(int)), jam->loopLengthStack(), SLOT(setCurrentIndex(int)));
    connect(player, SIGNAL(setCurrentSongStep(int)), jam->songStep(), SLOT(setStep(int)));
    connect(player, SIGNAL(changeBeatPitch(float)), jam, SLOT(setBeatPitchLabel(float)));
    // While a riff or a song plays, the waveform follows the riff strips.
    connect(player, SIGNAL(playRiffSong(bool)), plotter, SLOT(riffSongPlayback(bool)));
    connect(player, SIGNAL(unlatchRiffPlay()), jam->riffPlayButton(), SLOT(unlatch()));
    connect(player, SIGNAL(unlatchSongPlay()), jam->songPlayButton(), SLOT(unlatch()));
    connect(jam->songStep(), SIGNAL(setLoopLength(int)), player, SLOT(setSongLength(int)));
    connect(jam->songStep(), SIGNAL(setLoopLength()), this, SLOT(checkSongLoopLength()));

    // Each riff's row, bar and menus reach that riff's strip only.
    for (int i = 0; i < Plotter::riffCount; ++i) {
        BeatSelection *selection = plotter->beatSelection(i);
        RiffStep *steps = jam->riffStep(i);
        LoopLengthWidget *loop = jam->loopLengthWidget(i);
        connect(steps, SIGNAL(showStepSelection(int)), plotter, SLOT(switchSelectionWidget(int)));
        connect(steps, SIGNAL(stepArmed(int)), selection, SLOT(setArmedStep(int)));
        connect(steps, SIGNAL(setLoopLength(int)), player, SLOT(setRiffLength(int)));
        connect(loop, SIGNAL(setLoopLength(int)), player, SLOT(setRiffLength(int)));
        connect(steps, SIGNAL(lockSelection()), selection, SLOT(lockSelection()));
        connect(player, SIGNAL(setCurrentBeatStep(int)), steps, SLOT(setStep(int)));
        for (int j = 0; j < JamTab::stepCount; ++j) {
            StepContextMenu *menu = jam->stepMenu(i, j);
            connect(menu->firstButton(), SIGNAL(released()), selection->beatLabel(j), SLOT(reOrder()));
            connect(menu, SIGNAL(contextPitchChanged(float, int)), selection, SLOT(interpChanged(float, int)));
        }
        connect(steps, SIGNAL(setLoopLength(int)), selection, SLOT(setLoopLength(int)));
        connect(loop, SIGNAL(setLoopLength(int)), selection, SLOT(setLoopLength(int)));
        connect(loop, SIGNAL(extendLoop(int)), selection, SLOT(extendLoopLength(int)));
        connect(selection, SIGNAL(setActiveStep(int)), steps, SLOT(setArmedStep(int)));
        connect(selection, SIGNAL(commitStep()), steps, SLOT(commitStep()));
        connect(selection, SIGNAL(commitStep()), this, SLOT(checkEnableAudioExport()));
        connect(selection, SIGNAL(checkEnableAudioExport()), this, SLOT(checkEnableAudioExport()));
        connect(player, SIGNAL(updateBeatSelections()), selection, SLOT(update()));
        connect(player, SIGNAL(setCurrentBeatStep(int)), selection, SLOT(setAnimatedStep(int)));
    }
    connectRiffPlayback();
}

void MainWindow::connectRiffPlayback()
{
    Plotter *plotter = m_waveBg->plotter();
    JamTab *jam = m_tabWidget->jamTab();
    AudioPlayer *player = m_audioPlayer;
    connect(jam, SIGNAL(playRiff()), player, SLOT(playRiff()));
    connect(jam, SIGNAL(playSong()), player, SLOT(playSong()));
    connect(jam->songStep(), SIGNAL(stopSongPlayback()), player, SLOT(stopSongPlayback()));
    // The beat-offset knob moves the player's beats and the chord strip's labels; the riff
    // strips follow the moved beats.
    connect(jam->beatOffsetKnob(), SIGNAL(valueChanged(int)), player, SLOT(setBeatOffset(int)));
    connect(jam->beatOffsetKnob(), SIGNAL(valueChanged(int)), plotter->chordsStrip(), SLOT(repositionChords(int)));
    for (int i = 0; i < Plotter::riffCount; ++i)
        connect(player, SIGNAL(updateBeatSelections()), plotter->beatSelection(i), SLOT(layoutBeatLabels()));
    // The riff export follows the riff being shown.
    connect(jam, SIGNAL(setActiveRiff(int)), this, SLOT(checkEnableAudioExport()));
}

void MainWindow::connectChordEditing()
{
    Plotter *plotter = m_waveBg->plotter();
    ChordsTab *chordsTab = m_tabWidget->chordsTab();
    ChordFilterWidget *filter = chordsTab->chordFilterWidget();
    SingleChordEditWidget *editor = plotter->chordEditor();
    ProcessingLabel *processing = plotter->processingLabel();
    // An edited chord is saved to the analysis cache and shown in the chord viewer's list.
    connect(editor, SIGNAL(savePQM()), m_metaDataThread, SLOT(savePQM()));
    connect(editor, SIGNAL(reInitDetectedChordsWidget()), chordsTab, SLOT(initDetectedChords()));
    // The chord filter runs the analysis again; each result presets it.
    connect(filter, SIGNAL(recalculateChords(QVector<QVector<int> >)), this,
            SLOT(recalculateChords(QVector<QVector<int> >)));
    connect(filter, SIGNAL(stopPlayback()), m_audioPlayer, SLOT(stop()));
    connect(m_metaDataThread, SIGNAL(setChordFilterSelection(QVector<QString>)), filter,
            SLOT(setSelectionFromDetectedChords(QVector<QString>)));
    // "Calculating chords" goes when the results arrive.
    connect(m_metaDataThread, SIGNAL(gotMetaData()), processing, SLOT(hide()));
    connect(m_metaDataThread, SIGNAL(gotMetaData()), processing->dotTimer(), SLOT(stop()));
    // Riff and song exports need the beats: they follow the results.
    connect(m_metaDataThread, SIGNAL(gotMetaData()), this, SLOT(checkEnableAudioExport()));
}

void MainWindow::recalculateChords(QVector<QVector<int> > chordList)
{
    if (!m_loaded || !m_leftSamples || m_frameCount <= 0 || m_metaDataThread->isRunning())
        return;
    // The analysis names every chord anew: chords that may have been corrected by hand are
    // replaced only when the user agrees.
    if (!m_metaDataThread->chordsAsAnalysed()
        && showMessageBox(QMessageBox::Question, tr("Find chords again"),
                          tr("Chords corrected by hand are found again too.<br />"
                             "Find the chords again from the marked chords only?"),
                          QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
               != QMessageBox::Ok)
        return;
    Plotter *plotter = m_waveBg->plotter();
    // The results are about to be replaced: an open edit goes without writing.
    if (!plotter->chordEditor()->isHidden())
        plotter->chordEditor()->cancel();
    m_metaDataThread->setChordFilter(chordList);
    // The old results go here, before the thread starts, so that nothing on this thread reads
    // them while the analysis clears them.
    m_metaDataThread->metaData()->clear();
    m_metaDataThread->setSamples(m_leftSamples, m_rightSamples, m_frameCount, m_stereo, m_sampleRate);
    m_metaDataThread->start(QThread::InheritPriority);
    ProcessingLabel *processing = plotter->processingLabel();
    processing->show();
    processing->dotTimer()->start();
    plotter->chordsStrip()->hide();
    checkEnableAudioExport();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (isVisible() && !mayDiscardRiffsAndSong()) {
        event->ignore();
        return;
    }
    if (isVisible()) {
        writeSettings();
        m_audioPlayer->stop(false);
        m_audioPlayer->suspendStreaming();
    }
    stopThreads();
    event->accept();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The desktop asks to open a file (sent to the application, or to the window).
    if (event->type() == QEvent::FileOpen) {
        const QString file = static_cast<QFileOpenEvent *>(event)->file();
        if (!file.isEmpty())
            openPathLater(file, true);
        return false;
    }
    // While a dialog or a menu (or a popup such as the open dialog's completion list) is
    // open, a key bound to one of our commands belongs to it: claiming the shortcut
    // override sends the key to the focused widget instead of to the command.
    if (event->type() == QEvent::ShortcutOverride
        && (QApplication::activeModalWidget() || QApplication::activePopupWidget())) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(int(key->modifiers() & ~Qt::KeypadModifier) | key->key());
        for (QShortcut *shortcut : shortcuts()) {
            if (shortcut && shortcut->isEnabled() && shortcut->key().matches(pressed) == QKeySequence::ExactMatch) {
                event->accept();
                return true;
            }
        }
    }
    // Keyboard commands wait while a dialog or a menu has the keyboard: a Return in the
    // open dialog must not also start playback.
    if (event->type() == QEvent::Shortcut && qobject_cast<QShortcut *>(watched)
        && (QApplication::activeModalWidget() || QApplication::activePopupWidget()))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::stopThreads()
{
    if (m_audioPlayer)
        m_audioPlayer->shutdown();
    if (m_metaDataThread && m_metaDataThread->isRunning()) {
        m_metaDataThread->cancel();
        m_metaDataThread->wait();
    }
}

void MainWindow::freeSampleBuffers()
{
    delete[] m_leftSamples;
    delete[] m_rightSamples;
    m_leftSamples = m_rightSamples = nullptr;
    m_loaded = false;
}
