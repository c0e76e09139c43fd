// Saves offscreen pictures of widgets under test, to look at after a run.
// The folder is $PLECTRONOME_GRAB_DIR, or "plectronome-grabs" in the temporary folder.
#pragma once
#include <QDir>
#include <QWidget>

inline QString saveGrab(QWidget *widget, const QString &name)
{
    QString folder = qEnvironmentVariable("PLECTRONOME_GRAB_DIR");
    if (folder.isEmpty())
        folder = QDir::temp().filePath("plectronome-grabs");
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(name + ".png");
    widget->grab().save(path);
    return path;
}
