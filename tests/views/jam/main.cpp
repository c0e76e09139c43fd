// Runs every test class of the riff builder in one executable.
#include <QApplication>

#include "testbeatselection.h"
#include "testjamtab.h"
#include "tests/testrunner.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    return runTests<TestBeatSelection, TestJamTab>(argc, argv);
}
