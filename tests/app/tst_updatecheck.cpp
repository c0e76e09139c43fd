// The update check against a server on 127.0.0.1 (newer, same, older, garbage, an error
// page, refused, silent), two requests at once, the version comparison, and the main
// window's answers: the boxes, the "Update" button, the about box and a help page with
// no browser.
#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "app/updatecheck.h"
#include "app/version.h"
#include "app/weblinks.h"
#include "tests/eventually.h"
#include "versionserver.h"

#include <QAbstractButton>
#include <QAction>
#include <QPushButton>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {
// A port on 127.0.0.1 where nothing listens.
quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    UrlCatcher() { QDesktopServices::setUrlHandler("https", this, "openUrl"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler("https"); }
    QList<QUrl> urls;

public slots:
    void openUrl(const QUrl &url) { urls << url; }
};

struct ShownBox {
    QMessageBox::Icon icon;
    QString text;
};
} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT

    // One request's answer: the type and flag emitted (-1: none came).
    struct Answer {
        int type = -1;
        bool startup = false;
    };
    Answer ask(UpdateCheck &check, bool startup = false)
    {
        QSignalSpy spy(&check, SIGNAL(showUpdateMessageBox(int, bool)));
        check.checkForUpdates(startup);
        Answer answer;
        if (!spy.wait(eventuallyMs))
            return answer;
        answer.type = spy.at(0).at(0).toInt();
        answer.startup = spy.at(0).at(1).toBool();
        return answer;
    }

private slots:
    void initTestCase()
    {
        dataFolderPath = QStandardPaths::writableLocation(QStandardPaths::DataLocation) + "/Plectronome";
    }

    void versionsCompareFieldByFieldAsNumbers()
    {
        QCOMPARE(UpdateCheck::compareVersions("1.5.10.0", "1.6.0.0"), -1);
        QCOMPARE(UpdateCheck::compareVersions("1.10.0.0", "1.6.0.0"), 1);
        QCOMPARE(UpdateCheck::compareVersions("1.6", "1.6.0.0"), 0);
        QCOMPARE(UpdateCheck::compareVersions("1.6.0.1", "1.6.0.0"), 1);
        QCOMPARE(UpdateCheck::compareVersions("01.06.0.0", "1.6.0.0"), 0);
        QCOMPARE(UpdateCheck::compareVersions("1.6.0.99999999999999999999", "1.6.0.0"), 1);
        QVERIFY(!UpdateCheck::isVersionText(""));
        QVERIFY(!UpdateCheck::isVersionText("1..6"));
        QVERIFY(!UpdateCheck::isVersionText("v1.6"));
        QCOMPARE(UpdateCheck::compareWithRunning(" 1.6.0.0\r\n", "1.6.0.0"), UpdateCheck::LatestVersion);
        QCOMPARE(UpdateCheck::compareWithRunning("<html>", "1.6.0.0"), UpdateCheck::CannotConnect);
    }

    void serverAnswers_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("type");
        QTest::newRow("newer") << QByteArray("1.6.0.1") << 200 << int(UpdateCheck::NewerVersion);
        QTest::newRow("newer by a two-digit field") << QByteArray("1.10.0.0\n") << 200
                                                   << int(UpdateCheck::NewerVersion);
        QTest::newRow("same") << QByteArray(plectronomeVersion) << 200 << int(UpdateCheck::LatestVersion);
        QTest::newRow("older, with more digits") << QByteArray("1.5.10.0") << 200
                                                << int(UpdateCheck::LatestVersion);
        QTest::newRow("text after a zero byte is ignored") << QByteArray("1.7.0.0\0junk", 12) << 200
                                                          << int(UpdateCheck::NewerVersion);
        QTest::newRow("garbage") << QByteArray("<html>Sign in to the network</html>") << 200
                                 << int(UpdateCheck::CannotConnect);
        QTest::newRow("empty") << QByteArray() << 200 << int(UpdateCheck::CannotConnect);
        QTest::newRow("error page") << QByteArray("2.0.0.0") << 404 << int(UpdateCheck::CannotConnect);
        // Read no further than a version text can be long: such an answer is none.
        QTest::newRow("8 MB after a version") << QByteArray("1.7.0.0" + QByteArray(8 << 20, ' ')) << 200
                                              << int(UpdateCheck::CannotConnect);
    }

    void serverAnswers()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QFETCH(int, type);
        VersionServer server;
        server.setReply(body, status);
        UpdateCheck check(nullptr);
        check.setVersionUrl(server.url());
        const Answer answer = ask(check);
        QCOMPARE(answer.type, type);
        QVERIFY(!answer.startup);
        QCOMPARE(server.requests(), 1);
        QVERIFY(server.lastRequest().startsWith("GET /version.txt HTTP/1.1\r\n"));
        QVERIFY(server.lastRequest().contains("application/octet-stream"));
    }

    void refusedConnectionIsReportedBeforeTheTimeout()
    {
        UpdateCheck check(nullptr);
        check.setVersionUrl(QUrl(QString("http://127.0.0.1:%1/version.txt").arg(closedPort())));
        // A timeout far beyond the wait: the answer can only come from the refusal.
        check.setTimeoutMs(100 * eventuallyMs);
        const Answer answer = ask(check, true);
        QCOMPARE(answer.type, int(UpdateCheck::CannotConnect));
        QVERIFY(answer.startup);
    }

    void silentServerTimesOut()
    {
        VersionServer server;
        server.setSilent();
        // Silence alone is no answer: with a long timeout nothing comes meanwhile.
        {
            UpdateCheck waiting(nullptr);
            waiting.setVersionUrl(server.url());
            waiting.setTimeoutMs(100 * eventuallyMs);
            QSignalSpy spy(&waiting, SIGNAL(showUpdateMessageBox(int, bool)));
            waiting.checkForUpdates(false);
            QTRY_COMPARE_WITH_TIMEOUT(server.requests(), 1, eventuallyMs);
            QTest::qWait(300);
            QCOMPARE(spy.count(), 0);
        }
        // Its timeout ends it as a server not reached.
        UpdateCheck check(nullptr);
        check.setVersionUrl(server.url());
        check.setTimeoutMs(300);
        const Answer answer = ask(check);
        QCOMPARE(answer.type, int(UpdateCheck::CannotConnect));
        QCOMPARE(server.requests(), 2);
    }

    void eachRequestGetsItsOwnAnswer()
    {
        VersionServer silent;
        silent.setSilent();
        VersionServer newer;
        newer.setReply("9.0.0.0");
        UpdateCheck check(nullptr);
        check.setTimeoutMs(400);
        QSignalSpy spy(&check, SIGNAL(showUpdateMessageBox(int, bool)));
        check.setVersionUrl(silent.url());
        check.checkForUpdates(true);
        check.setVersionUrl(newer.url());
        check.checkForUpdates(false);
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 2, eventuallyMs);
        QCOMPARE(spy.at(0).at(0).toInt(), int(UpdateCheck::NewerVersion));
        QCOMPARE(spy.at(0).at(1).toBool(), false);
        QCOMPARE(spy.at(1).at(0).toInt(), int(UpdateCheck::CannotConnect));
        QCOMPARE(spy.at(1).at(1).toBool(), true);
        // Nothing more arrives later: every reply answered once.
        QTest::qWait(500);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(check.findChildren<QNetworkReply *>().size(), 0);
    }

    void windowShowsTheAnswers()
    {
        MainWindow window;
        QList<ShownBox> shown;
        window.setMessageBoxHook([&shown](QMessageBox::Icon icon, const QString &, const QString &text,
                                          QMessageBox::StandardButtons, QMessageBox::StandardButton) {
            shown << ShownBox{icon, text};
            return QMessageBox::Ok;
        });
        VersionServer server;
        server.setReply(plectronomeVersion);
        window.updateCheck()->setVersionUrl(server.url());
        for (QAction *action : window.findChildren<QAction *>()) {
            if (action->text() == "Check For Updates")
                action->trigger();
        }
        QTRY_COMPARE_WITH_TIMEOUT(shown.size(), 1, eventuallyMs);
        QCOMPARE(shown.at(0).text, QString("You are using the latest version of Plectronome (v1.6.0.0)."));

        window.updateCheck()->setVersionUrl(QUrl(QString("http://127.0.0.1:%1/version.txt").arg(closedPort())));
        window.updateCheck()->checkForUpdates();
        QTRY_COMPARE_WITH_TIMEOUT(shown.size(), 2, eventuallyMs);
        QVERIFY(shown.at(1).text.startsWith("Cannot connect to server"));
        QCOMPARE(shown.at(1).icon, QMessageBox::Warning);

        // A check made at start stays quiet unless there is something new.
        window.showUpdateMessageBox(UpdateCheck::LatestVersion, true);
        window.showUpdateMessageBox(UpdateCheck::CannotConnect, true);
        QCOMPARE(shown.size(), 2);
        window.close();
    }

    void updateButtonOpensTheDownloadPage()
    {
        MainWindow window;
        UrlCatcher urls;
        for (const bool pressUpdate : {false, true}) {
            QString text;
            QTimer::singleShot(0, [&text, pressUpdate] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                QVERIFY(box);
                text = box->text();
                QCOMPARE(box->defaultButton(), box->button(QMessageBox::Close));
                for (QAbstractButton *button : box->buttons()) {
                    if ((button->text() == "Update") == pressUpdate)
                        QTest::mouseClick(button, Qt::LeftButton);
                }
            });
            window.showUpdateMessageBox(UpdateCheck::NewerVersion, true);
            QCOMPARE(text, QString("A new version of Plectronome is available!"));
        }
        QCOMPARE(urls.urls.size(), 1);
        QVERIFY(urls.urls.at(0).toString().endsWith("download.html"));
        window.close();
    }

    void aboutBoxCreditsWhatTheProgramUses()
    {
        MainWindow window;
        QString text;
        QTimer::singleShot(0, [&text] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            text = box->text();
            QCOMPARE(box->textFormat(), Qt::RichText);
            QVERIFY(!box->iconPixmap().isNull());
            box->accept();
        });
        window.about();
        QVERIFY(text.startsWith("Plectronome v1.6.0.0<br />"));
        for (const char *name : {"Qt", "FFmpeg", "SDL2", "TagLib", "LAME"})
            QVERIFY2(text.contains(QString(name) + "&nbsp;"), name);
        QVERIFY(!text.contains("FFTReal"));
        window.close();
    }

    void helpWithoutABrowserShowsTheAddress()
    {
        MainWindow window;
        QStringList texts;
        window.setMessageBoxHook([&texts](QMessageBox::Icon, const QString &, const QString &text,
                                          QMessageBox::StandardButtons, QMessageBox::StandardButton) {
            texts << text;
            return QMessageBox::Ok;
        });
        // No handler and the headless platform: no browser opens.
        window.viewSupport();
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts.at(0).contains(QString::fromLatin1(weblinks::serverRoot) + weblinks::supportPage),
                 qPrintable(texts.at(0)));
        // With a browser there is nothing to say.
        UrlCatcher urls;
        window.viewSupport();
        QCOMPARE(texts.size(), 1);
        QCOMPARE(urls.urls.size(), 1);
        window.close();
    }
};

QTEST_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
