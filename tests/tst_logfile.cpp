#include "fuzz/linecount.h"
#include "logfile.h"
#include "loglistmodel.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace {

void fill(LogList &list, const Rows &rows)
{
    for (const QStringList &cells : rows) {
        list.append(cells.value(0));
        for (int column = 1; column < list.columns(); ++column)
            list.setSubItem(list.size() - 1, column, cells.value(column));
    }
}

Rows rowsOf(const LogListModel &list)
{
    return rowsOf(static_cast<const QAbstractItemModel &>(list));
}

Rows load(const QString &path)
{
    LogListModel list;
    LoadLogFile(list, path);
    return rowsOf(list);
}

} // namespace

Q_DECLARE_METATYPE(LogFileRead)

class TestLogFile : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir.emplace();
        QVERIFY(m_dir->isValid());
    }

    void writesOneLinePerCell_data();
    void writesOneLinePerCell();
    void readsLineEndsAndDamagedFiles_data();
    void readsLineEndsAndDamagedFiles();
    void roundTripIsByteIdentical_data();
    void roundTripIsByteIdentical();
    void fuzzFindingsReadSafely_data();
    void fuzzFindingsReadSafely();
    void storesUnknownCharactersAsQuestionMarks();
    void readsAVeryLongLine();
    void shorterLogLeavesNothingOfTheOld();
    void listKeepsItsTextsThroughDeletionsAndChanges();
    void onlyARegularFileIsRead_data();
    void onlyARegularFileIsRead();
    void longFileStopsAtTheLimit();
    void saveOverAFolderFails();
    void saveThatRunsOutOfRoomKeepsTheOldFile();
    void pathIsBesideTheProgram();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("saved.wok")); }
    std::optional<QTemporaryDir> m_dir;
};

void TestLogFile::writesOneLinePerCell_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty log is zero bytes") << Rows{} << QByteArray();
    QTest::newRow("empty cells are three line ends")
        << Rows{{"", "", ""}} << QByteArray("\r\n\r\n\r\n");
    QTest::newRow("two rows in list order")
        << Rows{{"Pick 3", "12/01/2026", "4-4-0"}, {"Pick 6", "12/02/2026", "1-2-3-4-5-6"}}
        << QByteArray("Pick 3\r\n12/01/2026\r\n4-4-0\r\nPick 6\r\n12/02/2026\r\n1-2-3-4-5-6\r\n");
    QTest::newRow("commas, quotes and spaces as they stand")
        << Rows{{" a,b ", "\"q\"", "  "}} << QByteArray(" a,b \r\n\"q\"\r\n  \r\n");
    QTest::newRow("Windows-1252 letters")
        << Rows{{QString::fromUtf8("é"), QString::fromUtf8("€"), QString::fromUtf8("ÿ")}}
        << QByteArray("\xE9\r\n\x80\r\n\xFF\r\n");
}

void TestLogFile::writesOneLinePerCell()
{
    QFETCH(Rows, rows);
    QFETCH(QByteArray, bytes);
    writeBytes(path(), "old content that must go\r\n");

    LogListModel list;
    fill(list, rows);
    QString error;
    QVERIFY2(SaveLogFile(list, path(), &error), qPrintable(error));
    QCOMPARE(readBytes(path()), bytes);
    QCOMPARE(load(path()), rows);
}

void TestLogFile::readsLineEndsAndDamagedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Rows>("rows");

    QTest::newRow("zero bytes") << QByteArray() << Rows{};
    QTest::newRow("only line ends")
        << QByteArray("\r\n\r\n\r\n\r\n") << Rows{{"", "", ""}, {"", "", ""}};
    QTest::newRow("bare LF") << QByteArray("a\nb\nc\nd\ne\nf\n")
                             << Rows{{"a", "b", "c"}, {"d", "e", "f"}};
    QTest::newRow("bare CR") << QByteArray("a\rb\rc\r") << Rows{{"a", "b", "c"}};
    QTest::newRow("mixed line ends")
        << QByteArray("a\r\r\nb\n\rc") << Rows{{"a", "", "b"}, {"", "c", ""}};
    QTest::newRow("last record cut short")
        << QByteArray("a\r\nb\r\nc\r\nd\r\n") << Rows{{"a", "b", "c"}, {"d", "", ""}};
    QTest::newRow("no line end at the end") << QByteArray("a\r\nb\r\nc") << Rows{{"a", "b", "c"}};
    QTest::newRow("NUL bytes") << QByteArray("a\0b\r\n\0\r\n\r\n", 10)
                               << Rows{{QString::fromUtf16(u"a\0b", 3), QString(QChar(0)), ""}};
    QTest::newRow("first cell starting with \"ï»¿\" kept whole")
        << QByteArray("\xEF\xBB\xBFgame\r\ndate\r\nnumbers\r\n")
        << Rows{{QString::fromUtf8("ï»¿game"), "date", "numbers"}};
}

void TestLogFile::readsLineEndsAndDamagedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Rows, rows);
    writeBytes(path(), bytes);
    QCOMPARE(load(path()), rows);
}

void TestLogFile::roundTripIsByteIdentical_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QByteArray everyByte;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n')
            everyByte.append(char(byte));
    }
    QTest::newRow("every byte but the line ends") << everyByte + "\r\n\r\n" + everyByte + "\r\n";
    QTest::newRow("fixture with commas, quotes, spaces, é and €")
        << readBytes(QStringLiteral(FIXTURES_DIR "/tricky-texts.wok"));
}

void TestLogFile::roundTripIsByteIdentical()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!bytes.isEmpty());
    writeBytes(path(), bytes);

    LogListModel list;
    LoadLogFile(list, path());
    QVERIFY(SaveLogFile(list, path()));
    QCOMPARE(readBytes(path()), bytes);
}

void TestLogFile::fuzzFindingsReadSafely_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QDir findings(QStringLiteral(FIXTURES_DIR "/fuzz"));
    for (const QString &name : findings.entryList(QDir::Files))
        QTest::newRow(qPrintable(name)) << readBytes(findings.filePath(name));
}

// Inputs the fuzzer found or was seeded with: no more rows than a third of the
// lines, no line break in a cell, and a second read of the saved rows gives
// the same rows.
void TestLogFile::fuzzFindingsReadSafely()
{
    QFETCH(QByteArray, bytes);
    LogListModel list;
    AppendLogRows(list, bytes);
    const auto lines = countLines(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                  std::size_t(bytes.size()));
    QVERIFY(std::size_t(list.size()) <= (lines + 2) / 3);
    const Rows rows = rowsOf(list);
    for (const QStringList &cells : rows) {
        for (const QString &cell : cells)
            QVERIFY(!cell.contains(u'\r') && !cell.contains(u'\n'));
    }
    QVERIFY(SaveLogFile(list, path()));
    QCOMPARE(load(path()), rows);
}

void TestLogFile::storesUnknownCharactersAsQuestionMarks()
{
    LogListModel list;
    fill(list, {{QString::fromUtf8("中a"), QString::fromUtf8("😀b"), QString(QChar(0x1a))}});
    QVERIFY(SaveLogFile(list, path()));
    QCOMPARE(readBytes(path()), QByteArray("?a\r\n?b\r\n\x1a\r\n"));
}

void TestLogFile::readsAVeryLongLine()
{
    const QByteArray line(10 * 1024 * 1024, 'x');
    writeBytes(path(), line + "\r\ndate\r\nnumbers\r\n");
    LogListModel list;
    LoadLogFile(list, path());
    QCOMPARE(list.size(), 1);
    QCOMPARE(list.text(0, 0).size(), line.size());
    QCOMPARE(list.text(0, 2), QStringLiteral("numbers"));
}

void TestLogFile::shorterLogLeavesNothingOfTheOld()
{
    LogListModel list;
    fill(list, {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}});
    QVERIFY(SaveLogFile(list, path()));
    list.remove(2);
    list.remove(0);
    QVERIFY(SaveLogFile(list, path()));
    QCOMPARE(readBytes(path()), QByteArray("4\r\n5\r\n6\r\n"));
}

void TestLogFile::listKeepsItsTextsThroughDeletionsAndChanges()
{
    LogListModel list;
    Rows expected;
    for (int row = 0; row < 20000; ++row) {
        const QStringList cells = {QString::number(row), QStringLiteral("date %1").arg(row),
                                   QString(row % 7, u'n')};
        fill(list, {cells});
        expected << cells;
    }
    for (int row = 19990; row >= 0; row -= 2) {
        list.remove(row);
        expected.removeAt(row);
    }
    list.setSubItem(3, 2, QStringLiteral("changed"));
    expected[3][2] = QStringLiteral("changed");
    // A row outside the list has no cells, and no cells put back changes it.
    for (int outside : {-1, list.size()}) {
        QVERIFY(list.rowCells(outside).empty());
        list.insert(outside + 1, list.rowCells(outside));
    }
    QCOMPARE(rowsOf(list), expected);
}

void TestLogFile::onlyARegularFileIsRead_data()
{
    QTest::addColumn<QString>("linkTo");
    QTest::addColumn<LogFileRead>("read");
    QTest::newRow("missing") << QString() << LogFileRead::Missing;
    QTest::newRow("a folder") << "folder" << LogFileRead::NotWhole;
#ifdef Q_OS_UNIX
    QTest::newRow("a pipe") << "fifo" << LogFileRead::NotWhole;
    QTest::newRow("link to /dev/zero") << "/dev/zero" << LogFileRead::NotWhole;
    QTest::newRow("link to /dev/urandom") << "/dev/urandom" << LogFileRead::NotWhole;
    QTest::newRow("link to nothing") << "/nonexistent/saved.wok" << LogFileRead::NotWhole;
#endif
}

// None of these may hold up start-up: a pipe would wait for a writer, and the
// devices never end.
void TestLogFile::onlyARegularFileIsRead()
{
    QFETCH(QString, linkTo);
    QFETCH(LogFileRead, read);
    if (linkTo == "folder")
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("saved.wok")));
#ifdef Q_OS_UNIX
    else if (linkTo == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
#endif
    else if (!linkTo.isEmpty())
        QVERIFY(QFile::link(linkTo, path()));
    LogListModel list;
    QCOMPARE(LoadLogFile(list, path()), read);
    QCOMPARE(list.size(), 0);
}

void TestLogFile::longFileStopsAtTheLimit()
{
    writeBytes(path(), "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n");
    LogListModel cut;
    QCOMPARE(LoadLogFile(cut, path(), 13), LogFileRead::NotWhole);
    QCOMPARE(rowsOf(cut), (Rows{{"a", "b", "c"}, {"d", "", ""}}));
    LogListModel whole;
    QCOMPARE(LoadLogFile(whole, path(), 18), LogFileRead::Whole);
    QCOMPARE(whole.size(), 2);
}

void TestLogFile::saveOverAFolderFails()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("saved.wok")));
    LogListModel list;
    fill(list, {{"a", "b", "c"}});
    QString error;
    QVERIFY(!SaveLogFile(list, path(), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFileInfo(path()).isDir());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{"saved.wok"});
}

// A file-size limit makes the save run out of room partway, as a full disk
// would. It is set in a process of its own so that this one is not limited.
void TestLogFile::saveThatRunsOutOfRoomKeepsTheOldFile()
{
#ifndef Q_OS_UNIX
    QSKIP("a limit on file size is a Unix facility");
#else
    QProcess first;
    first.start(QStringLiteral(HELPERS_DIR "/logsaver"), {path(), "50", "old"});
    QVERIFY(first.waitForFinished());
    QCOMPARE(first.exitCode(), 0);
    const QByteArray old = readBytes(path());
    QVERIFY(old.size() > 1000);

    QProcess limited;
    limited.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 100 * 1024;
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    limited.start(QStringLiteral(HELPERS_DIR "/logsaver"), {path(), "20000", "new"});
    QVERIFY(limited.waitForFinished());
    QCOMPARE(limited.exitStatus(), QProcess::NormalExit);
    QCOMPARE(limited.exitCode(), 1);
    QVERIFY(!limited.readAllStandardError().trimmed().isEmpty());
    QCOMPARE(readBytes(path()), old);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{"saved.wok"});
#endif
}

void TestLogFile::pathIsBesideTheProgram()
{
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
    const QString logPath = LogFilePath();
    QVERIFY(QDir::setCurrent(before));
    QCOMPARE(logPath, QCoreApplication::applicationDirPath() + QStringLiteral("/saved.wok"));
}

QTEST_GUILESS_MAIN(TestLogFile)
#include "tst_logfile.moc"
