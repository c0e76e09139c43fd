// Program start-up: the translation choice and runApplication, which builds the
// application, the translator, the splash screen and the main window. Called by main.
#pragma once
#include <QLocale>
#include <QString>
#include <QStringList>

class QTranslator;

// The two-letter translation code for a system language; empty means English.
QString translationCodeForLanguage(QLocale::Language language);

// The translation files tried for a code, in order: beside the program, then in the
// installed share folder.
QStringList translationFileCandidates(const QString &code);

// Loads and installs the translation for a code; null (nothing installed) for English.
// A file that is not the one built with the program is refused (CheckedTranslator), and
// the program stays in English. The caller owns the translator.
QTranslator *installTranslation(const QString &code);

int runApplication(int argc, char **argv);
