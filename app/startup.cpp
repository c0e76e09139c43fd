#include "app/startup.h"

#include "app/datafolder.h"
#include "app/mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPixmap>
#include <QSettings>
#include <QSplashScreen>
#include <QTranslator>

QString translationCodeForLanguage(QLocale::Language language)
{
    switch (language) {
    case QLocale::Chinese: return "cn";
    case QLocale::Danish: return "dk";
    case QLocale::Dutch: return "nl";
    case QLocale::Finnish: return "fi";
    case QLocale::French: return "fr";
    case QLocale::German: return "de";
    case QLocale::Hindi: return "hi";
    case QLocale::Italian: return "it";
    case QLocale::Japanese: return "jp";
    case QLocale::Korean: return "kr";
    case QLocale::NorwegianBokmal: return "no";
    case QLocale::Polish: return "pl";
    case QLocale::Portuguese: return "pt";
    case QLocale::Russian: return "ru";
    case QLocale::Spanish: return "es";
    case QLocale::Swedish: return "se";
    default: return QString();
    }
}

QStringList translationFileCandidates(const QString &code)
{
    const QString name = "/translations/plectronome_" + code;
    const QString dir = QCoreApplication::applicationDirPath();
    return {dir + name, dir + "/../share/plectronome" + name, QString("./") + name};
}

int runApplication(int argc, char **argv)
{
    QApplication app(argc, argv);
    QSettings settings("Quillfen", "Plectronome");
    settings.beginGroup("Language");
    QString code = settings.value("language", QString()).toString();
    if (code.isEmpty())
        code = translationCodeForLanguage(QLocale().language());
    QTranslator *translator = nullptr;
    if (!code.isEmpty() && code != "en") {
        translator = new QTranslator;
        for (const QString &file : translationFileCandidates(code)) {
            if (translator->load(file))
                break;
        }
        QCoreApplication::installTranslator(translator);
    }
    settings.endGroup();
    settings.sync();

    dataFolderPath += "/Plectronome";

    QSplashScreen splash(QPixmap(":/images/splashscreen.png"));
    splash.show();
    QElapsedTimer shown;
    shown.start();
    while (shown.elapsed() < 1001) {
    }

    MainWindow window;
    splash.finish(&window);
    const int result = app.exec();
    delete translator;
    return result;
}
