// Bit-exact guard for the whole-track analysis: the tempo, every beat position, every label
// and the chord list of a set of generated and decoded tracks hash to recorded values.
// Any change that moves one output bit fails here. The recorded values hold for every
// processor path: the test runs once with the widest vector unit and once (ctest entry
// tst_analysischecksums_narrow, PLECTRONOME_NARROW_KERNELS=1) with the narrow kernels only.
// After a deliberate change to the analysis' results, run the test and copy the printed
// checksums into kRecorded.
#include <QtTest>

#include "analysis/analysetrack.h"
#include "analysis/spectralkernels.h"
#include "audio/layer/audiolayer.h"
#include "chordsynth.h"
#include "clicktrack.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

// FNV-1a over the result: tempo bits, beat count and bits, labels and chord names
// (each followed by a zero byte).
class Checksum
{
public:
    void bytes(const void *data, std::size_t size)
    {
        const unsigned char *p = static_cast<const unsigned char *>(data);
        for (std::size_t i = 0; i < size; ++i) {
            m_hash ^= p[i];
            m_hash *= 1099511628211ULL;
        }
    }
    void text(const std::string &s) { bytes(s.c_str(), s.size() + 1); }
    std::uint64_t value() const { return m_hash; }

private:
    std::uint64_t m_hash = 14695981039346656037ULL;
};

std::uint64_t checksumOf(const TrackAnalysis &r)
{
    Checksum c;
    c.bytes(&r.tempo, sizeof r.tempo);
    const std::uint64_t beats = r.beats.size();
    c.bytes(&beats, sizeof beats);
    c.bytes(r.beats.data(), r.beats.size() * sizeof(float));
    for (const std::string &label : r.chordLabels)
        c.text(label);
    for (const std::string &name : r.chordList)
        c.text(name);
    return c.value();
}

// A 16-bit PCM WAV file of interleaved samples.
bool writeWav(const QString &path, const std::vector<float> &interleaved, int channels, int rate)
{
    QByteArray data;
    data.reserve(int(interleaved.size() * 2));
    for (float v : interleaved) {
        const float clipped = std::max(-1.0f, std::min(1.0f, v));
        const qint16 s = qint16(std::lround(clipped * 32767.0f));
        data.append(char(s & 0xff)).append(char((s >> 8) & 0xff));
    }
    auto u32 = [](QByteArray &b, quint32 v) {
        for (int i = 0; i < 4; ++i)
            b.append(char((v >> (8 * i)) & 0xff));
    };
    auto u16 = [](QByteArray &b, quint16 v) { b.append(char(v & 0xff)).append(char(v >> 8)); };
    QByteArray out("RIFF");
    u32(out, quint32(36 + data.size()));
    out.append("WAVEfmt ");
    u32(out, 16);
    u16(out, 1);
    u16(out, quint16(channels));
    u32(out, quint32(rate));
    u32(out, quint32(rate * channels * 2));
    u16(out, quint16(channels * 2));
    u16(out, 16);
    out.append("data");
    u32(out, quint32(data.size()));
    out.append(data);
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(out) == out.size();
}

// Decodes a file through the audio layer and mixes it to mono the way the program does.
bool decodeMono(const QString &path, std::vector<float> &mono, int &rate)
{
    using namespace audiolayer;
    const Handle h = openFile(path.toStdString());
    StreamInfo info;
    if (!h || !streamInfo(h, &info) || info.channels < 1 || info.channels > 2) {
        if (h)
            freeStream(h);
        return false;
    }
    rate = info.sampleRate;
    std::vector<float> chunk(5000);
    mono.clear();
    for (;;) {
        const int bytes = readFloats(h, chunk.data(), int(chunk.size() * sizeof(float)));
        if (bytes <= 0)
            break;
        const int frames = bytes / int(sizeof(float)) / info.channels;
        for (int i = 0; i < frames; ++i)
            mono.push_back(info.channels == 2 ? (chunk[2 * i] + chunk[2 * i + 1]) * 0.5f : chunk[i]);
    }
    freeStream(h);
    return !mono.empty();
}

// Left: the chord progression; right: the same with a click on every beat.
std::vector<float> stereoMix(int rate)
{
    chordsynth::Options o;
    o.sampleRate = rate;
    o.bpm = 112.0;
    o.repeats = 3;
    o.level = 0.08;
    const chordsynth::Track chords = chordsynth::progression(chordsynth::popProgression(), o);
    std::vector<float> right = chords.samples;
    testsignal::Noise noise(77);
    for (double at : chords.beats)
        testsignal::addClick(right, at, rate, 0.2f, noise);
    std::vector<float> out(2 * chords.samples.size());
    for (std::size_t i = 0; i < chords.samples.size(); ++i) {
        out[2 * i] = chords.samples[i];
        out[2 * i + 1] = right[i];
    }
    return out;
}

// Recorded checksums of the tracks below.
const std::map<std::string, std::uint64_t> kRecorded = {
    {"click-44100", 0x5cc4dbfc6a27b79eULL},  // tempo 126.0480, 84 beats
    {"click-96000", 0xd3f2d5119df4d888ULL},  // tempo 140.6250, 94 beats
    {"chords-44100", 0xb83b86e873266fb1ULL}, // tempo 120.1853, 51 beats
    {"chords-22050", 0x4eeb20f2f5f6f289ULL}, // tempo 95.7031, 50 beats
    {"wav-48000", 0xf4c043efcf02fc74ULL},    // tempo 112.5000, 50 beats
    {"mp3-44100", 0x93c6f9ad8acce8d8ULL},    // tempo 112.3471, 50 beats
};

} // namespace

class TestAnalysisChecksums : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const bool narrow = qEnvironmentVariableIsSet("PLECTRONOME_NARROW_KERNELS");
        const bool wide = analysis::setWideKernels(!narrow);
        qInfo("analysis kernels: %s", wide ? "widest the processor has" : "narrow");
        if (narrow)
            QVERIFY(!wide);
        QVERIFY(m_dir.isValid());
    }

    void checksums_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *n : {"click-44100", "click-96000", "chords-44100", "chords-22050", "wav-48000", "mp3-44100"})
            QTest::newRow(n) << QString::fromLatin1(n);
    }

    void checksums()
    {
        QFETCH(QString, name);
        std::vector<float> samples;
        int rate = 0;
        if (name.startsWith("click")) {
            testsignal::ClickOptions o;
            o.sampleRate = name.endsWith("96000") ? 96000 : 44100;
            o.bpm = o.sampleRate == 96000 ? 141.0 : 126.0;
            o.seconds = 40.0;
            o.beatsPerBar = 3;
            o.noiseLevel = 0.05f;
            samples = testsignal::makeClickTrack(o).samples;
            rate = o.sampleRate;
        } else if (name.startsWith("chords")) {
            chordsynth::Options o;
            o.sampleRate = name.endsWith("22050") ? 22050 : 44100;
            o.bpm = o.sampleRate == 22050 ? 96.0 : 120.0;
            o.transpose = o.sampleRate == 22050 ? 3 : 0;
            o.repeats = 3;
            samples = chordsynth::progression({chordsynth::minor(9), chordsynth::seventh(2), chordsynth::major(7),
                                               chordsynth::major(0)},
                                              o)
                          .samples;
            rate = o.sampleRate;
        } else {
            const int fileRate = name.startsWith("wav") ? 48000 : 44100;
            const QString wav = m_dir.filePath(name + ".wav");
            QVERIFY(writeWav(wav, stereoMix(fileRate), 2, fileRate));
            QString path = wav;
            if (name.startsWith("mp3")) {
                path = m_dir.filePath(name + ".mp3");
                QProcess lame;
                lame.start("lame", {"--quiet", "-b", "192", wav, path});
                if (!lame.waitForStarted(5000))
                    QSKIP("lame is not installed");
                QVERIFY(lame.waitForFinished(60000));
                QCOMPARE(lame.exitCode(), 0);
            }
            QVERIFY(decodeMono(path, samples, rate));
            QCOMPARE(rate, fileRate);
        }

        TrackAnalysis result;
        analyseTrack(result, samples.data(), rate, int(samples.size()));
        QVERIFY(result.tempo > 0.0f);
        QVERIFY(!result.beats.empty());
        const std::uint64_t sum = checksumOf(result);
        qInfo("    {\"%s\", 0x%016llxULL}, // tempo %.4f, %d beats", qPrintable(name),
              static_cast<unsigned long long>(sum), result.tempo, int(result.beats.size()));
        const auto it = kRecorded.find(name.toStdString());
        QVERIFY2(it != kRecorded.end(), "no checksum recorded for this track");
        QCOMPARE(QString::number(sum, 16), QString::number(it->second, 16));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestAnalysisChecksums)
#include "tst_analysischecksums.moc"
