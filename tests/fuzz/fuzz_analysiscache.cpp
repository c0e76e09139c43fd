// libFuzzer target for the analysis-cache reader. The first byte picks how the rest is
// fed in, so that the fuzzer reaches every layer behind the cipher's checksum:
//   0: the bytes of a cache file as they lie on disk (base64 cipher text or old plain text);
//   1: plain cache text, enciphered first so that the checksum holds;
//   2: a qCompress-style payload (size header and zlib stream), enciphered as compressed;
//   3: cipher bytes straight into Cipher::decrypt.
// Whatever it is fed, the reader must neither crash nor allocate without bound.
#include "metadata/analysiscache.h"
#include "metadata/cipher.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), int(size - 1));
    const QString audioPath = "/music/fuzz.wav";
    AnalysisCacheContents contents;
    Cipher cipher(analysisCacheKey);
    switch (data[0] % 4) {
    case 0:
        readAnalysisCacheBytes(bytes, audioPath, 44100 * 600, contents);
        break;
    case 1:
        // Uncompressed (compressing every input at level 9 would cost most of the run;
        // the inflating side has its own mode).
        cipher.setCompressionMode(Cipher::CompressionNever);
        readAnalysisCacheBytes(cipher.encryptText(bytes).toUtf8(), audioPath, 44100 * 600, contents);
        break;
    case 2: {
        cipher.setCompressionMode(Cipher::CompressionNever);
        QByteArray line = cipher.encrypt(bytes);
        if (line.size() > 1)
            line[1] = char(line[1] | 1);
        readAnalysisCacheBytes(line.toBase64(), audioPath, 44100 * 600, contents);
        break;
    }
    default:
        cipher.setMaximumPlainSize(maximumCacheTextBytes);
        cipher.decrypt(bytes);
        break;
    }
    return 0;
}
