// Shared by the window benchmarks: the 4-minute test track they open, and the process's
// memory as the kernel reports it.
#pragma once
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

// Points the process at a home of its own (so no user settings or folders are touched),
// offscreen and on SDL's dummy driver unless the environment says otherwise.
inline void useBenchHome(const QString &home)
{
    qputenv("HOME", home.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home + "/data").toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
}

// A value in kB from /proc/self/status ("VmRSS:", "VmHWM:").
inline long statusKb(const char *key)
{
    QFile file("/proc/self/status");
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key)) + 1).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Two chords of drifting, beating partials with a tremolo, plus pink noise: 240 s of stereo
// at 44100 Hz, encoded with the given ffmpeg codec arguments ("-c:a", "pcm_s16le", say).
// Made once: an existing file is kept.
inline bool makeFourMinuteTrack(const QString &path, const QStringList &codec)
{
    if (QFileInfo(path).size() > 0)
        return true;
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QStringList args = QStringList{
        "-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
        "aevalsrc="
        "0.25*sin(2*PI*220*t)*(0.6+0.4*sin(2*PI*0.5*t))+0.15*sin(2*PI*329.6*t)+0.1*sin(2*PI*(440+2*sin(t))*t)|"
        "0.25*sin(2*PI*277.2*t)*(0.6+0.4*sin(2*PI*0.7*t))+0.15*sin(2*PI*415.3*t)+0.1*sin(2*PI*(554+3*sin(t))*t)"
        ":s=44100:d=240",
        "-f", "lavfi", "-i", "anoisesrc=color=pink:amplitude=0.08:duration=240:sample_rate=44100",
        "-filter_complex", "[0:a][1:a]amix=inputs=2:normalize=0", "-ac", "2"}
        + codec + QStringList{path};
    return QProcess::execute("ffmpeg", args) == 0 && QFileInfo(path).size() > 0;
}
