#include "singleinstance.h"
#include "singleinstance_p.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QWidget>

namespace {

// A live copy answers at once; these bound the wait for one that is hung.
constexpr int connectTimeoutMs = 300;
constexpr int answerTimeoutMs = 700;

const QByteArray raiseRequest = "raise\n";
const QByteArray raiseAnswer = "ok\n";

QString canonicalLogPath(const QString &logPath)
{
    const QFileInfo log(logPath);
    if (!log.canonicalFilePath().isEmpty())
        return log.canonicalFilePath();
    const QString folder = QFileInfo(log.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? log.absolutePath() : folder) + u'/' + log.fileName();
}

} // namespace

SingleInstance::SingleInstance(const QString &logPath, QObject *parent)
    : QObject(parent), m_name(serverName(logPath))
{
    SingleInstancePlatform::prepare(m_server);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::answer);
}

QString SingleInstance::serverName(const QString &logPath)
{
    const QByteArray key =
        (SingleInstancePlatform::userKey() + u'\n' + canonicalLogPath(logPath)).toUtf8();
    return QStringLiteral("ticketwise-") +
           QString::fromLatin1(
               QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(32));
}

SingleInstance::Start SingleInstance::start()
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        QLocalSocket socket;
        SingleInstancePlatform::prepare(socket);
        socket.connectToServer(m_name);
        if (socket.waitForConnected(connectTimeoutMs)) {
            socket.write(raiseRequest);
            const bool answered = socket.waitForBytesWritten(answerTimeoutMs) &&
                                  socket.waitForReadyRead(answerTimeoutMs) &&
                                  socket.readLine() == raiseAnswer;
            return answered ? Start::HandedToRunningCopy : Start::RunningCopyNotAnswering;
        }
        if (listen())
            return Start::Alone;
        // Another copy took the name between the two steps: ask it instead.
    }
    return Start::RunningCopyNotAnswering;
}

bool SingleInstance::listen()
{
    if (m_server.listen(m_name))
        return true;
    // What a killed copy left behind; no copy answered on it just now.
    return m_server.serverError() == QAbstractSocket::AddressInUseError &&
           SingleInstancePlatform::freeAbandonedName(m_name) && m_server.listen(m_name);
}

void SingleInstance::answer()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            if (socket->readLine() == raiseRequest) {
                emit raiseRequested();
                socket->write(raiseAnswer);
                socket->flush();
            }
            socket->disconnectFromServer();
        });
    }
}

void SingleInstance::raiseOnRequest(QWidget *window)
{
    connect(this, &SingleInstance::raiseRequested, window, [window] {
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window->show();
        window->raise();
        window->activateWindow();
    });
}
