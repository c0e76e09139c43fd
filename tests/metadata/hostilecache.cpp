#include "tests/metadata/hostilecache.h"

#include "metadata/analysiscache.h"
#include "metadata/cipher.h"

#include <zlib.h>

QByteArray spaceBomb(qint64 bytes, quint32 claimed)
{
    QByteArray out(4, '\0');
    for (int i = 0; i < 4; ++i)
        out[i] = char(claimed >> (24 - 8 * i));
    z_stream z{};
    deflateInit(&z, 9);
    const QByteArray chunk(1 << 20, ' ');
    QByteArray buffer(1 << 16, '\0');
    for (qint64 done = 0; done < bytes; done += chunk.size()) {
        const bool last = done + chunk.size() >= bytes;
        z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(chunk.constData()));
        z.avail_in = uInt(chunk.size());
        do {
            z.next_out = reinterpret_cast<Bytef *>(buffer.data());
            z.avail_out = uInt(buffer.size());
            deflate(&z, last ? Z_FINISH : Z_NO_FLUSH);
            out.append(buffer.constData(), buffer.size() - int(z.avail_out));
        } while (z.avail_out == 0 || (last && z.avail_in > 0));
    }
    deflateEnd(&z);
    return out;
}

QByteArray compressedCacheLine(const QByteArray &compressed)
{
    Cipher raw(analysisCacheKey);
    raw.setCompressionMode(Cipher::CompressionNever);
    QByteArray cipher = raw.encrypt(compressed);
    cipher[1] = char(cipher[1] | 1);
    return cipher.toBase64();
}
