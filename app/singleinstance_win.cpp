#include "singleinstance_p.h"

#include <windows.h>

#include <aclapi.h>

#include <memory>

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

namespace {

// The owner this process gives what it makes, as it gave the pipe it listens on.
std::unique_ptr<char[]> ownOwner()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return nullptr;
    DWORD size = 0;
    GetTokenInformation(token, TokenOwner, nullptr, 0, &size);
    auto owner = std::make_unique<char[]>(size);
    const bool read = size > 0 && GetTokenInformation(token, TokenOwner, owner.get(), size, &size);
    CloseHandle(token);
    return read ? std::move(owner) : nullptr;
}

} // namespace

// The owner of the pipe: the user whose copy made it.
bool heldByThisUser(QLocalSocket &socket)
{
    PSID pipeOwner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetSecurityInfo(HANDLE(socket.socketDescriptor()), SE_KERNEL_OBJECT,
                        OWNER_SECURITY_INFORMATION, &pipeOwner, nullptr, nullptr, nullptr,
                        &descriptor) != ERROR_SUCCESS)
        return true;
    const std::unique_ptr<char[]> own = ownOwner();
    const bool same = !own || !pipeOwner ||
                      EqualSid(pipeOwner, reinterpret_cast<TOKEN_OWNER *>(own.get())->Owner);
    LocalFree(descriptor);
    return same;
}

bool freeAbandonedName(const QString &)
{
    return false;
}

} // namespace SingleInstancePlatform
