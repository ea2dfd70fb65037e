// A pool as large as offices run them: 200 members, two years of weekly
// payments, 5,000 tickets, each a winner of a season of 10,000 Pick 3 draws
// (midday and evening over 5,000 days). Prints how long pools.csv takes to
// read, as a file of a release before lines were chained and as one whose
// every chain is checked, the Pools window to open on the season checked and
// split every prize, and the pool's sheet to be saved as a PDF. Checks
// nothing.
#include "csvlines.h"
#include "form1.h"
#include "managerpage.h"
#include "poolbook.h"
#include "poolchain.h"
#include "poolledger.h"
#include "poolqueries.h"
#include "poolswindow.h"
#include "systemrandomsource.h"
#include "texttablemodel.h"
#include "ticketqueries.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int members = 200;
constexpr int weeks = 104;
constexpr int tickets = 5000;
constexpr int days = 5000; // two draws a day

double milliseconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

QString dayText(const QDate &date)
{
    return date.toString(QStringLiteral("MM/dd/yyyy"));
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const QDate first(2012, 1, 1);
    const QDate last = first.addDays(days - 1);
    const QDate began = last.addDays(-7 * weeks + 1);

    // The season: a draw at midday and one in the evening, every day.
    QByteArray results = "Draw Date,Draw,Winning Numbers\r\n";
    std::vector<QByteArray> midday(days);
    std::uint32_t seed = 4711;
    const auto digit = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return QByteArray::number((seed >> 16) % 10);
    };
    for (int day = 0; day < days; ++day) {
        const QByteArray date = dayText(first.addDays(day)).toLatin1();
        midday[std::size_t(day)] = digit() + "-" + digit() + "-" + digit();
        results += date + ",Midday," + midday[std::size_t(day)] + "\r\n";
        results += date + ",Evening," + digit() + "-" + digit() + "-" + digit() + "\r\n";
    }
    // The log: the pool's tickets, each playing a midday draw it won.
    QByteArray log;
    QByteArray pools = "\xEF\xBB\xBFNo.,Recorded,Pool,Entry,Member,Contact,Amount,Draws,Game,"
                       "Ticket Date,Numbers,Copy,Draw,Claimed,Federal Withheld,State Withheld,"
                       "Split,Small Prizes,Takes Back\r\n";
    int number = 0;
    const auto line = [&](const QByteArray &recorded, const QByteArray &rest) {
        pools +=
            QByteArray::number(++number) + "," + recorded + " 09:00:00,Office," + rest + "\r\n";
    };
    const QByteArray start = dayText(began).toLatin1();
    line(start, "Pool,Member 1,,," + start + ",,,,,,,,,By amount paid,Split,");
    for (int member = 1; member <= members; ++member)
        line(start, "Member,Member " + QByteArray::number(member) + ",,,,,,,,,,,,,,");
    for (int week = 0; week < weeks; ++week) {
        const QDate from = began.addDays(7 * week);
        const QByteArray run =
            (dayText(from) + QStringLiteral(" - ") + dayText(from.addDays(6))).toLatin1();
        for (int member = 1; member <= members; ++member)
            line(dayText(from.addDays(-1)).toLatin1(),
                 "Payment,Member " + QByteArray::number(member) + ",," +
                     QByteArray::number(member % 3 + 1) + ".00," + run + ",,,,,,,,,,,");
    }
    for (int ticket = 0; ticket < tickets; ++ticket) {
        const int day = days - 7 * weeks + ticket % (7 * weeks);
        const QByteArray date = dayText(first.addDays(day)).toLatin1();
        const QByteArray numbers = midday[std::size_t(day)];
        log += "Pick 3\r\n" + date + "\r\n" + numbers + "\r\n";
        line(date, "Ticket,,,,,Pick 3," + date + "," + numbers + "," +
                       QByteArray::number(ticket / (7 * weeks) + 1) + ",,,,,,,");
    }
    const QString logPath = folder.filePath(QStringLiteral("saved.wok"));
    const QString resultsPath = folder.filePath(QStringLiteral("pick3.csv"));
    const QString poolsPath = folder.filePath(QStringLiteral("pools.csv"));
    if (!writeFile(logPath, log) || !writeFile(resultsPath, results) ||
        !writeFile(poolsPath, pools)) {
        std::printf("The files could not be written\n");
        return 1;
    }

    int lines = 0;
    // The least of three reads: the file is in the system's cache by then.
    const auto readPools = [&] {
        double least = 1e9;
        for (int time = 0; time < 3; ++time)
            least = std::min(least, milliseconds([&] {
                                 PoolBook book(poolsPath);
                                 book.read();
                                 const PoolLedger ledger(book.entries());
                                 lines = int(book.entries().size());
                             }));
        return least;
    };
    const double unchained = readPools();
    std::printf("pools.csv of %d lines (%lld KB) without chains read, and its pools gathered: "
                "%.1f ms\n",
                lines, qlonglong(QFileInfo(poolsPath).size() / 1024), unchained);
    // The same lines as this program writes them, each chained.
    {
        PoolBook book(poolsPath);
        book.read();
        QByteArray chained = CsvLines::byteOrderMark;
        const QStringList titles = PoolEntry::titles();
        CsvLines::append(chained, titles);
        const std::optional<PoolColumns> columns =
            PoolColumns::of(QList<QStringView>(titles.begin(), titles.end()));
        QString chain;
        for (PoolEntry entry : book.entries()) {
            entry.chain = chain = PoolChain::next(chain, entry.values());
            CsvLines::append(chained, columns->arranged(entry));
        }
        if (!writeFile(poolsPath, chained))
            return 1;
    }
    const double read = readPools();
    std::printf("  with every chain checked: %.1f ms (%lld KB)\n", read,
                qlonglong(QFileInfo(poolsPath).size() / 1024));

    SystemRandomSource random;
    Form1 window(random, logPath);
    window.show();
    TicketQueries &queries = window.findChild<ManagerPage *>()->queries();
    queries.openCheck();
    window.findChild<QLineEdit *>(QStringLiteral("CheckGame"))->setText(QStringLiteral("Pick 3"));
    {
        QEventLoop loop;
        QObject::connect(&queries, &TicketQueries::resultsFileChecked, &loop, &QEventLoop::quit);
        queries.checkResultsFile(resultsPath);
        loop.exec();
    }
    const double open = milliseconds([&] {
        queries.pools().openPoolsWindow();
        QCoreApplication::processEvents();
    });
    PoolsWindow *shown = queries.pools().poolsWindow();
    std::printf("The Pools window opened on a season of %d draws, %d prizes of the pool's %d "
                "tickets split among %d members: %.1f ms\n",
                2 * days, shown ? shown->model(PoolsWindow::Prizes).rowCount() : -1, tickets,
                members, open);
    const double again = milliseconds([&] {
        shown->showTable(PoolsWindow::Prizes);
        queries.pools().openPoolsWindow();
    });
    std::printf("  and shown again: %.1f ms\n", again);

    const QString sheet = folder.filePath(QStringLiteral("sheet.pdf"));
    bool saved = false;
    const double pdf =
        milliseconds([&] { saved = queries.pools().savePoolSheet("Office", sheet); });
    std::printf("The pool's sheet saved as PDF: %.1f ms (%s, %lld KB)\n", pdf,
                saved ? "saved" : "NOT saved", qlonglong(QFileInfo(sheet).size() / 1024));
    return 0;
}
