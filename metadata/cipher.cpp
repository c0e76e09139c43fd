#include "metadata/cipher.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QRandomGenerator>
#include <QtDebug>

#include <zlib.h>

namespace {
constexpr char kVersion = 3;
constexpr int kChecksumSize = 2;
constexpr int kHashSize = 20;
enum Flag { FlagCompressed = 0x01, FlagChecksum = 0x02, FlagHash = 0x04 };

// Undoes qCompress (a 4-byte big-endian size, then a zlib stream) without trusting it:
// the size must be at most maximum, and the stream must inflate to exactly that size.
bool uncompressAtMost(const QByteArray &data, int maximum, QByteArray &plain)
{
    if (data.size() < 5)
        return false;
    const quint32 expected = (quint32(quint8(data[0])) << 24) | (quint32(quint8(data[1])) << 16)
                             | (quint32(quint8(data[2])) << 8) | quint32(quint8(data[3]));
    if (expected > quint32(maximum))
        return false;
    // One byte of room more than promised tells a longer stream from an exact one.
    plain.resize(int(expected) + 1);
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return false;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData() + 4));
    stream.avail_in = uInt(data.size() - 4);
    stream.next_out = reinterpret_cast<Bytef *>(plain.data());
    stream.avail_out = uInt(plain.size());
    const int result = inflate(&stream, Z_FINISH);
    const uLong produced = stream.total_out;
    inflateEnd(&stream);
    if (result != Z_STREAM_END || produced != expected)
        return false;
    plain.resize(int(expected));
    return true;
}
} // namespace

Cipher::Cipher(quint64 key)
{
    setKey(key);
}

void Cipher::setKey(quint64 key)
{
    m_key = key;
    for (int i = 0; i < 8; ++i)
        m_keyBytes[i] = static_cast<char>((key >> (8 * i)) & 0xff);
}

bool Cipher::hasKey() const
{
    return m_key != 0;
}

QByteArray Cipher::encrypt(const QByteArray &plain)
{
    if (!hasKey()) {
        qWarning() << "No key set.";
        m_lastError = ErrorNoKeySet;
        return QByteArray();
    }

    QByteArray data = plain;
    char flags = 0;
    if (m_compressionMode == CompressionAlways) {
        data = qCompress(data, 9);
        flags |= FlagCompressed;
    } else if (m_compressionMode == CompressionAuto) {
        const QByteArray compressed = qCompress(data, 9);
        if (compressed.size() < data.size()) {
            data = compressed;
            flags |= FlagCompressed;
        }
    }

    QByteArray integrity;
    if (m_integrityMode == ProtectionChecksum) {
        QDataStream s(&integrity, QIODevice::WriteOnly);
        s << qChecksum(data.constData(), static_cast<uint>(data.size()));
        flags |= FlagChecksum;
    } else if (m_integrityMode == ProtectionHash) {
        integrity = QCryptographicHash::hash(data, QCryptographicHash::Sha1);
        flags |= FlagHash;
    }

    const int random = m_fixedRandomByte >= 0 ? (m_fixedRandomByte & 0xff)
                                               : static_cast<int>(QRandomGenerator::global()->bounded(256));
    QByteArray body;
    body.reserve(1 + integrity.size() + data.size());
    body.append(static_cast<char>(random));
    body.append(integrity);
    body.append(data);

    char last = 0;
    for (int i = 0; i < body.size(); ++i) {
        body[i] = static_cast<char>(body[i] ^ m_keyBytes[i % 8] ^ last);
        last = body[i];
    }

    QByteArray out;
    out.reserve(2 + body.size());
    out.append(kVersion);
    out.append(flags);
    out.append(body);
    m_lastError = ErrorNone;
    return out;
}

QByteArray Cipher::decrypt(const QByteArray &cipher)
{
    if (!hasKey()) {
        qWarning() << "No key set.";
        m_lastError = ErrorNoKeySet;
        return QByteArray();
    }
    if (cipher.size() < 3 || cipher.at(0) != kVersion) {
        qWarning() << "Invalid version or not a cyphertext.";
        m_lastError = ErrorUnknownVersion;
        return QByteArray();
    }

    const char flags = cipher.at(1);
    if (flags & ~(FlagCompressed | FlagChecksum | FlagHash)) {
        m_lastError = ErrorCorruptData;
        return QByteArray();
    }
    QByteArray body = cipher.mid(2);
    char last = 0;
    for (int i = 0; i < body.size(); ++i) {
        const char c = body[i];
        body[i] = static_cast<char>(c ^ last ^ m_keyBytes[i % 8]);
        last = c;
    }
    body.remove(0, 1);

    if (flags & FlagChecksum) {
        if (body.size() < kChecksumSize) {
            m_lastError = ErrorCorruptData;
            return QByteArray();
        }
        quint16 stored = 0;
        QDataStream s(body.left(kChecksumSize));
        s >> stored;
        body.remove(0, kChecksumSize);
        if (stored != qChecksum(body.constData(), static_cast<uint>(body.size()))) {
            m_lastError = ErrorIntegrityFailed;
            return QByteArray();
        }
    } else if (flags & FlagHash) {
        if (body.size() < kHashSize) {
            m_lastError = ErrorCorruptData;
            return QByteArray();
        }
        const QByteArray stored = body.left(kHashSize);
        body.remove(0, kHashSize);
        if (stored != QCryptographicHash::hash(body, QCryptographicHash::Sha1)) {
            m_lastError = ErrorIntegrityFailed;
            return QByteArray();
        }
    }

    if (flags & FlagCompressed) {
        QByteArray plain;
        if (!uncompressAtMost(body, m_maximumPlainSize, plain)) {
            m_lastError = ErrorCorruptData;
            return QByteArray();
        }
        body = plain;
    } else if (body.size() > m_maximumPlainSize) {
        m_lastError = ErrorCorruptData;
        return QByteArray();
    }
    m_lastError = ErrorNone;
    return body;
}

QString Cipher::encryptText(const QString &plain)
{
    return encryptText(plain.toUtf8());
}

QString Cipher::encryptText(const QByteArray &plainBytes)
{
    return QString::fromLatin1(encrypt(plainBytes).toBase64());
}

QString Cipher::decryptText(const QString &cipherText)
{
    const QByteArray bytes = QByteArray::fromBase64(cipherText.toUtf8());
    return QString::fromUtf8(decrypt(bytes));
}
