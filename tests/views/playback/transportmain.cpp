// Runs the transport bar, marker and overview tests, and the main-window walk-through.
#include <QApplication>
#include <QtTest>

#include "testplaymarkers.h"
#include "testtransportplayback.h"
#include "testtransportwidget.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int status = 0;
    {
        TestTransportWidget t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestPlayMarkers t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestTransportPlayback t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
