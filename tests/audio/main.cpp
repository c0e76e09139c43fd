// Runs every test class of the audio layer in one executable.
#include "testdecoding.h"
#include "testoutput.h"
#include "tests/testrunner.h"

int main(int argc, char **argv)
{
    return runTests<TestDecoding, TestOutput>(argc, argv);
}
