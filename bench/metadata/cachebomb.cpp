// cachebomb: what reading a hostile analysis cache costs. Builds a cache file of about
// 648 KB whose compressed text would inflate to about 490 MB (and one whose header claims
// 2 GB), reads each as the program does when a file is opened, and prints the time and
// the growth of the peak resident memory as JSON.
// Usage: cachebomb
#include "metadata/analysiscache.h"
#include "metadata/cipher.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <zlib.h>

#include <cstdio>

namespace {

long peakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A qCompress-style payload: a size header claiming `claimed`, then `bytes` spaces deflated.
QByteArray spaces(qint64 bytes, quint32 claimed)
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

QByteArray cacheLine(const QByteArray &compressed)
{
    Cipher cipher(analysisCacheKey);
    cipher.setCompressionMode(Cipher::CompressionNever);
    QByteArray bytes = cipher.encrypt(compressed);
    bytes[1] = char(bytes[1] | 1);
    return bytes.toBase64();
}

void probe(const char *name, const QString &path, const QByteArray &line, bool last)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(line);
    file.close();
    const long before = peakRssKb();
    QElapsedTimer clock;
    clock.start();
    AnalysisCacheContents contents;
    const bool usable = readAnalysisCache(path, "/music/song.wav", 44100 * 600, contents);
    const double ms = clock.nsecsElapsed() / 1e6;
    std::printf("  \"%s\": {\"file_kb\": %lld, \"read_ms\": %.2f, \"peak_rss_growth_kb\": %ld, \"usable\": %s}%s\n",
                name, qint64(line.size()) / 1024, ms, peakRssKb() - before, usable ? "true" : "false",
                last ? "" : ",");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    // Built first, so that building them does not count in the peaks measured after.
    const QByteArray bomb = cacheLine(spaces(qint64(488) << 20, quint32(488) << 20));
    const QByteArray quietBomb = cacheLine(spaces(qint64(488) << 20, 1000));
    const QByteArray sizeLie = cacheLine(spaces(1000, 0x7fffffffu));
    std::printf("{\n  \"start_peak_rss_kb\": %ld,\n", peakRssKb());
    probe("bomb", dir.filePath("bomb.pqm"), bomb, false);
    probe("bomb_claiming_1000_bytes", dir.filePath("quiet.pqm"), quietBomb, false);
    probe("size_claims_2_GB", dir.filePath("lie.pqm"), sizeLie, false);
    probe("no_cache", dir.filePath("none.pqm"), QByteArray(), true);
    std::printf("}\n");
    return 0;
}
