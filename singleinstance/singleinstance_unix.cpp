#include "singleinstance_p.h"

#include <sys/socket.h>
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

// The credentials of the process that listens, as the kernel saw them.
bool heldByThisUser(QLocalSocket &socket)
{
    const int descriptor = int(socket.socketDescriptor());
#ifdef Q_OS_LINUX
    ucred peer = {};
    socklen_t length = sizeof peer;
    if (::getsockopt(descriptor, SOL_SOCKET, SO_PEERCRED, &peer, &length) != 0)
        return true;
    return peer.uid == ::getuid();
#else
    uid_t uid = 0;
    gid_t gid = 0;
    if (::getpeereid(descriptor, &uid, &gid) != 0)
        return true;
    return uid == ::getuid();
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
