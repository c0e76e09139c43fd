// Export of a processed 4-minute track (pitch up two semitones, isolate on) through the
// window's export command, side by side in one run with what it is measured against:
//   ExportMp3 vs LameAlone  - the MP3 export against "lame -b 320" alone on the same
//                             processed audio (a WAV file of it); the render and the encoder
//                             overlap, so the export should take at most 1.2x lame's time;
//   ExportWav vs RenderAlone - the WAV export against the offline render with no writing.
// peak_growth_MB: how far the process's peak memory rose above its size before the export
// (flat: the export holds one block and a bounded queue, never the whole track).
// The window runs offscreen in a temporary data folder; the track is made once with ffmpeg.
#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "audio/audioplayer.h"
#include "metadata/metadatathread.h"

#include "benchtrack.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

namespace {

// Starts a new peak: the kernel sets the high-water mark back to the current size.
void resetPeak()
{
    QFile refs("/proc/self/clear_refs");
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

struct Fixture {
    QTemporaryDir dir;
    MainWindow *window = nullptr;
    MainWindow::SaveFileChoice answer;
    QString processedWav;

    Fixture()
    {
        dataFolderPath = dir.filePath("data");
        const QString track = dir.filePath("four minutes.wav");
        if (!makeFourMinuteTrack(track, {"-c:a", "pcm_s16le"}))
            qFatal("ffmpeg could not make the track");
        window = new MainWindow;
        window->startTimer()->stop();
        window->setMessageBoxHook([](QMessageBox::Icon, const QString &, const QString &text,
                                     QMessageBox::StandardButtons, QMessageBox::StandardButton) {
            std::fprintf(stderr, "message: %s\n", qPrintable(text));
            return QMessageBox::Yes;
        });
        window->setSaveDialogHook([this](const QString &, const QString &, const QStringList &) { return answer; });
        if (window->open(track) != 0)
            qFatal("the track did not open");
        window->metaDataThread()->wait();
        QCoreApplication::processEvents();
        AudioPlayer *player = window->audioPlayer();
        player->setInterp(float(std::pow(2.0, 2.0 / 12.0)));
        player->activatePitch(false);
        player->activateSSS(false);
        processedWav = exportAs("processed", "WAV (*.wav)");
    }

    QString exportAs(const QString &name, const QString &filter)
    {
        const QString path = dir.filePath(name) + (filter.startsWith("MP3") ? ".mp3" : ".wav");
        QFile::remove(path);
        answer = {dir.filePath(name), filter};
        window->exportAudioMP3(false);
        if (QFileInfo(path).size() < 1000)
            qFatal("the export wrote nothing");
        return path;
    }

    static Fixture &get()
    {
        static Fixture *fixture = new Fixture;
        return *fixture;
    }
};

void runExport(benchmark::State &state, const char *filter)
{
    Fixture &f = Fixture::get();
    long growth = 0;
    for (auto _ : state) {
        resetPeak();
        const long before = statusKb("VmRSS:");
        QElapsedTimer clock;
        clock.start();
        f.exportAs("timed", filter);
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        growth = std::max(growth, statusKb("VmHWM:") - before);
    }
    state.counters["peak_growth_MB"] = double(growth) / 1024.0;
}

void ExportMp3(benchmark::State &state)
{
    runExport(state, "MP3 (*.mp3)");
}

void LameAlone(benchmark::State &state)
{
    Fixture &f = Fixture::get();
    const QString lame = QStandardPaths::findExecutable("lame");
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        if (QProcess::execute(lame, {"--silent", "-b", "320", f.processedWav, f.dir.filePath("alone.mp3")}) != 0)
            state.SkipWithError("lame failed");
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
}

void ExportWav(benchmark::State &state)
{
    runExport(state, "WAV (*.wav)");
}

void RenderAlone(benchmark::State &state)
{
    AudioPlayer *player = Fixture::get().window->audioPlayer();
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        player->stop(false);
        player->setPlayPosition(0);
        while (player->renderExportBlock() == 0) {
        }
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
}

} // namespace

BENCHMARK(ExportMp3)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(LameAlone)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(ExportWav)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(RenderAlone)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
