// Saving a session and loading it again for the track already open, in the real main
// window (offscreen): a three-minute track with its analysis, two riffs, a song, a loop
// and the tools set. Also the two halves alone: building the file's text from the views
// and reading it back. The window runs in its own temporary home, so no user settings or
// folders are touched.
#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "app/pathsmanager.h"
#include "app/sessiondocument.h"
#include "app/tabwidget.h"
#include "metadata/analysiscache.h"
#include "views/jam/riffidwidget.h"
#include "views/jam/riffstep.h"
#include "views/jam/songstep.h"
#include "views/playback/transportwidget.h"
#include "views/playback/wavebg.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <cmath>
#include <memory>

namespace {

QTemporaryDir *home = nullptr;
MainWindow *window = nullptr;
QString sessionPath;

QString writeTrack(const QString &folder, int seconds)
{
    const int frames = 44100 * seconds;
    QByteArray pcm;
    pcm.reserve(frames * 4);
    QDataStream out(&pcm, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    for (int i = 0; i < frames; ++i) {
        const double v = 0.3 * std::sin(2 * M_PI * 110.0 * i / 44100.0) * std::exp(-(i % 22050) / 5000.0);
        out << qint16(v * 30000) << qint16(v * 26000);
    }
    const QString path = QDir(folder).filePath("session-bench.wav");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QDataStream head(&file);
    head.setByteOrder(QDataStream::LittleEndian);
    file.write("RIFF");
    head << quint32(36 + pcm.size());
    file.write("WAVEfmt ");
    head << quint32(16) << quint16(1) << quint16(2) << quint32(44100) << quint32(44100 * 4) << quint16(4)
         << quint16(16);
    file.write("data");
    head << quint32(pcm.size());
    file.write(pcm);
    file.close();
    // Its analysis: a beat every half second, so that the open reads it at once.
    QVector<float> beats;
    QVector<QString> chords;
    for (float b = 4096.0f; b < float(frames); b += 22050.0f) {
        beats << b;
        chords << "Am";
    }
    chords.removeLast();
    writeAnalysisCache(analysisCachePath(dataFolderPath, path),
                       composeAnalysisCacheText(path, beats, chords, {"Am", "C"}, 120.0f));
    return path;
}

void buildRiff(JamTab *jam, int steps)
{
    for (int k = 0; k < steps; ++k) {
        const QPoint cell(30 * k + 15, 15);
        QTest::mouseClick(jam->riffStep(jam->currentRiff()), Qt::LeftButton, Qt::NoModifier, cell);
        QTest::mouseClick(jam->riffStep(jam->currentRiff()), Qt::LeftButton, Qt::NoModifier, cell);
    }
}

void setUp()
{
    if (window)
        return;
    const QString track = writeTrack(home->path(), 180);
    window = new MainWindow;
    window->setMessageBoxHook([](QMessageBox::Icon, const QString &, const QString &, QMessageBox::StandardButtons,
                                 QMessageBox::StandardButton) { return QMessageBox::Cancel; });
    window->open(track);
    RealTimeToolsTab *tools = window->tabWidget()->realTimeToolsTab();
    tools->tempoKnob()->setValue(110);
    tools->semitoneWidget()->increment();
    window->transportWidget()->loopButton()->latch();
    window->waveBg()->plotter()->plotSelection()->setStart(200);
    window->waveBg()->plotter()->plotSelection()->setEnd(400);
    JamTab *jam = window->tabWidget()->jamTab();
    buildRiff(jam, 8);
    QWheelEvent up(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
    QApplication::sendEvent(jam->riffIdWidget(), &up);
    buildRiff(jam, 4);
    for (int s = 0; s < 8; ++s)
        jam->songStep()->setRiffFromMenu(s % 2, s);
    sessionPath = home->path() + "/bench.pq";
    window->pathsManager()->setSessionFile(sessionPath);
    window->writeSessionFile(sessionPath);
}

void BM_SaveSession(benchmark::State &state)
{
    setUp();
    for (auto _ : state)
        benchmark::DoNotOptimize(window->writeSessionFile(sessionPath));
}
BENCHMARK(BM_SaveSession)->Unit(benchmark::kMillisecond);

void BM_LoadSessionForOpenTrack(benchmark::State &state)
{
    setUp();
    for (auto _ : state) {
        window->pathsManager()->setSessionFile(sessionPath);
        window->loadSession(true);
    }
}
BENCHMARK(BM_LoadSessionForOpenTrack)->Unit(benchmark::kMillisecond);

void BM_SessionTextFromViews(benchmark::State &state)
{
    setUp();
    for (auto _ : state)
        benchmark::DoNotOptimize(window->currentSession().toXml());
}
BENCHMARK(BM_SessionTextFromViews)->Unit(benchmark::kMillisecond);

void BM_ParseSessionText(benchmark::State &state)
{
    setUp();
    const QByteArray text = window->currentSession().toXml();
    for (auto _ : state) {
        SessionDocument session;
        benchmark::DoNotOptimize(session.parse(text));
    }
}
BENCHMARK(BM_ParseSessionText)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir dir;
    home = &dir;
    qputenv("HOME", dir.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (dir.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (dir.path() + "/data").toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    dataFolderPath = dir.path() + "/data/Plectronome";
    QDir().mkpath(dataFolderPath + "/metadata");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete window;
    return 0;
}
