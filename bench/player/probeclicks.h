// The player probes' click: the sound they put on beats and play as the metronome, where
// separate sounds start in what the player put out, and the run of a probe's child process
// whose output SDL's disk driver captures.
#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace probeclicks {

// 1024 frames: a 1760 Hz tone that rises over 24 frames and dies away.
inline std::vector<float> clickShape(int rate)
{
    std::vector<float> c(1024);
    for (int i = 0; i < 1024; ++i) {
        const double s = double(i) / rate;
        c[size_t(i)] = float(0.5 * std::min(1.0, i / 24.0) * std::exp(-s * 260.0) * std::sin(2 * M_PI * 1760.0 * s));
    }
    return c;
}

// Onsets of the separate sounds in x: where each first reaches a tenth of its peak, looked
// for within `reach` frames of where it crosses `threshold`. The next sound is looked for
// from `gap` frames after the onset.
inline std::vector<double> onsets(const std::vector<float> &x, float threshold, int reach = 4096, int gap = 8000)
{
    std::vector<double> found;
    const int n = int(x.size());
    for (int i = 0; i < n; ++i) {
        if (std::abs(x[size_t(i)]) < threshold)
            continue;
        float peak = 0.0f;
        for (int k = i; k < std::min(n, i + reach); ++k)
            peak = std::max(peak, std::abs(x[size_t(k)]));
        // Back over the quiet lead-in to the first sample at a tenth of the peak.
        int first = i;
        for (int k = std::max(0, i - reach); k < i; ++k) {
            if (std::abs(x[size_t(k)]) >= 0.1f * peak) {
                first = k;
                break;
            }
        }
        found.push_back(first);
        i = first + gap;
    }
    return found;
}

// Runs this program again with `arguments` on SDL's disk driver, which writes what it plays
// to `capture` (removed before and after) and waits `delayMs` after each buffer: slower than
// real time, so that a busy machine never leaves the capture a gap. True when the child
// ended by itself with exit code 0.
inline bool runCaptured(const QStringList &arguments, const QString &capture, int delayMs)
{
    QFile::remove(capture);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SDL_AUDIODRIVER", "disk");
    env.insert("SDL_DISKAUDIOFILE", capture);
    env.insert("SDL_DISKAUDIODELAY", QString::number(delayMs));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(-1);
    QFile::remove(capture);
    return child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
}

} // namespace probeclicks
