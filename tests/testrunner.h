// Runs several Qt Test classes in one executable, one after the other; the exit status
// is non-zero when any of them failed.
#pragma once
#include <QtTest>

template <typename Test>
int runTest(int argc, char **argv)
{
    Test test;
    return QTest::qExec(&test, argc, argv);
}

template <typename... Tests>
int runTests(int argc, char **argv)
{
    int status = 0;
    ((status |= runTest<Tests>(argc, argv)), ...);
    return status;
}
