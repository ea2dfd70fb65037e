#include "singleinstance_p.h"

#include <unistd.h>

namespace SingleInstancePlatform {

QString userKey()
{
    return QString::number(::getuid());
}

// On Linux the name is abstract: a killed copy leaves no socket file behind.
void prepare(QLocalServer &server)
{
#ifdef Q_OS_LINUX
    server.setSocketOptions(QLocalServer::AbstractNamespaceOption);
#else
    server.setSocketOptions(QLocalServer::UserAccessOption);
#endif
}

void prepare(QLocalSocket &socket)
{
#ifdef Q_OS_LINUX
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
#else
    Q_UNUSED(socket);
#endif
}

bool freeAbandonedName(const QString &name)
{
#ifdef Q_OS_LINUX
    Q_UNUSED(name);
    return false;
#else
    return QLocalServer::removeServer(name);
#endif
}

} // namespace SingleInstancePlatform
