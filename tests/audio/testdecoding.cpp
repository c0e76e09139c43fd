#include "testdecoding.h"

#include <QtTest>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "audio/layer/audiolayer.h"

using namespace audiolayer;

namespace {

QString fixture(const char *name)
{
    return QStringLiteral(PLECTRONOME_SOURCE_DIR "/tests/audio/fixtures/") + QLatin1String(name);
}

struct Decoded {
    Handle handle = 0;
    StreamInfo info;
    std::vector<float> samples; // interleaved
    int reads = 0;
    int endError = ErrorNone;
    qint64 frames() const { return info.channels ? qint64(samples.size()) / info.channels : 0; }
};

// Reads a stream to its end the way the file-open code does: 20000-byte chunks while active.
// The read count is capped so a stream that never ends fails the test instead of hanging.
Decoded decodeAll(const QString &path, bool keepOpen = false)
{
    Decoded d;
    d.handle = openFile(path.toStdString());
    if (!d.handle)
        return d;
    streamInfo(d.handle, &d.info);
    std::vector<float> chunk(5000);
    while (activity(d.handle) != Activity::Stopped && d.reads < 100000) {
        const int bytes = readFloats(d.handle, chunk.data(), 20000);
        ++d.reads;
        if (bytes < 0)
            break;
        if (bytes % (4 * d.info.channels) != 0)
            qFatal("partial frame delivered");
        d.samples.insert(d.samples.end(), chunk.begin(), chunk.begin() + bytes / 4);
        if (bytes == 0)
            d.endError = lastError();
    }
    if (!keepOpen) {
        freeStream(d.handle);
        d.handle = 0;
    }
    return d;
}

double rms(const std::vector<float> &s, int channels, int channel)
{
    double sum = 0;
    qint64 n = 0;
    for (std::size_t i = channel; i < s.size(); i += channels, ++n)
        sum += double(s[i]) * s[i];
    return n ? std::sqrt(sum / n) : 0.0;
}

// The 16-bit samples of a canonical RIFF/WAVE file, read without the layer.
std::vector<std::int16_t> wavPcm16(const QString &path, int *channels)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray b = f.readAll();
    std::vector<std::int16_t> out;
    int pos = 12;
    while (pos + 8 <= b.size()) {
        const QByteArray id = b.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(b.constData() + pos + 4);
        if (id == "fmt ")
            *channels = qFromLittleEndian<quint16>(b.constData() + pos + 10);
        if (id == "data") {
            for (quint32 i = 0; i + 1 < size && pos + 8 + int(i) + 1 < b.size(); i += 2)
                out.push_back(qFromLittleEndian<qint16>(b.constData() + pos + 8 + i));
            break;
        }
        pos += 8 + int(size) + int(size & 1);
    }
    return out;
}

QString writeTemp(QTemporaryDir &dir, const char *name, const QByteArray &bytes)
{
    const QString path = dir.filePath(QLatin1String(name));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

QByteArray fixtureBytes(const char *name)
{
    QFile f(fixture(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

void TestDecoding::formats_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("tolerance"); // frames; 0 = exact
    QTest::addColumn<double>("peak");   // the left tone's amplitude (the right one is 0.25)
    // Lossless files hold their exact length; lossy ones may gain or lose an encoder frame
    // or two of padding (never trusting the container's own length).
    QTest::newRow("wav mono") << fixture("mono.wav") << 22050 << 1 << 11025 << 0 << 0.6;
    QTest::newRow("wav stereo") << fixture("stereo.wav") << 44100 << 2 << 11025 << 0 << 0.5;
    QTest::newRow("flac") << fixture("stereo.flac") << 44100 << 2 << 11025 << 0 << 0.5;
    QTest::newRow("aiff") << fixture("stereo.aiff") << 44100 << 2 << 11025 << 0 << 0.5;
    QTest::newRow("mp3") << fixture("tone.mp3") << 44100 << 2 << 44100 << 2304 << 0.5;
    QTest::newRow("ogg mono") << fixture("tone.ogg") << 48000 << 1 << 48000 << 2048 << 0.5;
    QTest::newRow("wma") << fixture("tone.wma") << 44100 << 2 << 44100 << 2048 << 0.5;
    QTest::newRow("m4a") << fixture("tone.m4a") << 44100 << 2 << 44100 << 2048 << 0.5;
    QTest::newRow("mp4 mono") << fixture("tone.mp4") << 48000 << 1 << 48000 << 2048 << 0.5;
    QTest::newRow("aac adts") << fixture("tone.aac") << 32000 << 2 << 32000 << 2048 << 0.5;
}

void TestDecoding::formats()
{
    QFETCH(QString, file);
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(int, frames);
    QFETCH(int, tolerance);
    QFETCH(double, peak);

    const Decoded d = decodeAll(file, true);
    QVERIFY2(d.handle, errorText(lastError()));
    QCOMPARE(d.info.kind, StreamKind::Decoder);
    QCOMPARE(d.info.sampleRate, rate);
    QCOMPARE(d.info.channels, channels);
    QCOMPARE(d.info.sourceChannels, channels);
    QCOMPARE(d.endError, int(ErrorNone));
    if (tolerance == 0)
        QCOMPARE(d.frames(), qint64(frames));
    else
        QVERIFY2(std::abs(d.frames() - frames) <= tolerance, qPrintable(QString::number(d.frames())));

    // The tone is there, at the level it was made with.
    const double left = rms(d.samples, channels, 0) * std::sqrt(2.0);
    QVERIFY2(std::fabs(left / peak - 1.0) < 0.1, qPrintable(QString::number(left)));
    if (channels == 2) {
        const double right = rms(d.samples, 2, 1);
        QVERIFY2(right > 0.14 && right < 0.21, qPrintable(QString::number(right)));
    }

    // Once ended it stays ended, and reading on returns nothing.
    float extra[64];
    QCOMPARE(activity(d.handle), Activity::Stopped);
    QCOMPARE(readFloats(d.handle, extra, sizeof extra), 0);
    QVERIFY(freeStream(d.handle));
}

void TestDecoding::losslessSamplesAreExact()
{
    for (const char *name : {"mono.wav", "stereo.wav"}) {
        int channels = 0;
        const std::vector<std::int16_t> pcm = wavPcm16(fixture(name), &channels);
        QVERIFY(!pcm.empty());
        const Decoded d = decodeAll(fixture(name));
        QCOMPARE(d.info.channels, channels);
        QCOMPARE(d.samples.size(), pcm.size());
        for (std::size_t i = 0; i < pcm.size(); ++i)
            if (d.samples[i] != float(pcm[i]) / 32768.0f)
                QFAIL(qPrintable(QStringLiteral("%1: sample %2 differs").arg(QLatin1String(name)).arg(i)));
    }
    // FLAC and AIFF were made from stereo.wav: the same values, bit for bit.
    const Decoded reference = decodeAll(fixture("stereo.wav"));
    for (const char *name : {"stereo.flac", "stereo.aiff"}) {
        const Decoded d = decodeAll(fixture(name));
        QVERIFY2(d.samples == reference.samples, name);
    }
}

void TestDecoding::sixChannelsMixDownToStereo()
{
    const Decoded d = decodeAll(fixture("six.flac"));
    QCOMPARE(d.info.sourceChannels, 6);
    QCOMPARE(d.info.channels, 2);
    QCOMPARE(d.info.sampleRate, 48000);
    QCOMPARE(d.frames(), qint64(12000));
    // Front left reaches only the left side, the centre both: left louder, right not silent.
    const double left = rms(d.samples, 2, 0);
    const double right = rms(d.samples, 2, 1);
    QVERIFY2(left > 1.5 * right && right > 0.05, qPrintable(QStringLiteral("%1 %2").arg(left).arg(right)));
    for (float v : d.samples)
        QVERIFY(std::fabs(v) <= 1.0f);
}

void TestDecoding::damagedFilesFailOrEnd_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");

    std::mt19937 random(20261209);
    QByteArray noise(30000, '\0');
    for (char &c : noise)
        c = char(random() & 0xFF);

    QTest::newRow("empty mp3") << QByteArray() << "empty.mp3";
    QTest::newRow("empty wav") << QByteArray() << "empty.wav";
    QTest::newRow("noise mp3") << noise << "noise.mp3";
    QTest::newRow("noise wav") << noise << "noise.wav";
    QTest::newRow("noise m4a") << noise << "noise.m4a";
    QTest::newRow("text ogg") << QByteArray("this is not a sound file\n") << "text.ogg";
    QTest::newRow("flac metadata only") << fixtureBytes("stereo.flac").left(8000) << "head.flac";
    QTest::newRow("m4a without index") << fixtureBytes("tone.m4a").left(6000) << "head.m4a";
    QTest::newRow("zeros aac") << QByteArray(20000, '\0') << "zeros.aac";
}

void TestDecoding::damagedFilesFailOrEnd()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString path = writeTemp(dir, qPrintable(name), bytes);
    QCOMPARE(openFile(path.toStdString()), Handle(0));
    QCOMPARE(lastError(), int(ErrorFormat));
}

void TestDecoding::truncatedFilesDeliverWhatIsThere()
{
    QTemporaryDir dir;
    // Cut short: the frames that are there come out, then the stream ends.
    const Decoded wav = decodeAll(writeTemp(dir, "cut.wav", fixtureBytes("stereo.wav").left(20000)));
    QCOMPARE(wav.frames(), qint64((20000 - 44) / 4));
    const Decoded flac = decodeAll(writeTemp(dir, "cut.flac", fixtureBytes("stereo.flac").left(12000)));
    QVERIFY(flac.frames() > 0 && flac.frames() < 11025);
    const Decoded mp3 = decodeAll(writeTemp(dir, "cut.mp3", fixtureBytes("tone.mp3").left(5000)));
    QVERIFY(mp3.frames() > 0 && mp3.frames() < 44100);

    // Noise in the middle of an MP3: decoding skips or stops, and always ends.
    std::mt19937 random(7);
    QByteArray middle(8000, '\0');
    for (char &c : middle)
        c = char(random() & 0xFF);
    const QByteArray mp3Bytes = fixtureBytes("tone.mp3");
    const Decoded spoilt
        = decodeAll(writeTemp(dir, "spoilt.mp3", mp3Bytes.left(8000) + middle + mp3Bytes.right(6000)));
    QVERIFY(spoilt.frames() > 0);
    QVERIFY(spoilt.reads < 1000);
    for (float v : spoilt.samples)
        QVERIFY(std::isfinite(v));

    // The file names a missing file or a folder.
    QCOMPARE(openFile(dir.filePath("missing.wav").toStdString()), Handle(0));
    QCOMPARE(lastError(), int(ErrorFileOpen));
    QCOMPARE(openFile(dir.path().toStdString()), Handle(0));
    QVERIFY(lastError() != ErrorNone);
    QCOMPARE(openFile(std::string()), Handle(0));
}

void TestDecoding::pathsAreLocalFileNames()
{
    QTemporaryDir dir;
    const QByteArray wav = fixtureBytes("mono.wav");
    // Any UTF-8 name, including characters that look like URL syntax.
    for (const QString &name : {QStringLiteral("t\u00ebst \u266a \u4e2d.wav"), QStringLiteral("50% a:b #1?.wav")}) {
        const Decoded d = decodeAll(writeTemp(dir, name.toUtf8().constData(), wav));
        QCOMPARE(d.frames(), qint64(11025));
    }
    // A relative name with a colon is a file in the working folder, not a protocol.
    const QString old = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    writeTemp(dir, "song:take.wav", wav);
    const Decoded relative = decodeAll(QStringLiteral("song:take.wav"));
    QDir::setCurrent(old);
    QCOMPARE(relative.frames(), qint64(11025));
    // URLs are not fetched: they name files that do not exist.
    for (const char *url : {"http://127.0.0.1:9/x.mp3", "pipe:0", "concat:a.wav|b.wav", "data:audio/wav;base64,AAAA"}) {
        QCOMPARE(openFile(url), Handle(0));
        QCOMPARE(lastError(), int(ErrorFileOpen));
    }
}

void TestDecoding::badHandlesAreRefused()
{
    float buffer[16];
    QCOMPARE(readFloats(0, buffer, sizeof buffer), -1);
    QCOMPARE(lastError(), int(ErrorHandle));
    QCOMPARE(lengthFrames(12345), qint64(-1));
    QCOMPARE(activity(12345), Activity::Stopped);

    const Handle h = openFile(fixture("mono.wav").toStdString());
    QVERIFY(h);
    QCOMPARE(lengthFrames(h), qint64(11025));
    QCOMPARE(readFloats(h, nullptr, 16), -1);
    QCOMPARE(lastError(), int(ErrorParameter));
    // Fewer bytes than one frame give nothing, yet the stream goes on.
    QCOMPARE(readFloats(h, buffer, 3), 0);
    QCOMPARE(activity(h), Activity::Playing);
    QCOMPARE(putData(h, buffer, 8), -1); // not a push stream
    QCOMPARE(lastError(), int(ErrorHandle));
    QVERIFY(freeStream(h));
    QVERIFY(!freeStream(h));
    QCOMPARE(readFloats(h, buffer, sizeof buffer), -1);
}
