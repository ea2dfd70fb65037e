#include "logfile.h"
#include "loglistmodel.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// A program killed at any moment of a save leaves the log whole: the old one
// or the new one, never a mixture or a cut.
class TestCrashSafety : public QObject
{
    Q_OBJECT

private slots:
    void killedSaveLeavesOneWholeLog();
};

namespace {

constexpr int rows = 3000;

QByteArray logOf(const QString &tag)
{
    QByteArray bytes;
    for (int row = 0; row < rows; ++row) {
        for (const char *cell : {"game", "date", "numbers"})
            bytes += QStringLiteral("%1 %2 %3\r\n").arg(tag, cell).arg(row).toLatin1();
    }
    return bytes;
}

} // namespace

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

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
