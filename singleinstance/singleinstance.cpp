#include "singleinstance.h"
#include "instanceplatform.h"
#include "startanswerer.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>

namespace {

// A live copy answers at once; these bound the wait for one that is hung.
// A copy that says it is loading is waited for, up to what the longest log
// takes to read.
constexpr int connectTimeoutMs = 300;
constexpr int answerTimeoutMs = 700;
constexpr int loadingTimeoutMs = 120'000;

QString canonicalLogPath(const QString &logPath)
{
    const QFileInfo log(logPath);
    if (!log.canonicalFilePath().isEmpty())
        return log.canonicalFilePath();
    const QString folder = QFileInfo(log.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? log.absolutePath() : folder) + u'/' + log.fileName();
}

// Asks the copy on the other end to come to the front.
SingleInstance::Start askRunningCopy(QLocalSocket &socket)
{
    using Start = SingleInstance::Start;
    socket.write(StartAnswerer::request);
    if (!socket.waitForBytesWritten(answerTimeoutMs))
        return Start::RunningCopyNotAnswering;
    const QDeadlineTimer loadingDeadline(loadingTimeoutMs);
    while (!loadingDeadline.hasExpired()) {
        if (!socket.canReadLine() && !socket.waitForReadyRead(answerTimeoutMs))
            break;
        while (socket.canReadLine()) {
            const QByteArray answer = socket.readLine();
            if (answer == StartAnswerer::raised)
                return Start::HandedToRunningCopy;
            if (answer != StartAnswerer::loading)
                return Start::RunningCopyNotAnswering;
        }
    }
    return Start::RunningCopyNotAnswering;
}

} // namespace

SingleInstance::SingleInstance(const QString &logPath, QObject *parent)
    : SingleInstance(logPath, nameFolders(), parent)
{
}

SingleInstance::SingleInstance(const QString &logPath, std::vector<NameFolder> folders,
                               QObject *parent)
    : QObject(parent), m_logPath(logPath), m_folders(std::move(folders)),
      m_answerer(new StartAnswerer)
{
    m_answerer->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_answerer, &QObject::deleteLater);
    m_thread.start();
}

SingleInstance::~SingleInstance()
{
    m_thread.quit();
    m_thread.wait();
    if (!m_claimed.isEmpty())
        SingleInstancePlatform::releaseClaim(m_claimed);
}

std::vector<SingleInstance::NameFolder> SingleInstance::nameFolders()
{
    return SingleInstancePlatform::nameFolders();
}

QString SingleInstance::serverName(const QString &folder, const QString &logPath)
{
    const QByteArray key =
        (SingleInstancePlatform::userKey() + u'\n' + canonicalLogPath(logPath)).toUtf8();
    const QString name =
        QStringLiteral("ticketwise-") +
        QString::fromLatin1(
            QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(32));
    return folder.isEmpty() ? name : folder + u'/' + name;
}

SingleInstance::Start SingleInstance::start()
{
    // A running copy may hold the name in any of the folders, as the
    // folders a start can use may have changed since it started (a session
    // begun or ended); a first copy holds it in the first it can make.
    QStringList names;
    QString own;
    for (const NameFolder &folder : m_folders) {
        if (own.isEmpty() && SingleInstancePlatform::holdsNames(folder, true))
            own = serverName(folder.path, m_logPath);
        else if (SingleInstancePlatform::holdsNames(folder, false))
            names << serverName(folder.path, m_logPath);
    }
    // Where no name of this user's own can be had, no other copy can be told
    // of either: this one starts as it would without the check.
    if (own.isEmpty())
        return Start::Alone;
    names.prepend(own);
    const auto listen = [this, &own] {
        StartAnswerer::Listen listening = StartAnswerer::Listen::Failed;
        QMetaObject::invokeMethod(
            m_answerer, [this, &own] { return m_answerer->listen(own); },
            Qt::BlockingQueuedConnection, &listening);
        if (listening == StartAnswerer::Listen::Listening)
            m_held = own;
        return listening;
    };
    // Where the system decides which start is first, the first listens once
    // it has asked any copy that holds a name without having claimed it (an
    // older release's); a name another user took leaves it unreachable,
    // never a second window.
    const std::optional<bool> first = SingleInstancePlatform::claimFirst(own, m_folders);
    if (first == true) {
        for (const QString &name : std::as_const(names)) {
            QLocalSocket socket;
            SingleInstancePlatform::prepare(socket);
            socket.connectToServer(name);
            if (socket.waitForConnected(connectTimeoutMs) &&
                SingleInstancePlatform::heldByThisUser(socket)) {
                SingleInstancePlatform::releaseClaim(own);
                return askRunningCopy(socket);
            }
        }
        m_claimed = own;
        listen();
        return Start::Alone;
    }
    // A later start waits a little for a first copy that is not listening yet.
    const QDeadlineTimer firstListens(first ? connectTimeoutMs * 5 : 0);
    for (int attempt = 0;; ++attempt) {
        for (const QString &name : std::as_const(names)) {
            QLocalSocket socket;
            SingleInstancePlatform::prepare(socket);
            socket.connectToServer(name);
            if (!socket.waitForConnected(connectTimeoutMs))
                continue;
            if (SingleInstancePlatform::heldByThisUser(socket))
                return askRunningCopy(socket);
            // A name another user took first is theirs to keep: where nothing
            // else says a copy of this user's runs, this start goes on alone.
            return first ? Start::RunningCopyNotAnswering : Start::Alone;
        }
        if (first) {
            if (firstListens.hasExpired())
                return Start::RunningCopyNotAnswering;
            QThread::msleep(50);
            continue;
        }
        if (attempt > 0)
            return Start::RunningCopyNotAnswering;
        const StartAnswerer::Listen listening = listen();
        // Where no server can be set up, no other copy can be told of either:
        // this one starts as it would without the check.
        if (listening != StartAnswerer::Listen::NameInUse)
            return Start::Alone;
        // Another copy took the name between the two steps: ask it instead.
    }
}

void SingleInstance::raiseOnRequest(QWidget *window)
{
    QPointer<QWidget> shown(window);
    auto raise = [shown](std::function<void()> answer) {
        QMetaObject::invokeMethod(qApp, [shown, answer] {
            if (!shown)
                return;
            shown->setWindowState((shown->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
            shown->show();
            shown->raise();
            shown->activateWindow();
            answer();
        });
    };
    QMetaObject::invokeMethod(m_answerer, [this, raise] { m_answerer->windowStands(raise); });
}
