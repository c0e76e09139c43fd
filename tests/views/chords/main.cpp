// Runs every test class of the chord views in one executable.
#include <QApplication>

#include "testchordindex.h"
#include "testchordsstrip.h"
#include "testchordstab.h"
#include "testchordeditor.h"
#include "tests/testrunner.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    return runTests<TestChordIndex, TestChordsStrip, TestChordsTab, TestChordEditor>(argc, argv);
}
