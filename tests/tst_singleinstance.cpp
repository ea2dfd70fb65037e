// Starts at the same moment on one log, as a double click that took twice,
// or a launcher and a file manager at once, make them: one window, the other
// starts handed to it.
#include <QDateTime>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void startsAtOneMomentOpenOneWindow_data();
    void startsAtOneMomentOpenOneWindow();
};

void TestSingleInstance::startsAtOneMomentOpenOneWindow_data()
{
    QTest::addColumn<int>("copies");
    QTest::addColumn<int>("rounds");
    // Wine starts a process in about a second: fewer rounds there.
#ifdef Q_OS_WIN
    constexpr int rounds = 4;
#else
    constexpr int rounds = 25;
#endif
    QTest::newRow("two at once") << 2 << rounds;
    QTest::newRow("three at once") << 3 << rounds / 2;
}

void TestSingleInstance::startsAtOneMomentOpenOneWindow()
{
    QFETCH(int, copies);
    QFETCH(int, rounds);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
#ifdef Q_OS_WIN
    constexpr int lead = 4000; // each copy waits for the moment, whenever Wine started it
#else
    constexpr int lead = 400;
#endif
    for (int round = 0; round < rounds; ++round) {
        // A log of its own each round: no name is left from a round before.
        const QString log = dir.filePath(QStringLiteral("round%1/saved.wok").arg(round));
        const QString at = QString::number(QDateTime::currentMSecsSinceEpoch() + lead);
        std::vector<std::unique_ptr<QProcess>> started;
        for (int copy = 0; copy < copies; ++copy) {
            started.push_back(std::make_unique<QProcess>());
            started.back()->start(QStringLiteral(STARTCOPY), {log, at});
        }
        QStringList outcomes;
        for (const std::unique_ptr<QProcess> &process : started) {
            QVERIFY(process->waitForStarted());
            QVERIFY(process->waitForReadyRead(lead + 10'000));
            outcomes << QString::fromLatin1(process->readLine().trimmed());
        }
        for (const std::unique_ptr<QProcess> &process : started) {
            process->kill();
            process->waitForFinished();
        }
        outcomes.sort();
        QStringList expected(copies - 1, QStringLiteral("handed"));
        expected.prepend(QStringLiteral("alone"));
        QVERIFY2(outcomes == expected,
                 qPrintable(QStringLiteral("round %1: %2").arg(round).arg(outcomes.join(", "))));
    }
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
