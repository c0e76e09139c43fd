// Opening audio files: length limits, missing and corrupt files, tags in the title and
// labels, mono and stereo arrays, the recent-files menu, and the track actions.
#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "app/pathsmanager.h"
#include "app/tabwidget.h"
#include "metadata/analysiscache.h"
#include "metadata/metadata.h"
#include "metadata/metadatathread.h"
#include "audio/audioplayer.h"
#include "views/playback/custombutton.h"
#include "views/playback/smallplot.h"
#include "views/playback/smallplotplaymarker.h"
#include "views/playback/transportwidget.h"
#include "views/playback/wavebg.h"
#include "freshhome.h"
#include "../analysis/clicktrack.h"
#include "../eventually.h"
#include "../pcmwav.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QFileDialog>
#include <QLineEdit>
#include <QPaintEvent>
#include <QStandardPaths>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <taglib/fileref.h>
#include <taglib/tag.h>

#include <cmath>

namespace {

// The 16-bit value of frame i of channel c in the generated files.
qint16 sampleValue(int i, int channel)
{
    const double v = 12000.0 * std::sin(2.0 * M_PI * 440.0 * i / 44100.0) * (channel == 0 ? 1.0 : -0.5);
    return qint16(std::lround(v));
}

void putLe32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void putLe16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

// Writes a 16-bit PCM WAV file of the given length (at 44100 Hz unless told).
bool writeWav(const QString &path, int frames, int channels, quint32 rate = 44100)
{
    QByteArray data;
    data.reserve(frames * channels * 2);
    for (int i = 0; i < frames; ++i) {
        for (int c = 0; c < channels; ++c)
            putLe16(data, quint16(sampleValue(i, c)));
    }
    QByteArray out("RIFF");
    putLe32(out, quint32(36 + data.size()));
    out += "WAVEfmt ";
    putLe32(out, 16);
    putLe16(out, 1);
    putLe16(out, quint16(channels));
    putLe32(out, rate);
    putLe32(out, quint32(quint64(rate) * channels * 2));
    putLe16(out, quint16(channels * 2));
    putLe16(out, 16);
    out += "data";
    putLe32(out, quint32(data.size()));
    out += data;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

// A mono click track at bpm, of the given length, as 16-bit WAV.
bool writeClickWav(const QString &path, double bpm, double seconds)
{
    testsignal::ClickOptions options;
    options.bpm = bpm;
    options.seconds = seconds;
    QByteArray pcm;
    for (float sample : testsignal::makeClickTrack(options).samples)
        putLe16(pcm, quint16(qint16(std::lround(std::max(-1.0f, std::min(1.0f, sample)) * 32767.0f))));
    return writePcm16Wav(path, pcm, 1);
}

// A value of /proc/self/status, in kB.
long statusKb(const char *key)
{
    QFile file("/proc/self/status");
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key))).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

bool tagFile(const QString &path, const QString &title, const QString &artist, const QString &album)
{
    TagLib::FileRef ref(QFile::encodeName(path).constData());
    if (ref.isNull() || !ref.tag())
        return false;
    ref.tag()->setTitle(TagLib::String(title.toUtf8().constData(), TagLib::String::UTF8));
    ref.tag()->setArtist(TagLib::String(artist.toUtf8().constData(), TagLib::String::UTF8));
    ref.tag()->setAlbum(TagLib::String(album.toUtf8().constData(), TagLib::String::UTF8));
    return ref.save();
}

QAction *actionNamed(MainWindow &window, const QString &text)
{
    for (QAction *action : window.findChildren<QAction *>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

struct ShownMessage {
    QMessageBox::Icon icon;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
};

} // namespace

class TestOpenFile : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_short;
    QString m_minimum;
    QString m_mono;
    QString m_tagged;

    QList<ShownMessage> m_messages;
    QMessageBox::StandardButton m_answer = QMessageBox::Cancel;
    QStringList m_dialogAnswers;
    QStringList m_dialogFilters;

    // Replaces every box and dialog of the window by recorded answers.
    void attach(MainWindow &window)
    {
        window.setMessageBoxHook([this](QMessageBox::Icon icon, const QString &title, const QString &text,
                                        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton def) {
            m_messages << ShownMessage{icon, title, text, buttons, def};
            return m_answer;
        });
        window.setFileDialogHook([this](const QString &, const QString &, const QString &filter) {
            m_dialogFilters << filter;
            return m_dialogAnswers.isEmpty() ? QString() : m_dialogAnswers.takeFirst();
        });
    }

    // Opens a file and lets its analysis finish, so the next open is not refused.
    int openAndSettle(MainWindow &window, const QString &path)
    {
        const int result = window.open(path);
        window.metaDataThread()->wait();
        QCoreApplication::processEvents();
        return result;
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        startFromAFreshHome();
        QVERIFY(m_dir.isValid());
        m_short = path("short.wav");
        m_minimum = path("minimum.wav");
        m_mono = path("mono.wav");
        m_tagged = path("tagged.wav");
        QVERIFY(writeWav(m_short, MainWindow::minimumFrames - 1, 2));
        QVERIFY(writeWav(m_minimum, MainWindow::minimumFrames, 2));
        QVERIFY(writeWav(m_mono, 150000, 1));
        QVERIFY(writeWav(m_tagged, 120000, 2));
        QVERIFY(tagFile(m_tagged, QString::fromUtf8("Sommerl\xc3\xa4nd"), "The Testers", "Fixtures"));
    }

    void init()
    {
        m_messages.clear();
        m_answer = QMessageBox::Cancel;
        m_dialogAnswers.clear();
        m_dialogFilters.clear();
    }

    void lengthLimits()
    {
        MainWindow window;
        attach(window);
        QCOMPARE(openAndSettle(window, m_short), -1);
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0].title, QString("Cannot load file"));
        QCOMPARE(m_messages[0].text, QString("File too small!<br />Please choose another file."));
        QCOMPARE(m_messages[0].icon, QMessageBox::Warning);
        QVERIFY(!window.isTrackLoaded());
        QVERIFY(window.leftSamples() == nullptr);
        QCOMPARE(window.windowTitle(), QString("Plectronome"));
        QVERIFY(window.recentFiles().isEmpty());

        QCOMPARE(openAndSettle(window, m_minimum), 0);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(window.isTrackLoaded());
        QCOMPARE(window.frameCount(), MainWindow::minimumFrames);
        QCOMPARE(window.sampleRate(), 44100);
        QCOMPARE(window.channelCount(), 2);
        QVERIFY(window.isStereo());
        // Every frame holds the decoded value, to the last one: nothing uninitialised.
        for (int i : {0, 1, 777, 54321, MainWindow::minimumFrames - 1}) {
            QCOMPARE(window.leftSamples()[i], sampleValue(i, 0) / 32768.0f);
            QCOMPARE(window.rightSamples()[i], sampleValue(i, 1) / 32768.0f);
        }
        QVERIFY(!window.waveBg()->plotter()->isHidden());
        QCOMPARE(window.pathsManager()->lastFile(), m_minimum);
        QCOMPARE(window.pathsManager()->openDialogFolder(), m_dir.path());
    }

    void lengthComesFromTheDecodedFrames()
    {
        // The header promises 150000 frames, the file holds 120000: the track has 120000.
        const QString truncated = path("truncated.wav");
        QVERIFY(writeWav(truncated, 150000, 2));
        QVERIFY(QFile::resize(truncated, 44 + 120000 * 4));
        MainWindow window;
        attach(window);
        QCOMPARE(openAndSettle(window, truncated), 0);
        QCOMPARE(window.frameCount(), 120000);
        QCOMPARE(window.leftSamples()[119999], sampleValue(119999, 0) / 32768.0f);
        QCOMPARE(window.rightSamples()[119999], sampleValue(119999, 1) / 32768.0f);

        // Cut below the minimum, it is refused although its header says enough.
        QVERIFY(QFile::resize(truncated, 44 + 90000 * 4));
        QCOMPARE(openAndSettle(window, truncated), -1);
        QCOMPARE(m_messages.value(0).text, QString("File too small!<br />Please choose another file."));
    }

    void refusedWhileTheAnalysisRuns()
    {
        // Half a minute of audio keeps the analysis busy far longer than the next call takes.
        const QString longer = path("longer.wav");
        QVERIFY(writeWav(longer, 44100 * 30, 2));
        MainWindow window;
        attach(window);
        QCOMPARE(window.open(longer), 0);
        if (!window.metaDataThread()->isRunning())
            QSKIP("the analysis ended before it could be interrupted");
        QCOMPARE(window.open(m_minimum), 1);
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0].title, QString("Cannot load file"));
        QCOMPARE(m_messages[0].text, QString("Meta data extraction still running!<br />Please wait till processing "
                                             "is finished<br />before loading a new file."));
        QCOMPARE(window.pathsManager()->lastFile(), longer);
        QCOMPARE(window.frameCount(), 44100 * 30);
        window.metaDataThread()->wait();
    }

    void monoSourceFillsBothArrays()
    {
        MainWindow window;
        attach(window);
        QCOMPARE(openAndSettle(window, m_mono), 0);
        QCOMPARE(window.frameCount(), 150000);
        QCOMPARE(window.channelCount(), 1);
        QVERIFY(!window.isStereo());
        QVERIFY(std::equal(window.leftSamples(), window.leftSamples() + 150000, window.rightSamples()));
        QCOMPARE(window.leftSamples()[149999], sampleValue(149999, 0) / 32768.0f);
    }

    void missingFile()
    {
        MainWindow window;
        attach(window);
        const QString gone = path("gone.wav");
        QCOMPARE(window.open(gone), 1);
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0].title, QString("File not found!"));
        QCOMPARE(m_messages[0].text,
                 QString("Audio file could not be located<br />Do you want to manually select an audio file?"));
        QCOMPARE(m_messages[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(m_messages[0].defaultButton, QMessageBox::Cancel);
        QVERIFY(!window.fileRelocated());

        // OK, then a replacement from the dialog: it loads and counts as relocated.
        m_answer = QMessageBox::Ok;
        m_dialogAnswers << m_minimum;
        QCOMPARE(openAndSettle(window, gone), 0);
        QVERIFY(window.fileRelocated());
        QCOMPARE(window.pathsManager()->lastFile(), m_minimum);
        QCOMPARE(window.recentFiles(), QStringList() << m_minimum);
        QCOMPARE(m_dialogFilters.size(), 1);
        QVERIFY(m_dialogFilters[0].startsWith("All types (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff "
                                              "*.aif);;"));
        QVERIFY(!m_dialogFilters[0].contains("*.aac*"));

        // OK, then a cancelled dialog: nothing changes.
        m_dialogAnswers.clear();
        QCOMPARE(window.open(gone), 1);
        QVERIFY(window.isTrackLoaded());
        QVERIFY(!window.fileRelocated());
    }

    // A file that fails once decoding has begun (here too short), like one the decoder
    // cannot even start on (corrupt, empty), is refused and keeps the previous track.
    void failedDecodeKeepsThePreviousTrack()
    {
        const QString corrupt = path("corrupt.mp3");
        {
            QFile file(corrupt);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QByteArray junk(40000, '\0');
            for (int i = 0; i < junk.size(); ++i)
                junk[i] = char((i * 7919 + 13) % 251);
            file.write(junk);
        }
        MainWindow window;
        attach(window);
        QAction *saveAudio = actionNamed(window, "Save Audio");
        QAction *saveAs = actionNamed(window, "Save Session &As...");
        QAction *saveSession = actionNamed(window, "&Save Session");
        QAction *saveSelection = actionNamed(window, "Save Audio Selection");
        QVERIFY(saveAudio && saveAs && saveSession && saveSelection);
        saveSelection->setEnabled(true);
        saveSession->setEnabled(true);

        QCOMPARE(openAndSettle(window, m_minimum), 0);
        QVERIFY(saveAudio->isEnabled());
        QVERIFY(saveAs->isEnabled());
        QVERIFY(!saveSession->isEnabled());
        QVERIFY(!saveSelection->isEnabled());

        QCOMPARE(openAndSettle(window, corrupt), -1);
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0].title, QString("Cannot load file"));
        QCOMPARE(m_messages[0].text, QString("Please select a different audio file."));
        QVERIFY(window.isTrackLoaded());
        QCOMPARE(window.frameCount(), MainWindow::minimumFrames);
        QVERIFY(saveAudio->isEnabled());

        m_messages.clear();
        QCOMPARE(openAndSettle(window, m_short), -1);
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0].text, QString("File too small!<br />Please choose another file."));
        QVERIFY(window.isTrackLoaded() && saveAudio->isEnabled() && saveAs->isEnabled());
        QCOMPARE(window.audioPlayer()->trackLength(), MainWindow::minimumFrames);
        QCOMPARE(window.waveBg()->plotter()->sampleCount(), MainWindow::minimumFrames);
        QCOMPARE(window.recentFiles(), QStringList() << m_minimum);

        // An empty file is refused like the corrupt one.
        const QString empty = path("empty.wav");
        QFile(empty).open(QIODevice::WriteOnly);
        m_messages.clear();
        QCOMPARE(openAndSettle(window, m_minimum), 0);
        QCOMPARE(openAndSettle(window, empty), -1);
        QCOMPARE(m_messages.value(0).text, QString("Please select a different audio file."));
        QVERIFY(window.isTrackLoaded());
    }

    // What is no sound file of a rate we play is refused at once with a message that
    // says why; nothing blocks, nothing decodes without end.
    void hostileAudioIsRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("message");
        const QString different = "Please select a different audio file.";
        const QString rate = "The sample rate of this file is not supported!<br />"
                             "Please choose a file recorded at 4 kHz to 768 kHz.";
        QTest::newRow("FIFO named .wav") << "fifo" << -1 << different;
        QTest::newRow("/dev/urandom named .mp3") << "urandom" << -1 << different;
        QTest::newRow("folder named .wav") << "folder" << -1 << different;
        QTest::newRow("1 Hz") << "1" << -1 << rate;
        QTest::newRow("100 Hz") << "100" << -1 << rate;
        QTest::newRow("3999 Hz") << "3999" << -1 << rate;
        QTest::newRow("4 MHz") << "4000000" << -1 << rate;
        QTest::newRow("2^31 Hz") << "2147483648" << -1 << QString();
        QTest::newRow("4000 Hz loads") << "4000" << 0 << QString();
        QTest::newRow("352.8 kHz loads") << "352800" << 0 << QString();
    }

    void hostileAudioIsRefused()
    {
        QFETCH(QString, kind);
        QFETCH(int, result);
        QFETCH(QString, message);
        QString file;
        if (kind == "fifo") {
            file = path("pipe.wav");
            QCOMPARE(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        } else if (kind == "urandom") {
            file = path("random.mp3");
            QVERIFY(QFile::link("/dev/urandom", file));
        } else if (kind == "folder") {
            file = path("folder.wav");
            QVERIFY(QDir().mkpath(file));
        } else {
            file = path("rate" + kind + ".wav");
            QVERIFY(writeWav(file, MainWindow::minimumFrames + 10, 1, quint32(kind.toULongLong())));
        }
        MainWindow window;
        attach(window);
        // A read that blocked on the FIFO or /dev/urandom would hang till the time limit.
        QCOMPARE(openAndSettle(window, file), result);
        if (result == 0) {
            QVERIFY(m_messages.isEmpty());
            QCOMPARE(window.sampleRate(), int(kind.toLongLong()));
            QCOMPARE(window.audioPlayer()->sampleRate(), int(kind.toLongLong()));
        } else {
            QCOMPARE(m_messages.size(), 1);
            QCOMPARE(m_messages[0].title, QString("Cannot load file"));
            if (!message.isEmpty())
                QCOMPARE(m_messages[0].text, message);
            QVERIFY(!window.isTrackLoaded());
        }
        QFile::remove(file);
        QDir().rmdir(file);
    }

    // A WAV whose header announces 4 GB (a sparse file) is refused from its header:
    // nothing is decoded, so the process needs next to no memory for it.
    void aHugeAnnouncedLengthIsRefusedBeforeDecoding()
    {
        const QString file = path("huge.wav");
        const quint32 dataBytes = 0xFFFFFF00u;
        QByteArray header("RIFF");
        putLe32(header, 36 + dataBytes);
        header += "WAVEfmt ";
        putLe32(header, 16);
        putLe16(header, 1);
        putLe16(header, 2);
        putLe32(header, 44100);
        putLe32(header, 44100 * 4);
        putLe16(header, 4);
        putLe16(header, 16);
        header += "data";
        putLe32(header, dataBytes);
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(header) == header.size());
        QVERIFY(out.resize(header.size() + qint64(dataBytes)));
        out.close();

        MainWindow window;
        attach(window);
        QFile clearPeak("/proc/self/clear_refs");
        QVERIFY(clearPeak.open(QIODevice::WriteOnly) && clearPeak.write("5") == 1);
        clearPeak.close();
        const long before = statusKb("VmRSS:");
        QCOMPARE(openAndSettle(window, file), -1);
        const long grown = statusKb("VmHWM:") - before;
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0].text, QString("File too large!<br />Please choose another file."));
        QVERIFY2(grown < 128 * 1024, qPrintable(QString::number(grown) + " kB"));
        QFile::remove(file);
    }

    // A new take saved under the name of a file analysed before (so newer than its cache)
    // is analysed again: its own tempo shows, not the old file's.
    void aReplacedFileIsAnalysedAgain()
    {
        const QString take = path("take.wav");
        QVERIFY(writeClickWav(take, 120.0, 20.0));
        MainWindow window;
        attach(window);
        QCOMPARE(openAndSettle(window, take), 0);
        MetaData *metaData = window.metaDataThread()->metaData();
        QVERIFY2(std::abs(metaData->tempo - 120.0f) < 2.0f, qPrintable(QString::number(metaData->tempo)));
        const QString cache = analysisCachePath(dataFolderPath, take);
        QVERIFY(QFileInfo(cache).isFile());

        QVERIFY(writeClickWav(take, 90.0, 30.0));
        QFile replaced(take);
        QVERIFY(replaced.open(QIODevice::ReadWrite));
        // Written after the cache, whatever the grain of the file system's clock.
        QVERIFY(replaced.setFileTime(QFileInfo(cache).lastModified().addSecs(2), QFileDevice::FileModificationTime));
        replaced.close();
        QCOMPARE(openAndSettle(window, take), 0);
        QVERIFY2(std::abs(metaData->tempo - 90.0f) < 2.0f, qPrintable(QString::number(metaData->tempo)));
        QVERIFY(m_messages.isEmpty());
    }

    // After failed opens with no track loaded the overview, the play keys and the play
    // button show nothing playing.
    void aFailedOpenLeavesNoPlayingState()
    {
        MainWindow window;
        attach(window);
        QCOMPARE(openAndSettle(window, path("missing-dir/none.wav")), 1);
        QCOMPARE(openAndSettle(window, m_short), -1);
        QVERIFY(!window.isTrackLoaded());
        QVERIFY(!window.waveBg()->smallPlot()->hasTrack());
        QVERIFY(window.waveBg()->smallPlotPlayMarker()->isHidden());
        window.activateWindow();
        CustomButton *play = window.transportWidget()->playButton();
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Down}) {
            QTest::keyClick(&window, key);
            QCoreApplication::processEvents();
            QVERIFY2(!play->isChecked() && play->drawnState() == 0, qPrintable(QKeySequence(key).toString()));
            QVERIFY(!window.audioPlayer()->isPlaying());
        }
        QTest::mouseClick(play, Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(!play->isChecked() && play->drawnState() == 0);
    }

    // In the real open dialog, a typed path opens with Return even while the completion
    // list shows, and Down moves in that list: keys belong to the dialog, not to the
    // play commands bound to them.
    void returnInTheOpenDialogOpensTheTypedPath()
    {
        MainWindow window;
        window.setMessageBoxHook([this](QMessageBox::Icon icon, const QString &title, const QString &text,
                                        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton def) {
            m_messages << ShownMessage{icon, title, text, buttons, def};
            return m_answer;
        });
        window.show();
        window.activateWindow();
        bool popupShown = false;
        bool downMovedInTheList = false;
        bool playLatched = false;
        QTimer::singleShot(0, &window, [&] {
            QFileDialog *dialog = nullptr;
            QTRY_VERIFY_WITH_TIMEOUT((dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())),
                                     eventuallyMs);
            auto *edit = dialog->findChild<QLineEdit *>("fileNameEdit");
            QVERIFY(edit);
            edit->setFocus();
            QTest::keyClicks(edit, m_dir.path() + "/mini");
            QTRY_VERIFY_WITH_TIMEOUT(edit->completer() && edit->completer()->popup()->isVisible(), eventuallyMs);
            popupShown = true;
            QAbstractItemView *popup = edit->completer()->popup();
            const int before = popup->currentIndex().row();
            QTest::keyClick(QApplication::activePopupWidget() ? QApplication::activePopupWidget() : edit, Qt::Key_Down);
            downMovedInTheList = popup->currentIndex().row() != before;
            playLatched = window.transportWidget()->playButton()->isChecked();
            edit->setText(m_minimum);
            QTest::keyClick(QApplication::activePopupWidget() ? QApplication::activePopupWidget() : edit, Qt::Key_Return);
        });
        // Never leave a dialog open should the steps above fail (after their waits).
        QTimer::singleShot(3 * eventuallyMs, &window, [] {
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
        const int opened = window.open();
        window.metaDataThread()->wait();
        QVERIFY(popupShown);
        QVERIFY(downMovedInTheList);
        QVERIFY(!playLatched);
        QCOMPARE(opened, 0);
        QCOMPARE(window.pathsManager()->lastFile(), m_minimum);
        QVERIFY(!window.audioPlayer()->isPlaying());
    }

    void tagsInTitleAndLabels()
    {
        const QStringList tags = {"Title", "Artist", "Album"};
        QCOMPARE(MainWindow::trackLabel(tags, "/a/b/c.wav"), QString("Artist - Title"));
        QCOMPARE(MainWindow::trackLabel({"", "Artist", ""}, "/a/b/c.wav"), QString("Artist - "));
        QCOMPARE(MainWindow::trackLabel({"", "", "Album"}, "/a/b/c.wav"), QString("c.wav"));
        QCOMPARE(MainWindow::trackLabel({}, "c.wav"), QString("c.wav"));

        MainWindow window;
        attach(window);
        QCOMPARE(openAndSettle(window, m_tagged), 0);
        QCOMPARE(window.trackTags(),
                 QStringList() << QString::fromUtf8("Sommerl\xc3\xa4nd") << "The Testers" << "Fixtures");
        QCOMPARE(window.windowTitle(), QString::fromUtf8("Plectronome | The Testers - Sommerl\xc3\xa4nd"));

        // The next file has no tags: the old ones must not stay.
        QCOMPARE(openAndSettle(window, m_minimum), 0);
        QCOMPARE(window.trackTags(), QStringList() << "" << "" << "");
        QCOMPARE(window.windowTitle(), QString("Plectronome | minimum.wav"));
    }

    void recentFilesMenu()
    {
        MainWindow window;
        attach(window);
        window.clearRecent();
        QMenu *menu = window.recentFilesMenu();
        QVERIFY(!menu->isEnabled());

        QCOMPARE(openAndSettle(window, m_minimum), 0);
        QCOMPARE(openAndSettle(window, m_mono), 0);
        QCOMPARE(window.recentFiles(), QStringList() << m_mono << m_minimum);
        QCOMPARE(openAndSettle(window, m_minimum), 0);
        QCOMPARE(window.recentFiles(), QStringList() << m_minimum << m_mono);
        QVERIFY(menu->isEnabled());
        QList<QAction *> actions = menu->actions();
        QCOMPARE(actions.size(), 4);
        QVERIFY(actions[2]->isSeparator());
        QCOMPARE(actions[3]->text(), QString("&Clear Recent"));

        // Picking an entry opens it (from inside the menu's own signal) and moves it up.
        actions[1]->trigger();
        window.metaDataThread()->wait();
        QCOMPARE(window.pathsManager()->lastFile(), m_mono);
        QCOMPARE(window.frameCount(), 150000);
        QCOMPARE(window.recentFiles(), QStringList() << m_mono << m_minimum);
        QCoreApplication::processEvents();
        QCOMPARE(openAndSettle(window, m_minimum), 0);
        actions = menu->actions();

        // At most eight files, the oldest dropped; only one separator.
        QStringList paths;
        for (int i = 0; i < 10; ++i)
            paths << QString("/music/song%1.mp3").arg(i);
        window.setRecentFiles(paths);
        QCOMPARE(window.recentFiles(), paths.mid(0, 8));
        window.addRecentFile(m_minimum);
        QCOMPARE(window.recentFiles(), QStringList() << m_minimum << paths.mid(0, 7));
        window.addRecentFile(paths[3]);
        QCOMPARE(window.recentFiles().first(), paths[3]);
        QCOMPARE(window.recentFiles().count(paths[3]), 1);
        actions = menu->actions();
        QCOMPARE(actions.size(), 10);
        int separators = 0;
        for (QAction *action : actions)
            separators += action->isSeparator() ? 1 : 0;
        QCOMPARE(separators, 1);

        // "Clear Recent", from the menu itself, and a file opened after it.
        actions.last()->trigger();
        QVERIFY(window.recentFiles().isEmpty());
        QVERIFY(menu->actions().isEmpty());
        QVERIFY(!menu->isEnabled());
        window.clearRecent();
        QCOMPARE(openAndSettle(window, m_mono), 0);
        QCOMPARE(window.recentFiles(), QStringList() << m_mono);
        QCOMPARE(menu->actions().size(), 3);
        QVERIFY(menu->isEnabled());

        // Stored lists holding the clear entry or empty texts make no entries for them.
        window.setRecentFiles({"", "&Clear Recent", "/x/a.wav", "Clear Recent", "/x/a.wav", "/x/b.wav"});
        QCOMPARE(window.recentFiles(), QStringList() << "/x/a.wav" << "/x/b.wav");

        // An "&" in a path shows as itself, not as a menu accelerator, and is kept as it is.
        window.setRecentFiles({"/x/rock & roll.wav"});
        QCOMPARE(menu->actions().first()->text(), QString("/x/rock && roll.wav"));
        QCOMPARE(window.recentFiles(), QStringList() << "/x/rock & roll.wav");
    }

    void recentEntriesAreRoutedByExtension()
    {
        const QString upper = path("LOUD.WAV");
        QVERIFY(QFile::copy(m_minimum, upper));
        MainWindow window;
        attach(window);
        // A session of the track on the chord viewer's tab.
        const QString session = path("practice.pq");
        QFile sessionFile(session);
        QVERIFY(sessionFile.open(QIODevice::WriteOnly));
        sessionFile.write("<!DOCTYPE PQXML>\n<pqxml>\n <currentTab>2</currentTab>\n</pqxml>\n");
        sessionFile.close();
        window.setRecentFiles({upper, "/x/cache.pqm", session, "/x/notes.txt"});
        QMenu *menu = window.recentFilesMenu();
        QList<QAction *> actions = menu->actions();

        // A capital extension is compared in lower case, and the name opened as it stands.
        actions[0]->trigger();
        window.metaDataThread()->wait();
        QCOMPARE(window.pathsManager()->lastFile(), upper);
        QVERIFY(window.isTrackLoaded());
        actions = menu->actions(); // rebuilt by the open
        QCOMPARE(actions[2]->data().toString(), session);

        actions[1]->trigger(); // a cache file: nothing
        actions[3]->trigger(); // not a file of ours: nothing
        QCOMPARE(window.pathsManager()->lastFile(), upper);
        QVERIFY(window.pathsManager()->sessionFile().isEmpty());
        actions[2]->trigger(); // a session
        QCOMPARE(window.pathsManager()->sessionFile(), session);
        QCOMPARE(window.tabWidget()->stack()->currentIndex(), 2);
        QVERIFY(m_messages.isEmpty());
    }

    void theWindowRepaintsBeforeDecoding()
    {
        // Decoding holds the event loop: where the file dialog was, the whole window is
        // painted again before the first sample is decoded, not when the track is in.
        MainWindow window;
        attach(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        struct PaintWatch : QObject {
            MainWindow *window = nullptr;
            bool dialogClosed = false;
            bool paintedBeforeDecoding = false;
            bool eventFilter(QObject *, QEvent *event) override
            {
                if (event->type() == QEvent::Paint && dialogClosed && window->frameCount() == 0
                    && static_cast<QPaintEvent *>(event)->rect().contains(window->rect()))
                    paintedBeforeDecoding = true;
                return false;
            }
        } watch;
        watch.window = &window;
        window.installEventFilter(&watch);
        window.setFileDialogHook([&](const QString &, const QString &, const QString &) {
            watch.dialogClosed = true;
            return m_minimum;
        });
        QCOMPARE(window.open(), 0);
        window.metaDataThread()->wait();
        QVERIFY(window.frameCount() > 0);
        QVERIFY(watch.paintedBeforeDecoding);
        window.removeEventFilter(&watch);
    }

    void cdDialogStartsWhereDiscsAreMounted()
    {
        // Without a disc the "Open CD Track" dialog opens where the desktop mounts discs,
        // or at home, never in the program's working folder.
        MainWindow window;
        attach(window);
        QStringList folders;
        window.setFileDialogHook([&folders](const QString &, const QString &folder, const QString &) {
            folders << folder;
            return QString();
        });
        window.openCD();
        QCOMPARE(folders.size(), 1);
        QVERIFY2(QFileInfo(folders.first()).isDir(), qPrintable(folders.first()));
        const QString user = qEnvironmentVariable("USER", QDir::home().dirName());
        const bool mediaFolder = QFileInfo("/media/" + user).isDir() || QFileInfo("/run/media/" + user).isDir();
        const QString cd =
            MainWindow::findAudioCdFolder(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + "/gvfs");
        if (!mediaFolder && cd.isEmpty())
            QCOMPARE(folders.first(), QDir::homePath());
    }

    void cdFolderLookup()
    {
        QTemporaryDir gvfs;
        QVERIFY(gvfs.isValid());
        QVERIFY(QDir(gvfs.path()).mkdir("smb-share:server=nas"));
        QVERIFY(QDir(gvfs.path()).mkdir("cdda:host=sr0"));
        QCOMPARE(MainWindow::findAudioCdFolder(gvfs.path()), gvfs.path() + "/cdda:host=sr0");
        // Without a CD the dialog opens in an empty folder (or at a mounted optical drive).
        const QString none = MainWindow::findAudioCdFolder(gvfs.path() + "/nothing");
        QVERIFY(none.isEmpty() || QFileInfo(none).isDir());
    }
};

QTEST_MAIN(TestOpenFile)
#include "tst_openfile.moc"
