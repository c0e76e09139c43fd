// Cipher: the string cipher of the analysis cache files. A version byte, flags, then a
// body (one random byte, an optional checksum or SHA-1, the data, optionally compressed)
// chained with XOR against an 8-byte key, carried as base64 text. Used by the analysis
// thread when it writes a cache file and by MainWindow when it reads one.
#pragma once
#include <QByteArray>
#include <QString>
#include <QtGlobal>

class Cipher
{
public:
    enum CompressionMode { CompressionAuto = 0, CompressionAlways = 1, CompressionNever = 2 };
    enum IntegrityMode { ProtectionNone = 0, ProtectionChecksum = 1, ProtectionHash = 2 };
    enum Error {
        ErrorNone = 0,
        ErrorNoKeySet = 1,
        ErrorUnknownVersion = 2,
        ErrorIntegrityFailed = 3,
        ErrorCorruptData = 4, // too short for its header, or the data does not decompress
    };

    explicit Cipher(quint64 key = 0);

    void setKey(quint64 key);
    void setCompressionMode(CompressionMode mode) { m_compressionMode = mode; }
    void setIntegrityMode(IntegrityMode mode) { m_integrityMode = mode; }
    Error lastError() const { return m_lastError; }

    // Fixes the random byte at the start of the body (for reproducible output); -1 draws it.
    void setRandomByte(int value) { m_fixedRandomByte = value; }

    // The largest result decrypt gives: compressed data that would grow past it (or whose
    // header claims more) is refused as corrupt before anything of that size is allocated.
    static constexpr int defaultMaximumPlainSize = 64 * 1024 * 1024;
    void setMaximumPlainSize(int bytes) { m_maximumPlainSize = bytes; }

    QByteArray encrypt(const QByteArray &plain);
    QByteArray decrypt(const QByteArray &cipher);
    QString encryptText(const QString &plain);
    QString encryptText(const QByteArray &plainBytes);
    QString decryptText(const QString &cipherText);

private:
    bool hasKey() const;

    quint64 m_key = 0;
    char m_keyBytes[8] = {};
    CompressionMode m_compressionMode = CompressionAuto;
    IntegrityMode m_integrityMode = ProtectionChecksum;
    Error m_lastError = ErrorNone;
    int m_fixedRandomByte = -1;
    int m_maximumPlainSize = defaultMaximumPlainSize;
};
