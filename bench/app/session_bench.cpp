// Saving a session and loading it again for the track already open, in the real main
// window (offscreen): a three-minute track with its analysis, two riffs, a song, a loop
// and the tools set. Also the two halves alone: building the file's text from the views
// and reading it back. The window runs in its own temporary home, so no user settings or
// folders are touched.
#include "app/datafolder.h"
#include "bench/app/beattrack.h"
#include "app/mainwindow.h"
#include "app/pathsmanager.h"
#include "app/sessiondocument.h"
#include "app/tabwidget.h"
#include "views/jam/riffidwidget.h"
#include "views/jam/riffstep.h"
#include "views/jam/songstep.h"
#include "views/playback/transportwidget.h"
#include "views/playback/wavebg.h"

#include <benchmark/benchmark.h>

#include <QApplication>
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
    const QString track = writeBeatTrack(home->path(), "session-bench.wav", 180, {"Am", "C"});
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
