// cacheprobe: time from handing a 4-minute track to the analysis thread until its results
// arrive, against reading the same results back from the cache file.
// Usage: cacheprobe [AUDIO_FILE]   (without a file a generated song is used)
#include "audio/layer/audiolayer.h"
#include "metadata/analysiscache.h"
#include "metadata/metadatathread.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// Four chords, a bar each, re-attacked on every beat at 120 BPM, with a kick on the beat.
std::vector<float> generatedSong(int rate, int seconds)
{
    const double chords[4][3] = {{261.63, 329.63, 392.0}, {196.0, 246.94, 293.66},
                                 {220.0, 261.63, 329.63}, {174.61, 220.0, 261.63}};
    std::vector<float> s(size_t(rate) * seconds);
    const int beat = rate / 2;
    for (size_t i = 0; i < s.size(); ++i) {
        const int b = int(i / size_t(beat));
        const double t = double(i % size_t(beat)) / rate;
        const double *c = chords[(b / 4) % 4];
        double v = 0;
        for (int k = 0; k < 3; ++k)
            for (int h = 1; h <= 3; ++h)
                v += std::sin(2 * M_PI * c[k] * h * double(i) / rate) / (h * 6.0);
        v *= std::exp(-t * 3);
        v += 0.5 * std::exp(-t * 40) * std::sin(2 * M_PI * 60 * t);
        s[i] = float(0.5 * v);
    }
    return s;
}

std::vector<float> decodeMono(const char *path, int &rate)
{
    std::vector<float> mono;
    audiolayer::Handle h = audiolayer::openFile(path);
    audiolayer::StreamInfo info;
    if (!h || !audiolayer::streamInfo(h, &info))
        return mono;
    rate = info.sampleRate;
    std::vector<float> buf(20000);
    int bytes;
    while ((bytes = audiolayer::readFloats(h, buf.data(), int(buf.size() * sizeof(float)))) > 0) {
        const int frames = bytes / int(sizeof(float)) / info.channels;
        for (int f = 0; f < frames; ++f)
            mono.push_back(info.channels == 2 ? 0.5f * (buf[2 * f] + buf[2 * f + 1]) : buf[f]);
    }
    audiolayer::freeStream(h);
    return mono;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int rate = 44100;
    std::vector<float> song = argc > 1 ? decodeMono(argv[1], rate) : generatedSong(rate, 240);
    if (song.empty()) {
        std::fprintf(stderr, "cacheprobe: nothing decoded\n");
        return 1;
    }
    QTemporaryDir dir;
    const QString audio = dir.path() + "/song.wav";
    const QString cache = analysisCachePath(dir.path(), audio);
    QDir().mkpath(dir.path() + "/metadata");

    MetaDataThread thread;
    QEventLoop loop;
    int arrivals = 0;
    QObject::connect(&thread, &MetaDataThread::gotMetaData, [&] {
        if (++arrivals == 2)
            loop.quit();
    });
    QElapsedTimer first;
    first.start();
    thread.setSamples(song.data(), song.data(), int(song.size()), false, rate);
    thread.setFileNames(cache, audio);
    thread.start();
    loop.exec();
    thread.wait();
    const double analysisMs = first.nsecsElapsed() / 1e6;

    QElapsedTimer second;
    second.start();
    AnalysisCacheContents contents;
    const bool ok = readAnalysisCache(cache, audio, qint64(song.size()), contents);
    MetaData fromCache;
    fromCache.loadFromSession(contents.beats, contents.chords, contents.detected, contents.tempo, contents.fileName);
    const double cacheMs = second.nsecsElapsed() / 1e6;

    std::printf("{\"track_seconds\": %.1f, \"analysis_ms\": %.1f, \"cache_ms\": %.3f, \"cache_ok\": %s, "
                "\"beats\": %d, \"tempo\": %.2f}\n",
                double(song.size()) / rate, analysisMs, cacheMs, ok ? "true" : "false",
                int(fromCache.beats.size()), double(fromCache.tempo));
    return ok ? 0 : 1;
}
