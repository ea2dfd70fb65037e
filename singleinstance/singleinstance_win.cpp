#include "singleinstance_p.h"

#include <windows.h>

#include <memory>

// The name is a named pipe, which ends with the last copy that holds it.
namespace SingleInstancePlatform {

QString userKey()
{
    return qEnvironmentVariable("USERDOMAIN") + u'\\' + qEnvironmentVariable("USERNAME");
}

// A pipe's name is not a path.
std::optional<QString> nameFolder()
{
    return QString();
}

void prepare(QLocalServer &server)
{
    server.setSocketOptions(QLocalServer::UserAccessOption);
}

void prepare(QLocalSocket &) {}

namespace {

// The user a process runs as, or nothing where its token cannot be read.
std::unique_ptr<char[]> tokenUser(HANDLE process)
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token))
        return nullptr;
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    auto user = size > 0 ? std::make_unique<char[]>(size) : nullptr;
    const bool read = user && GetTokenInformation(token, TokenUser, user.get(), size, &size);
    CloseHandle(token);
    return read ? std::move(user) : nullptr;
}

PSID sid(const std::unique_ptr<char[]> &user)
{
    return reinterpret_cast<TOKEN_USER *>(user.get())->User.Sid;
}

} // namespace

// The user of the process that made the pipe. Another user's process is not
// ours to open, so a pipe whose maker cannot be read is someone else's.
bool heldByThisUser(QLocalSocket &socket)
{
    ULONG serverId = 0;
    if (!GetNamedPipeServerProcessId(HANDLE(socket.socketDescriptor()), &serverId))
        return true;
    const HANDLE server = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, serverId);
    if (!server)
        return false;
    const std::unique_ptr<char[]> theirs = tokenUser(server);
    CloseHandle(server);
    const std::unique_ptr<char[]> ours = tokenUser(GetCurrentProcess());
    if (!ours)
        return true;
    return theirs && EqualSid(sid(theirs), sid(ours));
}

bool freeAbandonedName(const QString &)
{
    return false;
}

} // namespace SingleInstancePlatform
