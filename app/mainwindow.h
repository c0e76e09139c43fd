// MainWindow: the program's one window. It builds and owns every view, the audio
// player and the analysis thread, opens files and sessions, exports audio, and keeps
// the settings. Built once by runApplication; lives for the whole run.
#pragma once
#include <QList>
#include <QMainWindow>
#include <QString>

class AudioPlayer;
class MetaDataThread;
class PathsManager;
class PitchSyncWidget;
class PreferencesMenu;
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

public slots:
    void writeSettings();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void delayedLoad();

private:
    void init();
    void createWidgets();
    void createCentralWidget();
    void createActions();
    void createMenus();
    void createConnections();
    void enableAllShortcuts();
    void checkSongLoopLength();
    void readSettings();
    void scanMetadataFolder();
    void freeSampleBuffers();

    QString m_title;

    // Decoded audio of the loaded track.
    float *m_leftSamples = nullptr;
    float *m_rightSamples = nullptr;
    bool m_stereo = false;
    bool m_loaded = false;
    int m_frameCount = 0;
    int m_sampleRate = 0;
    bool m_openedFromSession = false;

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
