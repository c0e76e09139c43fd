// cacheprobe: time from handing a 4-minute track to the analysis thread until its results
// arrive, against reading the same results back from the cache file, and the time the
// recording mark of the audio file takes (the median of 21 runs; the file is in the
// page cache, as it is right after decoding).
// Usage: cacheprobe [AUDIO_FILE]   (without a file a generated song is used, written
// as a 16-bit stereo WAV file)
#include "audio/layer/audiolayer.h"
#include "metadata/analysiscache.h"
#include "metadata/metadatathread.h"
#include "tests/pcmwav.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>

#include <cmath>
#include <algorithm>
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

// The song as a 16-bit stereo WAV file at 44.1 kHz, the right channel inverted.
bool writeStereoWav(const QString &path, const std::vector<float> &mono)
{
    QByteArray pcm(int(mono.size() * 4), Qt::Uninitialized);
    for (size_t i = 0; i < mono.size(); ++i) {
        const qint16 v = qint16(std::clamp(mono[i], -1.0f, 1.0f) * 32767.0f);
        qToLittleEndian(v, pcm.data() + 4 * i);
        qToLittleEndian(qint16(-v), pcm.data() + 4 * i + 2);
    }
    return writePcm16Wav(path, pcm, 2);
}

// The median time of the recording mark of the file, in milliseconds.
double markMs(const QString &path)
{
    std::vector<double> runs;
    for (int i = 0; i < 21; ++i) {
        QElapsedTimer clock;
        clock.start();
        const QString mark = recordingMark(path);
        runs.push_back(clock.nsecsElapsed() / 1e6);
        if (mark.isEmpty())
            return -1;
    }
    std::nth_element(runs.begin(), runs.begin() + 10, runs.end());
    return runs[10];
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
    const QString audio = argc > 1 ? QString::fromLocal8Bit(argv[1]) : dir.path() + "/song.wav";
    if (argc <= 1 && !writeStereoWav(audio, song)) {
        std::fprintf(stderr, "cacheprobe: cannot write %s\n", qPrintable(audio));
        return 1;
    }
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
                "\"beats\": %d, \"tempo\": %.2f, \"file_bytes\": %lld, \"mark_ms\": %.3f}\n",
                double(song.size()) / rate, analysisMs, cacheMs, ok ? "true" : "false",
                int(fromCache.beats.size()), double(fromCache.tempo), QFileInfo(audio).size(), markMs(audio));
    return ok ? 0 : 1;
}
