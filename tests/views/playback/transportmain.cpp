// Runs the transport bar, marker and overview tests, and the main-window walk-through.
#include <QApplication>

#include "testplaymarkers.h"
#include "testtransportplayback.h"
#include "testtransportwidget.h"
#include "tests/testrunner.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    return runTests<TestTransportWidget, TestPlayMarkers, TestTransportPlayback>(argc, argv);
}
