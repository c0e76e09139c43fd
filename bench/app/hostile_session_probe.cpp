// Starts the real program with hostile session files on its command line and prints, for
// each, whether the program is still running a few seconds later and its memory then
// (resident now and at its peak). The files: 30,000 nested elements, one 100 KB internal
// entity used 1,000 / 2,000 / 5,000 times, and a FIFO named .pq. Each run has its own
// temporary home, and each started program is ended by its own process id.
// Usage: hostile_session_probe [--program=PATH] [--seconds=N]
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <sys/stat.h>

#include <cstdio>
#include <vector>

namespace {

long statusKb(qint64 pid, const char *field)
{
    QFile status(QString("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray entityFile(int uses)
{
    return "<!DOCTYPE PQXML [<!ENTITY big \"" + QByteArray(100 * 1024, 'x') + "\">]>\n<pqxml><fileName>"
           + QByteArray("&big;").repeated(uses) + "</fileName></pqxml>\n";
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QString program = QCoreApplication::applicationDirPath() + "/../../plectronome";
    int seconds = 5;
    for (const QString &arg : app.arguments().mid(1)) {
        if (arg.startsWith("--program="))
            program = arg.mid(10);
        else if (arg.startsWith("--seconds="))
            seconds = qMax(1, arg.mid(10).toInt());
    }
    QTemporaryDir files;
    const QString deep = files.filePath("deep.pq");
    writeFile(deep, "<!DOCTYPE PQXML>\n<pqxml>" + QByteArray(30000, '<').replace("<", "<a>")
                        + QByteArray(30000, '<').replace("<", "</a>") + "</pqxml>\n");
    struct Case {
        const char *name;
        QString path;
    };
    std::vector<Case> cases = {{"30000 levels", deep}};
    for (int uses : {1000, 2000, 5000}) {
        const QString path = files.filePath(QString("entity%1.pq").arg(uses));
        writeFile(path, entityFile(uses));
        cases.push_back({uses == 1000 ? "entity x1000" : uses == 2000 ? "entity x2000" : "entity x5000", path});
    }
    const QString fifo = files.filePath("pipe.pq");
    mkfifo(QFile::encodeName(fifo).constData(), 0600);
    cases.push_back({"FIFO", fifo});
    cases.push_back({"no file (baseline)", QString()});

    std::printf("%-20s %-8s %10s %10s\n", "file", "running", "RSS MB", "peak MB");
    for (const Case &c : cases) {
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.path() + "/config");
        env.insert("XDG_DATA_HOME", home.path() + "/data");
        if (!env.contains("QT_QPA_PLATFORM"))
            env.insert("QT_QPA_PLATFORM", "offscreen");
        if (!env.contains("SDL_AUDIODRIVER"))
            env.insert("SDL_AUDIODRIVER", "dummy");
        QProcess process;
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(program, c.path.isEmpty() ? QStringList() : QStringList{c.path});
        if (!process.waitForStarted()) {
            std::fprintf(stderr, "cannot start %s\n", qPrintable(program));
            return 1;
        }
        // The command line is opened 1.05 s after start; then the load has the rest.
        QThread::sleep(unsigned(seconds));
        const bool running = process.state() == QProcess::Running;
        const qint64 pid = process.processId();
        const long rss = running ? statusKb(pid, "VmRSS:") : -1;
        const long peak = running ? statusKb(pid, "VmHWM:") : -1;
        std::printf("%-20s %-8s %10.1f %10.1f\n", c.name, running ? "yes" : "NO", rss / 1024.0, peak / 1024.0);
        std::fflush(stdout);
        process.kill();
        process.waitForFinished();
    }
    return 0;
}
