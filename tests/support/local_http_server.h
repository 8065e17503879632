#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QMap>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>

namespace kalvex::testing {

// A small HTTP server on 127.0.0.1 for download tests: each path answers with a status and a
// body, or not at all (a server too slow for the download's time limit).
class LocalHttpServer : public QObject {
public:
    struct Answer {
        int status = 200;
        QByteArray body;
        bool silent = false;
    };

    LocalHttpServer()
    {
        connect(&m_server, &QTcpServer::newConnection, this, &LocalHttpServer::Accept);
        m_server.listen(QHostAddress::LocalHost);
    }

    void Serve(const QString& path, Answer answer) { m_answers.insert(path, std::move(answer)); }
    QString Url(const QString& path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }
    bool IsListening() const { return m_server.isListening(); }
    int RequestCount() const { return m_requests; }

private:
    void Accept()
    {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Respond(*socket); });
        }
    }

    void Respond(QTcpSocket& socket)
    {
        QByteArray& request = m_pending[&socket];
        request += socket.readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        ++m_requests;
        const QString path = QString::fromLatin1(request.split(' ').value(1));
        const Answer answer = m_answers.value(path, Answer{404, "<html>Not Found</html>", false});
        if (answer.silent)
            return;
        const QByteArray reason = answer.status == 200 ? "OK" : answer.status == 404 ? "Not Found" : "Error";
        socket.write("HTTP/1.1 " + QByteArray::number(answer.status) + " " + reason +
                     "\r\nContent-Type: application/xml\r\nConnection: close\r\nContent-Length: " +
                     QByteArray::number(answer.body.size()) + "\r\n\r\n" + answer.body);
        socket.disconnectFromHost();
    }

    QTcpServer m_server;
    QMap<QString, Answer> m_answers;
    QMap<QTcpSocket*, QByteArray> m_pending;
    int m_requests = 0;
};

} // namespace kalvex::testing
