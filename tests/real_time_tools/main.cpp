// Runs every test class of the real-time tools in one executable.
#include <QtTest>

#include "testfftreal.h"
#include "testrealtimeengine.h"

int main(int argc, char **argv)
{
    int status = 0;
    {
        TestFFTReal t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestRealTimeEngine t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
