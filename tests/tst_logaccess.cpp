// The saved log as an ordinary user meets it: a log that cannot be read, a
// program folder that cannot be written, and another user who takes every
// one-window name they can. When run as root, the program's part runs as
// "nobody", since root may read and write anything.
#include "singleinstance.h"
#include "testfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const bool asRoot = ::geteuid() == 0;
const passwd *const nobody = ::getpwnam("nobody");

// Makes the path the ordinary user's, with the given mode.
void own(const QString &path, mode_t mode)
{
    if (asRoot)
        QCOMPARE(::chown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid), 0);
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

struct stat statOf(const QString &path)
{
    struct stat info = {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info;
}

} // namespace

class TestLogAccess : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void unreadableLogIsKeptAsideAtTheFirstSave();
    void unreadableLogThatCannotBeMovedStaysAsItWas();
    void readOnlyFolderWritesTheLogInPlace();
    void neitherWritableKeepsTheLogPerUser();
    void inPlaceSaveOnAFullDiskKeepsTheOldLog_data();
    void inPlaceSaveOnAFullDiskKeepsTheOldLog();
    void inPlaceSaveStoppedAtAnyStepLeavesTheOldLog_data();
    void inPlaceSaveStoppedAtAnyStepLeavesTheOldLog();
    void aNameOnlyThisUserCanHold_data();
    void aNameOnlyThisUserCanHold();
    void oneNameWhateverTheEnvironment_data();
    void oneNameWhateverTheEnvironment();

private:
    QString programLog() const { return m_dir->filePath("program/saved.wok"); }
    QString userLog() const { return m_dir->filePath("home/Ticketwise/saved.wok"); }
    // Adds a ticket as the program would, as the ordinary user; returns what
    // the helper printed.
    QString addAsUser(const QString &game, int expectedExit)
    {
        return runAsUser({"--add", programLog(), userLog(), game}, expectedExit);
    }
    // Runs the helper with the arguments as the ordinary user, whose data
    // folder is home/; returns what it printed. An expected exit below 0
    // takes any.
    QString runAsUser(const QStringList &arguments, int expectedExit)
    {
        QProcess helper;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", m_dir->filePath("home"));
        helper.setProcessEnvironment(environment);
        if (asRoot) {
            helper.setChildProcessModifier([] {
                if (::setgroups(0, nullptr) != 0 || ::setgid(nobody->pw_gid) != 0 ||
                    ::setuid(nobody->pw_uid) != 0)
                    ::_exit(3);
            });
        }
        helper.start(m_dir->filePath("logsaver"), arguments);
        [&] {
            QVERIFY(helper.waitForFinished());
            m_exitCode = helper.exitCode();
            if (expectedExit >= 0)
                QCOMPARE(m_exitCode, expectedExit);
        }();
        return QString::fromLocal8Bit(helper.readAllStandardOutput() +
                                      helper.readAllStandardError());
    }

    QStringList rollbackCopies() const
    {
        return QDir(m_dir->filePath("home/Ticketwise"))
            .entryList({"*.rollback-????????????????"}, QDir::Files);
    }
    void mountProgramFolder(const QString &fileSystem);

    std::optional<QTemporaryDir> m_dir;
    bool m_mounted = false;
    int m_exitCode = 0;
};

void TestLogAccess::init()
{
    if (asRoot && !nobody)
        QSKIP("no user \"nobody\" to run as");
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
    QCOMPARE(::chmod(QFile::encodeName(m_dir->path()).constData(), 0755), 0);
    QVERIFY(QDir(m_dir->path()).mkpath("program"));
    QVERIFY(QDir(m_dir->path()).mkpath("home"));
    own(m_dir->filePath("program"), 0755);
    own(m_dir->filePath("home"), 0755);
    // The build folder may lie where the ordinary user cannot reach, as a
    // clone in /root does: the helper runs from here.
    QVERIFY(QFile::copy(QStringLiteral(HELPERS_DIR "/logsaver"), m_dir->filePath("logsaver")));
    QCOMPARE(::chmod(QFile::encodeName(m_dir->filePath("logsaver")).constData(), 0755), 0);
}

void TestLogAccess::cleanup()
{
    if (m_mounted)
        QProcess::execute(QStringLiteral("umount"), {m_dir->filePath("program")});
    m_mounted = false;
    ::chmod(QFile::encodeName(m_dir->filePath("program")).constData(), 0755);
    m_dir.reset();
}

void TestLogAccess::unreadableLogIsKeptAsideAtTheFirstSave()
{
    const QByteArray old = readBytes(QStringLiteral(FIXTURES_DIR "/three-tickets.wok"));
    writeBytes(programLog(), old);
    own(programLog(), 0200);

    const QString report = addAsUser("new", 0);
    const QRegularExpression aside(
        QStringLiteral("kept aside (.*saved\\.wok\\.unread-\\d{8}-\\d{6})\n"));
    const QString asidePath = aside.match(report).captured(1);
    QVERIFY2(!asidePath.isEmpty(), qPrintable(report));
    own(asidePath, 0600);
    QCOMPARE(readBytes(asidePath), old);
    QCOMPARE(readBytes(programLog()), QByteArray("new\r\n\r\n\r\n"));

    // Read whole from then on: the next save moves nothing.
    QVERIFY(addAsUser("next", 0).contains("rows 2\n"));
    QCOMPARE(QDir(m_dir->filePath("program")).entryList(QDir::Files).size(), 2);
}

void TestLogAccess::unreadableLogThatCannotBeMovedStaysAsItWas()
{
    writeBytes(programLog(), "old\r\nticket\r\nkept\r\n");
    own(programLog(), 0200);
    own(m_dir->filePath("program"), 0555);

    const QString report = addAsUser("new", 1);
    QVERIFY2(report.contains("kept aside \n") && !report.contains("error \n"), qPrintable(report));
    own(programLog(), 0600);
    QCOMPARE(readBytes(programLog()), QByteArray("old\r\nticket\r\nkept\r\n"));
    QCOMPARE(QDir(m_dir->filePath("program")).entryList(QDir::Files), QStringList{"saved.wok"});
}

void TestLogAccess::readOnlyFolderWritesTheLogInPlace()
{
    writeBytes(programLog(), "old\r\nticket\r\nkept\r\n");
    own(programLog(), 0640);
    QVERIFY(::link(QFile::encodeName(programLog()).constData(),
                   QFile::encodeName(m_dir->filePath("program/link.wok")).constData()) == 0);
    own(m_dir->filePath("program"), 0555);
    const struct stat before = statOf(programLog());

    QVERIFY(addAsUser("new", 0).contains("saved to " + programLog()));
    const QByteArray expected = "old\r\nticket\r\nkept\r\nnew\r\n\r\n\r\n";
    QCOMPARE(readBytes(programLog()), expected);
    QCOMPARE(readBytes(m_dir->filePath("program/link.wok")), expected);
    const struct stat after = statOf(programLog());
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_nlink, nlink_t(2));
}

void TestLogAccess::neitherWritableKeepsTheLogPerUser()
{
    writeBytes(programLog(), "old\r\nticket\r\nkept\r\n");
    own(programLog(), 0444);
    own(m_dir->filePath("program"), 0555);

    // The log that was there is carried over; the program's folder is
    // never changed.
    QVERIFY(addAsUser("new", 0).contains("rows 2\nsaved to " + userLog()));
    QVERIFY(addAsUser("next", 0).contains("rows 3\n"));
    QCOMPARE(readBytes(userLog()), QByteArray("old\r\nticket\r\nkept\r\nnew\r\n\r\n\r\n"
                                              "next\r\n\r\n\r\n"));
    QCOMPARE(readBytes(programLog()), QByteArray("old\r\nticket\r\nkept\r\n"));
}

void TestLogAccess::inPlaceSaveOnAFullDiskKeepsTheOldLog_data()
{
    QTest::addColumn<QString>("fileSystem");
    QTest::addColumn<int>("roomLeft");
    QTest::newRow("tmpfs, full") << "tmpfs" << 0;
    QTest::newRow("tmpfs, room for part of the ticket") << "tmpfs" << 8192;
    QTest::newRow("ext4, full") << "ext4" << 0;
    QTest::newRow("ext4, room for part of the ticket") << "ext4" << 8192;
}

// A program folder on a small file system, that the user cannot write.
void TestLogAccess::mountProgramFolder(const QString &fileSystem)
{
    if (!asRoot)
        QSKIP("mounting a small file system needs root");
    const QString folder = m_dir->filePath("program");
    if (fileSystem == "ext4") {
        const QString image = m_dir->filePath("disk.img");
        QFile disk(image);
        QVERIFY(disk.open(QIODevice::WriteOnly) && disk.resize(512 * 1024));
        disk.close();
        QCOMPARE(QProcess::execute("mkfs.ext4", {"-q", "-F", "-m", "0", image}), 0);
        QCOMPARE(QProcess::execute("mount", {"-o", "loop", image, folder}), 0);
    } else {
        QCOMPARE(QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", folder}), 0);
    }
    m_mounted = true;
    own(folder, 0755);
    QCOMPARE(::chown(QFile::encodeName(folder).constData(), 0, 0), 0);
}

// A program folder on a small file system that the user cannot write,
// holding a log of 44,800 bytes that they can, filled up by another file.
void TestLogAccess::inPlaceSaveOnAFullDiskKeepsTheOldLog()
{
    QFETCH(QString, fileSystem);
    QFETCH(int, roomLeft);
    mountProgramFolder(fileSystem);
    const QByteArray old = QByteArray("Pick 5\r\n12/07/2026\r\n3-17-22-30-41\r\n").repeated(1280);
    writeBytes(programLog(), old);
    own(programLog(), 0644);
    QFile filler(m_dir->filePath("program/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'f')) == 4096) {
    }
    QVERIFY(filler.resize(std::max<qint64>(0, filler.size() - roomLeft)));
    filler.close();

    const QString report = runAsUser({"--add", programLog(), userLog(), QString(24000, u'7')}, 1);
    QVERIFY2(report.contains("error No space left on device\n"), qPrintable(report));
    QCOMPARE(readBytes(programLog()).size(), old.size());
    QCOMPARE(readBytes(programLog()), old);
    QCOMPARE(rollbackCopies(), QStringList());

    // With room again, a shorter log is cut to its length.
    QVERIFY(filler.remove());
    QCOMPARE(runAsUser({programLog(), "2", "short"}, 0), QString());
    QCOMPARE(readBytes(programLog()),
             QByteArray("short game 0\r\nshort date 0\r\nshort numbers 0\r\n"
                        "short game 1\r\nshort date 1\r\nshort numbers 1\r\n"));
}

void TestLogAccess::inPlaceSaveStoppedAtAnyStepLeavesTheOldLog_data()
{
    QTest::addColumn<QString>("fileSystem");
    QTest::addColumn<QString>("rows"); // of the new log, whose cells say "new"
    QTest::addColumn<bool>("crash");
    for (const char *fileSystem : {"tmpfs", "ext4"}) {
        for (const bool crash : {false, true}) {
            const char *how = crash ? "crash" : "failure";
            QTest::addRow("%s, an ADD, %s", fileSystem, how) << fileSystem << "301" << crash;
            QTest::addRow("%s, rewritten, %s", fileSystem, how) << fileSystem << "320" << crash;
        }
    }
}

// Each step of a save in place, from the rollback copy to its removal, fails
// or ends the program in turn: a failed save leaves the old log at once, and
// the next start finds it, or puts it back after a crash. A save that no step
// stops writes the new log.
void TestLogAccess::inPlaceSaveStoppedAtAnyStepLeavesTheOldLog()
{
    QFETCH(QString, fileSystem);
    QFETCH(QString, rows);
    QFETCH(bool, crash);
    mountProgramFolder(fileSystem);
    const QString tag = rows == "301" ? "new" : "other";
    const auto logOf = [](int count, const QString &tag) {
        QByteArray bytes;
        for (int row = 0; row < count; ++row)
            bytes += QStringLiteral("%1 game %2\r\n%1 date %2\r\n%1 numbers %2\r\n")
                         .arg(tag)
                         .arg(row)
                         .toLatin1();
        return bytes;
    };
    const QByteArray old = logOf(300, "new");
    for (int step = 1; step <= 20; ++step) {
        writeBytes(programLog(), old);
        own(programLog(), 0644);
        const QString stop = QString::number(step);
        const QString report =
            runAsUser({programLog(), rows, tag, "--in-place", stop, crash ? "crash" : "fail"}, -1);
        if (m_exitCode == 4) {
            QCOMPARE(readBytes(programLog()), logOf(rows.toInt(), tag));
            QCOMPARE(rollbackCopies(), QStringList());
            return;
        }
        QCOMPARE(m_exitCode, crash ? 9 : 1);
        if (!crash) {
            QVERIFY2(report.contains("step " + stop + " failed"), qPrintable(report));
            QVERIFY2(readBytes(programLog()) == old, qPrintable("failed at step " + stop));
        }
        runAsUser({"--restore", programLog()}, -1);
        QVERIFY(m_exitCode == 0 || m_exitCode == 1); // nothing to put back, or put back
        QVERIFY2(readBytes(programLog()) == old, qPrintable("stopped at step " + stop));
        QCOMPARE(rollbackCopies(), QStringList());
    }
    QFAIL("the save did not end within 20 steps");
}

void TestLogAccess::aNameOnlyThisUserCanHold_data()
{
    QTest::addColumn<bool>("otherUser");
    QTest::newRow("this user alone") << false;
    QTest::newRow("another user took every name they could") << true;
}

// This user's first copy holds the name, listening and never answering: a
// second start reaches it, as a copy that does not answer, in whichever of
// the folders it lies, whatever another user made first: the runtime folder
// public, the folder in the temporary folder theirs, and the name in it. Without the first copy, a
// start goes on alone and holds the name itself, in a folder of its own made private.
void TestLogAccess::aNameOnlyThisUserCanHold()
{
    QFETCH(bool, otherUser);
    if (otherUser && !asRoot)
        QSKIP("a second user needs root");
    const std::vector<SingleInstance::NameFolder> folders = {
        {m_dir->filePath("run"), false},
        {m_dir->filePath("cache/ticketwise"), true},
        {m_dir->filePath("tmp/ticketwise"), true}};
    QLocalServer squatter;
    if (otherUser) {
        QVERIFY(QDir(m_dir->path()).mkpath("run"));
        own(m_dir->filePath("run"), 0777);
        QVERIFY(QDir(m_dir->path()).mkpath("tmp"));
        own(m_dir->filePath("tmp"), 0777);
        const QString theirs = folders[2].path;
        QVERIFY(::seteuid(nobody->pw_uid) == 0);
        const bool squatted = QDir().mkdir(theirs) &&
                              ::chmod(QFile::encodeName(theirs).constData(), 0700) == 0 &&
                              squatter.listen(SingleInstance::serverName(theirs, programLog()));
        QVERIFY(::seteuid(0) == 0);
        QVERIFY(squatted);
    }
    const QString name = SingleInstance::serverName(folders[1].path, programLog());
    {
        // Alone, the first copy holds the name in the last folder, as one
        // started while the others could not be made: it is found there.
        const QString held = otherUser ? folders[1].path : folders[2].path;
        QVERIFY(QDir().mkpath(held));
        QCOMPARE(::chmod(QFile::encodeName(held).constData(), 0700), 0);
        QLocalServer first;
        QVERIFY2(first.listen(SingleInstance::serverName(held, programLog())),
                 qPrintable(first.errorString()));
        QCOMPARE(SingleInstance(programLog(), folders).start(),
                 SingleInstance::Start::RunningCopyNotAnswering);
    }
    QCOMPARE(::chmod(QFile::encodeName(folders[1].path).constData(), 0755), 0);
    SingleInstance alone(programLog(), folders);
    QCOMPARE(alone.start(), SingleInstance::Start::Alone);
    QCOMPARE(alone.heldName(), name);
    QVERIFY(S_ISSOCK(statOf(name).st_mode));
    QCOMPARE(statOf(folders[1].path).st_mode & 0777, mode_t(0700));
}

void TestLogAccess::oneNameWhateverTheEnvironment_data()
{
    QTest::addColumn<QStringList>("environment"); // NAME=VALUE, or -NAME; * for none but PATH
    QTest::newRow("a shell without a session's runtime folder") << QStringList{"-XDG_RUNTIME_DIR"};
    QTest::newRow("another runtime folder") << QStringList{"XDG_RUNTIME_DIR=@/runtime"};
    QTest::newRow("another home, cache and temporary folder")
        << QStringList{"HOME=@", "XDG_CACHE_HOME=@/cache", "TMPDIR=@"};
    QTest::newRow("a cron-like start, PATH and DISPLAY alone") << QStringList{"*", "DISPLAY=:0"};
}

// A start from a desktop session (a private XDG_RUNTIME_DIR) and one as su,
// sudo, a launcher or cron would make it look in the same folders, in the
// same order, so that each finds the other.
void TestLogAccess::oneNameWhateverTheEnvironment()
{
    QFETCH(QStringList, environment);
    QVERIFY(QDir(m_dir->path()).mkpath("runtime"));
    QCOMPARE(::chmod(QFile::encodeName(m_dir->filePath("runtime")).constData(), 0700), 0);
    const auto paths = [] {
        QStringList folders;
        for (const SingleInstance::NameFolder &folder : SingleInstance::nameFolders())
            folders << folder.path;
        return folders;
    };
    const QProcessEnvironment saved = QProcessEnvironment::systemEnvironment();
    const auto restore = qScopeGuard([&] {
        for (const QString &name : QProcessEnvironment::systemEnvironment().keys())
            qunsetenv(qPrintable(name));
        for (const QString &name : saved.keys())
            qputenv(qPrintable(name), saved.value(name).toLocal8Bit());
    });
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir->filePath("runtime")));
    const QStringList desktop = paths();
    QVERIFY(!desktop.contains(m_dir->filePath("runtime")));
    for (const QString &change : environment) {
        if (change == u"*") {
            for (const QString &name : QProcessEnvironment::systemEnvironment().keys()) {
                if (name != u"PATH")
                    qunsetenv(qPrintable(name));
            }
        } else if (change.startsWith(u'-')) {
            qunsetenv(qPrintable(change.mid(1)));
        } else {
            const qsizetype equals = change.indexOf(u'=');
            qputenv(qPrintable(change.left(equals)),
                    QFile::encodeName(change.mid(equals + 1).replace(u'@', m_dir->path())));
        }
    }
    QCOMPARE(paths(), desktop);
}

QTEST_GUILESS_MAIN(TestLogAccess)
#include "tst_logaccess.moc"
