// Analysis results, the cache cipher, the cache file and the analysis thread.
#include "analysis/trackanalysis.h"
#include "metadata/analysiscache.h"
#include "metadata/cipher.h"
#include "metadata/metadata.h"
#include "metadata/metadatathread.h"
#include "tests/analysis/clicktrack.h"
#include "tests/eventually.h"
#include "tests/metadata/hostilecache.h"
#include "tests/pcmwav.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

TrackAnalysis makeResult(int beatCount, float spacing = 22050.0f)
{
    TrackAnalysis r;
    r.tempo = 120.0f;
    for (int i = 0; i < beatCount; ++i) {
        r.beats.push_back(1000.0f + i * spacing);
        r.chordLabels.push_back(i == 0 ? "X" : (i % 2 ? "D#m" : "G#7"));
    }
    r.chordList = {"D#m", "G#7", "C"};
    r.chordList.resize(84);
    return r;
}

// A click every half second with a decaying tone between, as a stand-in song.
std::vector<float> clickTrack(int seconds, int rate)
{
    std::vector<float> s(size_t(seconds) * rate, 0.0f);
    const int period = rate / 2;
    for (size_t i = 0; i < s.size(); ++i) {
        const int k = int(i % size_t(period));
        const double t = double(i) / rate;
        s[i] = float(0.8 * std::exp(-k / 600.0) * std::sin(2 * M_PI * 1000 * t) + 0.2 * std::sin(2 * M_PI * 261.63 * t));
    }
    return s;
}

// Runs the analysis thread on a track and waits for it; the thread's result stays in it.
void analyseWithThread(MetaDataThread &thread, const std::vector<float> &left, const std::vector<float> &right,
                       int rate)
{
    QSignalSpy got(&thread, SIGNAL(gotMetaData()));
    thread.setSamples(left.data(), right.data(), int(left.size()), true, rate);
    thread.setFileNames(QString(), "/nowhere/track.wav");
    thread.start();
    QVERIFY(thread.wait(120000));
    QTRY_COMPARE(got.count(), 2);
}

// A cache file's plain text with the given beats and tempo (chords: one fewer than beats).
QByteArray cacheText(const QString &audioPath, const QString &beats, const QString &tempo)
{
    const int chords = std::max(1, beats.split(' ', Qt::SkipEmptyParts).size() - 1);
    return ("fileName: " + audioPath + "\rbeats: " + beats + " \rchordVec1: " + QString("C ").repeated(chords)
            + "\rchordVecDetected1: C \rtempo: " + tempo)
        .toUtf8();
}

} // namespace

class TestMetaData : public QObject
{
    Q_OBJECT
private slots:
    void cipherRoundTrips_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("compressed");
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("short") << QString("tempo: 120") << false;
        QTest::newRow("separators and non-ASCII") << QString::fromUtf8("fileName: /m\xc3\xbasica/\xe6\x9b\xb2 b.mp3\rtempo: 99") << false;
        QTest::newRow("compressible") << QString("beats: ") + QString("12345 ").repeated(400) << true;
    }
    void cipherRoundTrips()
    {
        QFETCH(QString, text);
        QFETCH(bool, compressed);
        Cipher cipher(analysisCacheKey);
        const QByteArray bytes = cipher.encrypt(text.toUtf8());
        QCOMPARE(cipher.lastError(), Cipher::ErrorNone);
        QCOMPARE(bytes.at(0), char(3));
        QCOMPARE(bool(bytes.at(1) & 1), compressed);
        QVERIFY(bytes.at(1) & 2);
        if (compressed)
            QVERIFY(bytes.size() < text.toUtf8().size());
        QCOMPARE(QString::fromUtf8(cipher.decrypt(bytes)), text);
        QCOMPARE(cipher.lastError(), Cipher::ErrorNone);
        QCOMPARE(cipher.decryptText(cipher.encryptText(text)), text);
    }

    void cipherKnownAnswerAndFailures()
    {
        Cipher cipher(analysisCacheKey);
        cipher.setRandomByte(0x5a);
        // Worked out by hand from the format: version, flags, then the chained body of
        // random byte, big-endian CRC-16 and the data.
        QCOMPARE(cipher.encryptText(QString("tempo: 120")), QString("AwIC4Fxi1SlmYgDgNk6s"));

        cipher.setRandomByte(-1);
        QByteArray bytes = cipher.encrypt("beats: 1 2 3 4 5 6");
        // The same text enciphers differently from call to call only in the random byte chain.
        QByteArray flipped = bytes;
        flipped[flipped.size() - 3] = char(flipped[flipped.size() - 3] ^ 0x10);
        QVERIFY(cipher.decrypt(flipped).isEmpty());
        QCOMPARE(cipher.lastError(), Cipher::ErrorIntegrityFailed);

        QByteArray badVersion = bytes;
        badVersion[0] = 4;
        QVERIFY(cipher.decrypt(badVersion).isEmpty());
        QCOMPARE(cipher.lastError(), Cipher::ErrorUnknownVersion);

        for (const QByteArray &garbage : {QByteArray(), QByteArray("\x03"), QByteArray("\x03\x02"),
                                          QByteArray("\x03\x02\x11"), QByteArray("\x03\x01\x11\x22\x33"),
                                          QByteArray("\x03\x05\x11\x22\x33\x44\x55\x66\x77")}) {
            QVERIFY(cipher.decrypt(garbage).isEmpty());
            QVERIFY(cipher.lastError() != Cipher::ErrorNone);
        }
        QVERIFY(cipher.decryptText("not base64 at all!").isEmpty());
        QVERIFY(cipher.lastError() != Cipher::ErrorNone);

        Cipher other(analysisCacheKey ^ 0x1);
        other.decrypt(bytes);
        QVERIFY(other.lastError() != Cipher::ErrorNone);

        Cipher noKey(0);
        QVERIFY(noKey.encrypt("x").isEmpty());
        QCOMPARE(noKey.lastError(), Cipher::ErrorNoKeySet);

        // A compressed body whose data is not a zlib stream is an error, not an empty success.
        Cipher raw(analysisCacheKey);
        raw.setCompressionMode(Cipher::CompressionNever);
        raw.setIntegrityMode(Cipher::ProtectionNone);
        QByteArray fake = raw.encrypt(QByteArray("\x00\x00\x10\x00garbagegarbage", 18));
        fake[1] = char(fake[1] | 1);
        QVERIFY(raw.decrypt(fake).isEmpty());
        QCOMPARE(raw.lastError(), Cipher::ErrorCorruptData);
    }

    // Hostile and stale cache files are refused (the track is then analysed afresh)
    // without blocking or large allocations; a genuine one reads.
    void hostileCachesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("line"); // empty: make a FIFO
        QTest::addColumn<QString>("openedAs");
        QTest::addColumn<bool>("usable");
        const QString audio = "/music/ok.wav";
        auto plain = [&](const QString &beats, const QString &tempo) {
            Cipher cipher(analysisCacheKey);
            return cipher.encryptText(cacheText(audio, beats, tempo)).toUtf8();
        };
        const QString beats = "0 22050 44100 66150 88200";
        QTest::newRow("genuine") << plain(beats, "120") << audio << true;
        QTest::newRow("old plain file") << cacheText(audio, beats, "120") << audio << true;
        QTest::newRow("same file by another path") << plain(beats, "120") << QString("/music/../music/ok.wav") << true;
        QTest::newRow("another recording of the same name") << plain(beats, "120") << QString("/other/ok.wav")
                                                            << false;
        QTest::newRow("bomb: 64 MB of spaces") << compressedCacheLine(spaceBomb(64 << 20, 64u << 20)) << audio
                                                << false;
        QTest::newRow("bomb behind a small size") << compressedCacheLine(spaceBomb(64 << 20, 1000)) << audio
                                                  << false;
        QTest::newRow("size claims 2 GB") << compressedCacheLine(spaceBomb(1000, 0x7fffffffu)) << audio << false;
        QTest::newRow("file of 5 MB") << QByteArray(5 << 20, 'A') << audio << false;
        QTest::newRow("last beat 1e30") << plain("0 22050 44100 1e30", "120") << audio << false;
        QTest::newRow("last beat a step too far") << plain("0 22050 44100 88200", "120") << audio << false;
        QTest::newRow("two beats, the second past the end") << plain("0 1e9", "120") << audio << false;
        QTest::newRow("50 equal beats") << plain(QString("1000 ").repeated(50).trimmed(), "120") << audio << false;
        QTest::newRow("falling beats") << plain("44100 22050 0", "120") << audio << false;
        QTest::newRow("NaN beat") << plain("0 nan 44100", "120") << audio << false;
        QTest::newRow("tempo -50") << plain(beats, "-50") << audio << false;
        QTest::newRow("tempo 0") << plain(beats, "0") << audio << false;
        QTest::newRow("tempo 3e38") << plain(beats, "3e38") << audio << false;
        QTest::newRow("tempo inf") << plain(beats, "inf") << audio << false;
        QTest::newRow("FIFO") << QByteArray() << audio << false;
    }

    void hostileCachesAreRefused()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, openedAs);
        QFETCH(bool, usable);
        QTemporaryDir dir;
        const QString cache = dir.path() + "/ok.pqm";
        if (line.isEmpty()) {
            QCOMPARE(mkfifo(QFile::encodeName(cache).constData(), 0600), 0);
        } else {
            QFile f(cache);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(line);
        }
        // Paths compare as files: let "/music/ok.wav" exist under the temporary folder.
        const QString root = dir.path() + "/root";
        QDir().mkpath(root + "/music");
        QDir().mkpath(root + "/other");
        QFile(root + "/music/ok.wav").open(QIODevice::WriteOnly);
        QFile(root + "/other/ok.wav").open(QIODevice::WriteOnly);
        if (!line.isEmpty()) {
            QFile f(cache);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QByteArray text = f.readAll();
            f.close();
            Cipher cipher(analysisCacheKey);
            QString plainText = cipher.decryptText(QString::fromUtf8(text));
            if (cipher.lastError() == Cipher::ErrorNone) {
                plainText.replace("fileName: /music/", "fileName: " + root + "/music/");
                QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
                f.write(cipher.encryptText(plainText).toUtf8());
            } else if (text.startsWith("fileName: ")) {
                text.replace("fileName: /music/", (QString("fileName: ") + root + "/music/").toUtf8());
                QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
                f.write(text);
            }
        }
        // A read that blocked on the FIFO would hang till the time limit (costs: bench/metadata).
        AnalysisCacheContents contents;
        QCOMPARE(readAnalysisCache(cache, root + openedAs, 441000, contents), usable);
        if (usable) {
            MetaData m;
            m.loadFromSession(contents.beats, contents.chords, contents.detected, contents.tempo, contents.fileName);
            QVERIFY(m.hasData());
            QCOMPARE(m.tempo, 120.0f);
        }
    }

    void cacheRoundTripForAwkwardPaths_data()
    {
        QTest::addColumn<QString>("audioName");
        QTest::newRow("b in the name") << QString("bob's best blues.mp3");
        QTest::newRow("colon and spaces") << QString("live: take 2 (b-side).flac");
        QTest::newRow("non-ASCII") << QString::fromUtf8("caf\xc3\xa9 \xe6\x9b\xb2.ogg");
        QTest::newRow("no extension") << QString("bare");
    }
    void cacheRoundTripForAwkwardPaths()
    {
        QFETCH(QString, audioName);
        QTemporaryDir dir;
        QDir().mkpath(dir.path() + "/metadata");
        const QString audioPath = dir.path() + "/b:dir/" + audioName;
        const QString cache = analysisCachePath(dir.path(), audioPath);
        QVERIFY(cache.startsWith(dir.path() + "/metadata/"));
        QVERIFY(cache.endsWith(".pqm"));

        MetaData source;
        source.setFromAnalysis(makeResult(40));
        QVERIFY(source.hasData());
        // The working beats may be shifted later; the cache keeps the analysed ones.
        source.beats[3] += 5000;
        QVERIFY(writeAnalysisCache(cache, composeAnalysisCacheText(audioPath, source.analysedBeats(), source.chordVec,
                                                                   source.chordVecDetected, source.tempo)));

        AnalysisCacheContents contents;
        QVERIFY(readAnalysisCache(cache, audioPath, 2000000, contents));
        QCOMPARE(contents.fileName, audioPath);
        MetaData loaded;
        QSignalSpy got(&loaded, SIGNAL(gotMeta()));
        QSignalSpy bpm(&loaded, SIGNAL(setBpm(float)));
        loaded.loadFromSession(contents.beats, contents.chords, contents.detected, contents.tempo, contents.fileName);
        QCOMPARE(got.count(), 1);
        QCOMPARE(bpm.count(), 1);
        QVERIFY(loaded.hasData());
        QCOMPARE(loaded.tempo, source.tempo);
        QCOMPARE(loaded.beats, source.analysedBeats());
        QCOMPARE(loaded.chordVec, source.chordVec);
        QCOMPARE(loaded.chordVecDetected, QVector<QString>({"Ebm", "Ab7", "C"}));

        // Too short a track for these beats, a wrong key, a truncated file: analyse afresh.
        QVERIFY(!readAnalysisCache(cache, audioPath, 5000, contents));
        QFile f(cache);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray line = f.readAll();
        f.close();
        Cipher wrong(analysisCacheKey + 1);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(wrong.encryptText(QString("x").repeated(10)).toUtf8());
        f.close();
        QVERIFY(!readAnalysisCache(cache, audioPath, 2000000, contents));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(line.left(line.size() / 2));
        f.close();
        QVERIFY(!readAnalysisCache(cache, audioPath, 2000000, contents));
        QVERIFY(!readAnalysisCache(dir.path() + "/metadata/none.pqm", audioPath, 2000000, contents));
    }

    void longTracksKeepTheirBeatsExactly()
    {
        // Far into a long track every beat comes back on its frame.
        MetaData source;
        TrackAnalysis r = makeResult(500, 22050.0f * 2.5f);
        source.setFromAnalysis(r);
        QVERIFY(source.beats.last() > 2.0e7f);
        AnalysisCacheContents contents;
        QVERIFY(parseAnalysisCacheText(QString::fromUtf8(composeAnalysisCacheText("/a.wav", source.analysedBeats(),
                                       source.chordVec, source.chordVecDetected, source.tempo)), contents));
        QCOMPARE(contents.beats.size(), source.beats.size());
        for (int i = 0; i < contents.beats.size(); ++i)
            QCOMPARE(contents.beats[i].toFloat(), source.beats[i]);
        QVERIFY(analysisCacheUsable(contents, qint64(source.beats[source.beats.size() - 2]) + 1));
    }

    void oldPlainCacheStillReads()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/old.pqm";
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("fileName: /music/a b.wav\rbeats: 100 200 300 \rchordVec1: C G \rchordVecDetected1: C G \rtempo: 98.5");
        f.close();
        AnalysisCacheContents contents;
        QVERIFY(readAnalysisCache(path, "/music/a b.wav", 1000, contents));
        QCOMPARE(contents.beats, QStringList({"100", "200", "300"}));
        QCOMPARE(contents.chords, QStringList({"C", "G"}));
        QCOMPARE(contents.tempo, QString("98.5"));
        // Beats that do not rise, and a tempo that is not a number, are refused.
        contents.beats = QStringList({"300", "200"});
        QVERIFY(!analysisCacheUsable(contents, 1000));
        contents.beats = QStringList({"100", "200"});
        contents.tempo = "nan";
        QVERIFY(!analysisCacheUsable(contents, 1000));
        // More chords than beats is no file of ours.
        contents.tempo = "98";
        contents.chords = QStringList({"C", "G", "D"});
        QVERIFY(!analysisCacheUsable(contents, 1000));
    }

    void olderCachesShowOneNamePerChord()
    {
        // A file written when the names followed the analysis ("G#", "D#") or another
        // spelling ("A#", "Db") keeps loading, and shows each chord by its one name.
        QTemporaryDir dir;
        const QString path = dir.path() + "/old.pqm";
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("fileName: /music/song.wav\rbeats: 100 200 300 400 500 600 \r"
                "chordVec1: G#m G#m D# A#7 Dbmaj7 Ab \rchordVecDetected1: G#m D# A#7 Dbmaj7 Ab Abm \rtempo: 120");
        f.close();
        AnalysisCacheContents contents;
        QVERIFY(readAnalysisCache(path, "/music/song.wav", 100000, contents));
        MetaData loaded;
        loaded.loadFromSession(contents.beats, contents.chords, contents.detected, contents.tempo, contents.fileName);
        QVERIFY(loaded.hasData());
        QCOMPARE(loaded.chordVec, QVector<QString>({"Abm", "Abm", "Eb", "Bb7", "C#maj7", "Ab"}));
        QCOMPARE(loaded.chordVecDetected, QVector<QString>({"Abm", "Eb", "Bb7", "C#maj7", "Ab"}));
    }

    void resultsKeepOneMoreBeatThanChords()
    {
        MetaData m;
        QSignalSpy got(&m, SIGNAL(gotMeta()));
        m.setFromAnalysis(makeResult(0));
        QVERIFY(!m.hasData());
        QCOMPARE(got.count(), 1); // the views still hear that the analysis ended
        QCOMPARE(m.beatStep, 0);

        m.setFromAnalysis(makeResult(1));
        QVERIFY(!m.hasData());

        m.setFromAnalysis(makeResult(2));
        QVERIFY(m.hasData());
        QCOMPARE(m.beats.size(), m.chordVec.size() + 1);
        QCOMPARE(m.chordVec.first(), QString("-"));
        for (const QString &c : m.chordVec + m.chordVecDetected) {
            QVERIFY(!c.contains("D#"));
            QVERIFY(!c.contains("G#"));
        }

        m.setFromAnalysis(makeResult(50));
        QCOMPARE(m.beats.size(), 51);
        QCOMPARE(m.beats.last(), m.beats[49] + (m.beats[49] - m.beats[48]));
        QCOMPARE(m.beatStep, int(m.beats.last() / 51) / 100);

        // A cached result of 100 chords and 100 beats ends with 101 beats.
        QStringList beats, chords;
        for (int i = 0; i < 100; ++i) {
            beats << QString::number(500 + i * 1000);
            chords << "C";
        }
        m.loadFromSession(beats, chords, {"C", ""}, "120", "x");
        QCOMPARE(m.beats.size(), 101);
        QCOMPARE(m.chordVec.size(), 100);
        QCOMPARE(m.chordVecDetected, QVector<QString>({"C"}));

        // More beats than chords by several: the beats are cut to one more than the chords.
        m.loadFromSession(beats, chords.mid(0, 10), {}, "120", "x");
        QCOMPARE(m.beats.size(), 11);
        m.clear();
        QVERIFY(!m.hasData());
        QVERIFY(m.beats.isEmpty());
    }

    void aCancelledAnalysisEndsEarlyAndLeavesNothing()
    {
        QTemporaryDir dir;
        QDir().mkpath(dir.path() + "/metadata");
        const std::vector<float> song = clickTrack(240, 44100);
        MetaDataThread thread;
        QSignalSpy got(&thread, SIGNAL(gotMetaData()));
        const QString audio = dir.path() + "/long.wav";
        const QString cache = analysisCachePath(dir.path(), audio);
        thread.setSamples(song.data(), nullptr, int(song.size()), false, 44100);
        thread.setFileNames(cache, audio);
        thread.start();
        thread.cancel();
        QVERIFY(thread.wait(eventuallyMs));
        QCoreApplication::processEvents();
        QCOMPARE(got.count(), 0);
        QVERIFY(!thread.metaData()->hasData());
        QVERIFY(!QFile::exists(cache));
    }

    // Damaged samples read as silence, and tracks recorded far above 44.1 kHz are
    // analysed over the same range of tempi: both keep the clean track's tempo and beats.
    void damagedAndHighRateTracksKeepTempoAndBeats_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<QString>("damage");
        for (int rate : {44100, 96000, 192000, 352800}) {
            QTest::addRow("%d Hz", rate) << rate << QString();
            QTest::addRow("%d Hz, NaN every 7919", rate) << rate << QString("nan");
        }
        QTest::addRow("44100 Hz, one NaN") << 44100 << QString("one nan");
        QTest::addRow("44100 Hz, +Inf left, -Inf right") << 44100 << QString("inf");
        QTest::addRow("44100 Hz, a second of NaN") << 44100 << QString("nan run");
        QTest::addRow("44100 Hz, huge values") << 44100 << QString("huge");
    }

    void damagedAndHighRateTracksKeepTempoAndBeats()
    {
        QFETCH(int, rate);
        QFETCH(QString, damage);
        testsignal::ClickOptions o;
        o.bpm = 70.0;
        o.sampleRate = rate;
        o.seconds = 24.0;
        o.noiseLevel = 0.01f;
        const testsignal::ClickTrack track = testsignal::makeClickTrack(o);
        std::vector<float> left = track.samples;
        std::vector<float> right = track.samples;
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        if (damage == "nan") {
            for (size_t i = 0; i < left.size(); i += 7919)
                left[i] = nan;
        } else if (damage == "one nan") {
            right[left.size() / 3] = nan;
        } else if (damage == "inf") {
            for (size_t i = 1000; i < left.size(); i += 50000) {
                left[i] = inf;
                right[i + 1] = -inf;
            }
        } else if (damage == "nan run") {
            std::fill(left.begin() + 5 * rate, left.begin() + 6 * rate, nan);
        } else if (damage == "huge") {
            for (size_t i = 0; i < left.size(); i += 30011)
                left[i] = right[i] = 3.0e38f;
        }

        MetaDataThread thread;
        analyseWithThread(thread, left, right, rate);
        const MetaData *m = thread.metaData();
        QVERIFY(m->hasData());
        QVERIFY2(std::fabs(m->tempo - 70.0f) < 1.5f, qPrintable(QString::number(m->tempo)));
        // The beats are in frames of the track as given, on the clicks.
        const double gap = 60.0 * rate / 70.0;
        int onClick = 0;
        const int tracked = m->beats.size() - 1; // the last one is extrapolated
        for (int i = 0; i < tracked; ++i) {
            const float beat = m->beats[i];
            QVERIFY(std::isfinite(beat) && beat >= 0 && beat <= float(left.size()));
            const double phase = std::fmod(beat - track.clicks.front() + gap, gap);
            if (std::min(phase, gap - phase) < 0.05 * rate)
                ++onClick;
        }
        QVERIFY2(tracked >= 24 && onClick >= tracked - 3,
                 qPrintable(QString("%1 of %2 beats on clicks").arg(onClick).arg(tracked)));
    }

    void chordFilterGridStaysTwelveBySeven()
    {
        MetaDataThread thread;
        for (int i = 0; i < 3; ++i)
            thread.initChordFilter();
        QCOMPARE(thread.chordFilter().size(), 12);
        QVERIFY(!thread.chordFilterActive());
        ChordFilterGrid grid(12, QVector<int>(7, 0));
        QVERIFY(!thread.setChordFilter(grid));
        grid[3][2] = 1;
        QVERIFY(thread.setChordFilter(grid));
        QCOMPARE(thread.chordFilter()[3][2], 1);
        QVERIFY(!thread.setChordFilter(ChordFilterGrid(5, QVector<int>(7, 1))));
        QCOMPARE(thread.chordFilter().size(), 12);
    }

    // The cache is written from the analysis thread; a new recording of the same size
    // copied over the analysed one with the old file's time (cp -p, unzip) refuses it.
    void threadAnalysesOffTheGuiThreadAndWritesTheCache()
    {
        QTemporaryDir dir;
        QDir().mkpath(dir.path() + "/metadata");
        const std::vector<float> song = clickTrack(20, 44100);
        auto writeTake = [&](const QString &path, float gain) {
            QByteArray pcm(int(song.size()) * 2, Qt::Uninitialized);
            for (size_t i = 0; i < song.size(); ++i)
                qToLittleEndian(qint16(song[i] * gain * 32000.0f), pcm.data() + 2 * i);
            return writePcm16Wav(path, pcm, 1);
        };

        MetaDataThread thread;
        QThread *analysedOn = nullptr;
        connect(thread.metaData(), &MetaData::gotMeta, this, [&] { analysedOn = QThread::currentThread(); },
                Qt::DirectConnection);
        QSignalSpy got(&thread, SIGNAL(gotMetaData()));
        QSignalSpy bpm(&thread, SIGNAL(setBPM(float)));
        QSignalSpy selection(&thread, SIGNAL(setChordFilterSelection(QVector<QString>)));
        const QString audio = dir.path() + "/click track.wav";
        const QString cache = analysisCachePath(dir.path(), audio);
        QVERIFY(writeTake(audio, 1.0f));
        const QDateTime recorded = QFileInfo(audio).lastModified().addSecs(-3600);
        thread.setSamples(song.data(), song.data(), int(song.size()), true, 44100);
        thread.setFileNames(cache, audio);
        thread.start();
        QVERIFY(thread.wait(eventuallyMs));
        QTRY_COMPARE(got.count(), 2);
        QVERIFY(analysedOn && analysedOn != QThread::currentThread());
        QCOMPARE(bpm.count(), 1);
        QCOMPARE(selection.count(), 1);
        QVERIFY(thread.metaData()->hasData());
        const float tempo = thread.metaData()->tempo;
        QVERIFY2(std::abs(tempo - 120.0f) < 3.0f || std::abs(tempo - 60.0f) < 2.0f || std::abs(tempo - 240.0f) < 6.0f,
                 qPrintable(QString::number(tempo)));
        QVERIFY(QFile::exists(cache));
        AnalysisCacheContents contents;
        QVERIFY(readAnalysisCache(cache, audio, qint64(song.size()), contents));
        QCOMPARE(contents.beats.size(), thread.metaData()->beats.size());
        QVERIFY(writeTake(audio, 0.5f));
        QFile copied(audio);
        QVERIFY(copied.open(QIODevice::ReadWrite) && copied.setFileTime(recorded, QFileDevice::FileModificationTime));
        copied.close();
        QVERIFY(QFileInfo(cache).lastModified() > QFileInfo(audio).lastModified());
        QVERIFY(!readAnalysisCache(cache, audio, qint64(song.size()), contents));

        // CD tracks get no cache.
        const QString cd = dir.path() + "/Track01.cda";
        const QString cdCache = analysisCachePath(dir.path(), cd);
        thread.setSamples(song.data(), song.data(), int(song.size()), true, 44100);
        thread.setFileNames(cdCache, cd);
        thread.start();
        QVERIFY(thread.wait(eventuallyMs));
        QTRY_COMPARE(got.count(), 4);
        QVERIFY(!QFile::exists(cdCache));

        // Silence gives no analysis: the views still hear of it, and no cache is written.
        const std::vector<float> silence(size_t(44100) * 8, 0.0f);
        const QString quiet = dir.path() + "/quiet.wav";
        const QString quietCache = analysisCachePath(dir.path(), quiet);
        thread.setSamples(silence.data(), nullptr, int(silence.size()), false, 44100);
        thread.setFileNames(quietCache, quiet);
        thread.start();
        QVERIFY(thread.wait(eventuallyMs));
        QTRY_COMPARE(got.count(), 6);
        QVERIFY(!thread.metaData()->hasData());
        QVERIFY(!QFile::exists(quietCache));
    }
};

QTEST_MAIN(TestMetaData)
#include "tst_metadata.moc"
