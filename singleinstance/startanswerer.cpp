#include "startanswerer.h"
#include "instanceplatform.h"

#include <QLocalSocket>

#include <utility>

using namespace SingleInstancePlatform;

StartAnswerer::StartAnswerer()
{
    m_stillLoading.setInterval(loadingInterval);
    connect(&m_stillLoading, &QTimer::timeout, this, [this] {
        for (const QPointer<QLocalSocket> &waiting : m_waiting) {
            if (waiting)
                waiting->write(loading);
        }
    });
}

StartAnswerer::Listen StartAnswerer::listen(const QString &name)
{
    prepare(m_server);
    connect(&m_server, &QLocalServer::newConnection, this, &StartAnswerer::takeConnections,
            Qt::UniqueConnection);
    if (m_server.listen(name))
        return Listen::Listening;
    if (m_server.serverError() != QAbstractSocket::AddressInUseError)
        return Listen::Failed;
    // What a killed copy left behind; no copy answered on it just now.
    if (freeAbandonedName(name) && m_server.listen(name))
        return Listen::Listening;
    return Listen::NameInUse;
}

void StartAnswerer::windowStands(std::function<void(std::function<void()>)> raise)
{
    m_raise = std::move(raise);
    m_stillLoading.stop();
    for (const QPointer<QLocalSocket> &socket : std::exchange(m_waiting, {})) {
        if (socket)
            passOn(socket);
    }
}

void StartAnswerer::takeConnections()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { handle(socket); });
    }
}

void StartAnswerer::handle(QLocalSocket *socket)
{
    if (!socket->canReadLine())
        return;
    if (socket->readLine() != request) {
        socket->disconnectFromServer();
        return;
    }
    if (m_raise) {
        passOn(socket);
        return;
    }
    m_waiting.emplace_back(socket);
    socket->write(loading);
    if (!m_stillLoading.isActive())
        m_stillLoading.start();
}

// The answer comes back from the window's thread, once the window is in
// front; a hung window gives none, and the later start says so.
void StartAnswerer::passOn(QLocalSocket *socket)
{
    QPointer<QLocalSocket> waiting(socket);
    m_raise([this, waiting] {
        QMetaObject::invokeMethod(this, [waiting] {
            if (!waiting)
                return;
            waiting->write(raised);
            waiting->flush();
            waiting->disconnectFromServer();
        });
    });
}
