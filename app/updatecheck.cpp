#include "app/updatecheck.h"

#include "app/version.h"
#include "app/weblinks.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QStringList>
#include <QTimer>

#include <memory>

UpdateCheck::UpdateCheck(QWidget *window)
    : QObject(nullptr)
    , m_network(new QNetworkAccessManager(this))
    , m_versionUrl(QString::fromLatin1(weblinks::serverRoot) + weblinks::versionFile)
{
    Q_UNUSED(window);
}

bool UpdateCheck::isVersionText(const QString &text)
{
    static const QRegularExpression pattern("^\\d+(\\.\\d+)*$");
    return pattern.match(text).hasMatch();
}

int UpdateCheck::compareVersions(const QString &a, const QString &b)
{
    const QStringList fa = a.split('.');
    const QStringList fb = b.split('.');
    for (int i = 0; i < qMax(fa.size(), fb.size()); ++i) {
        // Digits only: strip leading zeros, then the longer number is the larger, so no
        // field can overflow.
        QString x = i < fa.size() ? fa[i] : QString("0");
        QString y = i < fb.size() ? fb[i] : QString("0");
        while (x.size() > 1 && x.startsWith('0'))
            x.remove(0, 1);
        while (y.size() > 1 && y.startsWith('0'))
            y.remove(0, 1);
        if (x.size() != y.size())
            return x.size() < y.size() ? -1 : 1;
        const int c = x.compare(y);
        if (c != 0)
            return c < 0 ? -1 : 1;
    }
    return 0;
}

UpdateCheck::Result UpdateCheck::compareWithRunning(const QString &remoteText, const QString &running)
{
    const QString remote = remoteText.trimmed();
    // A page that is no version (a portal's login page, an error text) says nothing
    // about the newest version.
    if (!isVersionText(remote))
        return CannotConnect;
    return compareVersions(running, remote) < 0 ? NewerVersion : LatestVersion;
}

void UpdateCheck::checkForUpdates(bool startupCheck)
{
    QNetworkRequest request(m_versionUrl);
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/octet-stream");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply *reply = m_network->get(request);
    // The answer is read as it comes, and no further than a version text can be long.
    reply->setReadBufferSize(longestAnswer);
    auto answer = std::make_shared<QByteArray>();
    connect(reply, &QNetworkReply::readyRead, this, [reply, answer] { readAnswer(reply, *answer); });
    // Each reply carries its own request's flag, and a server that accepts and never
    // answers is given up on.
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, startupCheck, answer] { gotReply(reply, *answer, startupCheck); });
    QTimer::singleShot(m_timeoutMs, reply, [reply] {
        if (reply->isRunning())
            reply->abort();
    });
}

void UpdateCheck::readAnswer(QNetworkReply *reply, QByteArray &answer)
{
    answer += reply->read(longestAnswer + 1 - answer.size());
    // Longer than any version text: nothing more is read, and the answer is no version.
    if (answer.size() > longestAnswer && reply->isRunning())
        reply->abort();
}

void UpdateCheck::gotReply(QNetworkReply *reply, QByteArray &answer, bool startupCheck)
{
    reply->deleteLater();
    Result result = CannotConnect;
    if (reply->error() == QNetworkReply::NoError) {
        readAnswer(reply, answer);
        if (answer.size() <= longestAnswer) {
            const int zero = answer.indexOf('\0');
            if (zero >= 0)
                answer.truncate(zero);
            result = compareWithRunning(QString::fromLatin1(answer), QString::fromLatin1(plectronomeVersion));
        }
    }
    emit showUpdateMessageBox(result, startupCheck);
}
