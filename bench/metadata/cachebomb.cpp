// cachebomb: what reading a hostile analysis cache costs. Builds a cache file of about
// 648 KB whose compressed text would inflate to about 490 MB (and one whose header claims
// 2 GB), reads each as the program does when a file is opened, and prints the time and
// the growth of the peak resident memory as JSON.
// Usage: cachebomb
#include "metadata/analysiscache.h"
#include "tests/metadata/hostilecache.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

namespace {

long peakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
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
    const QByteArray bomb = compressedCacheLine(spaceBomb(qint64(488) << 20, quint32(488) << 20));
    const QByteArray quietBomb = compressedCacheLine(spaceBomb(qint64(488) << 20, 1000));
    const QByteArray sizeLie = compressedCacheLine(spaceBomb(1000, 0x7fffffffu));
    std::printf("{\n  \"start_peak_rss_kb\": %ld,\n", peakRssKb());
    probe("bomb", dir.filePath("bomb.pqm"), bomb, false);
    probe("bomb_claiming_1000_bytes", dir.filePath("quiet.pqm"), quietBomb, false);
    probe("size_claims_2_GB", dir.filePath("lie.pqm"), sizeLie, false);
    probe("no_cache", dir.filePath("none.pqm"), QByteArray(), true);
    std::printf("}\n");
    return 0;
}
