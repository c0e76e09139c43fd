// Runs every test class of the real-time tools in one executable.
#include "testfftreal.h"
#include "testrealtimeengine.h"
#include "tests/testrunner.h"

int main(int argc, char **argv)
{
    return runTests<TestFFTReal, TestRealTimeEngine>(argc, argv);
}
