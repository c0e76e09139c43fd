// VersionServer: a tiny HTTP server on 127.0.0.1 for the update check. It answers every
// GET with the set body and status, or, when silent, accepts and never answers. It
// counts the requests and keeps the last request's head.
#pragma once
#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

class VersionServer : public QTcpServer
{
public:
    VersionServer()
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                m_sockets << socket;
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
            }
        });
    }

    QUrl url() const { return QUrl(QString("http://127.0.0.1:%1/version.txt").arg(serverPort())); }
    void setReply(const QByteArray &body, int status = 200)
    {
        m_body = body;
        m_status = status;
        m_silent = false;
    }
    void setSilent() { m_silent = true; }
    int requests() const { return m_requests; }
    QByteArray lastRequest() const { return m_lastRequest; }

private:
    void answer(QTcpSocket *socket)
    {
        QByteArray &buffer = m_buffers[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n"))
            return;
        ++m_requests;
        m_lastRequest = buffer;
        buffer.clear();
        if (m_silent)
            return;
        const QByteArray reason = m_status == 200 ? "OK" : "Not Found";
        socket->write("HTTP/1.1 " + QByteArray::number(m_status) + " " + reason
                      + "\r\nContent-Type: text/plain\r\nConnection: close\r\nContent-Length: "
                      + QByteArray::number(m_body.size()) + "\r\n\r\n" + m_body);
        socket->disconnectFromHost();
    }

    QByteArray m_body = "1.6.0.0";
    int m_status = 200;
    bool m_silent = false;
    int m_requests = 0;
    QByteArray m_lastRequest;
    QList<QPointer<QTcpSocket> > m_sockets;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};
