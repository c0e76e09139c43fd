// Opens a WAV file whose header announces 4 GB of 16-bit stereo samples (a sparse file:
// the header, then a hole) in the main window (offscreen), and prints the time until the
// open is refused and the memory the process needed for it (peak resident size reset
// before the open). The window runs in its own temporary home.
// Usage: huge_wav_refusal [--runs=N]
#include "app/datafolder.h"
#include "app/mainwindow.h"

#include "benchtrack.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

bool writeSparseWav(const QString &path, quint32 dataBytes)
{
    QByteArray header("RIFF");
    char word[4];
    auto put32 = [&](quint32 v) { qToLittleEndian(v, word); header.append(word, 4); };
    auto put16 = [&](quint16 v) { qToLittleEndian(v, word); header.append(word, 2); };
    put32(36 + dataBytes);
    header += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(2);
    put32(44100);
    put32(44100 * 4);
    put16(4);
    put16(16);
    header += "data";
    put32(dataBytes);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(header) == header.size()
           && file.resize(header.size() + qint64(dataBytes));
}

void resetPeakMemory()
{
    QFile clear("/proc/self/clear_refs");
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

} // namespace

int main(int argc, char **argv)
{
    int runs = 5;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith("--runs="))
            runs = std::max(1, arg.mid(7).toInt());
    }
    QTemporaryDir home;
    useBenchHome(home.path());

    QApplication app(argc, argv);
    dataFolderPath = QStandardPaths::writableLocation(QStandardPaths::DataLocation) + "/Plectronome";
    const QString wav = home.filePath("huge.wav");
    if (!writeSparseWav(wav, 0xFFFFFF00u)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(wav));
        return 1;
    }

    MainWindow window;
    QString shown;
    window.setMessageBoxHook([&shown](QMessageBox::Icon, const QString &, const QString &text,
                                      QMessageBox::StandardButtons, QMessageBox::StandardButton) {
        shown = text;
        return QMessageBox::Ok;
    });
    QCoreApplication::processEvents();

    std::vector<double> times;
    long added = 0;
    for (int run = 0; run < runs; ++run) {
        resetPeakMemory();
        const long before = statusKb("VmRSS:");
        QElapsedTimer timer;
        timer.start();
        const int result = window.open(wav);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        added = std::max(added, statusKb("VmHWM:") - before);
        if (result != -1) {
            std::fprintf(stderr, "not refused: %d\n", result);
            return 1;
        }
    }
    std::sort(times.begin(), times.end());
    std::printf("4 GB WAV (header announces %lld frames): \"%s\"\n", (long long)(0xFFFFFF00u / 4),
                qPrintable(shown));
    std::printf("open to refusal: median %.1f ms, min %.1f ms, max %.1f ms over %d runs\n", times[times.size() / 2],
                times.front(), times.back(), runs);
    std::printf("memory: peak %.1f MB above the resident size before the open\n", added / 1024.0);
    window.close();
    return 0;
}
