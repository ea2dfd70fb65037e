#include "form1.h"
#include "systemrandomsource.h"
#include "testfiles.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTest>

#include <QTableView>
#include <optional>

namespace {

Rows shownRows(const Form1 &window)
{
    const auto *view = window.findChild<QTableView *>(QStringLiteral("ListView1"));
    return view ? rowsOf(*view->model()) : Rows{};
}

bool anyDialogShown()
{
    const QWidgetList widgets = QApplication::topLevelWidgets();
    return std::any_of(widgets.begin(), widgets.end(), [](QWidget *widget) {
        return widget->isVisible() && qobject_cast<QDialog *>(widget);
    });
}

const Rows threeTickets = {{"Pick 3", "12/01/2026", "4-4-0"},
                           {"Pick 5", "12/02/2026", "12-3-30-7-21"},
                           {"Pick 6, \"big\"", "12/03/2026", " 1-2-3-4-5-6 "}};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir.emplace();
        QVERIFY(m_dir->isValid());
    }

    void showsStoredTicketsInFileOrder();
    void listHasItsThreeColumns();
    void badFileGivesEmptyListAndNoMessage_data();
    void badFileGivesEmptyListAndNoMessage();
    void startingAndClosingNeverWritesTheFile();
    void readsTheFileBesideTheProgramFromAnyFolder();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("saved.wok")); }
    std::optional<QTemporaryDir> m_dir;
    SystemRandomSource m_random;
};

void TestStartup::showsStoredTicketsInFileOrder()
{
    QVERIFY(QFile::copy(QStringLiteral(FIXTURES_DIR "/three-tickets.wok"), path()));
    Form1 window(m_random, path());
    QCOMPARE(shownRows(window), threeTickets);
}

void TestStartup::listHasItsThreeColumns()
{
    Form1 window(m_random, path());
    const auto *view = window.findChild<QTableView *>(QStringLiteral("ListView1"));
    QVERIFY(view);
    const QAbstractItemModel *model = view->model();
    QCOMPARE(model->columnCount(), 3);
    QStringList titles;
    for (int column = 0; column < 3; ++column)
        titles << model->headerData(column, Qt::Horizontal).toString();
    QCOMPARE(titles, (QStringList{"GAME", "DATE", "NUMBERS"}));
    QCOMPARE(view->horizontalHeader()->sectionSize(0), 136);
    QCOMPARE(view->horizontalHeader()->sectionSize(1), 96);
    QCOMPARE(view->horizontalHeader()->sectionSize(2), 96);
}

void TestStartup::badFileGivesEmptyListAndNoMessage_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("zero bytes") << "empty";
    QTest::newRow("a folder") << "folder";
}

void TestStartup::badFileGivesEmptyListAndNoMessage()
{
    QFETCH(QString, kind);
    if (kind == "empty") {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (kind == "folder") {
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("saved.wok")));
    }
    Form1 window(m_random, path());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(shownRows(window), Rows{});
    QVERIFY(!anyDialogShown());
}

void TestStartup::startingAndClosingNeverWritesTheFile()
{
    QVERIFY(QFile::copy(QStringLiteral(FIXTURES_DIR "/three-tickets.wok"), path()));
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
    const QDateTime before = QFileInfo(path()).lastModified();
    QFile original(path());
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    original.close();
    QTest::qWait(20);
    {
        Form1 window(m_random, path());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.close();
    }
    QFile after(path());
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), bytes);
    QCOMPARE(QFileInfo(path()).lastModified(), before);
}

// Writes beside this test program, which stands in for the program here.
void TestStartup::readsTheFileBesideTheProgramFromAnyFolder()
{
    const QString besideProgram = QCoreApplication::applicationDirPath() + "/saved.wok";
    QFile::remove(besideProgram);
    QVERIFY(QFile::copy(QStringLiteral(FIXTURES_DIR "/three-tickets.wok"), besideProgram));
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
    Rows rows;
    {
        Form1 window(m_random);
        rows = shownRows(window);
    }
    QDir::setCurrent(before);
    QFile::remove(besideProgram);
    QCOMPARE(rows, threeTickets);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
