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

// The pipe is made for this user alone (UserAccessOption); whether a pipe of
// the same name made first by another user is told apart is not settled here.
bool heldByThisUser(QLocalSocket &)
{
    return true;
}

bool freeAbandonedName(const QString &)
{
    return false;
}

} // namespace SingleInstancePlatform
