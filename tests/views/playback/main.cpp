// Runs every test class of the playback views in one executable.
#include <QApplication>
#include <QtTest>

#include "testimagecontrols.h"
#include "testwaveformview.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int status = 0;
    {
        TestImageControls t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestWaveformView t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
