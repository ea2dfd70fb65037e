#include "instanceplatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <map>
#include <pwd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SingleInstancePlatform {

namespace {

// A path a socket can take, with the name after it.
constexpr qsizetype longestFolder = 100 - 44;

// The lock each first start holds, by its name.
std::map<QString, int> &claims()
{
    static std::map<QString, int> held;
    return held;
}

// This user's, a folder and no link, that no one else may enter.
bool isPrivate(const QString &folder)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

// Made with mode 0700 where missing, and made private where it is this
// user's own; one another user made first is not taken.
bool madePrivate(const QString &folder)
{
    QDir().mkpath(QFileInfo(folder).absolutePath());
    const QByteArray path = QFile::encodeName(folder);
    ::mkdir(path.constData(), 0700);
    struct stat info = {};
    if (::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
        info.st_uid == ::getuid() && (info.st_mode & 077) != 0)
        ::chmod(path.constData(), 0700);
    return isPrivate(folder);
}

} // namespace

QString userKey()
{
    return QString::number(::getuid());
}

// The runtime folder the system keeps for the user while they have a session,
// found by their id rather than by XDG_RUNTIME_DIR, which su, sudo and
// launchers may drop; then a folder in their home, as the password database
// names it; then one in /tmp, where another user may have made it first and
// it is not taken.
std::vector<NameFolder> nameFolders()
{
    const QString uid = userKey();
    std::vector<NameFolder> folders = {{QStringLiteral("/run/user/") + uid, false}};
    std::vector<char> buffer(16384);
    passwd entry = {};
    passwd *found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir && found->pw_dir[0] == '/')
        folders.push_back(
            {QFile::decodeName(found->pw_dir) + QStringLiteral("/.cache/ticketwise"), true});
    folders.push_back({QStringLiteral("/tmp/ticketwise-") + uid, true});
    return folders;
}

bool holdsNames(const NameFolder &folder, bool make)
{
    if (QFile::encodeName(folder.path).size() > longestFolder)
        return false;
    return make && folder.made ? madePrivate(folder.path) : isPrivate(folder.path);
}

// A lock on a file beside the name, in the first folder the program makes
// for this user: it follows from who the user is alone, as the folders do.
// The name cannot decide: a server made with UserAccessOption listens under
// a name of its own and renames it over the shared one, so a second start at
// the same moment takes the name too. The kernel lets the lock go when the
// copy ends however it ends; a program the copy starts (a browser) does not
// inherit it.
std::optional<bool> claimFirst(const QString &name, const std::vector<NameFolder> &folders)
{
    const QString lockName = QFileInfo(name).fileName() + QStringLiteral(".lock");
    for (const NameFolder &folder : folders) {
        if (!folder.made || !holdsNames(folder, true))
            continue;
        const QByteArray path = QFile::encodeName(folder.path + u'/' + lockName);
        const int lock = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (lock < 0)
            continue;
        if (::flock(lock, LOCK_EX | LOCK_NB) == 0) {
            claims()[name] = lock; // held, open, until the copy ends
            return true;
        }
        const bool held = errno == EWOULDBLOCK;
        ::close(lock);
        if (held)
            return false;
    }
    return std::nullopt;
}

// The name is a path in a private folder; a killed copy leaves its socket
// file, which a later start removes once no copy answered on it.
void prepare(QLocalServer &server)
{
    server.setSocketOptions(QLocalServer::UserAccessOption);
}

void prepare(QLocalSocket &) {}

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

void releaseClaim(const QString &name)
{
    const auto claim = claims().find(name);
    if (claim == claims().end())
        return;
    ::close(claim->second);
    claims().erase(claim);
}

bool freeAbandonedName(const QString &name)
{
    return QLocalServer::removeServer(name);
}

} // namespace SingleInstancePlatform
