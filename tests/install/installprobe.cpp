// Run by install_check.sh from an installed bin folder: loads translation CODE as the
// program does and prints "&File" in it; exits 1 when the file was found but refused.
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
