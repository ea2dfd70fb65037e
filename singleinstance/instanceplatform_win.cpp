#include "instanceplatform.h"

#include <windows.h>

#include <sddl.h>

#include <map>
#include <memory>
#include <string>

// The name is a named pipe, which ends with the last copy that holds it.
namespace SingleInstancePlatform {

namespace {

// What each first start holds: its mutex and the namespace it lies in.
std::map<QString, std::pair<HANDLE, HANDLE>> &claims()
{
    static std::map<QString, std::pair<HANDLE, HANDLE>> held;
    return held;
}

} // namespace

// A pipe's name is not a path.
std::vector<NameFolder> nameFolders()
{
    return {{}};
}

bool holdsNames(const NameFolder &, bool)
{
    return true;
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

// The user's SID, as the process token gives it: not the environment's
// USERNAME, which another start may have been given otherwise.
QString userKey()
{
    const std::unique_ptr<char[]> user = tokenUser(GetCurrentProcess());
    LPWSTR text = nullptr;
    if (!user || !ConvertSidToStringSidW(sid(user), &text))
        return qEnvironmentVariable("USERDOMAIN") + u'\\' + qEnvironmentVariable("USERNAME");
    const QString key = QString::fromWCharArray(text);
    LocalFree(text);
    return key;
}

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

// A mutex of the name in a namespace bounded by this user's SID, which only
// their processes, elevated or not, can open: whichever start makes it is the
// first, and it lasts while that copy runs. Another user can neither make it
// first nor see it. Where the system lacks such namespaces (Wine), a mutex
// of the session's own namespace that only this user may open; one another
// user made first leaves the name to decide.
std::optional<bool> claimFirst(const QString &name, const std::vector<NameFolder> &)
{
    const std::unique_ptr<char[]> user = tokenUser(GetCurrentProcess());
    LPWSTR sidText = nullptr;
    if (!user || !ConvertSidToStringSidW(sid(user), &sidText))
        return std::nullopt;
    const std::wstring userSid(sidText);
    LocalFree(sidText);
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    const std::wstring access = L"D:P(A;;GA;;;" + userSid + L")";
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(access.c_str(), SDDL_REVISION_1,
                                                              &descriptor, nullptr))
        return std::nullopt;
    SECURITY_ATTRIBUTES attributes = {sizeof attributes, descriptor, FALSE};
    const std::wstring alias = L"Ticketwise-" + userSid;
    HANDLE space = nullptr;
    if (HANDLE boundary = CreateBoundaryDescriptorW(L"Ticketwise", 0)) {
        if (AddSIDToBoundaryDescriptor(&boundary, sid(user))) {
            space = CreatePrivateNamespaceW(&attributes, boundary, alias.c_str());
            if (!space && GetLastError() == ERROR_ALREADY_EXISTS)
                space = OpenPrivateNamespaceW(boundary, alias.c_str());
        }
        DeleteBoundaryDescriptor(boundary);
    }
    const std::wstring object = space ? alias + L"\\" + name.toStdWString()
                                      : L"Local\\" + alias + L"-" + name.toStdWString();
    std::optional<bool> first;
    // Kept open, as the namespace is, while the first copy runs.
    if (HANDLE mutex = CreateMutexW(&attributes, FALSE, object.c_str())) {
        first = GetLastError() != ERROR_ALREADY_EXISTS;
        if (*first)
            claims()[name] = {mutex, space};
        else
            CloseHandle(mutex);
    }
    // A mutex of that name another user made first cannot be opened: the
    // name decides.
    if (space && first != true)
        ClosePrivateNamespace(space, 0);
    LocalFree(descriptor);
    return first;
}

void releaseClaim(const QString &name)
{
    const auto claim = claims().find(name);
    if (claim == claims().end())
        return;
    CloseHandle(claim->second.first);
    if (claim->second.second)
        ClosePrivateNamespace(claim->second.second, 0);
    claims().erase(claim);
}

bool freeAbandonedName(const QString &)
{
    return false;
}

} // namespace SingleInstancePlatform
