// Menus, actions and keyboard commands of the main window: the menus and their order,
// the actions' starting states and targets, every keyboard command reaching its target
// before and after the shortcuts page changes or rebuilds the keys, the export enabling
// rules, the transport and tool commands, and the help pages.
#include "app/datafolder.h"
#include "app/helpbrowser.h"
#include "app/mainwindow.h"
#include "app/tabwidget.h"
#include "app/updatecheck.h"
#include "app/weblinks.h"
#include "audio/audioplayer.h"
#include "audio/layer/audiolayer.h"
#include "audio/songslots.h"
#include "analysis/trackanalysis.h"
#include "metadata/metadata.h"
#include "metadata/metadatathread.h"
#include "views/chords/chordsstrip.h"
#include "views/jam/contextpitchwidget.h"
#include "views/jam/riffidwidget.h"
#include "views/jam/riffstep.h"
#include "views/jam/stepcontextmenu.h"
#include "views/jam/songstep.h"
#include "views/jam/songsteplabel.h"
#include "views/jam/songstepselector.h"
#include "preferences/preferencesmenu.h"
#include "preferences/shortcutstab.h"
#include "views/playback/transportwidget.h"
#include "views/playback/wavebg.h"
#include "../preferences/modalanswerer.h"

#include <QAction>
#include <QActionGroup>
#include <QFile>
#include <QRegularExpression>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QShortcut>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QtTest>

#include <vector>

#include <cstdio>
#include <memory>

#include <unistd.h>

namespace {
// True when the connection exists; it is left in place.
bool isWired(QObject *sender, const char *signal, QObject *receiver, const char *method)
{
    if (!QObject::disconnect(sender, signal, receiver, method))
        return false;
    QObject::connect(sender, signal, receiver, method, Qt::UniqueConnection);
    return true;
}

QAction *actionNamed(MainWindow &window, const QString &text)
{
    for (QAction *action : window.findChildren<QAction *>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

QStringList menuTexts(QMenu *menu)
{
    QStringList texts;
    for (QAction *action : menu->actions())
        texts << (action->isSeparator() ? QString("-") : action->text());
    return texts;
}

QShortcut *shortcutNamed(MainWindow &window, const QString &command)
{
    for (QShortcut *shortcut : window.shortcuts()) {
        if (shortcut && shortcut->objectName() == command)
            return shortcut;
    }
    return nullptr;
}

struct Route {
    QString command;
    QObject *receiver;
    const char *slot;
};

// Where each keyboard command must arrive.
QList<Route> routes(MainWindow &w)
{
    Plotter *plotter = w.waveBg()->plotter();
    RealTimeToolsTab *tools = w.tabWidget()->realTimeToolsTab();
    TransportWidget *transport = w.transportWidget();
    TabButtons *tabs = w.tabWidget()->tabButtons();
    return {
        {"Open Audio File", &w, SLOT(open())},
        {"Save Audio", &w, SLOT(exportAudioFromShortcut())},
        {"Save Session", &w, SLOT(saveSessionFromShortcut())},
        {"Load Session", &w, SLOT(loadSession())},
        {"Zoom In", plotter, SLOT(zoomIn())},
        {"Zoom Out", plotter, SLOT(zoomOut())},
        {"Play/Stop", &w, SLOT(playStop())},
        {"Play From Selection Start", &w, SLOT(playFromSelectionStart())},
        {"Pause", &w, SLOT(pause())},
        {"Rewind", w.audioPlayer(), SLOT(seekB())},
        {"Fast Forward", w.audioPlayer(), SLOT(seekF())},
        {"Toggle Loop", &w, SLOT(toggleLoop())},
        {"Toggle Scroll", &w, SLOT(toggleScroll())},
        {"View Help", &w, SLOT(viewOnlineDocs())},
        {"Toggle Tempo Tool", &w, SLOT(toggleTempo())},
        {"Toggle Isolate Tool", &w, SLOT(toggleIsolate())},
        {"Toggle Pitch Tool", &w, SLOT(togglePitch())},
        {"Pitch Down (-1 Semitone)", tools->semitoneWidget(), SLOT(decrement())},
        {"Pitch Up (+1 Semitone)", tools->semitoneWidget(), SLOT(increment())},
        {"Tempo Down (-1 BPM)", tools->bpmWidget(), SLOT(decrement())},
        {"Tempo Up (+1 BPM)", tools->bpmWidget(), SLOT(increment())},
        {"Metronome Volume Down", transport->metronomeKnob(), SLOT(decrement())},
        {"Metronome Volume Up", transport->metronomeKnob(), SLOT(increment())},
        {"Volume Down", transport->volumeKnob(), SLOT(decrement())},
        {"Volume Up", transport->volumeKnob(), SLOT(increment())},
        {"Exit", &w, SLOT(close())},
        {"Show Vur Arezev Tab", tabs, SLOT(showRealTimeTools())},
        {"Show Riff Builder Tab", tabs, SLOT(showRiffBuilder())},
        {"Show Chord Viewer Tab", tabs, SLOT(showChordViewer())},
    };
}

// Collects the pages the window asks the desktop to open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    UrlCatcher()
    {
        QDesktopServices::setUrlHandler("https", this, "openUrl");
        QDesktopServices::setUrlHandler("http", this, "openUrl");
    }
    ~UrlCatcher() override
    {
        QDesktopServices::unsetUrlHandler("https");
        QDesktopServices::unsetUrlHandler("http");
    }
    QList<QUrl> urls;

public slots:
    void openUrl(const QUrl &url) { urls << url; }
};
// Analysis results with a beat every half second and one chord per beat.
// A silent track under the beats of giveBeats, loaded into the player only.
struct SilentTrack
{
    std::vector<float> samples = std::vector<float>(size_t(4096 + 22050 * 42), 0.0f);
    void loadInto(MainWindow &window)
    {
        window.audioPlayer()->setAudioData(samples.data(), samples.data(), 2, int(samples.size()), 44100);
    }
};

void giveBeats(MainWindow &window, int beatCount)
{
    TrackAnalysis analysis;
    analysis.tempo = 120.0f;
    for (int i = 0; i < beatCount; ++i) {
        analysis.beats.push_back(4096.0f + 22050.0f * float(i));
        analysis.chordLabels.push_back("C");
    }
    window.metaDataThread()->metaData()->setFromAnalysis(analysis);
}

// Builds a riff of `steps` steps from the riff builder's step row: each cell is armed by
// one click and committed by a second.
void buildRiff(JamTab *jam, int riff, int steps)
{
    RiffStep *row = jam->riffStep(riff);
    for (int k = 0; k < steps; ++k) {
        const QPoint cell(30 * k + 15, 15);
        QTest::mouseClick(row, Qt::LeftButton, Qt::NoModifier, cell);
        QTest::mouseClick(row, Qt::LeftButton, Qt::NoModifier, cell);
    }
}
} // namespace

class TestMainWindowActions : public QObject
{
    Q_OBJECT

    // Each keyboard command with a key: the key fires it, it reaches its target, it
    // belongs to the window and is enabled. Exit is pressed by its own test.
    void checkEveryShortcutFires(MainWindow &window, UrlCatcher *urls = nullptr)
    {
        // What the commands open is answered at once: no dialog waits for a user.
        window.setFileDialogHook([](const QString &, const QString &, const QString &) { return QString(); });
        window.setMessageBoxHook([](QMessageBox::Icon, const QString &, const QString &, QMessageBox::StandardButtons,
                                    QMessageBox::StandardButton) { return QMessageBox::No; });
        ModalAnswerer closer(QMessageBox::No);
        std::unique_ptr<UrlCatcher> ownUrls(urls ? nullptr : new UrlCatcher);
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QList<QShortcut *> shortcuts = window.shortcuts();
        QCOMPARE(shortcuts.size(), ShortcutsTab::commandCount);
        QCOMPARE(window.findChildren<QShortcut *>().size(), ShortcutsTab::commandCount);
        for (const Route &route : routes(window)) {
            QShortcut *shortcut = shortcutNamed(window, route.command);
            QVERIFY2(shortcut, qPrintable(route.command));
            QCOMPARE(shortcut->parent(), &window);
            QVERIFY2(shortcut->isEnabled(), qPrintable(route.command));
            QVERIFY2(isWired(shortcut, SIGNAL(activated()), route.receiver, route.slot), qPrintable(route.command));
            if (route.command == "Exit" || shortcut->key().isEmpty())
                continue;
            QSignalSpy fired(shortcut, SIGNAL(activated()));
            QTest::keySequence(&window, shortcut->key());
            QVERIFY2(fired.count() == 1, qPrintable(route.command + " " + shortcut->key().toString()));
        }
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QString());
        dataFolderPath = QStandardPaths::writableLocation(QStandardPaths::DataLocation) + "/Plectronome";
    }

    void init() { QSettings("Quillfen", "Plectronome").clear(); }

    void menusHoldTheirActionsInOrder()
    {
        MainWindow window;
        QStringList titles;
        for (QAction *action : window.menuBar()->actions())
            titles << action->text();
        QCOMPARE(titles, QStringList({"&File", "&Options", "&Help"}));
        const QList<QAction *> bar = window.menuBar()->actions();

        QCOMPARE(menuTexts(bar.at(0)->menu()),
                 QStringList({"&Open Audio File...", "Open CD Track...", "-", "&Save Session", "Save Session &As...",
                              "&Load Session...", "-", "Save Audio", "Save Audio Selection", "Save Riff Audio...",
                              "Save Song Audio...", "-", "Recent files", "-", "E&xit"}));
        QMenu *recent = bar.at(0)->menu()->actions().at(12)->menu();
        QVERIFY(recent);
        QVERIFY(!recent->isEnabled());
        QVERIFY(isWired(recent, SIGNAL(triggered(QAction *)), &window, SLOT(loadRecent(QAction *))));
        QCOMPARE(menuTexts(bar.at(1)->menu()),
                 QStringList({"Set &Audio Device", "Set &Default Folders", "Set &Keyboard Shortcuts", "Set &Language"}));
        QCOMPARE(menuTexts(bar.at(2)->menu()), QStringList({"View Help", "Check For Updates", "About Plectronome"}));

        // "Online Support" exists but sits in no menu.
        QAction *support = actionNamed(window, "Online Support");
        QVERIFY(support);
        for (QMenu *menu : window.findChildren<QMenu *>())
            QVERIFY(!menu->actions().contains(support));
        QVERIFY(isWired(support, SIGNAL(triggered()), &window, SLOT(viewSupport())));

        // Starting states.
        const QStringList disabled = {"Save Session &As...", "&Save Session", "Save Audio Selection", "Save Audio",
                                      "Save Song Audio...", "Save Riff Audio..."};
        const QStringList enabled = {"&Open Audio File...", "Open CD Track...", "E&xit", "&Load Session...",
                                     "Set &Audio Device", "Set &Default Folders", "Set &Keyboard Shortcuts",
                                     "Set &Language", "View Help", "Online Support", "About Plectronome",
                                     "Check For Updates"};
        for (const QString &text : disabled) {
            QVERIFY2(actionNamed(window, text), qPrintable(text));
            QVERIFY2(!actionNamed(window, text)->isEnabled(), qPrintable(text));
        }
        for (const QString &text : enabled) {
            QVERIFY2(actionNamed(window, text), qPrintable(text));
            QVERIFY2(actionNamed(window, text)->isEnabled(), qPrintable(text));
        }
        window.close();
    }

    void actionsReachTheirTargets()
    {
        MainWindow window;
        const struct {
            const char *text;
            QObject *receiver;
            const char *slot;
        } targets[] = {
            {"&Open Audio File...", &window, SLOT(open())},
            {"Open CD Track...", &window, SLOT(openCD())},
            {"E&xit", &window, SLOT(close())},
            {"Save Session &As...", &window, SLOT(saveSessionFileAs())},
            {"&Save Session", &window, SLOT(saveSessionFile())},
            {"&Load Session...", &window, SLOT(loadSession())},
            {"Save Audio Selection", &window, SLOT(exportSelection())},
            {"Save Audio", &window, SLOT(exportAudioMP3())},
            {"Save Song Audio...", &window, SLOT(exportSongWav())},
            {"Save Riff Audio...", &window, SLOT(exportRiffWav())},
            {"View Help", &window, SLOT(viewOnlineDocs())},
            {"About Plectronome", &window, SLOT(about())},
        };
        for (const auto &t : targets)
            QVERIFY2(isWired(actionNamed(window, t.text), SIGNAL(triggered()), t.receiver, t.slot), t.text);
        // Every export stops the riff builder's playing.
        JamTab *jam = window.tabWidget()->jamTab();
        for (const char *text : {"Save Audio Selection", "Save Audio", "Save Song Audio...", "Save Riff Audio..."}) {
            QVERIFY2(isWired(actionNamed(window, text), SIGNAL(triggered()), jam->riffPlayButton(), SLOT(unlatch())),
                     text);
            QVERIFY2(isWired(actionNamed(window, text), SIGNAL(triggered()), jam->songPlayButton(), SLOT(unlatch())),
                     text);
        }
        QVERIFY(isWired(actionNamed(window, "Check For Updates"), SIGNAL(triggered()), window.updateCheck(),
                        SLOT(checkForUpdates())));
        auto *group = window.findChild<QActionGroup *>();
        QVERIFY(group);
        QStringList names;
        for (QAction *action : group->actions())
            names << action->objectName();
        QCOMPARE(names, QStringList({"device", "paths", "shortcuts", "language"}));
        QVERIFY(isWired(group, SIGNAL(triggered(QAction *)), window.preferencesMenu(),
                        SLOT(showPreferences(QAction *))));
        window.close();
    }

    void everyShortcutFiresBeforeAndAfterChanges()
    {
        MainWindow window;
        UrlCatcher urls;
        ModalAnswerer answerer(QMessageBox::Yes);
        ShortcutsTab *page = window.preferencesMenu()->shortcutsTab();
        QCOMPARE(ShortcutsTab::commandNames().size(), routes(window).size());

        checkEveryShortcutFires(window, &urls);
        // "View Help" opens the help window, not a browser.
        QVERIFY(urls.urls.isEmpty());
        QVERIFY(window.helpBrowser() && window.helpBrowser()->isVisible());
        window.helpBrowser()->close();
        QApplication::setActiveWindow(&window);

        // A new key on the page is live at once, and the old one is free.
        page->commandTree()->setCurrentItem(page->items().at(ShortcutsTab::commandNames().indexOf("Zoom In")));
        page->keyField()->setText("CTRL+SHIFT+Z");
        page->setShortcut();
        QShortcut *zoomIn = shortcutNamed(window, "Zoom In");
        QSignalSpy zoomed(zoomIn, SIGNAL(activated()));
        QTest::keyClick(&window, Qt::Key_Equal);
        QCOMPARE(zoomed.count(), 0);
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(zoomed.count(), 1);
        checkEveryShortcutFires(window, &urls);

        // A key moved from another command after the question.
        page->commandTree()->setCurrentItem(page->items().at(ShortcutsTab::commandNames().indexOf("Rewind")));
        page->keyField()->setText("L");
        page->setShortcut();
        QCOMPARE(answerer.texts.size(), 1);
        QVERIFY(shortcutNamed(window, "Toggle Loop")->key().isEmpty());
        checkEveryShortcutFires(window, &urls);

        // Restoring the defaults builds a new list: it is wired and enabled at once.
        page->restoreDefaults();
        QCOMPARE(answerer.texts.size(), 2);
        QCOMPARE(shortcutNamed(window, "Toggle Loop")->key(), QKeySequence("L"));
        checkEveryShortcutFires(window, &urls);

        // So is a list set from stored keys.
        QStringList stored = page->loadShortcuts();
        stored[ShortcutsTab::commandNames().indexOf("Play/Stop")] = "CTRL+P";
        QVERIFY(page->setShortcuts(stored));
        QCOMPARE(shortcutNamed(window, "Play/Stop")->key(), QKeySequence("Ctrl+P"));
        checkEveryShortcutFires(window, &urls);

        // Exit closes the window.
        QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!window.isVisible());
    }

    void editedKeysComeBackAtStart()
    {
        {
            MainWindow window;
            ShortcutsTab *page = window.preferencesMenu()->shortcutsTab();
            page->commandTree()->setCurrentItem(page->items().at(ShortcutsTab::commandNames().indexOf("Toggle Loop")));
            page->keyField()->setText("CTRL+SHIFT+L");
            page->setShortcut();
            window.close();
        }
        MainWindow window;
        QCOMPARE(shortcutNamed(window, "Toggle Loop")->key(), QKeySequence("Ctrl+Shift+L"));
        checkEveryShortcutFires(window);
        QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(window.transportWidget()->loopButton()->isChecked());
        window.close();
    }

    void commandsReachTheirTargets()
    {
        MainWindow window;
        UrlCatcher urls;
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        TransportWidget *transport = window.transportWidget();
        RealTimeToolsTab *tools = window.tabWidget()->realTimeToolsTab();

        // Without a track the play keys show nothing playing.
        QVERIFY(!window.audioPlayer()->isPlaying());
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Down}) {
            QTest::keyClick(&window, key);
            QVERIFY(!transport->playButton()->isChecked());
            QVERIFY(!window.audioPlayer()->isPlaying());
        }
        // With one, each reaches the player and the button follows it.
        const std::vector<float> silence(200000, 0.0f);
        window.audioPlayer()->setAudioData(silence.data(), silence.data(), 1, int(silence.size()), 44100);
        QTest::keyClick(&window, Qt::Key_Space);
        QVERIFY(transport->playButton()->isChecked());
        QVERIFY(window.audioPlayer()->isPlaying());
        QTest::keyClick(&window, Qt::Key_Return);
        QVERIFY(!transport->playButton()->isChecked());
        QVERIFY(!window.audioPlayer()->isPlaying());
        QTest::keyClick(&window, Qt::Key_Down);
        QVERIFY(transport->playButton()->isChecked());
        QVERIFY(window.audioPlayer()->isPlaying());
        QTest::keyClick(&window, Qt::Key_Space);
        QVERIFY(!window.audioPlayer()->isPlaying());
        window.audioPlayer()->clearAudioData();

        QVERIFY(!window.audioPlayer()->isLooping());
        QTest::keyClick(&window, Qt::Key_L);
        QVERIFY(transport->loopButton()->isChecked());

        QVERIFY(window.waveBg()->scrollButton()->isOn());
        QTest::keyClick(&window, Qt::Key_S);
        QVERIFY(!window.waveBg()->scrollButton()->isOn());
        QTest::keyClick(&window, Qt::Key_S);
        QVERIFY(window.waveBg()->scrollButton()->isOn());

        const struct {
            Qt::Key key;
            PowerButton *button;
        } tools3[] = {{Qt::Key_F2, tools->tempoPowerButton()},
                      {Qt::Key_F3, tools->isolatePowerButton()},
                      {Qt::Key_F4, tools->pitchPowerButton()}};
        for (const auto &t : tools3) {
            const bool before = t.button->isOn();
            QTest::keyClick(&window, t.key);
            QCOMPARE(t.button->isOn(), !before);
            QTest::keyClick(&window, t.key);
            QCOMPARE(t.button->isOn(), before);
        }

        const int semitones = tools->semitoneWidget()->getCurrentValue();
        QTest::keyClick(&window, Qt::Key_F8);
        QCOMPARE(tools->semitoneWidget()->getCurrentValue(), semitones + 1);
        QTest::keyClick(&window, Qt::Key_F7);
        QCOMPARE(tools->semitoneWidget()->getCurrentValue(), semitones);

        const int volume = transport->volumeKnob()->value();
        QTest::keyClick(&window, Qt::Key_BracketLeft);
        QCOMPARE(transport->volumeKnob()->value(), volume - 1);
        QTest::keyClick(&window, Qt::Key_BracketRight);
        QCOMPARE(transport->volumeKnob()->value(), volume);
        const int metronome = transport->metronomeKnob()->value();
        QTest::keyClick(&window, Qt::Key_NumberSign);
        QCOMPARE(transport->metronomeKnob()->value(), metronome + 1);
        QTest::keyClick(&window, Qt::Key_Apostrophe);
        QCOMPARE(transport->metronomeKnob()->value(), metronome);

        QSignalSpy tabs(window.tabWidget()->tabButtons(), SIGNAL(tabChanged(int)));
        QTest::keyClick(&window, Qt::Key_2);
        QTest::keyClick(&window, Qt::Key_3);
        QTest::keyClick(&window, Qt::Key_1);
        QCOMPARE(tabs.count(), 3);
        QCOMPARE(tabs.at(0).at(0).toInt(), 1);
        QCOMPARE(tabs.at(1).at(0).toInt(), 2);
        QCOMPARE(tabs.at(2).at(0).toInt(), 0);

        QTest::keyClick(&window, Qt::Key_F1);
        QVERIFY(urls.urls.isEmpty());
        QVERIFY(window.helpBrowser() && window.helpBrowser()->isVisible());
        window.close();
    }

    void saveKeysHonourTheirActions()
    {
        MainWindow window;
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // The save commands may ask for a file name: any dialog is cancelled at once.
        ModalAnswerer closer(QMessageBox::No);
        window.setMessageBoxHook([](QMessageBox::Icon, const QString &, const QString &, QMessageBox::StandardButtons,
                                    QMessageBox::StandardButton) { return QMessageBox::No; });
        QAction *saveSession = actionNamed(window, "&Save Session");
        QAction *saveAudio = actionNamed(window, "Save Audio");
        QSignalSpy sessionSaved(saveSession, SIGNAL(triggered()));
        QSignalSpy audioSaved(saveAudio, SIGNAL(triggered()));
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(&window, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(sessionSaved.count(), 0);
        QCOMPARE(audioSaved.count(), 0);
        saveSession->setEnabled(true);
        saveAudio->setEnabled(true);
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(&window, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(sessionSaved.count(), 1);
        QCOMPARE(audioSaved.count(), 1);
        window.close();
    }

    void exportActionsFollowTheMaterial()
    {
        SilentTrack track;
        MainWindow window;
        QAction *riff = actionNamed(window, "Save Riff Audio...");
        QAction *song = actionNamed(window, "Save Song Audio...");
        QAction *selection = actionNamed(window, "Save Audio Selection");
        Plotter *plotter = window.waveBg()->plotter();

        window.checkEnableAudioExport();
        QVERIFY(!riff->isEnabled());
        QVERIFY(!song->isEnabled());
        giveBeats(window, 40);
        JamTab *jam = window.tabWidget()->jamTab();
        QVERIFY(jam->isEnabled());
        // Without a track nothing renders.
        buildRiff(jam, 0, 2);
        QCOMPARE(plotter->beatSelection(0)->lastBeatIndex(), 1);
        QVERIFY(!riff->isEnabled());
        track.loadInto(window);
        // Riff A, the riff shown, makes a riff but no song; each commit re-checks the actions.
        buildRiff(jam, 0, 2);
        QVERIFY(riff->isEnabled());
        QVERIFY(!song->isEnabled());
        buildRiff(jam, 3, 1);
        QCOMPARE(plotter->beatSelection(3)->lastBeatIndex(), 0);
        QVERIFY(riff->isEnabled());
        QVERIFY(!song->isEnabled());
        // A song slot naming riff D makes a song; an empty riff in a slot would not.
        jam->songStep()->setRiff(3, 7);
        QVERIFY(song->isEnabled());
        QVERIFY(window.audioPlayer()->renderSong() > 0);
        // A loop cut to nothing plays nothing: riff A (shown) no longer exports.
        plotter->beatSelection(0)->setLoopLength(-1);
        window.checkEnableAudioExport();
        QVERIFY(!riff->isEnabled());
        QCOMPARE(window.audioPlayer()->renderRiff(), 0);
        QVERIFY(song->isEnabled());
        // Showing riff D offers it.
        emit jam->setActiveRiff(3);
        QVERIFY(riff->isEnabled());
        plotter->beatSelection(3)->setLoopLength(-1);
        window.checkEnableAudioExport();
        QVERIFY(!riff->isEnabled());
        QVERIFY(!song->isEnabled());
        QCOMPARE(window.audioPlayer()->renderSong(), 0);
        jam->songStep()->setRiff(-1, 7);

        window.enableSelectionExport(true);
        QVERIFY(selection->isEnabled());
        window.enableSelectionExport(false);
        QVERIFY(!selection->isEnabled());

        // The song-play button needs a riff in some song slot.
        // The song-play button needs a riff in some song slot: slot 6 gets riff C from
        // the slot chooser, and the wheel takes it away again.
        CustomButton *songPlay = jam->songPlayButton();
        window.checkSongLoopLength();
        QVERIFY(!songPlay->isEnabled());
        QTest::mouseClick(jam->songStep(), Qt::LeftButton, Qt::NoModifier, QPoint(5 * 30 + 15, 15));
        SongStepSelector *chooser = jam->songStepSelector();
        QVERIFY(!chooser->isHidden());
        QTest::mouseMove(chooser, QPoint(20, 2 * 18 + 9));
        QTest::mouseClick(chooser, Qt::LeftButton, Qt::NoModifier, QPoint(20, 2 * 18 + 9));
        QCOMPARE(jam->songSlots()->at(5), 2);
        QVERIFY(songPlay->isEnabled());
        songPlay->latch();
        for (int turn = 0; turn < 3; ++turn) {
            QWheelEvent down(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                             Qt::NoScrollPhase, false);
            QApplication::sendEvent(jam->songStep()->stepLabel(5), &down);
        }
        QCOMPARE(jam->songSlots()->at(5), -1);
        QVERIFY(!songPlay->isEnabled());
        QVERIFY(!songPlay->isChecked());

        // Switching the riff builder off stops its play buttons; switching on leaves them.
        jam->riffPlayButton()->latch();
        songPlay->latch();
        window.jamTabPowerPressed(false);
        QVERIFY(jam->riffPlayButton()->isChecked());
        window.jamTabPowerPressed(true);
        QVERIFY(!jam->riffPlayButton()->isChecked());
        QVERIFY(!songPlay->isChecked());
        window.close();
    }

    void riffBuilderReachesOnlyItsOwnRiff()
    {
        SilentTrack track;
        MainWindow window;
        giveBeats(window, 40);
        JamTab *jam = window.tabWidget()->jamTab();
        Plotter *plotter = window.waveBg()->plotter();
        // Riff D is chosen with the wheel; the waveform shows its strip.
        QWheelEvent up(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 360), Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
        QApplication::sendEvent(jam->riffIdWidget(), &up);
        QCOMPARE(jam->currentRiff(), 3);
        QCOMPARE(plotter->beatSelectionStack()->currentIndex(), 3);

        buildRiff(jam, 3, 4);
        BeatSelection *riffD = plotter->beatSelection(3);
        QCOMPARE(riffD->lastBeatIndex(), 3);
        QCOMPARE(plotter->beatSelection(4)->lastStep(), -1);
        QCOMPARE(plotter->beatSelection(2)->lastStep(), -1);
        QVERIFY(jam->powerButton()->isOn());
        QCOMPARE(plotter->selectionStack()->currentIndex(), 1);

        // Step 2 of riff D five semitones up, from its menu.
        QTest::mouseClick(jam->riffStep(3), Qt::RightButton, Qt::NoModifier, QPoint(45, 15));
        StepContextMenu *menu = jam->stepMenu(3, 1);
        QVERIFY(!menu->isHidden());
        for (int i = 0; i < 5; ++i)
            QTest::mouseClick(menu->pitchWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(80, 10));
        QCOMPARE(riffD->stepPitch(1), std::pow(2.0f, 5.0f / 12.0f));
        QCOMPARE(plotter->beatSelection(4)->stepPitch(1), 1.0f);

        // "1st" on step 3 starts the riff there.
        QTest::mouseClick(jam->stepMenu(3, 2)->firstButton(), Qt::LeftButton);
        QCOMPARE(riffD->stepBeat(0), 2);
        QCOMPARE(riffD->stepBeat(2), 0);
        QCOMPARE(riffD->stepPitch(1), std::pow(2.0f, 5.0f / 12.0f));

        // The riff-play button plays riff D, the riff shown; a second press stops it and
        // leaves the button up.
        AudioPlayer *player = window.audioPlayer();
        track.loadInto(window);
        CustomButton *riffPlay = jam->riffPlayButton();
        QTest::mouseClick(riffPlay, Qt::LeftButton);
        QVERIFY(player->isRiffPlaying());
        QCOMPARE(player->currentRiff(), 3);
        QVERIFY(riffPlay->isChecked());
        QVERIFY(plotter->isRiffSongPlayback());
        QTest::mouseClick(riffPlay, Qt::LeftButton);
        QVERIFY(!player->isPlaying());
        QVERIFY(!riffPlay->isChecked());
        QCOMPARE(riffPlay->drawnState(), 0);
        // Riff E has no step: its press plays nothing and the button springs back.
        emit jam->setActiveRiff(4);
        QTest::mouseClick(riffPlay, Qt::LeftButton);
        QVERIFY(!player->isPlaying());
        QVERIFY(!riffPlay->isChecked());
        emit jam->setActiveRiff(3);
        // The transport's stop ends riff playback and unlatches the riff button too.
        QTest::mouseClick(riffPlay, Qt::LeftButton);
        QVERIFY(player->isRiffPlaying());
        QTest::mouseClick(window.transportWidget()->stopButton(), Qt::LeftButton);
        QVERIFY(!player->isPlaying());
        QVERIFY(!riffPlay->isChecked());

        // The beat-offset knob moves the player's beats and the chord strip's labels alike.
        MetaData *metaData = window.metaDataThread()->metaData();
        const float beat = metaData->beats[2];
        jam->beatOffsetKnob()->setValue(59);
        QCOMPARE(metaData->beats[2], beat + 10.0f * float(metaData->beatStep));
        QCOMPARE(plotter->chordsStrip()->sampleOffset(), 10 * metaData->beatStep - 2048);
        jam->beatOffsetKnob()->setValue(JamTab::beatOffsetDefault);
        QCOMPARE(metaData->beats[2], beat);

        // Switching riff mode off shows the loop selection again.
        QTest::mouseClick(jam->powerButton(), Qt::LeftButton);
        QCOMPARE(plotter->selectionStack()->currentIndex(), 0);
        window.close();
    }

    void clearRecentEmptiesAndDisablesTheMenu()
    {
        MainWindow window;
        window.setRecentFiles({"/music/a.mp3", "/music/b.flac"});
        QMenu *recent = window.recentFilesMenu();
        QVERIFY(recent->isEnabled());
        QVERIFY(!recent->actions().isEmpty());
        window.clearRecent();
        QVERIFY(!recent->isEnabled());
        QTRY_VERIFY(recent->actions().isEmpty());
        window.close();
    }

    void audioErrorsAreReportedAndKeepThePlayerOutput()
    {
        MainWindow window;
        const int output = audiolayer::currentDevice();
        QVERIFY(output >= 1);

        // The report goes to standard output, exactly in the usual form.
        int fds[2];
        QCOMPARE(pipe(fds), 0);
        std::fflush(stdout);
        const int saved = dup(1);
        dup2(fds[1], 1);
        window.showBassError("Can't create file");
        std::fflush(stdout);
        dup2(saved, 1);
        ::close(saved);
        ::close(fds[1]);
        char buffer[256] = {};
        const ssize_t n = read(fds[0], buffer, sizeof(buffer) - 1);
        ::close(fds[0]);
        const QString printed = QString::fromUtf8(buffer, int(qMax<ssize_t>(n, 0)));
        QVERIFY2(QRegularExpression("^Error\\(-?\\d+\\): Can't create file<br />$").match(printed).hasMatch(),
                 qPrintable(printed));
        QCOMPARE(audiolayer::currentDevice(), output);

        // The silent decoding device, when current, is released.
        QVERIFY(audiolayer::initDevice(audiolayer::kNoSoundDevice));
        QCOMPARE(audiolayer::currentDevice(), audiolayer::kNoSoundDevice);
        window.showBassError("file not loaded");
        QCOMPARE(audiolayer::currentDevice(), output);
        window.close();
    }

    void helpIsShippedWithTheProgram()
    {
        // "View Help" opens the program's own pages, whatever the language, with no browser.
        QSettings("Quillfen", "Plectronome").setValue("Language/language", "de");
        MainWindow window;
        UrlCatcher urls;
        window.viewOnlineDocs();
        QVERIFY(urls.urls.isEmpty());
        HelpBrowser *help = window.helpBrowser();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->source(), HelpBrowser::contentsPage());
        QCOMPARE(help->windowTitle(), QString("Plectronome Help"));
        // Every page the contents page links to is there and has its text.
        QFile contents(":/help/index.html");
        QVERIFY(contents.open(QIODevice::ReadOnly));
        QStringList pages;
        QRegularExpressionMatchIterator links = QRegularExpression("href=\"(\\w+\\.html)\"").globalMatch(contents.readAll());
        while (links.hasNext())
            pages << links.next().captured(1);
        QCOMPARE(pages.size(), 8);
        for (const QString &page : qAsConst(pages)) {
            help->setSource(QUrl("qrc:/help/" + page));
            QVERIFY2(help->toPlainText().size() > 300, qPrintable(page));
            QVERIFY2(help->windowTitle().startsWith("Plectronome Help: "), qPrintable(page));
        }
        help->setSource(QUrl("qrc:/help/riffs.html"));
        QVERIFY(help->toPlainText().contains("Double-click the waveform"));

        // Support and download are still the maker's pages.
        window.viewSupport();
        window.updateRedirect();
        const QString root = QString::fromLatin1(weblinks::serverRoot);
        QCOMPARE(urls.urls.size(), 2);
        for (const QUrl &url : urls.urls)
            QVERIFY2(url.toString().startsWith(root), qPrintable(url.toString()));
        QVERIFY(urls.urls.at(0) != urls.urls.at(1));
        window.close();
    }
};

QTEST_MAIN(TestMainWindowActions)
#include "tst_mainwindowactions.moc"
