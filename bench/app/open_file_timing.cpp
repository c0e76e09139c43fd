// Opens a 4-minute stereo MP3 in the main window (offscreen) and prints the time from
// MainWindow::open to the waveform shown (and the decode alone), and the process memory
// before, right after the open, and at its peak once the analysis has finished. The MP3
// is made once from a generated signal. The window runs in its own temporary home, so no user settings or
// folders are touched.
// Usage: open_file_timing [--mp3=FILE] [--runs=N]
#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "metadata/metadatathread.h"

#include "benchtrack.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

bool makeMp3(const QString &path)
{
    return makeFourMinuteTrack(path, {"-c:a", "libmp3lame", "-b:a", "192k"});
}

} // namespace

int main(int argc, char **argv)
{
    QString mp3 = "/tmp/plectronome-bench/song-4min.mp3";
    int runs = 5;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith("--mp3="))
            mp3 = arg.mid(6);
        else if (arg.startsWith("--runs="))
            runs = std::max(1, arg.mid(7).toInt());
    }
    QTemporaryDir home;
    useBenchHome(home.path());

    QApplication app(argc, argv);
    dataFolderPath = QStandardPaths::writableLocation(QStandardPaths::DataLocation) + "/Plectronome";
    if (!makeMp3(mp3)) {
        std::fprintf(stderr, "cannot make %s (is ffmpeg installed?)\n", qPrintable(mp3));
        return 1;
    }

    MainWindow window;
    window.setMessageBoxHook([](QMessageBox::Icon, const QString &title, const QString &text,
                                QMessageBox::StandardButtons, QMessageBox::StandardButton) {
        std::fprintf(stderr, "message: %s: %s\n", qPrintable(title), qPrintable(text));
        return QMessageBox::Cancel;
    });
    QCoreApplication::processEvents();

    const long rssBefore = statusKb("VmRSS:");
    std::vector<double> times;
    long rssLoaded = 0;
    long peak = 0;
    for (int run = 0; run < runs; ++run) {
        // Every run decodes and starts the analysis, as a first open does.
        QFile::remove(dataFolderPath + "/metadata/" + QFileInfo(mp3).completeBaseName() + ".pqm");
        QElapsedTimer timer;
        timer.start();
        const int result = window.open(mp3);
        QCoreApplication::processEvents();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        if (result != 0) {
            std::fprintf(stderr, "open failed: %d\n", result);
            return 1;
        }
        if (run == 0)
            rssLoaded = statusKb("VmRSS:");
        window.metaDataThread()->wait();
        QCoreApplication::processEvents();
        if (run == 0)
            peak = statusKb("VmHWM:");
        times.push_back(ms);
    }
    // The decode alone (no drawing, no analysis), for the share of the whole.
    std::vector<double> decodeTimes;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        if (window.decodeAudioFile(mp3) != 0)
            return 1;
        decodeTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(decodeTimes.begin(), decodeTimes.end());
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    std::printf("file: %s, %d frames at %d Hz, %d channels\n", qPrintable(mp3), window.frameCount(),
                window.sampleRate(), window.channelCount());
    std::printf("open to waveform shown: median %.1f ms, min %.1f ms, max %.1f ms over %d runs\n",
                sorted[sorted.size() / 2], sorted.front(), sorted.back(), runs);
    std::printf("of which decoding into the arrays: median %.1f ms\n", decodeTimes[decodeTimes.size() / 2]);
    std::printf("memory: %.1f MB before, %.1f MB with the track loaded, peak %.1f MB (analysis included)\n",
                rssBefore / 1024.0, rssLoaded / 1024.0, peak / 1024.0);
    window.close();
    return 0;
}
