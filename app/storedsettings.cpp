#include "app/storedsettings.h"

#include <QFile>

#include <exception>

namespace {
QString g_damagedCopy;
}

StoredSettings::StoredSettings(const QString &group)
    : m_settings("Quillfen", "Plectronome")
{
    m_settings.beginGroup(group);
}

QVariant StoredSettings::value(const QString &key, const QVariant &defaultValue)
{
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
