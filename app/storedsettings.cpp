#include "app/storedsettings.h"

#include "app/settingsfilecheck.h"

#include <QFile>

#include <exception>

namespace {
QString g_damagedCopy;
}

StoredSettings::StoredSettings(const QString &group)
    : m_settings("Quillfen", "Plectronome")
{
    m_settings.beginGroup(group);
    // A value that cannot be read may sit in any group, and writing the store back parses
    // every group: the whole file is checked before anything of it is read.
    m_damaged = !SettingsFileCheck::fileIsSound(m_settings.fileName());
}

QVariant StoredSettings::value(const QString &key, const QVariant &defaultValue)
{
    if (m_damaged)
        return defaultValue;
    try {
        return m_settings.value(key, defaultValue);
    } catch (const std::exception &) {
        // Qt parses a group's stored values when the first of them is asked for; a value
        // that cannot be parsed throws every time, so the whole group reads as defaults.
        m_damaged = true;
        return defaultValue;
    }
}

bool StoredSettings::contains(const QString &key)
{
    if (m_damaged)
        return false;
    try {
        return m_settings.contains(key);
    } catch (const std::exception &) {
        m_damaged = true;
        return false;
    }
}

QString StoredSettings::setDamagedFileAside()
{
    const QString file = m_settings.fileName();
    if (!QFile::exists(file))
        return QString();
    const QString copy = file + ".damaged";
    QFile::remove(copy);
    if (!QFile::rename(file, copy))
        return QString();
    g_damagedCopy = copy;
    return copy;
}

QString StoredSettings::takeDamagedCopy()
{
    QString copy;
    copy.swap(g_damagedCopy);
    return copy;
}
