// CheckedTranslator: the program's translator. It takes a translation file only when the
// file's bytes are exactly those of the file built with the program for that language
// (their digest is built in): QTranslator trusts the offsets inside a .qm file, and a
// damaged or foreign one can make every later translate() read out of bounds. The bytes
// are kept and translated from, so the file cannot change under the translator. A file
// that is there but refused is remembered for the one notice the main window gives.
#pragma once
#include <QByteArray>
#include <QString>
#include <QTranslator>

class CheckedTranslator : public QTranslator
{
public:
    enum Result { Loaded, Missing, Refused };

    explicit CheckedTranslator(QObject *parent = nullptr) : QTranslator(parent) {}

    // Loads the file at path (its name as given, with ".qm" after it when that is the
    // one there) as the translation of code.
    Result loadChecked(const QString &path, const QString &code);

    // The last file refused, once: later calls give an empty text until another is refused.
    static QString takeRefusedFile();

private:
    QByteArray m_content;
};
