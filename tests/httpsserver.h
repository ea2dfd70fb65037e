#pragma once

#include <QHostAddress>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTimer>

#include <functional>

// An HTTPS server of the test's own on 127.0.0.1, with a certificate made
// for the test: each request gets the answer the test sets, and is kept.
// Under Wine its TLS is put in front of it by tests/wine/tlsfront.sh, which
// names the ports in TICKETWISE_TLS_FRONT_PORTS; the server itself then
// answers in plain HTTP behind them.
class HttpsServer : public QObject
{
public:
    struct Answer
    {
        enum Ending
        {
            Whole,
            Stall, // half the body, then nothing
            Close  // half the body, then the connection ends
        };
        int status = 200;
        QByteArray headers; // "Name: value\r\n" each
        QByteArray body;
        Ending ending = Whole;
        qint64 length = -1; // the Content-Length said, where not the body's
    };

    std::function<Answer(const QByteArray &request)> answer;
    QList<QByteArray> requests; // each request's head, as it came

    bool listen(const QString &name, const QSslCertificate &certificate, const QSslKey &key)
    {
        const QStringList fronts =
            qEnvironmentVariable("TICKETWISE_TLS_FRONT_PORTS").split(' ', Qt::SkipEmptyParts);
        if (!fronts.isEmpty()) {
            const auto portOf = [&](const QString &which) -> quint16 {
                for (const QString &front : fronts) {
                    if (front.startsWith(which + '='))
                        return front.mid(which.size() + 1).toUShort();
                }
                return 0;
            };
            m_front = portOf(name);
            connect(&m_plain, &QTcpServer::pendingConnectionAvailable, this, [this] {
                while (QTcpSocket *next = m_plain.nextPendingConnection())
                    serve(next);
            });
            return m_front && m_plain.listen(QHostAddress::LocalHost, portOf("behind"));
        }
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        configuration.setLocalCertificate(certificate);
        configuration.setPrivateKey(key);
        configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
        m_server.setSslConfiguration(configuration);
        connect(&m_server, &QTcpServer::pendingConnectionAvailable, this, [this] {
            while (QTcpSocket *next = m_server.nextPendingConnection())
                serve(next);
        });
        return m_server.listen(QHostAddress::LocalHost);
    }
    quint16 port() const { return m_front ? m_front : m_server.serverPort(); }

private:
    void serve(QTcpSocket *socket)
    {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        auto head = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, head] {
            *head += socket->readAll();
            if (!head->contains("\r\n\r\n"))
                return;
            requests << *head;
            const Answer given = answer ? answer(*head) : Answer{};
            head->clear();
            const qsizetype sent =
                given.ending == Answer::Whole ? given.body.size() : given.body.size() / 2;
            socket->write("HTTP/1.1 " + QByteArray::number(given.status) + " " +
                          reasonOf(given.status) + "\r\n" + given.headers + "Content-Length: " +
                          QByteArray::number(given.length >= 0 ? given.length : given.body.size()) +
                          "\r\n\r\n" + given.body.left(sent));
            if (given.ending == Answer::Close) {
                socket->flush();
                socket->disconnectFromHost();
            }
        });
    }
    static QByteArray reasonOf(int status)
    {
        switch (status) {
        case 200:
            return "OK";
        case 302:
            return "Found";
        case 304:
            return "Not Modified";
        case 404:
            return "Not Found";
        default:
            return "Internal Server Error";
        }
    }

    QSslServer m_server;
    QTcpServer m_plain;
    quint16 m_front = 0;
};
