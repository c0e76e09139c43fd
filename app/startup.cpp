#include "app/startup.h"

#include "app/checkedtranslator.h"
#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "app/storedsettings.h"
#include "preferences/languages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPixmap>
#include <QSettings>
#include <QSplashScreen>
#include <QTranslator>

QString translationCodeForLanguage(QLocale::Language language)
{
    for (const LanguageEntry &entry : programLanguages) {
        if (entry.systemLanguage == language && QLatin1String(entry.code) != QLatin1String("en"))
            return QString::fromLatin1(entry.code);
    }
    return QString();
}

QStringList translationFileCandidates(const QString &code)
{
    // Only the program's own folders: never the working folder, where anyone's files lie.
    const QString name = "/translations/plectronome_" + code;
    const QString dir = QCoreApplication::applicationDirPath();
    return {dir + name, dir + "/../share/plectronome" + name};
}

QTranslator *installTranslation(const QString &code)
{
    if (code.isEmpty() || code == "en")
        return nullptr;
    auto *translator = new CheckedTranslator;
    bool loaded = false;
    for (const QString &file : translationFileCandidates(code)) {
        if (translator->loadChecked(file, code) == CheckedTranslator::Loaded) {
            loaded = true;
            // A damaged copy in the other folder does not matter then.
            CheckedTranslator::takeRefusedFile();
            break;
        }
    }
    // Installed even when no file loaded: the program then stays in English.
    QCoreApplication::installTranslator(translator);
    if (!loaded)
        return translator;
    // Qt's own texts (the standard buttons "OK", "Cancel", "Yes"...) from Qt's translations,
    // when installed; it goes with the program's translator.
    for (const LanguageEntry &entry : programLanguages) {
        if (code == QLatin1String(entry.code)) {
            auto *qtTranslator = new QTranslator(translator);
            if (qtTranslator->load(QLocale(entry.systemLanguage), "qtbase", "_",
                                   QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
                QCoreApplication::installTranslator(qtTranslator);
        }
    }
    return translator;
}

int runApplication(int argc, char **argv)
{
    QApplication app(argc, argv);
    QString code;
    {
        StoredSettings settings("Language");
        const QVariant stored = settings.value("language", QString());
        // Only the code of one of our languages; anything else is no language of ours.
        for (const LanguageEntry &entry : programLanguages) {
            if (stored.type() == QVariant::String && stored.toString() == QLatin1String(entry.code))
                code = stored.toString();
        }
        if (settings.damaged())
            settings.setDamagedFileAside(); // the main window tells the user
    }
    if (code.isEmpty())
        code = translationCodeForLanguage(QLocale().language());
    QTranslator *translator = installTranslation(code);

    dataFolderPath += "/Plectronome";

    QSplashScreen splash(QPixmap(":/images/splashscreen.png"));
    splash.show();
    QElapsedTimer shown;
    shown.start();
    while (shown.elapsed() < 1001) {
    }

    MainWindow window;
    window.setCommandLine(QCoreApplication::arguments());
    splash.finish(&window);
    const int result = app.exec();
    delete translator;
    return result;
}
