// Audio export: the writer's WAV files, the MP3 encoder program it starts (a recording
// stand-in and the real lame), what a failed export leaves behind, and the window's
// export commands.
#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "app/pathsmanager.h"
#include "audio/exportwriter.h"
#include "audio/layer/audiolayer.h"
#include "analysis/trackanalysis.h"
#include "app/tabwidget.h"
#include "audio/audioplayer.h"
#include "audio/songslots.h"
#include "metadata/metadata.h"
#include "metadata/metadatathread.h"
#include "views/jam/beatselection.h"
#include "views/playback/wavebg.h"

#include "../eventually.h"
#include "../pcmwav.h"

#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <vector>

#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeScript(const QString &path, const QByteArray &body)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write("#!/bin/sh\n" + body) < 0)
        return false;
    f.close();
    return f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
}

// A stereo tone: left a sine, right its negative half.
struct Tone {
    std::vector<float> left, right;
    explicit Tone(int frames, int rate = 44100) : left(size_t(frames)), right(size_t(frames))
    {
        for (int i = 0; i < frames; ++i) {
            left[size_t(i)] = 0.5f * float(std::sin(2.0 * M_PI * 440.0 * i / rate));
            right[size_t(i)] = -0.5f * left[size_t(i)];
        }
    }
};

// Writes frames in blocks of 1024, as the export does.
bool writeBlocks(ExportWriter &writer, const Tone &tone)
{
    const int frames = int(tone.left.size());
    for (int at = 0; at < frames; at += 1024) {
        if (!writer.write(tone.left.data() + at, tone.right.data() + at, std::min(1024, frames - at)))
            return false;
    }
    return true;
}

// Beats every beatFrames from the first, and riff A on `steps` beats from firstStep on.
void setBeatsAndRiff(MainWindow &window, int first, int beatFrames, int beats, int firstStep, int steps)
{
    TrackAnalysis analysis;
    analysis.tempo = 120.0f;
    for (int b = 0; b < beats; ++b) {
        analysis.beats.push_back(float(first + beatFrames * b));
        analysis.chordLabels.push_back("C");
    }
    window.metaDataThread()->metaData()->setFromAnalysis(analysis);
    BeatSelection *riff = window.waveBg()->plotter()->beatSelection(0);
    riff->setLastStep(steps - 1);
    riff->setLoopLength(steps - 1);
    for (int k = 0; k < steps; ++k)
        riff->restoreStep(k, BeatLabel::InLoop, firstStep + k, 0, 0);
    riff->finishRestore();
}

// Everything in a folder but the names given.
QStringList leftovers(const QString &folder, const QStringList &expected)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &name : expected)
        names.removeAll(name);
    return names;
}

// A window whose messages are recorded (and answered No) and whose save dialog answers `answer`.
struct AnsweringWindow {
    MainWindow window;
    QStringList messages;
    MainWindow::SaveFileChoice answer;
    AnsweringWindow()
    {
        window.startTimer()->stop();
        window.setMessageBoxHook([this](QMessageBox::Icon, const QString &, const QString &text,
                                        QMessageBox::StandardButtons, QMessageBox::StandardButton) {
            messages << text;
            return QMessageBox::No;
        });
        window.setSaveDialogHook([this](const QString &, const QString &, const QStringList &) { return answer; });
    }
};

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QByteArray m_path;

    // A folder on the PATH holding a stand-in "lame" with the given script body.
    QString fakeLame(const QByteArray &body)
    {
        const QString bin = m_dir.filePath("bin");
        QDir().mkpath(bin);
        if (!writeScript(bin + "/lame", body))
            return QString();
        qputenv("PATH", QFile::encodeName(bin) + ":" + m_path);
        return bin;
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QString());
        dataFolderPath = QStandardPaths::writableLocation(QStandardPaths::DataLocation) + "/Plectronome";
        QSettings("Quillfen", "Plectronome").clear();
        QVERIFY(m_dir.isValid());
        m_path = qgetenv("PATH");
    }

    void cleanup() { qputenv("PATH", m_path); }

    void wavFiles()
    {
        const QString folder = m_dir.filePath("wav");
        QVERIFY(QDir().mkpath(folder));
        for (int frames : {0, 1, 1024, 3000}) {
            Tone tone(frames, 48000);
            if (frames > 2) {
                tone.left[0] = NAN;
                tone.left[1] = 1.0f;
                tone.right[1] = -1.5f;
            }
            const QString path = folder + QString("/take %1.wav").arg(frames);
            ExportWriter writer(path, ExportWriter::Wav, 48000);
            QVERIFY(writer.start());
            QVERIFY(!QFile::exists(path)); // only complete files take their name
            QVERIFY(writeBlocks(writer, tone));
            QVERIFY(writer.finish());

            const QByteArray b = readAll(path);
            QCOMPARE(b.size(), 44 + 4 * frames);
            QCOMPARE(b.left(4), QByteArray("RIFF"));
            QCOMPARE(qFromLittleEndian<quint32>(b.constData() + 4), quint32(36 + 4 * frames));
            QCOMPARE(b.mid(8, 8), QByteArray("WAVEfmt "));
            QCOMPARE(qFromLittleEndian<quint32>(b.constData() + 16), 16u);
            QCOMPARE(qFromLittleEndian<quint16>(b.constData() + 20), quint16(1));
            QCOMPARE(qFromLittleEndian<quint16>(b.constData() + 22), quint16(2));
            QCOMPARE(qFromLittleEndian<quint32>(b.constData() + 24), 48000u);
            QCOMPARE(qFromLittleEndian<quint32>(b.constData() + 28), 48000u * 4);
            QCOMPARE(qFromLittleEndian<quint16>(b.constData() + 32), quint16(4));
            QCOMPARE(qFromLittleEndian<quint16>(b.constData() + 34), quint16(16));
            QCOMPARE(b.mid(36, 4), QByteArray("data"));
            QCOMPARE(qFromLittleEndian<quint32>(b.constData() + 40), quint32(4 * frames));
            if (frames > 2) {
                QCOMPARE(qFromLittleEndian<qint16>(b.constData() + 44), qint16(0));     // NaN
                QCOMPARE(qFromLittleEndian<qint16>(b.constData() + 48), qint16(32767)); // saturated
                QCOMPARE(qFromLittleEndian<qint16>(b.constData() + 50), qint16(-32768));
                const int last = frames - 1;
                QCOMPARE(qFromLittleEndian<qint16>(b.constData() + 44 + 4 * last + 2),
                         qint16(std::trunc(tone.right.back() * 32768.0f)));
            }
        }
        // A name near the file system's limit still has room for its temporary file.
        const QString longName = QString(125, QChar(0xe9)) + ".wav";
        ExportWriter longWriter(folder + "/" + longName, ExportWriter::Wav, 48000);
        QVERIFY(longWriter.start());
        QVERIFY(longWriter.finish());
        QVERIFY(leftovers(folder, {"take 0.wav", "take 1.wav", "take 1024.wav", "take 3000.wav", longName}).isEmpty());
    }

    void encoderGetsArgumentsAndSamples()
    {
        const QString log = m_dir.filePath("log");
        QVERIFY(QDir().mkpath(log));
        QVERIFY(!fakeLame("printf '%s\\n' \"$@\" > '" + QFile::encodeName(log) + "/args'\n"
                          "cat > '" + QFile::encodeName(log) + "/stdin'\n"
                          "for last in \"$@\"; do :; done\n"
                          "printf 'ID3%01000d' 0 > \"$last\"\n")
                     .isEmpty());
        const QString folder = m_dir.filePath(QString::fromUtf8("\xd0\x9f\xd0\xb5\xd1\x81\xd0\xbd\xd0\xb8"));
        QVERIFY(QDir().mkpath(folder));
        // A quote, a double quote, a dollar and non-Latin letters: all reach lame as they are.
        const QString path = folder + QString::fromUtf8("/it's \"Sommerl\xc3\xa4nd\" $HOME \xe6\x9b\xb2.mp3");
        QFile::remove(path);
        const Tone tone(5000);
        ExportWriter writer(path, ExportWriter::Mp3, 44100);
        QVERIFY(writer.start());
        QVERIFY(writeBlocks(writer, tone));
        QVERIFY2(writer.finish(), qPrintable(writer.errorDetail()));

        QCOMPARE(readAll(path), "ID3" + QByteArray(1000, '0'));
        QVERIFY(leftovers(folder, {QFileInfo(path).fileName()}).isEmpty());
        const QList<QByteArray> args = readAll(log + "/args").split('\n');
        QCOMPARE(args.size(), 6);
        QCOMPARE(args.mid(0, 4), (QList<QByteArray>{"--silent", "-b", "320", "-"}));
        // lame wrote a hidden temporary file beside the target, which then took its name.
        const QByteArray written = args[4];
        QVERIFY2(written.startsWith(QFile::encodeName(path).replace("/it's", "/.it's")), written.constData());
        QVERIFY(written.endsWith(".part"));

        const QByteArray in = readAll(log + "/stdin");
        QCOMPARE(in.size(), 44 + 4 * 5000);
        QCOMPARE(in.left(4), QByteArray("RIFF"));
        QCOMPARE(qFromLittleEndian<quint32>(in.constData() + 40), 0xFFFFFFFFu); // length unknown
        QCOMPARE(qFromLittleEndian<quint32>(in.constData() + 24), 44100u);
        for (int i : {0, 1, 777, 4999}) {
            QCOMPARE(qFromLittleEndian<qint16>(in.constData() + 44 + 4 * i), qint16(std::trunc(tone.left[size_t(i)] * 32768.0f)));
            QCOMPARE(qFromLittleEndian<qint16>(in.constData() + 46 + 4 * i),
                     qint16(std::trunc(tone.right[size_t(i)] * 32768.0f)));
        }
    }

    void failuresLeaveNothing()
    {
        const QString folder = m_dir.filePath("fail");
        QVERIFY(QDir().mkpath(folder));
        const QString kept = folder + "/kept.mp3";
        {
            QFile f(kept);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("old take");
        }
        const Tone tone(300000);

        // No encoder on the PATH.
        qputenv("PATH", QFile::encodeName(m_dir.filePath("empty")));
        QVERIFY(ExportWriter::encoderProgram().isEmpty());
        ExportWriter missing(kept, ExportWriter::Mp3, 44100);
        QVERIFY(!missing.start());
        QCOMPARE(missing.error(), ExportWriter::EncoderMissing);

        // An encoder that stops reading and fails: the error and its words come back, the
        // old file stays as it was.
        fakeLame("echo 'lame: cannot encode here' >&2\nexit 3\n");
        {
            ExportWriter failing(kept, ExportWriter::Mp3, 44100);
            QVERIFY(failing.start());
            const bool written = writeBlocks(failing, tone);
            QVERIFY(!(written && failing.finish()));
            QCOMPARE(failing.error(), ExportWriter::EncoderFailed);
            QVERIFY2(failing.errorDetail().contains("cannot encode here"), qPrintable(failing.errorDetail()));
        }
        QCOMPARE(readAll(kept), QByteArray("old take"));

        // A folder that does not exist, and a name taken by a folder.
        ExportWriter nowhere(folder + "/no/such/take.wav", ExportWriter::Wav, 44100);
        QVERIFY(!nowhere.start());
        QCOMPARE(nowhere.error(), ExportWriter::CannotCreate);
        QVERIFY(QDir(folder).mkdir("taken.wav"));
        ExportWriter taken(folder + "/taken.wav", ExportWriter::Wav, 44100);
        QVERIFY(taken.start());
        QVERIFY(writeBlocks(taken, tone));
        QVERIFY(!taken.finish());
        QCOMPARE(taken.error(), ExportWriter::RenameFailed);
        QVERIFY(!taken.errorDetail().isEmpty());

        // An export given up half-way.
        {
            ExportWriter dropped(folder + "/dropped.wav", ExportWriter::Wav, 44100);
            QVERIFY(dropped.start());
            QVERIFY(writeBlocks(dropped, tone));
        }
        QVERIFY(leftovers(folder, {"kept.mp3"}).isEmpty());
    }

    // The export commands of a window with a track: proposals, filters, names, the
    // question before replacing a file, and what failures leave.
    void exportCommands()
    {
        fakeLame("for last in \"$@\"; do :; done\ncat > \"$last\"\n");
        const QString folder = m_dir.filePath("commands");
        QVERIFY(QDir().mkpath(folder));
        const QString track = folder + "/take.one.wav";
        QVERIFY(writePcm16Wav(track, QByteArray(200000 * 4, '\x08'), 2));

        MainWindow window;
        window.startTimer()->stop();
        QStringList messages;
        window.setMessageBoxHook([&](QMessageBox::Icon, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons, QMessageBox::StandardButton) {
            messages << title + " | " + text;
            return QMessageBox::No;
        });
        QList<QStringList> asked;
        QList<MainWindow::SaveFileChoice> answers;
        window.setSaveDialogHook([&](const QString &title, const QString &folderOrPath, const QStringList &filters) {
            asked << (QStringList() << title << folderOrPath << filters);
            return answers.isEmpty() ? MainWindow::SaveFileChoice() : answers.takeFirst();
        });

        // Without a track the commands do nothing.
        window.exportAudioMP3();
        window.exportRiffWav();
        QVERIFY(asked.isEmpty());

        QCOMPARE(window.open(track), 0);
        window.metaDataThread()->wait();
        QCoreApplication::processEvents();

        // The whole track, as WAV: the name gets the chosen filter's extension.
        answers << MainWindow::SaveFileChoice{folder + "/whole", "WAV (*.wav)"};
        window.exportAudioMP3();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].mid(1), (QStringList() << window.pathsManager()->saveLocation() + "/songs/take.one_PROCESSED"
                                                 << "MP3 (*.mp3)" << "WAV (*.wav)"));
        // Every frame of the track, from the first to the last.
        QCOMPARE(QFileInfo(folder + "/whole.wav").size(), qint64(44 + 4 * 200000));
        QVERIFY(messages.isEmpty());

        // Transposed, twice: nothing of the first render sounds in the second.
        window.audioPlayer()->setInterp(1.25f);
        window.audioPlayer()->activatePitch(false);
        answers << MainWindow::SaveFileChoice{folder + "/pitched1.wav", "WAV (*.wav)"}
                << MainWindow::SaveFileChoice{folder + "/pitched2.wav", "WAV (*.wav)"};
        window.exportAudioMP3();
        window.exportAudioMP3();
        QVERIFY(QFileInfo(folder + "/pitched1.wav").size() > 44);
        QCOMPARE(readAll(folder + "/pitched2.wav"), readAll(folder + "/pitched1.wav"));
        window.audioPlayer()->activatePitch(true);
        window.audioPlayer()->setInterp(1.0f);
        QFile::remove(folder + "/pitched1.wav");
        QFile::remove(folder + "/pitched2.wav");

        // The same name again: the question is asked on the final name; no keeps the file.
        QFile::resize(folder + "/whole.wav", 100);
        answers << MainWindow::SaveFileChoice{folder + "/whole", "WAV (*.wav)"};
        window.exportAudioMP3();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains("whole.wav already exists"));
        QCOMPARE(QFileInfo(folder + "/whole.wav").size(), qint64(100));

        // The selection as MP3: from its first frame to its last.
        PlotSelection *selection = window.waveBg()->plotter()->plotSelection();
        *selection->startPointer() = 10000;
        *selection->endPointer() = 60000;
        answers << MainWindow::SaveFileChoice{folder + "/part", "MP3 (*.mp3)"};
        window.exportSelection();
        QCOMPARE(asked.last()[1], window.pathsManager()->saveLocation() + "/songs/take.one_SELECTION");
        QCOMPARE(QFileInfo(folder + "/part.mp3").size() - 44, qint64(4 * 50000));

        // A write-protected file: told, kept as it was.
        QVERIFY(QFile::setPermissions(folder + "/whole.wav", QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        answers << MainWindow::SaveFileChoice{folder + "/whole.wav", "WAV (*.wav)"};
        window.exportAudioMP3();
        QCOMPARE(messages.takeLast(), "Cannot save audio | " + folder + "/whole.wav is write-protected and was not "
                                                                 "replaced.<br />Nothing was saved.");
        QCOMPARE(QFileInfo(folder + "/whole.wav").size(), qint64(100));

        // A folder that does not exist: told, nothing written.
        answers << MainWindow::SaveFileChoice{folder + "/gone/x.wav", "WAV (*.wav)"};
        window.exportAudioMP3();
        QCOMPARE(messages.size(), 2);
        QVERIFY2(messages[1].startsWith("Cannot save audio | The file"), qPrintable(messages[1]));
        QVERIFY(!QFileInfo::exists(folder + "/gone"));

        // No riff steps, no song: told, nothing written. Without lame only WAV is offered.
        qputenv("PATH", QFile::encodeName(m_dir.filePath("empty")));
        answers << MainWindow::SaveFileChoice{folder + "/riff.wav", "WAV (*.wav)"}
                << MainWindow::SaveFileChoice{folder + "/song.wav", "WAV (*.wav)"}
                << MainWindow::SaveFileChoice{};
        window.exportRiffWav();
        window.exportSongWav();
        window.exportAudioMP3();
        QCOMPARE(asked.last().mid(2), QStringList() << "WAV (*.wav)");
        QCOMPARE(asked[asked.size() - 3][1], window.pathsManager()->saveLocation() + "/riffs/take.one_RIFF_EDIT");
        QCOMPARE(messages.size(), 4);
        QVERIFY(messages[2].contains("no steps"));
        QVERIFY(messages[3].contains("no riffs"));
        QVERIFY(leftovers(folder, {"take.one.wav", "whole.wav", "part.mp3"}).isEmpty());

        // A riff of four beats and a song of it: each render is written whole.
        setBeatsAndRiff(window, 4096, 22050, 8, 2, 4);
        window.tabWidget()->jamTab()->songSlots()->set(0, 0);
        answers << MainWindow::SaveFileChoice{folder + "/riff", "WAV (*.wav)"}
                << MainWindow::SaveFileChoice{folder + "/song", "WAV (*.wav)"};
        window.exportRiffWav();
        const int riffFrames = window.audioPlayer()->riffRenderLeft().size();
        QCOMPARE(riffFrames, 4 * 22050);
        QCOMPARE(QFileInfo(folder + "/riff.wav").size(), 44 + 4 * qint64(riffFrames));
        window.exportSongWav();
        const int songFrames = window.audioPlayer()->songRenderLeft().size();
        QVERIFY(songFrames >= 4 * 22050);
        QCOMPARE(QFileInfo(folder + "/song.wav").size(), 44 + 4 * qint64(songFrames));
        QCOMPARE(messages.size(), 4);
    }

    // An encoder that ends well without writing, one that crashes and one that stops taking
    // audio: each fails the export with our own words, and leaves no file.
    void encoderThatSavesNothingFails()
    {
        const QString folder = m_dir.filePath("silent");
        QVERIFY(QDir().mkpath(folder));
        const Tone tone(600000);
        const struct {
            QByteArray script;
            QString detail;
        } cases[] = {{"cat > /dev/null\nexit 0\n", "The file holds no audio, or too little."},
                     {"cat > /dev/null\nkill -SEGV $$\n", "lame crashed."},
                     {"exec sleep 60\n", "lame took no audio for 1 seconds."}};
        for (const auto &c : cases) {
            fakeLame(c.script);
            {
                ExportWriter writer(folder + "/take.mp3", ExportWriter::Mp3, 44100);
                // Short only where the encoder stalls for good: the others may start slowly.
                const bool stalls = c.script.startsWith("exec sleep");
                writer.setStallLimitMs(stalls ? 500 : eventuallyMs);
                int waits = 0;
                writer.setWaitHandler([&waits] { ++waits; });
                QVERIFY(writer.start());
                const bool written = writeBlocks(writer, tone);
                QVERIFY(!(written && writer.finish()));
                QCOMPARE(writer.error(), ExportWriter::EncoderFailed);
                QCOMPARE(writer.errorDetail(), c.detail);
                // The window was kept painted while the encoder was waited for.
                if (stalls)
                    QVERIFY(waits > 0);
            }
            QVERIFY(leftovers(folder, {}).isEmpty());
        }
    }

    // The whole track, a selection and a riff hold their range from its first frame, at
    // full level, to its last, at tempo 1 and 0.8: a click on every beat of the track
    // starts each file and comes back every beat / tempo frames.
    void exportsHoldTheirWholeRange()
    {
        const QString folder = m_dir.filePath("range");
        QVERIFY(QDir().mkpath(folder));
        const int beat = 22050;
        const int frames = 12 * beat;
        QByteArray pcm(frames * 4, '\0');
        for (int i = 0; i < frames; ++i) {
            const int t = i % beat;
            const qint16 v = t < 400 ? qint16(20000 * std::sin(2 * M_PI * 1000.0 * t / 44100)) : 0;
            qToLittleEndian(v, pcm.data() + 4 * i);
            qToLittleEndian(v, pcm.data() + 4 * i + 2);
        }
        const QString track = folder + "/clicks.wav";
        QVERIFY(writePcm16Wav(track, pcm, 2));
        AnsweringWindow answering;
        MainWindow &window = answering.window;
        QStringList &messages = answering.messages;
        MainWindow::SaveFileChoice &answer = answering.answer;
        QCOMPARE(window.open(track), 0);
        window.metaDataThread()->wait();
        QCoreApplication::processEvents();
        setBeatsAndRiff(window, 0, beat, 12, 4, 2);
        window.audioPlayer()->setRiff(0);
        PlotSelection *selection = window.waveBg()->plotter()->plotSelection();

        // Frames of a 16-bit stereo WAV file, left channel.
        auto samples = [](const QString &path) {
            const QByteArray b = readAll(path);
            QVector<int> out;
            for (int at = 44; at + 4 <= b.size(); at += 4)
                out << qFromLittleEndian<qint16>(b.constData() + at);
            return out;
        };
        auto firstAbove = [](const QVector<int> &s, int from, int level) {
            for (int i = from; i < s.size(); ++i)
                if (std::abs(s[i]) >= level)
                    return i;
            return -1;
        };
        for (const float tempo : {1.0f, 0.8f}) {
            window.audioPlayer()->setHop(tempo);
            window.audioPlayer()->activateTempo(tempo == 1.0f);
            const double stretched = double(AudioPlayer::blockFrames) / std::floor(AudioPlayer::blockFrames * tempo);
            const int slack = 100; // a few milliseconds
            struct {
                const char *name;
                int start, end, firstClick;
            } ranges[] = {{"whole", 0, frames, 0}, {"selection", 4 * beat, 8 * beat, 0}, {"riff", 4 * beat - 2048, 6 * beat - 2048, 2048}};
            for (const auto &r : ranges) {
                answer = {folder + "/" + r.name + QString::number(tempo) + ".wav", "WAV (*.wav)"};
                *selection->startPointer() = r.name == QByteArray("selection") ? r.start : 0;
                *selection->endPointer() = r.name == QByteArray("selection") ? r.end : 0;
                if (r.name == QByteArray("riff"))
                    window.exportRiffWav();
                else if (r.name == QByteArray("selection"))
                    window.exportSelection();
                else
                    window.exportAudioMP3();
                const QVector<int> s = samples(answer.path);
                const QString what = QString("%1 at %2").arg(r.name).arg(tempo);
                QVERIFY2(std::abs(s.size() - (r.end - r.start) * stretched) <= slack,
                         qPrintable(what + QString(": %1 frames").arg(s.size())));
                // The first click at full level where the range has it, and the next one a
                // beat later.
                const int first = firstAbove(s, 0, 5000);
                const int expected = int(r.firstClick * stretched);
                QVERIFY2(std::abs(first - expected) <= slack, qPrintable(what + QString(": click at %1").arg(first)));
                const int second = firstAbove(s, first + beat / 2, 5000);
                QVERIFY2(std::abs(second - (expected + beat * stretched)) <= slack,
                         qPrintable(what + QString(": next click at %1").arg(second)));
            }
        }
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));
    }

    // An export replaces a file through a symbolic link, keeping its permissions; it clears
    // stale hidden parts in that folder and no others; the window gets its turn between blocks.
    void partsSymlinksAndTurns()
    {
        const QString folder = m_dir.filePath("parts/takes");
        QVERIFY(QDir().mkpath(folder));
        const QByteArray wav("RIFF\0\0\0\0WAVEfmt ", 16);
        const struct {
            const char *name;
            QByteArray bytes;
            bool old;
        } parts[] = {{".killed.wav.1x2y3z.part", wav, true}, {".empty.MP3.9.part", "", true},
                     {".running.wav.k2.part", wav, true},    {".recent.wav.k3.part", wav, false},
                     {".notes.wav.k4.part", "my notes", true}};
        for (const auto &part : parts) {
            QFile f(folder + "/" + part.name);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(part.bytes) == part.bytes.size() && f.flush());
            QVERIFY(!part.old || f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        }
        const int running = ::open(QFile::encodeName(folder + "/.running.wav.k2.part").constData(), O_RDONLY);
        QVERIFY(running >= 0 && ::flock(running, LOCK_EX) == 0);
        const QString real = folder + "/real.wav", link = m_dir.filePath("parts/link.wav");
        QVERIFY(writePcm16Wav(real, QByteArray(400, '\1'), 2));
        QVERIFY(::chmod(QFile::encodeName(real).constData(), 0600) == 0);
        QVERIFY(QFile::link("takes/real.wav", link));

        ExportWriter writer(link, ExportWriter::Wav, 44100);
        int turns = 0;
        writer.setWaitHandler([&turns] { ++turns; });
        QVERIFY(writer.start());
        const Tone tone(1024);
        for (int block = 0; block < 3; ++block) {
            QThread::msleep(30); // the caller renders the next block
            QVERIFY(writer.write(tone.left.data(), tone.right.data(), 1024));
        }
        QVERIFY(writer.finish());
        ::close(running);
        QCOMPARE(turns, 3);
        const QStringList kept = {"real.wav", ".running.wav.k2.part", ".recent.wav.k3.part", ".notes.wav.k4.part"};
        QVERIFY2(leftovers(folder, kept).isEmpty(), qPrintable(leftovers(folder, kept).join(' ')));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), kept.size());
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QFileInfo(real).size(), qint64(44 + 4 * 3 * 1024));
        struct stat replaced;
        QVERIFY(::stat(QFile::encodeName(real).constData(), &replaced) == 0 && (replaced.st_mode & 0777) == 0600);
    }

    // While the analysis runs every export is refused before its dialog; while an export
    // runs, a dropped file opens nothing and closing waits for the file.
    void exportsWaitForTheAnalysisAndHoldTheWindow()
    {
        fakeLame("sleep 1\nfor last in \"$@\"; do :; done\ncat > \"$last\"\n");
        const QString track = m_dir.filePath("held.wav"), other = m_dir.filePath("other.wav");
        QVERIFY(writePcm16Wav(track, QByteArray(44100 * 30 * 4, '\x08'), 2));
        QVERIFY(writePcm16Wav(other, QByteArray(200000 * 4, '\x10'), 2));
        AnsweringWindow answering;
        MainWindow &window = answering.window;
        answering.answer = {m_dir.filePath("held.mp3"), "MP3 (*.mp3)"};
        QCOMPARE(window.open(track), 0);
        const bool analysing = window.metaDataThread()->isRunning();
        if (analysing) {
            window.exportAudioMP3();
            window.exportRiffWav();
            window.exportSongWav();
            QCOMPARE(answering.messages.size(), 3);
            QVERIFY(answering.messages.takeFirst().startsWith("Meta data extraction still running!"));
            QVERIFY(!QFileInfo::exists(answering.answer.path));
            answering.messages.clear();
        }
        QVERIFY(window.metaDataThread()->wait(120000));
        window.show();
        bool closedDuringTheExport = true;
        QTimer::singleShot(0, &window, [&] {
            QMimeData mime;
            mime.setUrls({QUrl::fromLocalFile(other)});
            QDropEvent drop(QPointF(500, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&window, &drop);
            closedDuringTheExport = window.close();
        });
        window.exportAudioMP3();
        QVERIFY(!closedDuringTheExport);
        QCOMPARE(QFileInfo(answering.answer.path).size(), qint64(44 + 44100 * 30 * 4));
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(window.pathsManager()->lastFile(), track);
        QVERIFY2(answering.messages.isEmpty(), qPrintable(answering.messages.join('\n')));
        if (!analysing)
            QSKIP("the analysis ended before the exports could be refused; the rest was checked");
    }

    void realEncoderDecodesBack()
    {
        if (ExportWriter::encoderProgram().isEmpty())
            QSKIP("lame is not installed (scripts/deps.sh installs it)");
        const QString path = m_dir.filePath(QString::fromUtf8("real \xc3\xa9t\xc3\xa9.mp3"));
        const Tone tone(3 * 44100);
        ExportWriter writer(path, ExportWriter::Mp3, 44100);
        QVERIFY(writer.start());
        QVERIFY(writeBlocks(writer, tone));
        QVERIFY2(writer.finish(), qPrintable(writer.errorDetail()));

        const audiolayer::Handle back = audiolayer::openFile(path.toUtf8().toStdString());
        QVERIFY2(back, audiolayer::errorText(audiolayer::lastError()));
        audiolayer::StreamInfo info;
        QVERIFY(audiolayer::streamInfo(back, &info));
        QCOMPARE(info.sampleRate, 44100);
        QCOMPARE(info.channels, 2);
        std::vector<float> buffer(8192);
        qint64 frames = 0;
        double energy = 0;
        int bytes;
        while ((bytes = audiolayer::readFloats(back, buffer.data(), int(buffer.size() * sizeof(float)))) > 0) {
            for (int i = 0; i < bytes / 4; i += 2)
                energy += double(buffer[size_t(i)]) * buffer[size_t(i)];
            frames += bytes / 8;
        }
        audiolayer::freeStream(back);
        // The encoder's padding is trimmed or at most two frames of 1152.
        QVERIFY2(std::abs(frames - 3 * 44100) <= 2304, qPrintable(QString::number(frames)));
        // A sine of amplitude 0.5 on the left: mean square 0.125.
        QVERIFY2(std::abs(energy / frames - 0.125) < 0.01, qPrintable(QString::number(energy / frames)));
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
