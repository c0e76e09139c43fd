// A session as a new user makes and finds it again, in two runs of this program under
// the same home: "save FOLDER" opens a generated track, sets tempo, pitch and a loop,
// builds riffs A and C and a song, saves the session and grabs the window's tabs;
// "load FOLDER" starts afresh, loads that session as "Load Session..." does and grabs
// the tabs again. The pictures land in FOLDER (save-*.png, load-*.png; save-quit-question.png
// is the question a quit asks about a song step made after the save).
#include "app/datafolder.h"
#include "bench/app/beattrack.h"
#include "app/mainwindow.h"
#include "app/pathsmanager.h"
#include "app/tabwidget.h"
#include "views/jam/riffidwidget.h"
#include "views/jam/riffstep.h"
#include "views/jam/songstep.h"
#include "views/jam/stepcontextmenu.h"
#include "views/jam/contextpitchwidget.h"
#include "views/playback/transportwidget.h"
#include "views/playback/wavebg.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>
#include <cstdio>

namespace {


void settle(int ms = 300)
{
    QTest::qWait(ms);
}

void grabTabs(MainWindow &window, const QString &folder, const QString &prefix)
{
    TabButtons *tabs = window.tabWidget()->tabButtons();
    const int shown = window.tabWidget()->stack()->currentIndex();
    const char *names[] = {"tools", "riffs", "chords"};
    for (int t = 0; t < 3; ++t) {
        tabs->setButtonImage(t);
        settle(150);
        window.grab().save(QDir(folder).filePath(QString("%1-%2.png").arg(prefix, names[t])));
    }
    tabs->setButtonImage(shown);
}

void buildRiff(JamTab *jam, int steps)
{
    for (int k = 0; k < steps; ++k) {
        const QPoint cell(30 * k + 15, 15);
        QTest::mouseClick(jam->riffStep(jam->currentRiff()), Qt::LeftButton, Qt::NoModifier, cell);
        QTest::mouseClick(jam->riffStep(jam->currentRiff()), Qt::LeftButton, Qt::NoModifier, cell);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3 || (args[1] != "save" && args[1] != "load")) {
        std::fprintf(stderr, "usage: session_look save|load FOLDER\n");
        return 2;
    }
    const QString folder = args[2];
    QDir().mkpath(folder);
    QDir().mkpath(dataFolderPath + "/metadata");
    const QString session = QDir(folder).filePath("Übung & <eins>.pq");

    MainWindow window;
    window.setMessageBoxHook([](QMessageBox::Icon, const QString &title, const QString &text,
                                QMessageBox::StandardButtons, QMessageBox::StandardButton) {
        std::fprintf(stderr, "message: %s: %s\n", qPrintable(title), qPrintable(text));
        return QMessageBox::Cancel;
    });
    settle(1200);
    if (args[1] == "save") {
        window.open(writeBeatTrack(folder, "Übungsstück & <riff>.wav", 40, {"Am", "C", "D", "E"}));
        settle();
        RealTimeToolsTab *tools = window.tabWidget()->realTimeToolsTab();
        // The tempo with the BPM buttons (between the knob's tempos), the pitch with the
        // semitones and the fine tune at the bottom of its range.
        for (int i = 0; i < 7; ++i)
            tools->bpmWidget()->decrement();
        tools->semitoneWidget()->increment();
        tools->semitoneWidget()->increment();
        for (int i = 0; i < 50; ++i)
            tools->fineTuneWidget()->decrement();
        window.waveBg()->plotter()->plotSelection()->setStart(300);
        window.waveBg()->plotter()->plotSelection()->setEnd(520);
        window.transportWidget()->loopButton()->latch();
        JamTab *jam = window.tabWidget()->jamTab();
        window.tabWidget()->tabButtons()->showRiffBuilder();
        buildRiff(jam, 4);
        for (int i = 0; i < 2; ++i) {
            QWheelEvent up(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                           Qt::NoScrollPhase, false);
            QApplication::sendEvent(jam->riffIdWidget(), &up);
        }
        buildRiff(jam, 3);
        for (int i = 0; i < 5; ++i)
            QTest::mouseClick(jam->stepMenu(2, 1)->pitchWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(80, 10));
        jam->songStep()->setRiffFromMenu(0, 0);
        jam->songStep()->setRiffFromMenu(2, 1);
        jam->songStep()->setRiffFromMenu(0, 2);
        window.waveBg()->plotter()->zoomIn();
        settle();
        window.setSaveDialogHook([&](const QString &, const QString &proposal, const QStringList &filters) {
            std::fprintf(stderr, "save dialog proposes: %s\n", qPrintable(proposal));
            return MainWindow::SaveFileChoice{session.left(session.size() - 3), filters.value(0)};
        });
        window.saveSessionFileAs();
        std::fprintf(stderr, "saved: %s\n", qPrintable(window.pathsManager()->sessionFile()));
        grabTabs(window, folder, "save");
        // A song step no session holds yet: the quit question, as the user sees it.
        jam->songStep()->setRiffFromMenu(2, 3);
        window.setMessageBoxHook(nullptr);
        QTimer::singleShot(500, [&folder]() {
            if (QWidget *box = QApplication::activeModalWidget()) {
                box->grab().save(QDir(folder).filePath("save-quit-question.png"));
                box->close();
            }
        });
        std::fprintf(stderr, "closed after the question: %d\n", int(window.close()));
        window.setMessageBoxHook([](QMessageBox::Icon, const QString &, const QString &, QMessageBox::StandardButtons,
                                    QMessageBox::StandardButton) { return QMessageBox::Discard; });
    } else {
        window.setFileDialogHook([&](const QString &, const QString &, const QString &) { return session; });
        window.grab().save(QDir(folder).filePath("load-before.png"));
        window.loadSession();
        settle();
        std::fprintf(stderr, "loaded: %s, recent: %s\n", qPrintable(window.pathsManager()->sessionFile()),
                     qPrintable(window.recentFiles().join(" | ")));
        grabTabs(window, folder, "load");
    }
    window.close();
    return 0;
}
