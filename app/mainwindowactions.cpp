// MainWindow: the menus, the actions and the keyboard commands, and the small slots
// that the commands reach.
#include "app/mainwindow.h"

#include "app/tabwidget.h"
#include "app/updatecheck.h"
#include "audio/audioplayer.h"
#include "audio/layer/audiolayer.h"
#include "audio/songslots.h"
#include "metadata/metadatathread.h"
#include "preferences/preferencesmenu.h"
#include "preferences/shortcutstab.h"
#include "views/playback/transportwidget.h"
#include "views/playback/wavebg.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QShortcut>

#include <cstdio>

namespace {
QAction *makeAction(const QString &text, MainWindow *window, bool enabled, const char *objectName = nullptr)
{
    auto *action = new QAction(text, window);
    action->setEnabled(enabled);
    if (objectName)
        action->setObjectName(objectName);
    return action;
}
} // namespace

void MainWindow::createActions()
{
    m_openAct = makeAction(tr("&Open Audio File..."), this, true);
    m_openCDAct = makeAction(tr("Open CD Track..."), this, true);
    m_exitAct = makeAction(tr("E&xit"), this, true);
    m_saveSessionAsAct = makeAction(tr("Save Session &As..."), this, false);
    m_saveSessionAct = makeAction(tr("&Save Session"), this, false);
    m_loadSessionAct = makeAction(tr("&Load Session..."), this, true);
    m_exportSelectionAct = makeAction(tr("Save Audio Selection"), this, false);
    m_exportAudioAct = makeAction(tr("Save Audio"), this, false);
    m_exportSongAct = makeAction(tr("Save Song Audio..."), this, false);
    m_exportRiffAct = makeAction(tr("Save Riff Audio..."), this, false);
    m_deviceAct = makeAction(tr("Set &Audio Device"), this, true, "device");
    m_pathsAct = makeAction(tr("Set &Default Folders"), this, true, "paths");
    m_shortcutsAct = makeAction(tr("Set &Keyboard Shortcuts"), this, true, "shortcuts");
    m_languageAct = makeAction(tr("Set &Language"), this, true, "language");
    m_viewHelpAct = makeAction(tr("View Help"), this, true);
    m_supportAct = makeAction(tr("Online Support"), this, true);
    m_aboutAct = makeAction(tr("About Plectronome"), this, true);
    m_checkUpdatesAct = makeAction(tr("Check For Updates"), this, true);

    m_preferencesGroup = new QActionGroup(this);
    m_preferencesGroup->addAction(m_deviceAct);
    m_preferencesGroup->addAction(m_pathsAct);
    m_preferencesGroup->addAction(m_shortcutsAct);
    m_preferencesGroup->addAction(m_languageAct);

    // Each action is wired where it is made.
    connect(m_openAct, SIGNAL(triggered()), this, SLOT(open()));
    connect(m_openCDAct, SIGNAL(triggered()), this, SLOT(openCD()));
    connect(m_exitAct, SIGNAL(triggered()), this, SLOT(close()));
    connect(m_saveSessionAsAct, SIGNAL(triggered()), this, SLOT(saveSessionFileAs()));
    connect(m_saveSessionAct, SIGNAL(triggered()), this, SLOT(saveSessionFile()));
    connect(m_loadSessionAct, SIGNAL(triggered()), this, SLOT(loadSession()));
    const struct {
        QAction *action;
        const char *slot;
    } exports[] = {{m_exportSelectionAct, SLOT(exportSelection())},
                   {m_exportAudioAct, SLOT(exportAudioMP3())},
                   {m_exportSongAct, SLOT(exportSongWav())},
                   {m_exportRiffAct, SLOT(exportRiffWav())}};
    JamTab *jamTab = m_tabWidget->jamTab();
    for (const auto &e : exports) {
        connect(e.action, SIGNAL(triggered()), this, e.slot);
        connect(e.action, SIGNAL(triggered()), jamTab->riffPlayButton(), SLOT(unlatch()));
        connect(e.action, SIGNAL(triggered()), jamTab->songPlayButton(), SLOT(unlatch()));
    }
    connect(m_preferencesGroup, SIGNAL(triggered(QAction *)), m_preferencesMenu, SLOT(showPreferences(QAction *)));
    connect(m_viewHelpAct, SIGNAL(triggered()), this, SLOT(viewOnlineDocs()));
    connect(m_supportAct, SIGNAL(triggered()), this, SLOT(viewSupport()));
    connect(m_aboutAct, SIGNAL(triggered()), this, SLOT(about()));
    connect(m_checkUpdatesAct, SIGNAL(triggered()), m_updateCheck, SLOT(checkForUpdates()));

    // Every rebuilt shortcut list comes back here to be wired.
    connect(m_preferencesMenu->shortcutsTab(), SIGNAL(initMainWindowShortcuts()), this, SLOT(initShortcuts()),
            Qt::UniqueConnection);
    connectPreferences();
}

void MainWindow::createMenus()
{
    m_fileMenu = menuBar()->addMenu(tr("&File"));
    m_fileMenu->addAction(m_openAct);
    m_fileMenu->addAction(m_openCDAct);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_saveSessionAct);
    m_fileMenu->addAction(m_saveSessionAsAct);
    m_fileMenu->addAction(m_loadSessionAct);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_exportAudioAct);
    m_fileMenu->addAction(m_exportSelectionAct);
    m_fileMenu->addAction(m_exportRiffAct);
    m_fileMenu->addAction(m_exportSongAct);
    m_fileMenu->addSeparator();
    if (!m_recentFilesMenu) {
        m_recentFilesMenu = new QMenu(tr("Recent files"), m_fileMenu);
        m_recentFilesMenu->setEnabled(false);
    }
    m_fileMenu->addMenu(m_recentFilesMenu);
    connect(m_recentFilesMenu, SIGNAL(triggered(QAction *)), this, SLOT(loadRecent(QAction *)));
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_exitAct);

    m_optionsMenu = menuBar()->addMenu(tr("&Options"));
    m_optionsMenu->addAction(m_deviceAct);
    m_optionsMenu->addAction(m_pathsAct);
    m_optionsMenu->addAction(m_shortcutsAct);
    m_optionsMenu->addAction(m_languageAct);

    m_helpMenu = menuBar()->addMenu(tr("&Help"));
    m_helpMenu->addAction(m_viewHelpAct);
    m_helpMenu->addAction(m_checkUpdatesAct);
    m_helpMenu->addAction(m_aboutAct);
}

// ---- Keyboard commands ---------------------------------------------------------------------

QList<QShortcut *> MainWindow::shortcuts() const
{
    return m_preferencesMenu ? m_preferencesMenu->shortcutsTab()->shortcuts() : QList<QShortcut *>();
}

void MainWindow::initShortcuts()
{
    Plotter *plotter = m_waveBg->plotter();
    RealTimeToolsTab *tools = m_tabWidget->realTimeToolsTab();
    TabButtons *tabButtons = m_tabWidget->tabButtons();
    const struct {
        const char *command;
        QObject *receiver;
        const char *slot;
    } routes[] = {
        {"Open Audio File", this, SLOT(open())},
        // The two save commands go through their actions, so that they do nothing
        // while the action is disabled (no track, or no session to save into).
        {"Save Audio", this, SLOT(exportAudioFromShortcut())},
        {"Save Session", this, SLOT(saveSessionFromShortcut())},
        {"Load Session", this, SLOT(loadSession())},
        {"Zoom In", plotter, SLOT(zoomIn())},
        {"Zoom Out", plotter, SLOT(zoomOut())},
        {"Play/Stop", this, SLOT(playStop())},
        {"Play From Selection Start", this, SLOT(playFromSelectionStart())},
        {"Pause", this, SLOT(pause())},
        {"Rewind", m_audioPlayer, SLOT(seekB())},
        {"Fast Forward", m_audioPlayer, SLOT(seekF())},
        {"Toggle Loop", this, SLOT(toggleLoop())},
        {"Toggle Scroll", this, SLOT(toggleScroll())},
        {"View Help", this, SLOT(viewOnlineDocs())},
        {"Toggle Tempo Tool", this, SLOT(toggleTempo())},
        {"Toggle Isolate Tool", this, SLOT(toggleIsolate())},
        {"Toggle Pitch Tool", this, SLOT(togglePitch())},
        {"Pitch Down (-1 Semitone)", tools->semitoneWidget(), SLOT(decrement())},
        {"Pitch Up (+1 Semitone)", tools->semitoneWidget(), SLOT(increment())},
        {"Tempo Down (-1 BPM)", tools->bpmWidget(), SLOT(decrement())},
        {"Tempo Up (+1 BPM)", tools->bpmWidget(), SLOT(increment())},
        {"Metronome Volume Down", m_transportWidget->metronomeKnob(), SLOT(decrement())},
        {"Metronome Volume Up", m_transportWidget->metronomeKnob(), SLOT(increment())},
        {"Volume Down", m_transportWidget->volumeKnob(), SLOT(decrement())},
        {"Volume Up", m_transportWidget->volumeKnob(), SLOT(increment())},
        {"Exit", this, SLOT(close())},
        {"Show Vur Arezev Tab", tabButtons, SLOT(showRealTimeTools())},
        {"Show Riff Builder Tab", tabButtons, SLOT(showRiffBuilder())},
        {"Show Chord Viewer Tab", tabButtons, SLOT(showChordViewer())},
    };

    for (QShortcut *shortcut : shortcuts()) {
        if (!shortcut)
            continue;
        shortcut->setParent(this);
        // No command acts through an open dialog or menu (see eventFilter).
        shortcut->installEventFilter(this);
        const QString name = shortcut->objectName();
        for (const auto &route : routes) {
            if (name == QLatin1String(route.command)) {
                // Unique: the list may be wired more than once (at start and on every rebuild).
                connect(shortcut, SIGNAL(activated()), route.receiver, route.slot, Qt::UniqueConnection);
                break;
            }
        }
        // Shortcuts stay off while the window is being built; a list rebuilt later by the
        // shortcuts page is live at once.
        shortcut->setEnabled(m_shortcutsLive);
    }
}

void MainWindow::saveSessionFromShortcut()
{
    if (m_saveSessionAct->isEnabled())
        m_saveSessionAct->trigger();
}

void MainWindow::exportAudioFromShortcut()
{
    if (m_exportAudioAct->isEnabled())
        m_exportAudioAct->trigger();
}

void MainWindow::enableAllShortcuts()
{
    m_shortcutsLive = true;
    // Wires any list not wired yet, and enables every shortcut of it.
    initShortcuts();
}

// ---- Transport and tools ---------------------------------------------------------------------

void MainWindow::playStop()
{
    // Without a track nothing plays, and the play button shows nothing playing.
    if (!m_audioPlayer->hasTrack())
        return;
    CustomButton *play = m_transportWidget->playButton();
    if (m_audioPlayer->isPlaying())
        play->unlatch();
    else
        play->latch();
    m_audioPlayer->playStop();
}

void MainWindow::pause()
{
    if (!m_audioPlayer->hasTrack())
        return;
    CustomButton *play = m_transportWidget->playButton();
    if (m_audioPlayer->isPlaying())
        play->unlatch();
    else
        play->latch();
    m_audioPlayer->pause();
}

void MainWindow::playFromSelectionStart()
{
    if (!m_audioPlayer->hasTrack())
        return;
    m_transportWidget->playButton()->latch();
    m_audioPlayer->playFromSelectionStart();
}

void MainWindow::toggleLoop()
{
    CustomButton *loop = m_transportWidget->loopButton();
    if (m_audioPlayer->isLooping())
        loop->unlatch();
    else
        loop->latch();
}

void MainWindow::toggleScroll()
{
    PowerButton *scroll = m_waveBg->scrollButton();
    scroll->setValueFromSession(!scroll->isOn());
}

namespace {
// A left press at the button's corner: the power button toggles as if clicked.
void pressPowerButton(QWidget *button)
{
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(0, 0), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &press);
}
} // namespace

void MainWindow::toggleTempo()
{
    pressPowerButton(m_tabWidget->realTimeToolsTab()->tempoPowerButton());
}

void MainWindow::toggleIsolate()
{
    pressPowerButton(m_tabWidget->realTimeToolsTab()->isolatePowerButton());
}

void MainWindow::togglePitch()
{
    pressPowerButton(m_tabWidget->realTimeToolsTab()->pitchPowerButton());
}

void MainWindow::jamTabPowerPressed(bool power)
{
    if (!power)
        return;
    m_audioPlayer->stop(false);
    JamTab *jamTab = m_tabWidget->jamTab();
    jamTab->riffPlayButton()->unlatch();
    jamTab->songPlayButton()->unlatch();
}

// ---- Export actions --------------------------------------------------------------------------

void MainWindow::checkEnableAudioExport()
{
    // The riff export renders the riff the player has (the one the riff builder shows),
    // the song export the song's slots: each is offered only when it has a step to play.
    const bool ready = m_audioPlayer->hasTrack() && m_metaDataThread->metaData()->hasData();
    Plotter *plotter = m_waveBg->plotter();
    auto riffHasSteps = [plotter](int riff) {
        return riff >= 0 && riff < Plotter::riffCount && plotter->beatSelection(riff)->lastBeatIndex() >= 0;
    };
    bool songHasSteps = false;
    const SongSlots *song = m_tabWidget->jamTab()->songSlots();
    for (int slot = 0; slot < SongSlots::slotCount && !songHasSteps; ++slot)
        songHasSteps = riffHasSteps(song->at(slot));
    m_exportRiffAct->setEnabled(ready && riffHasSteps(m_audioPlayer->currentRiff()));
    m_exportSongAct->setEnabled(ready && songHasSteps);
}

void MainWindow::enableSelectionExport(bool enable)
{
    m_exportSelectionAct->setEnabled(enable);
}

void MainWindow::checkSongLoopLength()
{
    const bool anyRiff = m_tabWidget->jamTab()->songSlots()->filledCount() > 0;
    CustomButton *songPlay = m_tabWidget->jamTab()->songPlayButton();
    if (anyRiff) {
        songPlay->setEnabled(true);
    } else {
        songPlay->unlatch();
        songPlay->setEnabled(false);
    }
    checkEnableAudioExport();
}

// ---- Errors ----------------------------------------------------------------------------------

void MainWindow::showBassError(const char *message)
{
    std::printf("Error(%d): %s<br />", audiolayer::lastError(), message ? message : "");
    std::fflush(stdout);
    // The silent decoding device is released; the player's output never is, so that a
    // failed file operation does not end playback for the rest of the run.
    if (audiolayer::currentDevice() == audiolayer::kNoSoundDevice)
        audiolayer::freeDevice();
}
