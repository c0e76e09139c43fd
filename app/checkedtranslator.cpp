#include "app/checkedtranslator.h"

#include "app/shippedtranslations.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace {
// Far above any translation of ours; a larger file is not read.
constexpr qint64 kLargestFile = 4 * 1024 * 1024;

QString g_refusedFile;

QByteArray shippedDigest(const QString &code)
{
    for (int i = 0; i < shippedTranslationCount; ++i) {
        if (code == QLatin1String(shippedTranslations[i].code))
            return QByteArray(shippedTranslations[i].sha256);
    }
    return QByteArray();
}
} // namespace

CheckedTranslator::Result CheckedTranslator::loadChecked(const QString &path, const QString &code)
{
    QString file = path;
    if (!QFileInfo(file).isFile())
        file += ".qm";
    const QFileInfo info(file);
    if (!info.exists())
        return Missing;
    QByteArray content;
    QFile reader(file);
    if (info.isFile() && info.size() <= kLargestFile && reader.open(QIODevice::ReadOnly))
        content = reader.read(kLargestFile + 1);
    const QByteArray expected = shippedDigest(code);
    if (!content.isEmpty() && !expected.isEmpty()
        && QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex() == expected) {
        // The translator reads from the kept bytes for as long as it lives.
        m_content = content;
        if (load(reinterpret_cast<const uchar *>(m_content.constData()), m_content.size()))
            return Loaded;
        m_content.clear();
    }
    g_refusedFile = info.absoluteFilePath();
    return Refused;
}

QString CheckedTranslator::takeRefusedFile()
{
    QString file;
    file.swap(g_refusedFile);
    return file;
}
