// MainWindow: reading and writing the settings of the window.
#include "app/mainwindow.h"

#include "app/datafolder.h"
#include "app/pathsmanager.h"
#include "audio/audioplayer.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

void MainWindow::readSettings()
{
    QSettings settings("Quillfen", "Plectronome");
    settings.beginGroup("MainWindow");
    m_pathsManager->setSaveLocation(settings.value("save location").toString().isEmpty()
                                        ? dataFolderPath
                                        : settings.value("save location").toString());
    const QPoint pos = settings.value("pos", QPoint(0, 0)).toPoint();
    const int screenCount = settings.value("screen count", 0).toInt();
    QScreen *screen = this->screen();
    if (screen && screenCount == QGuiApplication::screens().size() && screen->geometry().contains(pos))
        move(pos);
    else
        move(0, 0);
    settings.endGroup();
}

void MainWindow::writeSettings()
{
    QSettings settings("Quillfen", "Plectronome");
    settings.beginGroup("MainWindow");
    settings.setValue("pos", pos());
    settings.setValue("screen count", QGuiApplication::screens().size());
    settings.setValue("volume", m_audioPlayer->getVolume());
    settings.setValue("save location", m_pathsManager->saveLocation());
    settings.setValue("version", QString("1.6.0.0"));
    settings.endGroup();
    settings.sync();
}
