// Times one pitch change on the GUI thread, from the control to the player: the control
// sends its value, the pitch sync works out the factor, the tools tab brings the other
// pitch controls in line and the player takes the factor. Counts the factors the player
// receives per change (one each). Controls: the pitch knob, the semitone read-out and the
// fine-tune read-out, in a shown tab that repaints.
// Run with QT_QPA_PLATFORM=offscreen and SDL_AUDIODRIVER=dummy (set by default).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "audio/audioplayer.h"
#include "views/playback/pitchsyncwidget.h"
#include "views/playback/realtimetoolstab.h"

namespace {

struct Scene
{
    RealTimeToolsTab tools;
    PitchSyncWidget sync;
    AudioPlayer player;
    long interpMessages = 0;

    Scene()
    {
        tools.resize(1000, 355);
        QObject::connect(tools.pitchKnob(), SIGNAL(setSyncValueSignal(QString,int)), &sync,
                         SLOT(setSyncValue(QString,int)));
        QObject::connect(tools.semitoneWidget(), SIGNAL(setSyncValueSignal(QString,int)), &sync,
                         SLOT(setSyncValue(QString,int)));
        QObject::connect(tools.fineTuneWidget(), SIGNAL(setSyncValueSignal(QString,int)), &sync,
                         SLOT(setSyncValue(QString,int)));
        QObject::connect(&sync, SIGNAL(updatePitchWidgets(QString,float)), &tools,
                         SLOT(updatePitchWidgets(QString,float)));
        QObject::connect(&sync, SIGNAL(setInterpFactor(float)), &player, SLOT(setInterp(float)));
        QObject::connect(&sync, &PitchSyncWidget::setInterpFactor, [this](float) { ++interpMessages; });
        tools.show();
        QApplication::processEvents();
    }
};

Scene *g_scene = nullptr;

Scene &scene()
{
    return *g_scene;
}

void report(benchmark::State &state, long before)
{
    state.counters["factors per change"] = double(scene().interpMessages - before) / double(state.iterations());
}

void BM_PitchKnobChange(benchmark::State &state)
{
    Scene &s = scene();
    const long before = s.interpMessages;
    int v = 100;
    for (auto _ : state) {
        v = v >= 199 ? 0 : v + 1;
        s.tools.pitchKnob()->setValue(v);
        QApplication::processEvents();
    }
    report(state, before);
}
BENCHMARK(BM_PitchKnobChange)->Unit(benchmark::kMicrosecond);

void BM_SemitoneStep(benchmark::State &state)
{
    Scene &s = scene();
    const long before = s.interpMessages;
    int direction = 1;
    for (auto _ : state) {
        IncrementWidget *semitones = s.tools.semitoneWidget();
        if (semitones->value() >= 11.0f)
            direction = -1;
        else if (semitones->value() <= -11.0f)
            direction = 1;
        direction > 0 ? semitones->increment() : semitones->decrement();
        QApplication::processEvents();
    }
    report(state, before);
}
BENCHMARK(BM_SemitoneStep)->Unit(benchmark::kMicrosecond);

void BM_FineTuneStep(benchmark::State &state)
{
    Scene &s = scene();
    const long before = s.interpMessages;
    int direction = 1;
    for (auto _ : state) {
        IncrementWidget *fine = s.tools.fineTuneWidget();
        if (fine->value() >= 98.0f)
            direction = -1;
        else if (fine->value() <= 1.0f)
            direction = 1;
        direction > 0 ? fine->increment() : fine->decrement();
        QApplication::processEvents();
    }
    report(state, before);
}
BENCHMARK(BM_FineTuneStep)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    g_scene = new Scene;
    benchmark::RunSpecifiedBenchmarks();
    delete g_scene;
    benchmark::Shutdown();
    return 0;
}
