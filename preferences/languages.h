// The program's languages: the name each shows on the language page (in its own
// language, never translated), the code stored in the settings and used in the
// translation file's name, its flag, and the system language that selects it at start
// when no language is stored. Read by LanguageTab and by the start-up code.
#pragma once
#include <QLocale>

struct LanguageEntry {
    const char *name; // UTF-8
    const char *code;
    const char *flag;
    QLocale::Language systemLanguage;
};

inline constexpr LanguageEntry programLanguages[] = {
    {"English", "en", ":/images/flags/gb.png", QLocale::English},
    {"Français", "fr", ":/images/flags/fr.png", QLocale::French},
    {"Deutsch", "de", ":/images/flags/de.png", QLocale::German},
    {"Italiano", "it", ":/images/flags/it.png", QLocale::Italian},
    {"Nederlands", "nl", ":/images/flags/nl.png", QLocale::Dutch},
    {"Dansk", "dk", ":/images/flags/dk.png", QLocale::Danish},
    {"Suomi", "fi", ":/images/flags/fi.png", QLocale::Finnish},
    {"Norsk", "no", ":/images/flags/no.png", QLocale::NorwegianBokmal},
    {"Português", "pt", ":/images/flags/pt.png", QLocale::Portuguese},
    {"Español", "es", ":/images/flags/es.png", QLocale::Spanish},
    {"Svenska", "se", ":/images/flags/se.png", QLocale::Swedish},
    {"Polski", "pl", ":/images/flags/pl.png", QLocale::Polish},
    {"Русский", "ru", ":/images/flags/ru.png", QLocale::Russian},
    {"日本語", "jp", ":/images/flags/jp.png", QLocale::Japanese},
    {"中文", "cn", ":/images/flags/cn.png", QLocale::Chinese},
    {"한국어", "kr", ":/images/flags/kr.png", QLocale::Korean},
    // Stored settings already hold "in" for Hindi, so start-up maps the system language to it too.
    {"हिन्दी", "in", ":/images/flags/in.png", QLocale::Hindi},
};
inline constexpr int programLanguageCount = sizeof(programLanguages) / sizeof(programLanguages[0]);
