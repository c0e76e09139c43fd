// export_ticks_probe: how well the window keeps going while it exports a processed 4-minute
// track (pitch up two semitones, isolate on) as MP3 through the real lame, and as WAV.
// A 5 ms timer ticks during the export; the probe prints the export's time, the ticks that
// ran, the longest gap between two of them and when that gap ended.
// The window runs offscreen in a temporary home; the track is made once with ffmpeg.
// Usage: export_ticks_probe [--runs=N] [--shot=PNG]   (--shot: a picture of the window
// taken one second into the first MP3 export; run under Xvfb)
#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "audio/audioplayer.h"
#include "metadata/metadatathread.h"

#include "benchtrack.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>

int main(int argc, char **argv)
{
    QTemporaryDir home;
    useBenchHome(home.path());
    QApplication app(argc, argv);
    int runs = 2;
    QString shot;
    for (const QString &arg : app.arguments().mid(1)) {
        if (arg.startsWith("--runs="))
            runs = std::max(1, arg.mid(7).toInt());
        else if (arg.startsWith("--shot="))
            shot = arg.mid(7);
    }
    dataFolderPath = home.filePath("data/Plectronome");
    const QString track = home.filePath("four minutes.wav");
    if (!makeFourMinuteTrack(track, {"-c:a", "pcm_s16le"})) {
        std::fprintf(stderr, "export_ticks_probe: ffmpeg could not make the track\n");
        return 1;
    }
    MainWindow window;
    window.startTimer()->stop();
    window.show();
    MainWindow::SaveFileChoice answer;
    window.setMessageBoxHook([](QMessageBox::Icon, const QString &, const QString &text, QMessageBox::StandardButtons,
                                QMessageBox::StandardButton) {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return QMessageBox::Yes;
    });
    window.setSaveDialogHook([&](const QString &, const QString &, const QStringList &) { return answer; });
    if (window.open(track) != 0) {
        std::fprintf(stderr, "export_ticks_probe: the track did not open\n");
        return 1;
    }
    window.metaDataThread()->wait();
    QCoreApplication::processEvents();
    AudioPlayer *player = window.audioPlayer();
    player->setInterp(float(std::pow(2.0, 2.0 / 12.0)));
    player->activatePitch(false);
    player->activateSSS(false);

    QElapsedTimer sinceTick;
    qint64 longestGapNs = 0;
    qint64 longestGapEndNs = 0; // since the export began
    QElapsedTimer sinceStart;
    int ticks = 0;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (sinceTick.nsecsElapsed() > longestGapNs) {
            longestGapNs = sinceTick.nsecsElapsed();
            longestGapEndNs = sinceStart.nsecsElapsed();
        }
        sinceTick.start();
        ++ticks;
    });

    std::printf("%-5s %10s %7s %16s %16s\n", "file", "export ms", "ticks", "longest gap ms", "gap ended at ms");
    for (int run = 0; run < runs; ++run) {
        for (const char *filter : {"MP3 (*.mp3)", "WAV (*.wav)"}) {
            const bool mp3 = filter[0] == 'M';
            answer = {home.filePath(mp3 ? "out.mp3" : "out.wav"), filter};
            QFile::remove(answer.path);
            longestGapNs = 0;
            ticks = 0;
            ticker.start();
            sinceTick.start();
            sinceStart.start();
            if (!shot.isEmpty() && mp3 && run == 0)
                QTimer::singleShot(1000, &window, [&] { window.grab().save(shot); });
            QElapsedTimer clock;
            clock.start();
            window.exportAudioMP3(false);
            const double exportMs = clock.nsecsElapsed() / 1e6;
            // The gap the export left before the next tick.
            QCoreApplication::processEvents();
            ticker.stop();
            if (QFileInfo(answer.path).size() < 1000) {
                std::fprintf(stderr, "export_ticks_probe: the export wrote nothing\n");
                return 1;
            }
            std::printf("%-5s %10.0f %7d %16.1f %16.0f\n", mp3 ? "MP3" : "WAV", exportMs, ticks, longestGapNs / 1e6,
                        longestGapEndNs / 1e6);
            std::fflush(stdout);
        }
    }
    return 0;
}
