// Files of past draws as New York, Texas and California publish them, kept
// beside the project in shared/draws/ (its README says where each came from,
// whole/SOURCES.md the same of the whole files), checked against tickets
// whose answers were worked by hand from the raw lines.
#include "checksummary.h"
#include "drawhistory.h"
#include "historycheck.h"
#include "listedtickets.h"
#include "loglistmodel.h"
#include "testfiles.h"

#include <QAbstractItemModelTester>
#include <QFileInfo>
#include <QTest>

#include <algorithm>
#include <map>

namespace {

QByteArray drawsFile(const QString &name)
{
    return readBytes(QStringLiteral(REAL_DRAWS_DIR "/") + name);
}

} // namespace

class TestRealFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void filesRead_data();
    void filesRead();
    void ticketsGiveTheHandWorkedAnswers_data();
    void ticketsGiveTheHandWorkedAnswers();
    void wholeFilesGiveEveryDrawOnce_data();
    void wholeFilesGiveEveryDrawOnce();
};

void TestRealFiles::init()
{
    if (!QFileInfo(QStringLiteral(REAL_DRAWS_DIR "/whole")).isDir())
        QSKIP("SKIPPED: the real files of past draws are not beside the project (" REAL_DRAWS_DIR
              ")");
}

void TestRealFiles::filesRead_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("game");
    QTest::addColumn<int>("draws");
    QTest::addColumn<int>("skipped");
    QTest::addColumn<QString>("why");
    // Every data line a draw, in any era; the header skipped.
    QTest::newRow("ny powerball, 2010 to 2026") << "ny-powerball.csv"
                                                << "Powerball" << 51 << 1 << "";
    QTest::newRow("ny mega millions, 2002 to 2026") << "ny-megamillions.csv"
                                                    << "Mega Millions" << 35 << 1 << "";
    // Two draws a line of each game, its own columns alone.
    QTest::newRow("ny numbers") << "ny-numbers-win4.csv"
                                << "Numbers" << 40 << 1 << "";
    QTest::newRow("ny win 4") << "ny-numbers-win4.csv"
                              << "Win 4" << 40 << 1 << "";
    QTest::newRow("ny lotto") << "ny-lotto.csv"
                              << "Lotto" << 5 << 1 << "";
    QTest::newRow("ny cash4life") << "ny-cash4life.csv"
                                  << "Cash4Life" << 4 << 1 << "";
    QTest::newRow("tx lotto texas for lotto") << "tx-lottotexas.csv"
                                              << "Lotto" << 6 << 0 << "";
    QTest::newRow("tx lotto texas for florida lotto")
        << "tx-lottotexas.csv"
        << "Florida Lotto" << 0 << 6 << "lines name Lotto Texas";
    QTest::newRow("tx pick 3") << "tx-pick3.csv"
                               << "Pick 3" << 5 << 0 << "";
    QTest::newRow("tx pick 3 for pick 4") << "tx-pick3.csv"
                                          << "Pick 4" << 0 << 5 << "lines name Pick 3 Morning";
    QTest::newRow("tx mega millions, 2003 and 2013") << "tx-megamillions.csv"
                                                     << "Mega Millions" << 13 << 0 << "";
    QTest::newRow("pb with power play, whites joined by |") << "pb-powerplay.csv"
                                                            << "Powerball" << 18 << 1 << "";
    // The title's date names no draw; the header and its dashes are skipped.
    QTest::newRow("ca daily 3") << "ca-daily3.txt"
                                << "Daily 3" << 12 << 3 << "";
}

void TestRealFiles::filesRead()
{
    QFETCH(QString, file);
    QFETCH(QString, game);
    QFETCH(int, draws);
    QFETCH(int, skipped);
    QFETCH(QString, why);
    const DrawHistory history = ReadDrawHistory(drawsFile(file), game);
    QCOMPARE(history.draws.size(), draws);
    QCOMPARE(history.skippedLines, skipped);
    QCOMPARE(history.why(game), why);
}

void TestRealFiles::ticketsGiveTheHandWorkedAnswers_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("game");       // as typed in the check bar
    QTest::addColumn<QStringList>("ticket"); // game, date, numbers
    QTest::addColumn<QStringList>("result"); // MATCH, DRAW and PRIZE; nothing where not listed
    QTest::addColumn<QString>("money");      // the money line, where it is the point
    const auto row = [](const char *name, const char *file, const char *game,
                        const QStringList &ticket, const QStringList &result,
                        const char *money = "") {
        QTest::newRow(name) << file << game << ticket << result << QString::fromUtf8(money);
    };
    const char *pb = "ny-powerball.csv";
    row("pb: the jackpot of the newest draw", pb, "Powerball",
        {"Powerball", "04/15/2026", "13 21 27 43 45 PB 26"},
        {"5 of 5 + PB", "13 21 27 43 45 PB 26", "jackpot"});
    row("pb: three and the ball", pb, "Powerball",
        {"Powerball", "04/13/2026", "38 43 59 10 11 PB 15"},
        {"3 of 5 + PB", "38 43 59 63 64 PB 15", "$100"});
    row("pb: a loser", pb, "Powerball", {"Powerball", "10/03/2020", "1 2 4 5 6 PB 9"},
        {"0 of 5", "18 31 36 43 47 PB 20", "$0"});
    row("pb: a Tuesday has no draw", pb, "Powerball",
        {"Powerball", "04/14/2026", "13 21 27 43 45 PB 26"}, {"no draw", "", ""});
    row("pb: a ball of 35 in 2015", pb, "Powerball",
        {"Powerball", "07/29/2015", "4 22 27 28 52 PB 35"},
        {"5 of 5 + PB", "4 22 27 28 52 PB 35", "jackpot"});
    row("pb: five whites on the first day of 69", pb, "Powerball",
        {"Powerball", "10/07/2015", "18 30 40 48 52 PB 10"},
        {"5 of 5", "18 30 40 48 52 PB 9", "$1,000,000"});
    row("pb: a ball of 37 in 2011, prizes not known", pb, "Powerball",
        {"Powerball", "12/07/2011", "03 14 20 39 40 37"},
        {"5 of 5 + PB", "3 14 20 39 40 PB 37", ""});
    row("pb: a draw with no multiplier", pb, "Powerball",
        {"Powerball", "01/18/2014", "13 14 19 1 2 25"},
        {"3 of 5 + PB", "13 14 19 31 38 PB 25", "$100"});
    row("pb: another game", pb, "Powerball", {"Mega Millions", "04/15/2026", "13 21 27 43 45 26"},
        {});
    const char *mm = "ny-megamillions.csv";
    row("mm: whites of 75 in 2017", mm, "Mega Millions",
        {"Mega Millions", "09/26/2017", "1 10 57 66 75 MB 4"},
        {"5 of 5 + MB", "1 10 57 66 75 MB 4", ""});
    row("mm: a ball of 30 in 2005", mm, "Mega Millions",
        {"Mega Millions", "06/21/2005", "9 13 40 46 50 30"},
        {"5 of 5 + MB", "9 13 40 46 50 MB 30", ""});
    row("mm: five whites on the first day of 56", mm, "Mega Millions",
        {"Mega Millions", "06/24/2005", "14 43 44 50 56 MB 46"},
        {"5 of 5", "14 43 44 50 56 MB 7", ""});
    row("mm: the first draw", mm, "Mega Millions",
        {"Mega Millions", "05/17/2002", "15 18 25 33 47 MB 30"},
        {"5 of 5 + MB", "15 18 25 33 47 MB 30", ""});
    row("mm: three and the ball, the last $2 draw", mm, "Mega Millions",
        {"Mega Millions", "04/04/2025", "11 28 35 1 2 MB 25"},
        {"3 of 5 + MB", "11 28 35 37 69 MB 25", "$200"});
    row("mm: a multiplier before the numbers", mm, "Mega Millions",
        {"Mega Millions", "04/08/2025", "3X 10 16 50 60 61 MB 17"},
        {"5 of 5 + MB", "10 16 50 60 61 MB 17", "jackpot"});
    row("mm: no multiplier on the ticket", mm, "Mega Millions",
        {"Mega Millions", "05/29/2026", "19 24 47 1 2 MB 7"},
        {"3 of 5 + MB", "19 24 47 59 65 MB 7", "at least $400"});
    row("mm: a multiplier after the ball", mm, "Mega Millions",
        {"Mega Millions", "05/29/2026", "19 24 47 1 2 MB 7 4X"},
        {"3 of 5 + MB", "19 24 47 59 65 MB 7", "$800"});
    row("mm: the jackpot of the first draw of 70", mm, "Mega Millions",
        {"Mega Millions", "10/31/2017", "6 28 31 52 53 12"},
        {"5 of 5 + MB", "6 28 31 52 53 MB 12", "jackpot"});
    // Tickets as printed, on the multipliers the files give.
    row("pb: power play on a 3X draw", pb, "Powerball",
        {"Powerball", "04/13/2026", "38 43 59 10 11 PB 15 PP"},
        {"3 of 5 + PB", "38 43 59 63 64 PB 15", "$300"});
    row("pb: the jackpot on the third of six draws, thru", pb, "Powerball",
        {"Powerball", "04/04/2026 thru 04/15/2026", "3 16 17 42 52 PB 3"},
        {"5 of 5 + PB", "04/08/2026: 3 16 17 42 52 PB 3", "jackpot"});
    const char *pp = "pb-powerplay.csv";
    row("pp: four and the ball on a 3X draw", pp, "Powerball",
        {"Powerball", "01/03/2026", "18 21 40 53 1 PB 23 PP"},
        {"4 of 5 + PB", "18 21 40 53 60 PB 23", "$150,000"});
    row("pp: 10X on the last day of 2025", pp, "Powerball",
        {"Powerball", "12/31/2025", "11 18 21 1 2 PB 26 Power Play"},
        {"3 of 5 + PB", "11 18 21 24 38 PB 26", "$1,000"});
    row("pp: 10X in 2017", pp, "Powerball", {"Powerball", "03/01/2017", "PP 10 16 40 1 2 17"},
        {"3 of 5 + PB", "10 16 40 52 55 PB 17", "$1,000"});
    row("pp: five whites on a 3X draw", pp, "Powerball",
        {"Powerball", "01/24/2026", "2 16 35 61 63 PB 6 pp"},
        {"5 of 5", "2 16 35 61 63 PB 5", "$2,000,000"});
    row("pp: a week's run, its one win 4X", pp, "Powerball",
        {"Powerball", "01/17/2026 - 01/24/2026", "5 27 45 1 2 PB 14 PP"},
        {"2 of 5 + PB", "01/17/2026: 5 8 27 49 57 PB 14", "$28"});
    row("pp: ten draws from a Monday, the jackpot on the first", pp, "Powerball",
        {"Powerball", "01/19/2026 x10", "5 28 34 37 55 PB 17"},
        {"5 of 5 + PB", "01/19/2026: 5 28 34 37 55 PB 17", "jackpot"});
    row("pp: the first draw of 69, without power play", pp, "Powerball",
        {"Powerball", "10/07/2015", "18 30 40 1 2 PB 9"},
        {"3 of 5 + PB", "18 30 40 48 52 PB 9", "$100"});
    row("mm: the megaplier, 4X", mm, "Mega Millions",
        {"Mega Millions", "10/31/2017", "6 28 31 52 1 MB 12 MP"},
        {"4 of 5 + MB", "6 28 31 52 53 MB 12", "$40,000"});
    row("mm: five whites times the megaplier", mm, "Mega Millions",
        {"Mega Millions", "11/03/2017", "10 22 42 61 69 MB 1 Megaplier"},
        {"5 of 5", "10 22 42 61 69 MB 3", "$2,000,000"});
    row("mm: the last day of the megaplier", mm, "Mega Millions",
        {"Mega Millions", "04/04/2025", "11 28 35 1 2 MB 25 MP"},
        {"3 of 5 + MB", "11 28 35 37 69 MB 25", "$400"});
    row("mm: no megaplier from April 2025", mm, "Mega Millions",
        {"Mega Millions", "04/08/2025", "10 16 50 60 61 MB 1 MP"},
        {"5 of 5", "10 16 50 60 61 MB 17", "at least $2,000,000"});
    const char *numbers = "ny-numbers-win4.csv";
    row("numbers: 81 is 0-8-1", numbers, "Numbers", {"Numbers", "09/12/2020", "0-8-1"},
        {"straight", "0 8 1"});
    row("numbers: 7 is 0-0-7", numbers, "Numbers", {"Numbers", "08/25/2020", "0 0 7"},
        {"straight", "0 0 7"});
    row("numbers: win 4's 998 is none of its draws", numbers, "Numbers",
        {"Numbers", "09/13/2020", "9-9-8"}, {"0 of 3", "4 0 6"});
    row("numbers: a zero kept", numbers, "Numbers", {"Numbers", "09/25/2020", "0 4 0"},
        {"straight", "0 4 0"});
    row("numbers: the evening's 43", numbers, "Numbers", {"Numbers", "09/21/2020", "0-4-3"},
        {"straight", "0 4 3"});
    row("win 4: 998 is 0-9-9-8", numbers, "Win 4", {"Win 4", "09/13/2020", "0998"},
        {"straight", "0 9 9 8"});
    row("win 4: 768 boxed", numbers, "Win 4", {"Win 4", "09/20/2020", "8-6-7-0"},
        {"box", "0 7 6 8"});
    row("win 4: zeros kept", numbers, "Win 4", {"Win 4", "09/29/2020", "0035"},
        {"straight", "0 0 3 5"});
    row("win 4: another game", numbers, "Win 4", {"Numbers", "09/24/2020", "4 3 3"}, {});
    const char *lotto = "ny-lotto.csv";
    row("lotto: five and the bonus", lotto, "Lotto", {"Lotto", "09/26/2020", "14 19 20 23 55 22"},
        {"5 of 6 + bonus", "14 19 20 23 55 57 bonus 22"});
    row("lotto: six", lotto, "Lotto", {"Lotto", "09/26/2020", "14 19 20 23 55 57"},
        {"6 of 6", "14 19 20 23 55 57 bonus 22"});
    row("lotto: three", lotto, "Lotto", {"Lotto", "09/30/2020", "8 13 25 1 2 3"},
        {"3 of 6", "8 13 25 38 41 48 bonus 42"});
    row("lotto: a Sunday has no draw", lotto, "Lotto", {"Lotto", "10/04/2020", "8 13 25 1 2 3"},
        {"no draw", ""});
    const char *cash = "ny-cash4life.csv";
    row("cash4life: two and the cash ball", cash, "Cash4Life",
        {"Cash4Life", "9/24/2020", "18 20 1 2 3 CB 2"},
        {"2 of 5 + CB", "18 20 43 45 60 CB 2", "$10"});
    row("cash4life: two alone", cash, "Cash4Life", {"Cash4Life", "9/24/2020", "18 20 1 2 3 CB 1"},
        {"2 of 5", "18 20 43 45 60 CB 2", "$4"});
    row("cash4life: the cash ball alone", cash, "Cash4Life",
        {"Cash4Life", "9/25/2020", "1 2 3 4 5 CB 1"}, {"0 of 5 + CB", "12 20 34 35 56 CB 1", "$0"});
    row("cash4life: for life", cash, "Cash4Life", {"Cash4Life", "9/26/2020", "12 15 27 45 46 CB 1"},
        {"5 of 5 + CB", "12 15 27 45 46 CB 1", "$1,000 a day for life"});
    const char *texas = "tx-lottotexas.csv";
    row("lotto texas: lotto's lines name lotto texas", texas, "Lotto",
        {"Lotto", "11/14/1992", "13 16 22 29 32 36"}, {"6 of 6", "13 16 22 29 32 36"});
    row("lotto texas: in the order drawn", texas, "Lotto Texas",
        {"Lotto Texas", "10/23/1993", "1 10 14 39 48 50"}, {"6 of 6", "10 39 14 1 48 50"});
    row("lotto texas: three", texas, "Lotto", {"Lotto", "11/18/1992", "27 31 39 1 2 3"},
        {"3 of 6", "27 31 39 44 45 47"});
    row("lotto texas: a ticket of lotto texas in lotto's check", texas, "Lotto",
        {"Lotto Texas", "10/27/1993", "1 5 14 24 35 38"}, {"6 of 6", "1 5 14 24 35 38"});
    const char *pick3 = "tx-pick3.csv";
    row("tx pick 3: straight", pick3, "Pick 3", {"Pick 3", "9/9/2013", "3-9-8"},
        {"straight", "3 9 8"});
    row("tx pick 3: box", pick3, "Pick 3", {"Pick 3", "9/10/2013", "8-1-7"}, {"box", "7 1 8"});
    row("tx pick 3: the sum is no digit", pick3, "Pick 3", {"Pick 3", "9/12/2013", "1 2 7"},
        {"straight", "1 2 7"});
    row("tx pick 3: no draw", pick3, "Pick 3", {"Pick 3", "9/14/2013", "1 2 7"}, {"no draw", ""});
    const char *txmm = "tx-megamillions.csv";
    row("tx mm: a ball of 52 in 2003", txmm, "Mega Millions",
        {"Mega Millions", "12/23/2003", "2 13 21 22 49 MB 52"},
        {"5 of 5 + MB", "2 49 13 21 22 MB 52", ""});
    row("tx mm: a white of 71 keeps the ball in its place", txmm, "Mega Millions",
        {"Mega Millions", "10/22/2013", "3 2 19 52 14 MB 5"}, {"4 of 5", "3 2 19 71 52 MB 14", ""});
    row("tx mm: whites of 74", txmm, "Mega Millions",
        {"Mega Millions", "11/5/2013", "74 11 2 64 42 MB 2"},
        {"5 of 5 + MB", "74 11 2 64 42 MB 2", ""});
    row("tx mm: the last draw of 56", txmm, "Mega Millions",
        {"Mega Millions", "10/18/2013", "5 20 45 48 56 MB 1"},
        {"5 of 5 + MB", "5 45 20 56 48 MB 1", ""});
    const char *daily3 = "ca-daily3.txt";
    row("ca daily 3: the evening's straight", daily3, "Daily 3", {"Daily 3", "6/8/2019", "9-6-8"},
        {"straight", "9 6 8"});
    row("ca daily 3: the midday's box", daily3, "Daily 3", {"Daily 3", "6/8/2019", "3-2-1"},
        {"box", "1 2 3"});
    row("ca daily 3: zeros", daily3, "Daily 3", {"Daily 3", "06/07/2019", "0-3-0"},
        {"straight", "0 3 0"});
    row("ca daily 3: a day after the file", daily3, "Daily 3", {"Daily 3", "6/9/2019", "9-6-8"},
        {"no draw", ""});

    // The whole files, as published today.
    // "07/08/2026","12 29 37 43 55 18","4","06 27 33 44 69 23": the fourth,
    // quoted column, double_play_winning_numbers, is Double Play's drawing.
    // Four whites and the ball of it pay Double Play's $50,000; the plain
    // play meets nothing. $2 and $1 for Double Play.
    const char *nyPb = "whole/ny-powerball.csv";
    row("whole ny pb: double play's column of today's file", nyPb, "Powerball",
        {"Powerball", "07/08/2026", "6 27 33 44 1 PB 23 DP"},
        {"0 of 5; DP 4 of 5 + PB", "12 29 37 43 55 PB 18; DP 6 27 33 44 69 PB 23", "$50,000"},
        "1 play, $3 spent, $50,000 won");
    row("whole ny pb: double play checked as its own game", nyPb, "Double Play",
        {"Powerball Double Play", "07/08/2026", "6 27 33 44 69 PB 23"},
        {"5 of 5 + PB", "6 27 33 44 69 PB 23", "$10,000,000"});
    row("whole ny pb: double play by its other name", nyPb, "Powerball Double Play",
        {"Double Play", "07/06/2026", "22 25 1 2 3 PB 21"},
        {"2 of 5 + PB", "22 25 27 47 50 PB 21", "$20"});
    // "12/29/2025","11 19 34 48 53 21","2": no Double Play drawing in the
    // file before June 2026, so its dollar is neither lost nor won.
    row("whole ny pb: double play whose drawing is not known", nyPb, "Powerball",
        {"Powerball", "12/29/2025", "11 19 34 1 2 PB 21 DP"},
        {"3 of 5 + PB", "11 19 34 48 53 PB 21", "$100"},
        "1 play, $2 spent, $100 won, 1 Double Play not checked, its drawing not known");
    // "01/18/2014","13 14 19 31 38 25",,: no multiplier drawn; Power Play
    // paid $40,000 for four and the ball, $12 for the ball alone, then.
    row("whole ny pb: power play's fixed prize of 2014", nyPb, "Powerball",
        {"Powerball", "01/18/2014", "13 14 19 31 1 PB 25 PP"},
        {"4 of 5 + PB", "13 14 19 31 38 PB 25", "$40,000"}, "1 play, $3 spent, $40,000 won");
    row("whole ny pb: the ball alone with power play in 2014", nyPb, "Powerball",
        {"Powerball", "01/15/2014", "1 2 3 4 5 PB 25 PP"},
        {"0 of 5 + PB", "7 8 9 24 29 PB 25", "$12"});
    // "01/22/2014","01 02 07 09 55 29","3": multipliers back, $100 times 3.
    row("whole ny pb: the multiplier back on 22 January 2014", nyPb, "Powerball",
        {"Powerball", "01/22/2014", "1 2 7 40 41 PB 29 PP"},
        {"3 of 5 + PB", "1 2 7 9 55 PB 29", "$300"});
    // 09/26/2020,14 19 20 23 55 57,22,: the bonus pays only beside five.
    row("whole ny lotto: four and the bonus is four", "whole/ny-lotto.csv", "Lotto",
        {"Lotto", "09/26/2020", "14 19 20 23 1 22"}, {"4 of 6", "14 19 20 23 55 57 bonus 22"});
}

void TestRealFiles::ticketsGiveTheHandWorkedAnswers()
{
    QFETCH(QString, file);
    QFETCH(QString, game);
    QFETCH(QStringList, ticket);
    QFETCH(QStringList, result);
    LogListModel log;
    log.append(ticket[0]);
    log.setSubItem(0, 1, ticket[1]);
    log.setSubItem(0, 2, ticket[2]);
    ListedTickets listing(log);
    QAbstractItemModelTester tester(&listing,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    listing.checkHistory(HistoryCheck(game, ReadDrawHistory(drawsFile(file), game).draws));
    const Rows rows = rowsOf(listing);
    QCOMPARE(rows.size(), result.isEmpty() ? 0 : 1);
    if (!result.isEmpty())
        QCOMPARE(rows[0].mid(3), result);
    QFETCH(QString, money);
    if (!money.isEmpty())
        QCOMPARE(CheckSummary(log, *listing.checkedGame(), listing.listed(), listing.season(),
                              listing.seasonMoney())
                     .money(),
                 money);
}

void TestRealFiles::wholeFilesGiveEveryDrawOnce_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("game");
    QTest::addColumn<int>("draws");
    QTest::addColumn<int>("skipped");
    QTest::addColumn<int>("mostADay");
    // Counted from the raw lines (whole/SOURCES.md): every data line a draw,
    // a line of several draws each of its cells; a header or title skipped.
    QTest::newRow("ny powerball") << "ny-powerball.csv"
                                  << "Powerball" << 1965 << 1 << 1;
    // 17 lines from 06/03/2026 on fill double_play_winning_numbers.
    QTest::newRow("ny powerball's double play") << "ny-powerball.csv"
                                                << "Double Play" << 17 << 1949 << 1;
    QTest::newRow("ny mega millions") << "ny-megamillions.csv"
                                      << "Mega Millions" << 2512 << 1 << 1;
    // Filled Midday and Evening Daily cells, Win 4's likewise; 825 lines
    // before Win 4 was drawn hold none of it. Two dates have two lines.
    QTest::newRow("ny numbers") << "ny-numbers-win4.csv"
                                << "Numbers" << 25027 << 1 << 2;
    QTest::newRow("ny win 4") << "ny-numbers-win4.csv"
                              << "Win 4" << 24202 << 826 << 2;
    QTest::newRow("ny take 5") << "ny-take5.csv"
                               << "Take 5" << 8640 << 1 << 1;
    QTest::newRow("ny lotto") << "ny-lotto.csv"
                              << "Lotto" << 2513 << 1 << 1;
    QTest::newRow("jb powerball") << "jb-powerball.csv"
                                  << "Powerball" << 1390 << 1 << 1;
    QTest::newRow("jb mega millions") << "jb-megamillions.csv"
                                      << "Mega Millions" << 916 << 1 << 1;
    QTest::newRow("tx powerball") << "tx-powerball.csv"
                                  << "Powerball" << 1945 << 0 << 1;
    QTest::newRow("tx lotto texas") << "tx-lottotexas.csv"
                                    << "Lotto Texas" << 3704 << 0 << 1;
    // 15,979 lines of draws, draw 10438 given twice: the title, the header,
    // the dashes and the repeat skipped.
    QTest::newRow("ca daily 3") << "ca-daily3.txt"
                                << "Daily 3" << 15978 << 4 << 2;
}

void TestRealFiles::wholeFilesGiveEveryDrawOnce()
{
    QFETCH(QString, file);
    QFETCH(QString, game);
    QFETCH(int, draws);
    QFETCH(int, skipped);
    QFETCH(int, mostADay);
    const DrawHistory history = ReadDrawHistory(drawsFile(QStringLiteral("whole/") + file), game);
    QCOMPARE(history.draws.size(), draws);
    QCOMPARE(history.skippedLines, skipped);
    std::map<int, int> days;
    for (int draw = 0; draw < history.draws.size(); ++draw)
        ++days[history.draws.date(draw)];
    const auto most = std::max_element(days.begin(), days.end(),
                                       [](auto a, auto b) { return a.second < b.second; });
    QCOMPARE(most->second, mostADay);
}

QTEST_GUILESS_MAIN(TestRealFiles)
#include "tst_realfiles.moc"
