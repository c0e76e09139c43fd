// Runs every test class of the audio layer in one executable.
#include <QtTest>

#include "testdecoding.h"
#include "testoutput.h"

int main(int argc, char **argv)
{
    int status = 0;
    {
        TestDecoding t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestOutput t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
