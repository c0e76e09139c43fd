// SettingsFileCheck: tells whether the program's settings file can be read without harm,
// before QSettings parses any of it. QSettings turns a value written "@Variant(...)" back
// into its object through QDataStream, which trusts the counts it reads: a list that claims
// 2^31 entries asks for memory for all of them, and lists nested deep enough overflow the
// stack. Such a value may sit in any group, under any key, and writing the store back
// (sync) parses every group. The check reads the file as QSettings does, and walks each
// stored object's bytes itself without building it; only kinds of value whose stored form
// it can walk to the end are accepted. StoredSettings runs it on every store it opens.
#pragma once
#include <QByteArray>
#include <QString>

class SettingsFileCheck
{
public:
    // True when the file is missing or every stored object in it can be read.
    static bool fileIsSound(const QString &path);
    // The same for the file's bytes.
    static bool contentIsSound(const QByteArray &content);
};
