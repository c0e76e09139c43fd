// Runs the selection overlay and isolate plot tests.
#include <QApplication>

#include "testisolateplot.h"
#include "testselectionoverlay.h"
#include "tests/testrunner.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    return runTests<TestSelectionOverlay, TestIsolatePlot>(argc, argv);
}
