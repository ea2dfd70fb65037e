#include "singleinstance_p.h"

// The name is a named pipe, which ends with the last copy that holds it.
namespace SingleInstancePlatform {

QString userKey()
{
    return qEnvironmentVariable("USERDOMAIN") + u'\\' + qEnvironmentVariable("USERNAME");
}

void prepare(QLocalServer &server)
{
    server.setSocketOptions(QLocalServer::UserAccessOption);
}

void prepare(QLocalSocket &) {}

bool freeAbandonedName(const QString &)
{
    return false;
}

} // namespace SingleInstancePlatform
