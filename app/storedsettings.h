// StoredSettings: reads one group of the program's settings store without trusting it.
// A store holding a value whose stored form cannot be read (for example a serialised list
// that claims billions of entries), in whatever group, is damaged: every value then gives
// the caller's default instead of ending the program, and setDamagedFileAside keeps the
// bad file for the user under another name, so that the store written at close and the
// next start are clean. Used by the start-up code (language) and by
// MainWindow::readSettings, which tells the user once.
#pragma once
#include <QSettings>
#include <QString>
#include <QVariant>

class StoredSettings
{
public:
    explicit StoredSettings(const QString &group);

    QVariant value(const QString &key, const QVariant &defaultValue = QVariant());
    bool contains(const QString &key);
    bool damaged() const { return m_damaged; }

    // Renames the settings file to "<file>.damaged" (replacing an older copy). Returns
    // the copy's path, or an empty text when there was nothing to move.
    QString setDamagedFileAside();

    // The copy made by setDamagedFileAside, once: later calls give an empty text until
    // another copy is made. For the one notice to the user.
    static QString takeDamagedCopy();

private:
    QSettings m_settings;
    bool m_damaged = false;
};
