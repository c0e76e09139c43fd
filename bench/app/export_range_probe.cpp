// export_range_probe: does an export hold its whole range? A 2-minute track of short clicks,
// one on every beat (120 BPM, the first at frame 0), is opened in the offscreen window and
// exported through the window's commands as the whole track, a 4-beat selection that starts
// on a beat, and a riff of the same 4 beats, at tempo factors 1.0 and 0.8. Each file is
// decoded back with ffmpeg; the probe prints its length and its first onset (the first
// sample above a third of the file's peak) beside what the range asks for, in ms.
// Usage: export_range_probe (needs ffmpeg on the PATH)
#include "analysis/trackanalysis.h"
#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "audio/audioplayer.h"
#include "metadata/metadata.h"
#include "metadata/metadatathread.h"
#include "views/jam/beatselection.h"
#include "views/playback/wavebg.h"

#include "tests/pcmwav.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr int kBeat = kRate / 2;
constexpr int kFrames = 120 * kRate;

bool writeClickTrack(const QString &path)
{
    QByteArray data(kFrames * 4, '\0');
    for (int i = 0; i < kFrames; ++i) {
        const int t = i % kBeat;
        const double v = t < 2000 ? 0.8 * std::exp(-t / 300.0) * std::sin(2 * M_PI * 1000.0 * t / kRate) : 0.0;
        const qint16 s = qint16(std::lround(v * 32767));
        qToLittleEndian(s, data.data() + 4 * i);
        qToLittleEndian(s, data.data() + 4 * i + 2);
    }
    return writePcm16Wav(path, data, 2);
}

std::vector<float> decode(const QString &path)
{
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", {"-v", "error", "-i", path, "-f", "f32le", "-ac", "1", "-ar", QString::number(kRate), "-"});
    ffmpeg.waitForFinished(60000);
    const QByteArray raw = ffmpeg.readAllStandardOutput();
    std::vector<float> out(size_t(raw.size()) / sizeof(float));
    std::memcpy(out.data(), raw.constData(), out.size() * sizeof(float));
    return out;
}

// The engine moves on floor(1024 x tempo) frames a block: 819 at 0.8, so the file lasts the
// range x 1024 / 819, not quite the range / 0.8.
void report(const char *what, double tempo, const QString &path, double rangeFrames, double onsetFrames)
{
    const double stretch = 1024.0 / std::floor(1024.0 * tempo);
    const std::vector<float> s = decode(path);
    float peak = 0;
    for (float v : s)
        peak = std::max(peak, std::fabs(v));
    size_t first = 0;
    while (first < s.size() && std::fabs(s[first]) < peak / 3)
        ++first;
    const double ms = 1000.0 / kRate;
    std::printf("%-10s tempo %.1f  length %9.1f ms (range %9.1f, %+6.1f)  first onset %7.1f ms (expected %7.1f, %+6.1f)\n",
                what, tempo, s.size() * ms, rangeFrames * stretch * ms, (s.size() - rangeFrames * stretch) * ms,
                first * ms, onsetFrames * stretch * ms, (first - onsetFrames * stretch) * ms);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    dataFolderPath = dir.filePath("data");
    const QString track = dir.filePath("clicks.wav");
    if (!writeClickTrack(track))
        qFatal("cannot write the track");

    MainWindow window;
    window.startTimer()->stop();
    window.setMessageBoxHook([](QMessageBox::Icon, const QString &, const QString &text, QMessageBox::StandardButtons,
                                QMessageBox::StandardButton) {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return QMessageBox::Yes;
    });
    MainWindow::SaveFileChoice answer;
    window.setSaveDialogHook([&](const QString &, const QString &, const QStringList &) { return answer; });
    if (window.open(track) != 0)
        qFatal("the track did not open");
    window.metaDataThread()->wait();
    QCoreApplication::processEvents();

    // The beats where the clicks are.
    TrackAnalysis analysis;
    analysis.tempo = 120.0f;
    for (int b = 0; b * kBeat < kFrames; ++b) {
        analysis.beats.push_back(float(b * kBeat));
        analysis.chordLabels.push_back("C");
    }
    window.metaDataThread()->metaData()->setFromAnalysis(analysis);
    const int firstBeat = 40;
    BeatSelection *riff = window.waveBg()->plotter()->beatSelection(0);
    riff->setLastStep(3);
    riff->setLoopLength(3);
    for (int k = 0; k < 4; ++k)
        riff->restoreStep(k, BeatLabel::InLoop, firstBeat + k, 0, 0);
    riff->finishRestore();
    window.audioPlayer()->setRiff(0);
    PlotSelection *selection = window.waveBg()->plotter()->plotSelection();

    for (double tempo : {1.0, 0.8}) {
        AudioPlayer *player = window.audioPlayer();
        player->setHop(float(tempo));
        player->activateTempo(tempo == 1.0);
        const QString tag = QString::number(tempo);
        answer = {dir.filePath("whole" + tag + ".wav"), "WAV (*.wav)"};
        window.exportAudioMP3(false);
        report("track", tempo, answer.path, kFrames, 0);

        *selection->startPointer() = firstBeat * kBeat;
        *selection->endPointer() = (firstBeat + 4) * kBeat;
        answer = {dir.filePath("selection" + tag + ".wav"), "WAV (*.wav)"};
        window.exportSelection();
        report("selection", tempo, answer.path, 4 * kBeat, 0);
        *selection->startPointer() = *selection->endPointer() = 0;

        // A riff step runs from 2048 frames before its beat to 2048 before the next one.
        answer = {dir.filePath("riff" + tag + ".wav"), "WAV (*.wav)"};
        window.exportRiffWav();
        report("riff", tempo, answer.path, 4 * kBeat, 2048);
    }
    return 0;
}
