// Runs every test class of the playback views in one executable.
#include <QApplication>

#include "testimagecontrols.h"
#include "testwaveformview.h"
#include "tests/testrunner.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    return runTests<TestImageControls, TestWaveformView>(argc, argv);
}
