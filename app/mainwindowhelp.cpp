// MainWindow: the "Help" menu's slots (the program's help, the support and download
// pages, the update check's answer, the about box) and the wiring of the preferences dialog.
#include "app/mainwindow.h"

#include "app/helpbrowser.h"
#include "app/pathsmanager.h"
#include "app/updatecheck.h"
#include "app/version.h"
#include "app/weblinks.h"
#include "audio/audioplayer.h"
#include "preferences/preferencesmenu.h"

#include <QDesktopServices>
#include <QPixmap>
#include <QPushButton>

void MainWindow::connectPreferences()
{
    PreferencesMenu *prefs = m_preferencesMenu;
    // The query signals are answered by the player directly, in this thread.
    connect(prefs, &PreferencesMenu::deviceStringToIndex, m_audioPlayer, &AudioPlayer::deviceStringToIndex,
            Qt::DirectConnection);
    connect(prefs, SIGNAL(setAudioDevice(int)), m_audioPlayer, SLOT(setAudioDevice(int)));
    connect(prefs, SIGNAL(setDeviceBufferSize(int)), m_audioPlayer, SLOT(setDeviceBufferSize(int)));
    connect(prefs, SIGNAL(updatePaths(QString, QString)), m_pathsManager, SLOT(updatePaths(QString, QString)));
    DevicesTab *devices = prefs->devicesTab();
    connect(devices, &DevicesTab::getDeviceList, m_audioPlayer, &AudioPlayer::getDeviceList, Qt::DirectConnection);
    connect(devices, &DevicesTab::getCurrentDevice, m_audioPlayer, &AudioPlayer::getAudioDevice,
            Qt::DirectConnection);
    // A relaunch first asks about unsaved riffs: the new run must not start if this one stays.
    prefs->languageTab()->setCloseCheck([this]() { return mayDiscardRiffsAndSong(); });
    connect(prefs->languageTab(), SIGNAL(closeMainwindow()), this, SLOT(close()));
    connect(prefs->languageTab(), SIGNAL(writeSettings()), this, SLOT(writeSettings()));
    connect(m_updateCheck, SIGNAL(showUpdateMessageBox(int, bool)), this, SLOT(showUpdateMessageBox(int, bool)));
}

// ---- Help and web pages ---------------------------------------------------------------------------

void MainWindow::openWebPage(const QUrl &url)
{
    if (QDesktopServices::openUrl(url))
        return;
    const QString address = url.toString().toHtmlEscaped();
    showMessageBox(QMessageBox::Information, QStringLiteral("Plectronome"),
                   tr("No web browser could be opened. The page is at:<br />%1")
                       .arg(QString("<a href=\"%1\">%1</a>").arg(address)));
}

void MainWindow::viewOnlineDocs()
{
    // The help is a document in English, shipped with the program: it opens with no
    // browser and no network.
    if (!m_helpBrowser)
        m_helpBrowser = new HelpBrowser(this);
    m_helpBrowser->showContents();
}

void MainWindow::viewSupport()
{
    openWebPage(QUrl(QString::fromLatin1(weblinks::serverRoot) + weblinks::supportPage));
}

void MainWindow::updateRedirect()
{
    openWebPage(QUrl(QString::fromLatin1(weblinks::serverRoot) + weblinks::downloadPage));
}

// ---- Update check and about box ------------------------------------------------------------

void MainWindow::showUpdateMessageBox(int type, bool startupCheck)
{
    const QString title = QStringLiteral("Plectronome");
    if (type == UpdateCheck::NewerVersion) {
        QMessageBox box(QMessageBox::Information, title, tr("A new version of Plectronome is available!"),
                        QMessageBox::Close, this);
        box.setDefaultButton(QMessageBox::Close);
        QPushButton *update = box.addButton(tr("Update"), QMessageBox::AcceptRole);
        connect(update, SIGNAL(pressed()), this, SLOT(updateRedirect()));
        box.exec();
        return;
    }
    // A check made at start speaks only when there is something new.
    if (startupCheck)
        return;
    if (type == UpdateCheck::LatestVersion)
        showMessageBox(QMessageBox::Information, title,
                       tr("You are using the latest version of Plectronome (v%1).").arg(plectronomeVersion));
    else
        showMessageBox(QMessageBox::Warning, title,
                       tr("Cannot connect to server to determine latest version of Plectronome.<br />"
                          "Please check your internet connection."));
}

void MainWindow::about()
{
    struct Credit {
        const char *name;
        const char *address;
    };
    static const Credit credits[] = {
        {"Qt", "https://www.qt.io/"},
        {"FFmpeg", "https://ffmpeg.org/"},
        {"SDL2", "https://www.libsdl.org/"},
        {"TagLib", "https://taglib.org/"},
        {"LAME", "https://lame.sourceforge.io/"},
    };
    QString text = QString("Plectronome v%1<br /><br />").arg(plectronomeVersion);
    text += tr("3rd party libraries used in Plectronome:") + "<br /><br />";
    for (const Credit &credit : credits)
        text += QString("%1&nbsp;&nbsp;&nbsp;<a href=\"%2\">%2</a><br />").arg(credit.name, credit.address);
    text += "<br />" + tr("MP3 files are encoded by the separate lame program.");

    QMessageBox box(this);
    box.setWindowTitle(tr("About Plectronome"));
    box.setTextFormat(Qt::RichText);
    box.setIconPixmap(QPixmap(":/images/icon_64.png"));
    box.setText(text);
    box.exec();
}
