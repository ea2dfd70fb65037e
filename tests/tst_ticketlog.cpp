#include "form1.h"
#include "systemrandomsource.h"
#include "testfiles.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// Lowers this process's soft file-size limit for a while, as a full disk
// would stop a save; writes past it fail with EFBIG instead of a signal.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved{};
};

} // namespace
#endif

class TestTicketLog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void addsEmptyFieldsAsThreeEmptyLines();
    void addsTwiceAndKeepsTheFields();
    void deleteOnEmptyListWritesZeroBytes();
    void deletesTheSelectedRow();
    void deleteWithNothingSelectedWritesTheSameBytes();
    void clearEmptiesOnlyTheFields();
    void typedTextsComeBackExactly();
    void pastedLineBreakBecomesABlank();
    void failedSaveWarnsAndKeepsTheOldFile_data();
    void failedSaveWarnsAndKeepsTheOldFile();
    void logNotReadWholeIsMovedAsideWithAWarning();
    void userLogBegunFromAPartlyReadLogSaysSoOnce();
    void undoAndRedoOfDeleteKeepTheBytes_data();
    void undoAndRedoOfDeleteKeepTheBytes();
    void undoAndRedoOfAdd();
    void undoKeysInATextFieldKeepTheirMeaning();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("saved.wok")); }
    void openWindow() { openWindow(path()); }
    void openWindow(const LogLocation &log)
    {
        m_window = std::make_unique<Form1>(m_random, log);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    QLineEdit *field(const char *name) const { return m_window->findChild<QLineEdit *>(name); }
    QTableView *list() const { return m_window->findChild<QTableView *>("ListView1"); }
    void click(const char *button)
    {
        QTest::mouseClick(m_window->findChild<QPushButton *>(button), Qt::LeftButton);
    }
    void type(const char *name, const QString &text)
    {
        // Typed a key at a time; keys beyond ASCII carry their text alone.
        QLineEdit *target = field(name);
        target->setFocus();
        for (QChar character : text) {
            if (character.unicode() < 0x80) {
                QTest::keyClick(target, char(character.unicode()));
                continue;
            }
            for (QTest::KeyAction action : {QTest::Press, QTest::Release})
                QTest::sendKeyEvent(action, target, Qt::Key_unknown, QString(character),
                                    Qt::NoModifier);
        }
    }
    void addTicket(const QString &game, const QString &date, const QString &numbers)
    {
        field("Text8")->setText(game);
        field("Text9")->setText(date);
        field("Text10")->setText(numbers);
        click("Command2");
    }
    void selectRow(int row)
    {
        const QModelIndex index = list()->model()->index(row, 0);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualRect(index).center());
    }
    Rows shownRows() const { return rowsOf(*list()->model()); }
    QMessageBox *warning() const { return m_window->findChild<QMessageBox *>(); }
    void keys(QKeyCombination combination)
    {
        QWidget *target =
            QApplication::focusWidget() ? QApplication::focusWidget() : m_window.get();
        QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
    }

    std::optional<QTemporaryDir> m_dir;
    SystemRandomSource m_random;
    std::unique_ptr<Form1> m_window;
};

void TestTicketLog::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
}

void TestTicketLog::cleanup()
{
    m_window.reset();
}

void TestTicketLog::addsEmptyFieldsAsThreeEmptyLines()
{
    writeBytes(path(), "a\r\nb\r\nc\r\n");
    openWindow();
    click("Command2");
    QCOMPARE(shownRows(), (Rows{{"a", "b", "c"}, {"", "", ""}}));
    QCOMPARE(readBytes(path()), QByteArray("a\r\nb\r\nc\r\n\r\n\r\n\r\n"));
}

void TestTicketLog::addsTwiceAndKeepsTheFields()
{
    openWindow();
    type("Text8", "Pick 3");
    type("Text9", "12/07/2026");
    type("Text10", "4-4-0");
    click("Command2");
    click("Command2");
    const QStringList ticket = {"Pick 3", "12/07/2026", "4-4-0"};
    QCOMPARE(shownRows(), (Rows{ticket, ticket}));
    QCOMPARE(readBytes(path()), QByteArray("Pick 3\r\n12/07/2026\r\n4-4-0\r\n").repeated(2));
    QCOMPARE((QStringList{field("Text8")->text(), field("Text9")->text(), field("Text10")->text()}),
             ticket);
}

void TestTicketLog::deleteOnEmptyListWritesZeroBytes()
{
    QVERIFY(QDir(m_dir->path()).mkpath("."));
    openWindow();
    writeBytes(path(), "written by another copy\r\n");
    click("Command3");
    QCOMPARE(shownRows(), Rows{});
    QVERIFY(QFileInfo::exists(path()));
    QCOMPARE(readBytes(path()), QByteArray());
}

void TestTicketLog::deletesTheSelectedRow()
{
    openWindow();
    addTicket("1", "2", "3");
    addTicket("4", "5", "6");
    addTicket("7", "8", "9");
    selectRow(1);
    click("Command3");
    QCOMPARE(shownRows(), (Rows{{"1", "2", "3"}, {"7", "8", "9"}}));
    QCOMPARE(readBytes(path()), QByteArray("1\r\n2\r\n3\r\n7\r\n8\r\n9\r\n"));
}

void TestTicketLog::deleteWithNothingSelectedWritesTheSameBytes()
{
    openWindow();
    addTicket("1", "2", "3");
    addTicket("4", "5", "6");
    list()->clearSelection();
    const QByteArray before = readBytes(path());
    QFile::remove(path());
    click("Command3");
    QCOMPARE(shownRows(), (Rows{{"1", "2", "3"}, {"4", "5", "6"}}));
    QCOMPARE(readBytes(path()), before);
}

void TestTicketLog::clearEmptiesOnlyTheFields()
{
    openWindow();
    addTicket("Pick 4", "12/07/2026", "1-2-3-4");
    const QByteArray before = readBytes(path());
    click("Command4");
    QCOMPARE((QStringList{field("Text8")->text(), field("Text9")->text(), field("Text10")->text()}),
             (QStringList{"", "", ""}));
    QCOMPARE(shownRows(), (Rows{{"Pick 4", "12/07/2026", "1-2-3-4"}}));
    QCOMPARE(readBytes(path()), before);
}

void TestTicketLog::typedTextsComeBackExactly()
{
    const QStringList ticket = {QString::fromUtf8(" Pick 5, \"evening\" "),
                                QString::fromUtf8("été 7/12"), QString::fromUtf8("€ 3-17-22 ")};
    openWindow();
    type("Text8", ticket[0]);
    type("Text9", ticket[1]);
    type("Text10", ticket[2]);
    click("Command2");
    m_window.reset();

    openWindow();
    QCOMPARE(shownRows(), Rows{ticket});
    QCOMPARE(readBytes(path()),
             QByteArray(" Pick 5, \"evening\" \r\n\xE9t\xE9 7/12\r\n\x80 3-17-22 \r\n"));
}

void TestTicketLog::pastedLineBreakBecomesABlank()
{
    openWindow();
    QGuiApplication::clipboard()->setText(QStringLiteral("a\r\nb\nc\rd"));
    field("Text10")->setFocus();
    field("Text10")->paste();
    QCOMPARE(field("Text10")->text(), QStringLiteral("a b c d"));
    field("Text8")->setText(QStringLiteral("x\r\ny"));
    QCOMPARE(field("Text8")->text(), QStringLiteral("x y"));
    click("Command2");
    m_window.reset();

    openWindow();
    QCOMPARE(shownRows(), (Rows{{"x y", "", "a b c d"}}));
}

void TestTicketLog::failedSaveWarnsAndKeepsTheOldFile_data()
{
    QTest::addColumn<bool>("folder");
    QTest::newRow("saved.wok is a folder") << true;
    QTest::newRow("the save runs out of room") << false;
}

void TestTicketLog::failedSaveWarnsAndKeepsTheOldFile()
{
#ifndef Q_OS_UNIX
    QSKIP("a limit on file size and a pipe are Unix facilities");
#else
    QFETCH(bool, folder);
    const QByteArray old = QByteArray("old\r\nticket\r\nkept\r\n").repeated(20);
    writeBytes(path(), old);
    openWindow();
    if (folder) {
        QFile::remove(path());
        QVERIFY(QDir(m_dir->path()).mkdir("saved.wok"));
    }
    {
        FileSizeLimit limit(folder ? RLIM_INFINITY : rlim_t(old.size()));
        addTicket("new", "ticket", QString(200, u'7'));
    }
    QMessageBox *box = warning();
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QVERIFY(box->text().contains(QDir::toNativeSeparators(path())));
    QVERIFY(!box->informativeText().isEmpty());
    QCOMPARE(shownRows().size(), 21);
    QCOMPARE(shownRows().last(), (QStringList{"new", "ticket", QString(200, u'7')}));
    if (folder)
        QVERIFY(QFileInfo(path()).isDir());
    else
        QCOMPARE(readBytes(path()), old);
    box->close();
    QTRY_VERIFY(!warning());

    if (folder)
        QVERIFY(QDir(m_dir->path()).rmdir("saved.wok"));
    addTicket("next", "ticket", "");
    QVERIFY(!warning());
    const QByteArray expected =
        old + "new\r\nticket\r\n" + QByteArray(200, '7') + "\r\nnext\r\nticket\r\n\r\n";
    QCOMPARE(readBytes(path()), expected);
#endif
}

// A pipe stands in for any log that start-up could not read whole.
void TestTicketLog::logNotReadWholeIsMovedAsideWithAWarning()
{
#ifndef Q_OS_UNIX
    QSKIP("a limit on file size and a pipe are Unix facilities");
#else
    QCOMPARE(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
    openWindow();
    QCOMPARE(shownRows(), Rows{});
    addTicket("Pick 3", "12/07/2026", "4-4-0");

    const QStringList aside = QDir(m_dir->path()).entryList({"saved.wok.unread-*"}, QDir::System);
    QCOMPARE(aside.size(), 1);
    QVERIFY(!QFileInfo(m_dir->filePath(aside.first())).isFile());
    QCOMPARE(readBytes(path()), QByteArray("Pick 3\r\n12/07/2026\r\n4-4-0\r\n"));
    QMessageBox *box = warning();
    QVERIFY(box && box->isVisible());
    QVERIFY(box->text().contains("did not hold all of it"));
    QVERIFY(
        box->informativeText().contains(QDir::toNativeSeparators(m_dir->filePath(aside.first()))));
#endif
}

void TestTicketLog::undoAndRedoOfDeleteKeepTheBytes_data()
{
    QTest::addColumn<QKeyCombination>("redoKey");
    QTest::newRow("Ctrl+Y") << (Qt::CTRL | Qt::Key_Y);
    QTest::newRow("Ctrl+Shift+Z") << (Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
}

// A log with bytes that do not decode: undone, the deletion writes them back.
void TestTicketLog::undoAndRedoOfDeleteKeepTheBytes()
{
    QFETCH(QKeyCombination, redoKey);
    const QByteArray old = "first\r\n\x81\x8d\r\nx\r\nsecond\r\n\xfe\r\ny\r\n";
    writeBytes(path(), old);
    openWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    const Rows rows = shownRows();
    selectRow(0);
    click("Command3");
    QCOMPARE(readBytes(path()), QByteArray("second\r\n\xfe\r\ny\r\n"));

    keys(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(readBytes(path()), old);
    QCOMPARE(shownRows(), rows);
    QCOMPARE(list()->selectionModel()->selectedRows().value(0).row(), 0);

    keys(redoKey);
    QCOMPARE(readBytes(path()), QByteArray("second\r\n\xfe\r\ny\r\n"));
    QCOMPARE(shownRows(), rows.mid(1));
    QVERIFY(!warning());
}

void TestTicketLog::undoAndRedoOfAdd()
{
    openWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    addTicket("Pick 3", "12/07/2026", "4-4-0");
    addTicket("Pick 4", "", "");
    list()->setFocus();

    keys(Qt::CTRL | Qt::Key_Z);
    keys(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(readBytes(path()), QByteArray());
    QCOMPARE(shownRows(), Rows{});
    keys(Qt::CTRL | Qt::Key_Y);
    QCOMPARE(readBytes(path()), QByteArray("Pick 3\r\n12/07/2026\r\n4-4-0\r\n"));
    QCOMPARE(shownRows(), (Rows{{"Pick 3", "12/07/2026", "4-4-0"}}));
}

void TestTicketLog::undoKeysInATextFieldKeepTheirMeaning()
{
    openWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    addTicket("Pick 3", "", "");
    field("Text8")->clear();
    type("Text8", "ab");
    keys(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(shownRows().size(), 1);
    QCOMPARE(readBytes(path()), QByteArray("Pick 3\r\n\r\n\r\n"));
    QVERIFY(field("Text8")->text() != "ab");
}

// A folder stands in for a program folder's log that could not be read whole.
void TestTicketLog::userLogBegunFromAPartlyReadLogSaysSoOnce()
{
    const QString programLog = m_dir->filePath(QStringLiteral("program/saved.wok"));
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("program/saved.wok")));
    openWindow(LogLocation(programLog, path()));
    addTicket("Pick 3", "12/07/2026", "4-4-0");

    QMessageBox *box = warning();
    QVERIFY(box && box->isVisible());
    QVERIFY(box->text().contains(QDir::toNativeSeparators(programLog)));
    QVERIFY(box->text().contains("did not hold all of it"));
    QVERIFY(box->informativeText().contains(QDir::toNativeSeparators(path())));
    QCOMPARE(readBytes(path()), QByteArray("Pick 3\r\n12/07/2026\r\n4-4-0\r\n"));
    QVERIFY(QFileInfo(programLog).isDir());
    box->close();
    QTRY_VERIFY(!warning());

    addTicket("Pick 4", "", "");
    QVERIFY(!warning());
}

QTEST_MAIN(TestTicketLog)
#include "tst_ticketlog.moc"
