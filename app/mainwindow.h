// MainWindow: the program's one window. It builds and owns every view, the audio
// player and the analysis thread, opens files and sessions, exports audio, and keeps
// the settings. Built once by runApplication; lives for the whole run.
#pragma once
#include <QList>
#include <QMainWindow>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVector>

#include <functional>
#include <memory>

#include "app/sessiondocument.h"

class AudioPlayer;
class ExportWriter;
class HelpBrowser;
class MetaDataThread;
class PathsManager;
class PitchSyncWidget;
class PreferencesMenu;
class QAction;
class QActionGroup;
class QMimeData;
class QMenu;
class QShortcut;
class QTimer;
class TabWidget;
class TransportWidget;
class UpdateCheck;
class WaveBg;

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    AudioPlayer *audioPlayer() const { return m_audioPlayer; }
    MetaDataThread *metaDataThread() const { return m_metaDataThread; }
    PathsManager *pathsManager() const { return m_pathsManager; }
    WaveBg *waveBg() const { return m_waveBg; }
    TabWidget *tabWidget() const { return m_tabWidget; }
    TransportWidget *transportWidget() const { return m_transportWidget; }
    PitchSyncWidget *pitchSyncWidget() const { return m_pitchSyncWidget; }
    PreferencesMenu *preferencesMenu() const { return m_preferencesMenu; }
    QTimer *startTimer() const { return m_startTimer; }

    // Stops the audio thread and waits for it, and waits for a running analysis.
    // Safe to call more than once.
    void stopThreads();

    // ---- Opening and decoding audio files ----------------------------------------
    // Result of open(): 0 loaded, 1 refused or cancelled, -1 failed.
    // Result of decodeAudioFile(): 0 decoded, -1 not loaded, -2 too short, -3 too large,
    // -4 a sample rate outside what the player plays. The loaded track is replaced only
    // once the new one is decoded whole; any refusal leaves it as it was.
    enum DecodeResult {
        DecodeOk = 0,
        DecodeFailed = -1,
        DecodeTooSmall = -2,
        DecodeTooLarge = -3,
        DecodeUnsupportedRate = -4
    };
    static constexpr int minimumFrames = 100000;
    static constexpr int maximumFrames = 0x1FC00000;
    int decodeAudioFile(const QString &path);
    void resetForNewFile();
    bool isTrackLoaded() const { return m_loaded; }
    const float *leftSamples() const { return m_leftSamples; }
    const float *rightSamples() const { return m_rightSamples; }
    int frameCount() const { return m_frameCount; }
    int sampleRate() const { return m_sampleRate; }
    int channelCount() const { return m_channelCount; }
    bool isStereo() const { return m_stereo; }
    // Title, artist and album of the loaded file (empty texts when it has no tags).
    QStringList trackTags() const { return m_tags; }
    bool fileRelocated() const { return m_fileRelocated; }
    QString baseTitle() const { return m_title; }
    // "artist - title" when either tag is set, else the file name after the last "/".
    static QString trackLabel(const QStringList &tags, const QString &path);
    // The folder the "Open CD Track" dialog starts in: a mounted audio CD (a gvfs cdda
    // mount under gvfsFolder) or a mounted optical drive; empty when there is none.
    static QString findAudioCdFolder(const QString &gvfsFolder);
    // Where the "Open CD Track" dialog starts without a disc: the folder the desktop
    // mounts removable media in (/media/$USER or /run/media/$USER), else home.
    static QString removableMediaFolder();

    // ---- Recent files ------------------------------------------------------------
    // The "Recent files" sub-menu. createMenus makes it (disabled, in "&File") and
    // connects its triggered(QAction*) to loadRecent; setRecentFiles makes one if not.
    QMenu *recentFilesMenu();
    // The paths of the menu's entries, most recent first.
    QStringList recentFiles() const;
    // Rebuilds the menu from a list of paths: one entry each (empty texts and
    // "Clear Recent" skipped, duplicates dropped, at most 8), a separator and
    // "&Clear Recent". An empty list leaves the menu empty and disabled.
    void setRecentFiles(const QStringList &paths);
    // Puts a path first in the menu (moving it when already listed) and enables it.
    void addRecentFile(const QString &path);
    static constexpr int maximumRecentFiles = 8;

    // ---- Other ways in: command line, file-open events, drag and drop --------------
    // Every way in tells a name's kind by its extension after the last ".", compared in
    // lower case; the name itself is opened as it stands.
    enum FileKind { AudioFile, SessionFile, UnsupportedFile };
    static FileKind fileKind(const QString &path);
    // The name on a command line (program name first): the arguments joined with single
    // spaces up to the first whose file name holds a ".", so a path split at its spaces
    // is whole again. Empty when no argument follows the program name.
    static QString commandLineName(const QStringList &arguments);
    // The program's arguments, opened by delayedLoad once the window has settled.
    void setCommandLine(const QStringList &arguments) { m_commandLine = arguments; }
    // Opens a name as audio or as a session. An unsupported name is told to the user
    // when tellUnsupported, else ignored. False when nothing was opened.
    bool openPath(const QString &path, bool tellUnsupported);
    // The local files a drag carries, in order (other URLs are left out).
    static QStringList draggedFiles(const QMimeData *mime);
    // Enciphers the old plain analysis-cache files of dataFolder + "/metadata" in place;
    // returns how many were converted. Run once at start.
    static int convertPlainCacheFiles(const QString &dataFolder);

    // ---- Questions and warnings to the user ----------------------------------------
    // Every message box of the window goes through showMessageBox and every "open
    // file" dialog through askOpenFileName; tests replace them with these hooks.
    using MessageBoxHook = std::function<QMessageBox::StandardButton(
        QMessageBox::Icon icon, const QString &title, const QString &text, QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton defaultButton)>;
    using FileDialogHook =
        std::function<QString(const QString &title, const QString &folder, const QString &filter)>;
    void setMessageBoxHook(MessageBoxHook hook) { m_messageBoxHook = std::move(hook); }
    void setFileDialogHook(FileDialogHook hook) { m_fileDialogHook = std::move(hook); }
    QMessageBox::StandardButton showMessageBox(QMessageBox::Icon icon, const QString &title, const QString &text,
                                               QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                               QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    QString askOpenFileName(const QString &title, const QString &folder, const QString &filter);
    // Every "save file" dialog goes through askSaveFileName: a title, the folder or
    // proposed path it starts at, and its filters (one per entry, the first chosen at
    // start); it answers the path (empty when cancelled) and the filter the user chose.
    struct SaveFileChoice {
        QString path;
        QString filter;
    };
    using SaveDialogHook =
        std::function<SaveFileChoice(const QString &title, const QString &folder, const QStringList &filters)>;
    void setSaveDialogHook(SaveDialogHook hook) { m_saveDialogHook = std::move(hook); }
    SaveFileChoice askSaveFileName(const QString &title, const QString &folder, const QStringList &filters);

    // ---- Session files (mainwindowsession.cpp) -------------------------------------
    // The state the views and the player hold now, as a session file keeps it.
    SessionDocument currentSession() const;
    // Writes the current state to a session file, replacing it only once the whole text
    // is written. False (and the reason told to the user) when it could not be written.
    bool writeSessionFile(const QString &path);
    // True when the riffs or the song differ from what the last session saved or loaded
    // held (or, with no session, from the empty riffs a track starts with).
    bool riffsAndSongUnsaved() const;
    // Before the window closes: when the riffs or the song are unsaved, asks whether to save
    // the session, discard them or cancel. True when the caller may go on.
    bool mayDiscardRiffsAndSong();
    // The name "Save Session As..." proposes: the sessions folder and the audio file's
    // name without its folder and its audio extensions.
    static QString proposedSessionPath(const QString &sessionsFolder, const QString &audioPath);

public slots:
    int open();
    int open(const QString &fn);
    int open(const QString &fn, bool isCDTrack);
    void openCD();
    void clearRecent();
    // Opens the picked entry of the "Recent files" menu as audio or as a session.
    void loadRecent(QAction *recent);

public:
    // ---- Menus, actions and keyboard commands (mainwindowactions.cpp) -------------
    UpdateCheck *updateCheck() const { return m_updateCheck; }
    // The keyboard commands, wired by initShortcuts: the shortcuts page's list.
    QList<QShortcut *> shortcuts() const;
    // Prints a failed audio-library call to standard output and frees the silent
    // decoding device when that is the current one (never the player's output).
    void showBassError(const char *message);
    // The window of the program's own help; null until "View Help" first opens it.
    HelpBrowser *helpBrowser() const { return m_helpBrowser; }

public slots:
    void initShortcuts();
    void checkEnableAudioExport();
    // Runs the analysis again with the chord filter's marks; nothing while no track is
    // loaded or an analysis runs. Asks first when the chords may hold hand corrections.
    void recalculateChords(QVector<QVector<int> > chordList);
    void enableSelectionExport(bool enable);
    void checkSongLoopLength();
    void jamTabPowerPressed(bool power);
    void playStop();
    void pause();
    void playFromSelectionStart();
    void toggleLoop();
    void toggleScroll();
    void toggleTempo();
    void toggleIsolate();
    void togglePitch();
    // Opens the help shipped with the program at its contents page.
    void viewOnlineDocs();
    void viewSupport();
    void updateRedirect();

    // Help menu (mainwindowhelp.cpp): the about box and the update check's answer.
    void about();
    void showUpdateMessageBox(int type, bool startupCheck);

    // Session files (mainwindowsession.cpp). "Save Session As..." asks for a name and
    // saves; "Save Session" writes the current session file; loadSession(true) loads the
    // path set with PathsManager::setSessionFile (the other ways in), loadSession() asks
    // for a file. The session path changes only when a load or a save succeeds.
    void saveSessionFileAs();
    void saveSessionFile();
    void loadSession();
    void loadSession(bool loadRecentSession);

    // Audio export (mainwindowexport.cpp): the processed track (false) or its selection
    // (true) as WAV, or as MP3 when lame is installed; the current riff and the song as
    // WAV. Each asks for a name, tells the user when nothing could be saved, and leaves
    // no partial file.
    void exportAudioMP3(bool selection);
    void exportAudioMP3();
    void exportSelection();
    void exportSongWav();
    void exportRiffWav();

private slots:
    // The two save commands act only while their menu actions are enabled.
    void saveSessionFromShortcut();
    void exportAudioFromShortcut();

public slots:
    void writeSettings();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private slots:
    void delayedLoad();

private:
    void init();
    void createWidgets();
    void createCentralWidget();
    void createActions();
    void createMenus();
    void createConnections();
    // The riff builder, the six riff strips on the waveform and the player.
    void connectRiffBuilder();
    // Riff and song playback, the beat offset and the riff export's enabling.
    void connectRiffPlayback();
    // The chord editor, the chord filter and the analysis notice.
    void connectChordEditing();
    void enableAllShortcuts();
    void connectPreferences();
    // Opens a page in the browser; when none opens, shows its address instead.
    void openWebPage(const QUrl &url);
    void readSettings();
    // Set once the user has been told that the settings could not be written.
    bool m_settingsFailureTold = false;
    void scanMetadataFolder();
    // Export: the file the user chose, with its extension; empty when cancelled.
    struct ExportTarget {
        QString path;
        bool mp3 = false;
    };
    ExportTarget askExportTarget(const QString &title, const QString &proposal, bool offerMp3);
    bool writeRenderedAudio(ExportWriter &writer, const QVector<float> &left, const QVector<float> &right);
    void reportExportError(const ExportWriter &writer);
    // True, after telling the user, while the analysis runs: its beats (the metronome's
    // clicks) and a session's tempo would change under the render.
    bool exportWaitsForAnalysis();
    // Opens a session file by name (the session loader takes the name from PathsManager).
    void loadSessionPath(const QString &path);
    // Opens a name later, from the event loop: drops and file-open events end first.
    void openPathLater(const QString &path, bool tellUnsupported);
    // Opens the first of the dropped files that opens; tells when none of them is there.
    void openFirstDropped(const QStringList &files);
    void freeSampleBuffers();
    // A file decoded into arrays of its own, before it becomes the loaded track.
    struct DecodedTrack {
        std::unique_ptr<float[]> left;
        std::unique_ptr<float[]> right; // for mono a copy of the left
        int frames = 0;
        int sampleRate = 0;
        int channels = 0;
        bool stereo = false;
        QStringList tags;
    };
    // Decodes a file into track (a DecodeResult); touches nothing of the loaded track.
    int decodeTrack(const QString &path, DecodedTrack &track);
    // The player lets go of the loaded track and its arrays are freed.
    void releaseTrack();
    // A decoded track becomes the loaded one and goes to the player.
    void installTrack(DecodedTrack &track);
    // Whether the decoder can start on a file (a readable regular file it knows), checked
    // before anything of the loaded track is let go: DecodeOk or the refusal's result.
    int checkDecodable(const QString &path);
    // The text that tells the user why a file did not open (a DecodeResult).
    static QString decodeFailureText(int result);
    // Actions that need a loaded track follow its presence.
    void setTrackActionsEnabled(bool loaded);
    // Session load: reads and checks the file, opens its audio, then restores the views.
    bool loadSessionFile(const QString &path);
    void applySession(const SessionDocument &session);
    void restoreRiffs(const SessionDocument &session);
    // The session file the user last loaded or saved successfully.
    QString m_confirmedSessionFile;
    // The riffs and the song as that session holds them, or as the loaded track began.
    SessionDocument m_heldRiffsAndSong;
    void holdRiffsAndSong() { m_heldRiffsAndSong = currentSession(); }

    QString m_title;

    // ---- Menus and actions ----
    QMenu *m_fileMenu = nullptr;
    QMenu *m_optionsMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QAction *m_openAct = nullptr;
    QAction *m_openCDAct = nullptr;
    QAction *m_exitAct = nullptr;
    QAction *m_saveSessionAsAct = nullptr;
    QAction *m_saveSessionAct = nullptr;
    QAction *m_loadSessionAct = nullptr;
    QAction *m_exportSelectionAct = nullptr;
    QAction *m_exportAudioAct = nullptr;
    QAction *m_exportSongAct = nullptr;
    QAction *m_exportRiffAct = nullptr;
    QAction *m_deviceAct = nullptr;
    QAction *m_pathsAct = nullptr;
    QAction *m_shortcutsAct = nullptr;
    QAction *m_languageAct = nullptr;
    QAction *m_viewHelpAct = nullptr;
    QAction *m_supportAct = nullptr;
    QAction *m_aboutAct = nullptr;
    QAction *m_checkUpdatesAct = nullptr;
    QActionGroup *m_preferencesGroup = nullptr;
    // Set once construction has ended: shortcuts wired later are enabled at once.
    bool m_shortcutsLive = false;


    // ---- Opening files and recent files ----
    QStringList m_tags;
    int m_channelCount = 0;
    QMenu *m_recentFilesMenu = nullptr;
    QStringList m_commandLine;
    MessageBoxHook m_messageBoxHook;
    FileDialogHook m_fileDialogHook;
    SaveDialogHook m_saveDialogHook;

    // Decoded audio of the loaded track.
    float *m_leftSamples = nullptr;
    float *m_rightSamples = nullptr;
    bool m_stereo = false;
    bool m_loaded = false;
    int m_frameCount = 0;
    int m_sampleRate = 0;
    bool m_fileRelocated = false;

    HelpBrowser *m_helpBrowser = nullptr;
    PathsManager *m_pathsManager = nullptr;
    AudioPlayer *m_audioPlayer = nullptr;
    MetaDataThread *m_metaDataThread = nullptr;
    WaveBg *m_waveBg = nullptr;
    TabWidget *m_tabWidget = nullptr;
    TransportWidget *m_transportWidget = nullptr;
    PitchSyncWidget *m_pitchSyncWidget = nullptr;
    PreferencesMenu *m_preferencesMenu = nullptr;
    UpdateCheck *m_updateCheck = nullptr;
    QTimer *m_startTimer = nullptr;
};
