// One window per log beside a name held by a process that listens and never
// answers: another user's is ignored, and the start goes on alone; this
// user's is a copy that does not answer.
#include "singleinstance.h"

#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstring>

#include <pwd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void aNameHeldByAnotherUserIsIgnored_data()
    {
        QTest::addColumn<bool>("otherUser");
        QTest::addColumn<SingleInstance::Start>("start");
        QTest::newRow("another user") << true << SingleInstance::Start::Alone;
        QTest::newRow("this user") << false << SingleInstance::Start::RunningCopyNotAnswering;
    }
    void aNameHeldByAnotherUserIsIgnored();
};

void TestSingleInstance::aNameHeldByAnotherUserIsIgnored()
{
    QFETCH(bool, otherUser);
    QFETCH(SingleInstance::Start, start);
    const passwd *nobody = ::getpwnam("nobody");
    if (otherUser && (::geteuid() != 0 || !nobody))
        QSKIP("a second user needs root and the user \"nobody\"");
    QTemporaryDir dir;
    const QString log = dir.filePath("saved.wok");
    const QByteArray name = QFile::encodeName(SingleInstance::serverName(log));
    sockaddr_un address = {};
    address.sun_family = AF_UNIX; // abstract: sun_path begins with a null
    std::memcpy(address.sun_path + 1, name.constData(), std::size_t(name.size()));
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + name.size());

    int ready[2];
    QCOMPARE(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        const int held = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if ((otherUser && (::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0)) ||
            ::bind(held, reinterpret_cast<sockaddr *>(&address), length) != 0 ||
            ::listen(held, 8) != 0 || ::write(ready[1], "x", 1) != 1)
            ::_exit(1);
        ::pause();
    }
    char byte = 0;
    const bool holding = ::read(ready[0], &byte, 1) == 1;
    const SingleInstance::Start started = holding ? SingleInstance(log).start() : start;
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    QVERIFY2(holding, "the name could not be held");
    QCOMPARE(started, start);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
