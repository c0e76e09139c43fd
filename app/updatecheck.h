// UpdateCheck: asks the maker's web server for the newest version text ("version.txt")
// and tells the main window, through showUpdateMessageBox, whether a newer version
// exists (0), this is the newest (1), or the answer could not be had (2). The main
// window makes one, without a parent, and the "Check For Updates" action reaches
// checkForUpdates. Each request is answered once, with its own start-up flag; a
// server that does not answer within the timeout counts as not reached, and an answer
// longer than a version text is not read to its end.
#pragma once
#include <QObject>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;
class QWidget;

class UpdateCheck : public QObject
{
    Q_OBJECT
public:
    enum Result { NewerVersion = 0, LatestVersion = 1, CannotConnect = 2 };

    explicit UpdateCheck(QWidget *window);

    // The address of the version text; the maker's server unless a test sets another.
    QUrl versionUrl() const { return m_versionUrl; }
    void setVersionUrl(const QUrl &url) { m_versionUrl = url; }
    // How long a request may take in all before it counts as not reached.
    int timeoutMs() const { return m_timeoutMs; }
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }

    // The answer for a version text from the server: newer, latest, or CannotConnect when
    // the text is no version ("1.6.0.0", any number of numeric fields, blanks around).
    static Result compareWithRunning(const QString &remoteText, const QString &running);
    // -1, 0 or 1 as version a is older than, the same as or newer than b; fields compare
    // as numbers and a missing field counts as 0. Both must be valid version texts.
    static int compareVersions(const QString &a, const QString &b);
    static bool isVersionText(const QString &text);
    // The longest answer read: a version text is a few bytes, and anything longer is none.
    static constexpr int longestAnswer = 1024;

signals:
    void showUpdateMessageBox(int type, bool startupCheck);

public slots:
    void checkForUpdates(bool startupCheck = false);

private:
    static void readAnswer(QNetworkReply *reply, QByteArray &answer);
    void gotReply(QNetworkReply *reply, QByteArray &answer, bool startupCheck);

    QNetworkAccessManager *m_network;
    QUrl m_versionUrl;
    int m_timeoutMs = 10000;
};
