// Time from UpdateCheck::checkForUpdates to its answer: against a version server on
// 127.0.0.1 (the newest version), and against a port where nothing listens (refused).
#include "app/updatecheck.h"
#include "../../tests/app/versionserver.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {
// Runs one check and returns the answer's type (-1 when none came within 5 s).
int checkOnce(UpdateCheck &check)
{
    QEventLoop loop;
    int type = -1;
    QObject::connect(&check, &UpdateCheck::showUpdateMessageBox, &loop, [&](int t, bool) {
        type = t;
        loop.quit();
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    check.checkForUpdates();
    loop.exec();
    return type;
}

void BM_UpdateCheckLocalServer(benchmark::State &state)
{
    VersionServer server;
    server.setReply("1.7.0.0");
    UpdateCheck check(nullptr);
    check.setVersionUrl(server.url());
    for (auto _ : state) {
        if (checkOnce(check) != UpdateCheck::NewerVersion)
            state.SkipWithError("no answer from the local server");
    }
}
BENCHMARK(BM_UpdateCheckLocalServer)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(50);

void BM_UpdateCheckRefused(benchmark::State &state)
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    UpdateCheck check(nullptr);
    check.setVersionUrl(QUrl(QString("http://127.0.0.1:%1/version.txt").arg(port)));
    for (auto _ : state) {
        if (checkOnce(check) != UpdateCheck::CannotConnect)
            state.SkipWithError("a refused connection was not reported");
    }
}
BENCHMARK(BM_UpdateCheckRefused)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(50);
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
