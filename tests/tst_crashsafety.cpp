#include "filesteps.h"
#include "inplacesave.h"
#include "logbytes.h"
#include "logfile.h"
#include "loglistmodel.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <optional>
#include <sys/stat.h>

// A program killed at any moment of a save leaves the log whole: the old one
// or the new one, never a mixture or a cut. A save in place stopped at any
// step is put back at the next start, onto the file it left and no other; as
// any user, through the steps' seam.
class TestCrashSafety : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void killedSaveLeavesOneWholeLog();
    void inPlaceSaveStoppedAtAnyStepIsPutBack_data();
    void inPlaceSaveStoppedAtAnyStepIsPutBack();
    void rollbackRestoresOnlyItsOwnSave_data();
    void rollbackRestoresOnlyItsOwnSave();
    void inPlaceSaveCutAtAnyByteIsPutBack_data();
    void inPlaceSaveCutAtAnyByteIsPutBack();
    void powerCutKeepingAnyPagesIsPutBack_data();
    void powerCutKeepingAnyPagesIsPutBack();

private:
    // The helper's exit code, and what it printed.
    QString run(const QStringList &arguments, int expectedExit)
    {
        QProcess helper;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", m_dir->filePath("home"));
        helper.setProcessEnvironment(environment);
        helper.start(QStringLiteral(HELPERS_DIR "/logsaver"), arguments);
        [&] {
            QVERIFY(helper.waitForFinished());
            m_exitCode = helper.exitCode();
            if (expectedExit >= 0)
                QCOMPARE(m_exitCode, expectedExit);
        }();
        return QString::fromLocal8Bit(helper.readAllStandardOutput() +
                                      helper.readAllStandardError());
    }
    QStringList copies(const QString &pattern) const
    {
        return QDir(m_dir->filePath("home/Ticketwise")).entryList({pattern}, QDir::Files);
    }

    std::optional<QTemporaryDir> m_dir;
    int m_exitCode = 0;
};

namespace {

constexpr int rows = 3000;

QByteArray logOf(const QString &tag, int count = rows, int without = -1)
{
    QByteArray bytes;
    for (int row = 0; row < count; ++row) {
        if (row == without)
            continue;
        for (const char *cell : {"game", "date", "numbers"})
            bytes += QStringLiteral("%1 %2 %3\r\n").arg(tag, cell).arg(row).toLatin1();
    }
    return bytes;
}

// What a RestoreOutcome's kind comes back as from the helper.
enum Restore
{
    Nothing,
    Restored,
    KeptAside,
    LogMissing,
    Failed
};

} // namespace

void TestCrashSafety::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
}

void TestCrashSafety::killedSaveLeavesOneWholeLog()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("saved.wok"));
    const QByteArray first = logOf(QStringLiteral("first"));
    const QByteArray second = logOf(QStringLiteral("second"));
    const quint32 seed = QRandomGenerator::global()->generate();
    qInfo("random moments from seed %u", seed);
    QRandomGenerator moments(seed);

    int firstSeen = 0;
    int secondSeen = 0;
    for (int kill = 0; kill < 200; ++kill) {
        QProcess saver;
        saver.start(QStringLiteral(HELPERS_DIR "/logsaver"),
                    {path, QString::number(rows), QStringLiteral("--alternate")});
        QVERIFY(saver.waitForStarted());
        // Until the first save is done there is no log to judge.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(path), 10000);
        QTest::qSleep(int(moments.bounded(40)));
        ::kill(pid_t(saver.processId()), SIGKILL);
        QVERIFY(saver.waitForFinished());
        QCOMPARE(saver.exitStatus(), QProcess::CrashExit);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        QVERIFY2(saved == first || saved == second,
                 qPrintable(QStringLiteral("kill %1 left %2 bytes").arg(kill).arg(saved.size())));
        (saved == first ? firstSeen : secondSeen)++;

        QStringList others = QDir(dir.path()).entryList(QDir::Files);
        others.removeOne(QStringLiteral("saved.wok"));
        QVERIFY2(others.size() <= 1, qPrintable(others.join(u' ')));
        for (const QString &other : others)
            QVERIFY(QFile::remove(dir.filePath(other)));
        QFile::remove(path);
    }
    qInfo("the log read back as the first %d times, as the second %d times", firstSeen, secondSeen);
}

void TestCrashSafety::inPlaceSaveStoppedAtAnyStepIsPutBack_data()
{
    QTest::addColumn<QStringList>("save"); // ROWS TAG, then --delete ROW where one goes
    for (const char *how : {"failure", "crash"}) {
        QTest::addRow("an ADD, %s", how) << QStringList{"301", "first"};
        QTest::addRow("a DELETE in the middle, %s", how)
            << QStringList{"300", "first", "--delete", "150"};
        QTest::addRow("a log that shrinks, %s", how) << QStringList{"200", "first"};
        QTest::addRow("rewritten, %s", how) << QStringList{"320", "second"};
    }
}

// Each step of a save over a log of 300 tickets fails, or ends the program,
// in turn: a failure leaves the old log at once, a crash leaves it to the
// next start, and neither leaves a copy behind. A save that no step stops
// writes the new log.
void TestCrashSafety::inPlaceSaveStoppedAtAnyStepIsPutBack()
{
    QFETCH(QStringList, save);
    const bool crash = QString(QTest::currentDataTag()).endsWith("crash");
    const QString path = m_dir->filePath("saved.wok");
    const QByteArray old = logOf("first", 300);
    const QByteArray saved = logOf(save[1], save[0].toInt(), save.value(3, "-1").toInt());
    for (int step = 1; step <= 20; ++step) {
        writeBytes(path, old);
        const QString stop = QString::number(step);
        const QString report =
            run(QStringList{path, save[0], save[1], "--in-place", stop, crash ? "crash" : "fail"} +
                    save.mid(2),
                -1);
        if (m_exitCode == 4) {
            QCOMPARE(readBytes(path), saved);
            QCOMPARE(copies("*rollback*"), QStringList());
            return;
        }
        QCOMPARE(m_exitCode, crash ? 9 : 1);
        if (!crash)
            QVERIFY2(readBytes(path) == old, qPrintable("failed at step " + stop));
        // A failed save whose copy could not be removed leaves it to put back.
        run({"--restore", path}, -1);
        QVERIFY2(m_exitCode == Restored || m_exitCode == Nothing,
                 qPrintable(QString("stopped at step %1: %2").arg(stop).arg(m_exitCode)));
        QVERIFY2(readBytes(path) == old, qPrintable("stopped at step " + stop));
        QCOMPARE(copies("*rollback*"), QStringList());
    }
    QFAIL("the save did not end within 20 steps");
}

void TestCrashSafety::rollbackRestoresOnlyItsOwnSave_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("another log put in its place") << "other log";
    QTest::newRow("a ticket added by another copy since") << "added";
    QTest::newRow("a put-back that fails, and a save meanwhile") << "put back fails";
    QTest::newRow("a long path with letters of any language") << "long path";
    QTest::newRow("a copy an older version left") << "older copy";
    QTest::newRow("a log not there, as on a share not mounted yet") << "missing";
}

// A DELETE in the middle of 300 tickets ends the program once the new bytes
// are in, before the log is cut to its length: half the file is new.
void TestCrashSafety::rollbackRestoresOnlyItsOwnSave()
{
    QFETCH(QString, change);
    QString folder = m_dir->path();
    if (change == "long path") {
        // Past 4 KB once written as the copy's header writes it.
        for (int depth = 0; depth < 6; ++depth)
            folder += '/' + QString(127, QChar(0xE9));
        QVERIFY(QDir().mkpath(folder));
    }
    const QString path = folder + "/saved.wok";
    const QByteArray old = logOf("first", 300);
    writeBytes(path, old);
    run({path, "300", "first", "--in-place", "4", "crash", "--delete", "150"}, 9);
    const QByteArray halfWritten = readBytes(path);
    QVERIFY(halfWritten != old);
    QCOMPARE(copies("saved.wok.rollback-*").size(), 1);
    struct stat copy = {};
    ::stat(QFile::encodeName(m_dir->filePath("home/Ticketwise/") +
                             copies("saved.wok.rollback-*").at(0))
               .constData(),
           &copy);
    QCOMPARE(copy.st_mode & 0777, mode_t(0600));
    if (change == "missing") {
        // Its copy is kept until the log is there again.
        QVERIFY(QFile::rename(path, path + ".away"));
        run({"--restore", path}, LogMissing);
        QVERIFY(QFile::rename(path + ".away", path));
    }

    QByteArray now = halfWritten;
    if (change == "other log")
        now = logOf("second", 30);
    else if (change == "added")
        now += "Pick 3\r\n12/01/2026\r\n3-7-1\r\n";
    writeBytes(path, now);
    if (change == "older copy") {
        // Its copy says nothing of what its save left: it is kept, not put back.
        const QString copy =
            m_dir->filePath("home/Ticketwise/") + copies("saved.wok.rollback-*").at(0);
        writeBytes(copy, "Ticketwise rollback 1\n" + QFile::encodeName(path).toPercentEncoding() +
                             "\n" + QByteArray::number(old.size()) + "\n0\n" + old);
        QVERIFY(run({"--restore", path}, KeptAside).contains("rollback-"));
        QCOMPARE(readBytes(path), halfWritten);
        return;
    }
    if (change == "put back fails") {
        const QByteArray copy =
            readBytes(m_dir->filePath("home/Ticketwise/") + copies("saved.wok.rollback-*").at(0));
        QVERIFY(run({"--restore", path, "2"}, Failed).contains("step 2 failed"));
        QCOMPARE(readBytes(path), halfWritten);
        // A save meanwhile puts it back first; where it cannot, the save
        // would take the copy's place, and is not made.
        QVERIFY(run({path, "310", "first", "--in-place", "2", "fail"}, 1)
                    .contains("could not be put back"));
        QCOMPARE(
            readBytes(m_dir->filePath("home/Ticketwise/") + copies("saved.wok.rollback-*").at(0)),
            copy);
    }
    if (change == "other log" || change == "added") {
        const QString report = run({"--add", path, m_dir->filePath("user.wok"), "Pick 4"}, 0);
        QCOMPARE(readBytes(path).left(now.size()), now);
        QCOMPARE(copies("saved.wok.rollback-*"), QStringList());
        const QStringList aside = copies("rollback-*");
        QCOMPARE(aside.size(), 1);
        QVERIFY2(report.contains(aside[0] + "\"."), qPrintable(report));
        return;
    }
    run({"--restore", path}, Restored);
    QCOMPARE(readBytes(path), old);
    QCOMPARE(copies("*rollback*"), QStringList());
}

namespace {

// The saves the crash tests make over a log of 3,000 tickets, about 110 KB.
void addSaves()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("without");
    QTest::newRow("an ADD") << rows + 1 << "first" << -1;
    QTest::newRow("a DELETE near the top") << rows << "first" << 2;
    QTest::newRow("an import that doubles the log") << rows * 2 << "first" << -1;
    QTest::newRow("a log that shrinks by half") << rows / 2 << "first" << -1;
    QTest::newRow("rewritten") << rows << "second" << -1;
}

// How many kills a run makes of each save: a few hundred in all, more where
// TICKETWISE_CRASH_RUNS asks (make crash).
int runsOfEach(int fewest)
{
    return std::max(fewest, qEnvironmentVariableIntValue("TICKETWISE_CRASH_RUNS"));
}

// The disk after a power cut: the pages the log held at its last sync, and
// of the pages written since, any that reached it; its length either.
class PowerCut : public FileSteps
{
public:
    PowerCut(const QString &log, QRandomGenerator &random, int cutAtStep)
        : m_log(log), m_random(random), m_cutAtStep(cutAtStep), m_synced(readBytes(log))
    {
    }
    bool cut() const { return m_cut; }
    // Writes the log as the disk keeps it after the cut.
    void keepSomePages() const
    {
        const QByteArray written = readBytes(m_log);
        const qsizetype size = m_random.bounded(2) ? written.size() : m_synced.size();
        QByteArray kept(size, '\0');
        for (qsizetype at = 0; at < size; at += 4096) {
            const QByteArray &from = m_random.bounded(2) ? written : m_synced;
            const qsizetype length = std::min<qsizetype>(4096, size - at);
            const QByteArray page = from.mid(at, length);
            kept.replace(at, page.size(), page);
        }
        writeBytes(m_log, kept);
    }

protected:
    bool beforeStep(Kind kind, const QString &file, qint64, QString *reason) override
    {
        if (m_cut || ++m_step == m_cutAtStep) {
            m_cut = true;
            *reason = QStringLiteral("the power went");
            return false;
        }
        if (kind == Kind::Sync && file == m_log)
            m_synced = readBytes(m_log);
        return true;
    }

private:
    QString m_log;
    QRandomGenerator &m_random;
    int m_cutAtStep;
    int m_step = 0;
    bool m_cut = false;
    QByteArray m_synced;
};

} // namespace

void TestCrashSafety::inPlaceSaveCutAtAnyByteIsPutBack_data()
{
    addSaves();
}

// A save in place, and then the put-back at the next start, each ended at a
// random byte of what they write (the rollback copy, the growth, the changed
// bytes, the old ones put back): the next start that finishes leaves the old
// log, byte for byte, and no copy. Each runs as a process of its own.
void TestCrashSafety::inPlaceSaveCutAtAnyByteIsPutBack()
{
    QFETCH(int, rows);
    QFETCH(QString, tag);
    QFETCH(int, without);
    const QString path = m_dir->filePath("saved.wok");
    const QByteArray old = logOf("first");
    const QByteArray saved = logOf(tag, rows, without);
    const quint32 seed = QRandomGenerator::global()->generate();
    qInfo("bytes from seed %u", seed);
    QRandomGenerator random(seed);
    // The rollback copy holds the old bytes from the first change on.
    const int reach = int(old.size() + saved.size()) * 2;
    for (int kill = 0, kills = runsOfEach(60); kill < kills; ++kill) {
        writeBytes(path, old);
        const QString cut = QString::number(random.bounded(reach));
        QStringList save = {path, QString::number(rows), tag, "--in-place", "--cut", cut};
        if (without >= 0)
            save << "--delete" << QString::number(without);
        run(save, -1);
        if (m_exitCode == 4) {
            QCOMPARE(readBytes(path), saved);
            continue;
        }
        QVERIFY2(m_exitCode == 9, qPrintable(QString("cut at %1: %2").arg(cut).arg(m_exitCode)));
        // Half the time the put-back is cut short too, and the start after
        // goes on with it.
        if (random.bounded(2)) {
            run({"--restore", path, "--cut", QString::number(random.bounded(reach))}, -1);
            QVERIFY2(m_exitCode == 9 || m_exitCode == Restored || m_exitCode == Nothing,
                     qPrintable(QString("cut at %1, then %2").arg(cut).arg(m_exitCode)));
        }
        run({"--restore", path}, -1);
        QVERIFY2(m_exitCode == Restored || m_exitCode == Nothing,
                 qPrintable(QString("cut at %1: %2").arg(cut).arg(m_exitCode)));
        QVERIFY2(readBytes(path) == old, qPrintable("cut at " + cut));
        QCOMPARE(copies("*rollback*"), QStringList());
    }
}

void TestCrashSafety::powerCutKeepingAnyPagesIsPutBack_data()
{
    addSaves();
}

// The power goes at any step of a save in place, and the disk keeps any of
// the pages written since the last sync, and either length; the put-back at
// the next start may lose power too. The start after leaves the old log.
void TestCrashSafety::powerCutKeepingAnyPagesIsPutBack()
{
    QFETCH(int, rows);
    QFETCH(QString, tag);
    QFETCH(int, without);
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir->filePath("home")));
    const QString path = m_dir->filePath("saved.wok");
    const QByteArray old = logOf("first");
    LogListModel list;
    for (int row = 0; row < rows; ++row) {
        if (row == without)
            continue;
        const int at = list.size();
        list.append(QStringLiteral("%1 game %2").arg(tag).arg(row));
        list.setSubItem(at, 1, QStringLiteral("%1 date %2").arg(tag).arg(row));
        list.setSubItem(at, 2, QStringLiteral("%1 numbers %2").arg(tag).arg(row));
    }
    const quint32 seed = QRandomGenerator::global()->generate();
    qInfo("pages from seed %u", seed);
    QRandomGenerator random(seed);
    for (int cut = 0, cuts = runsOfEach(80); cut < cuts; ++cut) {
        writeBytes(path, old);
        PowerCut save(path, random, 1 + int(random.bounded(10)));
        if (SaveLogFileInPlace(list, path, nullptr, save)) {
            QCOMPARE(readBytes(path), LogFileBytes(list));
            continue;
        }
        QVERIFY(save.cut());
        save.keepSomePages();
        if (random.bounded(2)) {
            PowerCut putBack(path, random, 1 + int(random.bounded(4)));
            RestoreUnfinishedSave(path, putBack);
            if (putBack.cut())
                putBack.keepSomePages();
        }
        const RestoreOutcome restored = RestoreUnfinishedSave(path);
        QVERIFY2(restored.kind == RestoreOutcome::Restored ||
                     restored.kind == RestoreOutcome::Nothing,
                 qPrintable(
                     QString("cut %1: %2 %3").arg(cut).arg(restored.kind).arg(restored.keptAside)));
        QVERIFY2(readBytes(path) == old, qPrintable(QString("cut %1").arg(cut)));
        QCOMPARE(
            QDir(m_dir->filePath("home")).entryList({"*rollback*"}, QDir::Files | QDir::Hidden),
            QStringList());
    }
}

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
