// Plectronome: a practice tool for guitarists.
#include "app/startup.h"

#include <QtGlobal>

int main(int argc, char **argv)
{
    qputenv("QT_LOGGING_RULES", "qt.network.ssl.warning=false");
    return runApplication(argc, argv);
}
