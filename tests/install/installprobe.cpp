// Copied by install_check.sh into the bin folder of an installed tree, beside the installed
// program: loads a language's translation the way the program does at start and prints the
// "&File" menu in it. Exits 1 when a translation file was found but refused.
// Usage: installprobe CODE
#include "app/checkedtranslator.h"
#include "app/startup.h"

#include <QCoreApplication>
#include <QTranslator>

#include <cstdio>
#include <memory>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::unique_ptr<QTranslator> translator(installTranslation(app.arguments().value(1)));
    const QString refused = CheckedTranslator::takeRefusedFile();
    if (!refused.isEmpty())
        std::fprintf(stderr, "refused: %s\n", qPrintable(refused));
    std::printf("%s\n", QCoreApplication::translate("MainWindow", "&File").toUtf8().constData());
    return refused.isEmpty() ? 0 : 1;
}
