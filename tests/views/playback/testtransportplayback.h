// The transport bar and the overview strip in the main window, driving the real player
// on an opened track, as a user would.
#pragma once
#include <QObject>
#include <QTemporaryDir>

class TestTransportPlayback : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void transportDrivesThePlayer();

private:
    QTemporaryDir m_dir;
};
