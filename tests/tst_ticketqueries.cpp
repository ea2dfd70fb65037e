// Find a ticket, check a draw, export: the rules without a window, then the
// bars on the MANAGER page as a user drives them.
#include "backgroundwork.h"
#include "checksummary.h"
#include "claimbook.h"
#include "claimwithholding.h"
#include "csvexport.h"
#include "drawcheck.h"
#include "drawhistory.h"
#include "form1.h"
#include "fuzz/textfilechecks.h"
#include "gamekey.h"
#include "gamename.h"
#include "inplacesave.h"
#include "listedtickets.h"
#include "loglistmodel.h"
#include "managerpage.h"
#include "markclaimeddialog.h"
#include "noticebar.h"
#include "numbercounts.h"
#include "pdfpages.h"
#include "photoqueries.h"
#include "photoreviewdialog.h"
#include "poolbook.h"
#include "poolqueries.h"
#include "poolswindow.h"
#include "seasonreport.h"
#include "systemrandomsource.h"
#include "testfiles.h"
#include "textreader.h"
#include "texttablemodel.h"
#include "ticketcsv.h"
#include "ticketdates.h"
#include "ticketfinder.h"
#include "ticketorder.h"
#include "ticketphotos.h"
#include "ticketqueries.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSemaphore>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>

#include <QScopeGuard>
#include <QSet>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <tuple>

#include <list>
#include <optional>

namespace {

// Pick 3 tickets 3-7-1, 1-7-3 and 3-7-9, one Pick 5, one with no numbers and
// one whose game is written in the log's code page.
const QByteArray savedLog = "Pick 3\r\n12/01/2026\r\n3-7-1\r\n"
                            "Pick 5\r\n12/02/2026\r\n12-3-30-7-21\r\n"
                            "pick3\r\n12/1/2026\r\n1-7-3\r\n"
                            "PICK 3\r\n12/03/2026\r\n\r\n"
                            "\xc9toile, \"big\"\r\n12/04/2026\r\n=1+2\r\n"
                            "Pick 3\r\n12/01/2026\r\n3 7 9\r\n";

} // namespace

class TestTicketQueries : public QObject
{
    Q_OBJECT

private slots:
    void gameOfAName_data();
    void gameOfAName();
    void stateAfterTheGame_data();
    void stateAfterTheGame();
    void namesOfOneGame_data();
    void namesOfOneGame();
    void ticketPlayRead_data();
    void ticketPlayRead();
    void drawMatch_data();
    void drawMatch();
    void ballGameResultsRankByPrizeTier_data();
    void ballGameResultsRankByPrizeTier();
    void playMoney_data();
    void playMoney();
    void addOnsAndDaysMoney_data();
    void addOnsAndDaysMoney();
    void numberCountsOfAGameOfNoKnownRange();
    void reportRunsOverAsManyPagesAsItsWinners();
    void reportColumnsFitThePage_data();
    void reportColumnsFitThePage();
    void reportCountsNoDrawApart();
    void dateKey_data();
    void dateKey();
    void ticketDates_data();
    void ticketDates();
    void countsEndOnTheGamesDrawDays_data();
    void countsEndOnTheGamesDrawDays();
    void ticketOrder_data();
    void ticketOrder();
    void ticketOrderOfEveryNumberAndNoDrawLast_data();
    void ticketOrderOfEveryNumberAndNoDrawLast();
    void ticketsCsvRead_data();
    void ticketsCsvRead();
    void recordsAcrossTheReadersBlocks_data();
    void recordsAcrossTheReadersBlocks();
    void moneyLineOfASeason_data();
    void moneyLineOfASeason();
    void drawHistoryRead_data();
    void drawHistoryRead();
    void textFilesFoundByFuzzingReadSafely_data();
    void textFilesFoundByFuzzingReadSafely();
    void findIgnoresCase_data();
    void findIgnoresCase();
    void csvFieldsCannotRunAsFormulas_data();
    void csvFieldsCannotRunAsFormulas();

    void initTestCase();
    void cleanupTestCase();
    void init();
    void deleteUndoAndRedoActOnTheSelectedTicket();
    void addWhileFindingAppendsToTheLog();
    void checkListsTheDrawBestFirst();
    void exportWritesWhatTheListShows();
    void barsKeepTheListingTrue();
    void barKeysComeFirstInEveryField_data();
    void barKeysComeFirstInEveryField();
    void headerClicksSortTheListing();
    void importAddsTheTicketsInOneStep();
    void aPhotoIsReviewedBeforeItsPlaysAreAdded_data();
    void aPhotoIsReviewedBeforeItsPlaysAreAdded();
    void importThatCannotBeDoneChangesNothing_data();
    void importThatCannotBeDoneChangesNothing();
    void resultsFileChecksEveryTicketOfTheGame();
    void ballGameSeasonShowsTheBall();
    void ticketsAsPrintedInASeason();
    void winningsSayByWhenAndWhere();
    void aClaimAsTypedIsTakenOrRefused_data();
    void aClaimAsTypedIsTakenOrRefused();
    void aClaimIsReadInEveryLocale();
    void aPrizeNotKnownIsAskedFor();
    void aPoolFromItsMembersToEachShare();
    void menusAndWindowsAsBothPlatformsExpect();
    void unreadableClaimsAreKeptAside();
    void taxYearIsReadBack();
    void longReadShowsProgressAndCancels();
    void newerReadLeavesTheOlderUnheard();
    void startSaysWhereARollbackCopyWasKept();

private:
    QTableView *list() const { return m_window->findChild<QTableView *>("ListView1"); }
    QLineEdit *field(const char *name) const { return m_window->findChild<QLineEdit *>(name); }
    void keys(QKeyCombination keys)
    {
        QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
    }
    Rows shown() const { return rowsOf(*list()->model()); }
    QString status(const char *name) const { return m_window->findChild<QLabel *>(name)->text(); }
    // The tickets added with ADD, then the season of a Powerball results
    // file checked, as a Texas player.
    void checkPowerballSeason(
        std::initializer_list<std::tuple<const char *, const char *, const char *>> tickets,
        const QByteArray &draws);
    QStringList selected() const
    {
        const QModelIndexList rows = list()->selectionModel()->selectedRows();
        return rows.isEmpty() ? QStringList() : shown().at(rows.first().row());
    }

    std::optional<QTemporaryDir> m_dir;
    std::optional<SettingsAside> m_settings; // no state chosen, but where a test chooses one
    QString m_path;
    SystemRandomSource m_random;
    std::unique_ptr<Form1> m_window;
    std::list<QAbstractItemModelTester> m_modelTesters;
};

void TestTicketQueries::drawMatch_data()
{
    QTest::addColumn<QString>("game");
    QTest::addColumn<QString>("winning");
    QTest::addColumn<QString>("ticket");
    QTest::addColumn<QString>("result");
    QTest::newRow("pick 3 in order") << "Pick 3"
                                     << "3-7-1"
                                     << "3 7 1"
                                     << "straight";
    QTest::newRow("pick 3 typed as one number") << "PICK3"
                                                << "371"
                                                << "3-7-1"
                                                << "straight";
    QTest::newRow("pick 3 in another order") << "pick 3"
                                             << "3 7 1"
                                             << "1-3-7"
                                             << "box";
    QTest::newRow("pick 4, a repeated digit") << "Pick 4"
                                              << "1-1-2-3"
                                              << "2113"
                                              << "box";
    QTest::newRow("pick 4, a digit repeated once too often") << "Pick 4"
                                                             << "1-1-2-3"
                                                             << "1-1-1-2"
                                                             << "3 of 4";
    QTest::newRow("pick 5, each number once") << "Pick 5"
                                              << "07 12 33 41 44"
                                              << "7-12-12-30-41"
                                              << "3 of 4";
    QTest::newRow("a game the table lacks") << "Keno"
                                            << "5 10 15"
                                            << "15, 5, 99"
                                            << "2 of 3";
    QTest::newRow("numbers past 127 drawn") << "Keno"
                                            << "5 150 200 64"
                                            << "200 150 7 64"
                                            << "3 of 4";
    QTest::newRow("numbers past 127 on the ticket alone") << "Keno"
                                                          << "5 10 63 127"
                                                          << "5 150 63 127 128"
                                                          << "3 of 5";
    QTest::newRow("powerball: four whites, the ball missed") << "Powerball"
                                                             << "2 4 6 8 10 9"
                                                             << "2 4 6 8 9 10"
                                                             << "4 of 5";
    QTest::newRow("powerball: the ball however written") << "Power Ball"
                                                         << "5 12 23 34 45 07"
                                                         << "5-12-23-34-45 PB 7"
                                                         << "5 of 5 + PB";
    QTest::newRow("mega millions: the ball alone") << "mega millions"
                                                   << "1,2,3,4,5,6"
                                                   << "10 20 30 40 50 6 3X"
                                                   << "0 of 5 + MB";
    QTest::newRow("a draw time after the name") << "Daily 4 Evening"
                                                << "1234"
                                                << "4-3-2-1"
                                                << "box";
    QTest::newRow("double play is a ball game of its own") << "Powerball Double Play"
                                                           << "1 2 3 4 5 6"
                                                           << "1 2 3 4 5 7"
                                                           << "5 of 5";
    QTest::newRow("a multiplier before the numbers") << "Mega Millions"
                                                     << "12 23 34 45 50 7"
                                                     << "3X 12 23 34 45 50 MB 07"
                                                     << "5 of 5 + MB";
    QTest::newRow("an x before a number with a leading zero is no multiplier")
        << "Mega Millions"
        << "12 23 34 45 50 5"
        << "12 23 34 45 50 X 05"
        << "5 of 5 + MB";
    QTest::newRow("six numbers and a marked ball") << "Powerball"
                                                   << "5 12 23 34 45 7"
                                                   << "05 12 23 34 45 26 PB 07"
                                                   << "5 of 6 + PB";
    QTest::newRow("a bonus number where the draw has one") << "Lotto"
                                                           << "1 2 3 4 5 6 bonus 7"
                                                           << "1 2 3 4 5 7"
                                                           << "5 of 6 + bonus";
    QTest::newRow("no numbers on the ticket") << "Pick 5"
                                              << "1 2 3 4 5"
                                              << "n/a"
                                              << "no numbers";
}

void TestTicketQueries::gameOfAName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("game"); // empty: none the table knows
    QTest::newRow("a draw time after the name") << "Cash 3 Midday"
                                                << "Pick 3";
    QTest::newRow("mid-day, written with its mark") << "Daily 4 Mid-Day"
                                                    << "Pick 4";
    QTest::newRow("a longer name that begins as another") << "Lotto America"
                                                          << "Lotto America";
    QTest::newRow("a ball game whose name begins as a digit game") << "Cash4Life"
                                                                   << "Cash4Life";
    QTest::newRow("double play, a drawing of its own") << "Powerball Double Play"
                                                       << "Powerball Double Play";
    QTest::newRow("words after the name that are no draw time") << "Powerball Extra"
                                                                << "";
    QTest::newRow("a draw time alone") << "Evening"
                                       << "";
    QTest::newRow("a lotto of its own, more precise than lotto") << "Lotto Texas"
                                                                 << "Lotto Texas";
    QTest::newRow("another state's lotto") << "Florida Lotto"
                                           << "Florida Lotto";
    QTest::newRow("a draw time in texas, after the name") << "Pick 3 Day"
                                                          << "Pick 3";
}

void TestTicketQueries::gameOfAName()
{
    QFETCH(QString, name);
    QFETCH(QString, game);
    const LotteryGame *rules = LotteryGameOf(name);
    QCOMPARE(rules ? QString::fromLatin1(rules->name.data(), qsizetype(rules->name.size()))
                   : QString(),
             game);
}

void TestTicketQueries::stateAfterTheGame_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("game");
    QTest::addColumn<QString>("state"); // its code; empty for none
    QTest::newRow("a code") << "Powerball TX"
                            << "Powerball"
                            << "TX";
    QTest::newRow("a name of two words") << "Mega Millions New York"
                                         << "Mega Millions"
                                         << "NY";
    QTest::newRow("after a draw time") << "Pick 3 Evening CA"
                                       << "Pick 3"
                                       << "CA";
    QTest::newRow("lotto texas is a game, not lotto of texas") << "Lotto Texas"
                                                               << "Lotto Texas"
                                                               << "";
    QTest::newRow("lotto america is no lotto of a state") << "Lotto America"
                                                          << "Lotto America"
                                                          << "";
    QTest::newRow("a game of texas of texas") << "Lotto Texas TX"
                                              << "Lotto Texas"
                                              << "TX";
}

void TestTicketQueries::stateAfterTheGame()
{
    QFETCH(QString, name);
    QFETCH(QString, game);
    QFETCH(QString, state);
    const QString key = GameKey(name);
    const GameName read(std::u16string_view(reinterpret_cast<const char16_t *>(key.utf16()),
                                            std::size_t(key.size())));
    QVERIFY(read.game);
    QCOMPARE(QString::fromLatin1(read.game->name.data(), qsizetype(read.game->name.size())), game);
    QCOMPARE(read.state ? QString::fromLatin1(read.state->code.data(), 2) : QString(), state);
}

void TestTicketQueries::namesOfOneGame_data()
{
    QTest::addColumn<QString>("named"); // by a line of a file, or a ticket
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<bool>("line");
    QTest::addColumn<bool>("ticket");
    QTest::newRow("a more precise name") << "Lotto Texas"
                                         << "Lotto" << true << true;
    QTest::newRow("a more general name") << "Lotto"
                                         << "Lotto Texas" << true << true;
    QTest::newRow("another state's lotto") << "Florida Lotto"
                                           << "Lotto Texas" << false << false;
    QTest::newRow("a draw time: its draws, not the other time's tickets")
        << "Pick 3 Mid-Day"
        << "Pick 3" << true << false;
    QTest::newRow("the same draw time") << "Daily 3 Evening"
                                        << "pick-3 evening" << true << true;
    QTest::newRow("another draw time") << "Pick 3 Evening"
                                       << "Pick 3 Midday" << false << false;
    QTest::newRow("a game the table lacks, with a time") << "Keno Night"
                                                         << "keno" << true << false;
    QTest::newRow("double play's draws are not powerball's") << "Powerball Double Play"
                                                             << "Powerball" << false << false;
    QTest::newRow("a powerball ticket may play double play")
        << "Powerball"
        << "Powerball Double Play" << false << true;
    QTest::newRow("games the table lacks") << "Keno Plus"
                                           << "Keno" << false << false;
}

void TestTicketQueries::namesOfOneGame()
{
    QFETCH(QString, named);
    QFETCH(QString, wanted);
    QFETCH(bool, line);
    QFETCH(bool, ticket);
    const QString namedKey = GameKey(named);
    const QString wantedKey = GameKey(wanted);
    const auto view = [](const QString &key) {
        return std::u16string_view(QStringView(key).utf16(), std::size_t(key.size()));
    };
    const GameName name(view(namedKey));
    const GameName game(view(wantedKey));
    QCOMPARE(name.holdsDrawsOf(game), line);
    QCOMPARE(name.isTicketOf(game), ticket);
}

void TestTicketQueries::ticketPlayRead_data()
{
    QTest::addColumn<QString>("game");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<int>("ball");
    QTest::addColumn<int>("multiplier");
    QTest::newRow("marked") << "Powerball"
                            << "5-12-23-34-45 PB 7" << QList<int>{5, 12, 23, 34, 45} << 7 << 0;
    QTest::newRow("unmarked: the sixth")
        << "Powerball"
        << "05 12 23 34 45 07 09" << QList<int>{5, 12, 23, 34, 45} << 7 << 0;
    QTest::newRow("a multiplier before")
        << "Mega Millions"
        << "3X 12 23 34 45 50 MB 07" << QList<int>{12, 23, 34, 45, 50} << 7 << 3;
    QTest::newRow("a multiplier after the ball")
        << "Mega Millions"
        << "1 2 3 4 5 mega ball 6 x10" << QList<int>{1, 2, 3, 4, 5} << 6 << 10;
    QTest::newRow("an x standing apart, its number after")
        << "Mega Millions"
        << "X 4 1 2 3 4 5 + 6" << QList<int>{1, 2, 3, 4, 5} << 6 << 4;
    QTest::newRow("a leading zero: a number")
        << "Mega Millions"
        << "12 23 34 45 50 X 05" << QList<int>{12, 23, 34, 45, 50} << 5 << 0;
    QTest::newRow("no multiplier the game has")
        << "Mega Millions"
        << "1 2 3 4 5 6 x100 7X" << QList<int>{1, 2, 3, 4, 5} << 6 << 0;
    QTest::newRow("six before the mark")
        << "Powerball"
        << "05 12 23 34 45 26 PB 07" << QList<int>{5, 12, 23, 34, 45, 26} << 7 << 0;
    QTest::newRow("digits alone") << "Pick 4"
                                  << "12-3 4X" << QList<int>{1, 2, 3, 4} << -1 << 0;
    QTest::newRow("a lotto has no ball")
        << "Lotto"
        << "1 2 3 4 5 6 + 7" << QList<int>{1, 2, 3, 4, 5, 6, 7} << -1 << 0;
}

void TestTicketQueries::ticketPlayRead()
{
    QFETCH(QString, game);
    QFETCH(QString, cell);
    QFETCH(QList<int>, numbers);
    QFETCH(int, ball);
    QFETCH(int, multiplier);
    TicketPlay play;
    TicketPlay::read(cell.toStdString(), LotteryGameOf(game), play);
    QCOMPARE(QList<int>(play.numbers.begin(), play.numbers.end()), numbers);
    QCOMPARE(play.ball, ball);
    QCOMPARE(play.multiplier, multiplier);
}

void TestTicketQueries::drawMatch()
{
    QFETCH(QString, game);
    QFETCH(QString, winning);
    QFETCH(QString, ticket);
    QFETCH(QString, result);
    const DrawCheck draw(game, winning);
    QCOMPARE(draw.match(ticket).text(draw.extraName()), result);
}

void TestTicketQueries::ballGameResultsRankByPrizeTier_data()
{
    QTest::addColumn<QString>("game");
    QTest::addColumn<QStringList>("best");
    // 5 + ball, 5, 4 + ball, 4, 3 + ball, 3, 2 + ball, 1 + ball, the ball
    // alone, then 2, 1 and 0 whites; no numbers, then no draw.
    QTest::newRow("mega millions")
        << "Mega Millions"
        << QStringList{"5 of 5 + MB", "5 of 5",      "4 of 5 + MB", "4 of 5",      "3 of 5 + MB",
                       "3 of 5",      "2 of 5 + MB", "1 of 5 + MB", "0 of 5 + MB", "2 of 5",
                       "1 of 5",      "0 of 5",      "no numbers",  "no draw"};
    // Two numbers alone win; the ball alone wins less than one and the ball.
    QTest::newRow("lucky for life")
        << "Lucky for Life"
        << QStringList{"5 of 5 + LB", "5 of 5",      "4 of 5 + LB", "4 of 5",      "3 of 5 + LB",
                       "3 of 5",      "2 of 5 + LB", "2 of 5",      "1 of 5 + LB", "0 of 5 + LB",
                       "1 of 5",      "0 of 5",      "no numbers",  "no draw"};
    // The Cash Ball alone wins nothing.
    QTest::newRow("cash4life") << "Cash4Life"
                               << QStringList{"5 of 5 + CB", "5 of 5", "4 of 5 + CB", "4 of 5",
                                              "3 of 5 + CB", "3 of 5", "2 of 5 + CB", "2 of 5",
                                              "1 of 5 + CB", "1 of 5", "0 of 5 + CB", "0 of 5",
                                              "no numbers",  "no draw"};
}

void TestTicketQueries::ballGameResultsRankByPrizeTier()
{
    QFETCH(QString, game);
    QFETCH(QStringList, best);
    const DrawCheck draw(game, u"1 2 3 4 5 6");
    const QStringList tickets = {
        "9 8 7 1 2 6",  "1 2 3 4 9 7",   "1 2 3 4 5 7",  "1 2 3 9 8 6", "",
        "9 8 7 6 10 6", "1 2 3 4 5 6",   "1 9 8 7 10 6", "1 2 3 4 9 6", "1 2 3 9 8 7",
        "1 9 8 7 10 7", "9 8 7 10 11 7", "1 2 9 8 7 7"};
    std::vector<DrawMatch> matches;
    for (const QString &ticket : tickets)
        matches.push_back(draw.match(ticket));
    matches.push_back({DrawMatch::NoDraw});
    std::stable_sort(matches.begin(), matches.end(),
                     [](DrawMatch a, DrawMatch b) { return a.betterThan(b); });
    QStringList ranked;
    for (const DrawMatch match : matches)
        ranked << match.text(draw.extraName());
    QCOMPARE(ranked, best);
}

void TestTicketQueries::playMoney_data()
{
    QTest::addColumn<QString>("game");
    QTest::addColumn<int>("date");
    QTest::addColumn<int>("whites");
    QTest::addColumn<bool>("ball");
    QTest::addColumn<QString>("numbers"); // where a multiplier may stand
    QTest::addColumn<QString>("prize");
    QTest::addColumn<int>("price");
    QTest::newRow("powerball, 5 + PB") << "Powerball" << 20261128 << 5 << true << ""
                                       << "jackpot" << 2;
    QTest::newRow("powerball, 4 + PB") << "Powerball" << 20261128 << 4 << true << ""
                                       << "$50,000" << 2;
    QTest::newRow("powerball, 2 whites") << "Powerball" << 20151007 << 2 << false << ""
                                         << "$0" << 2;
    QTest::newRow("powerball, before its known prizes")
        << "Powerball" << 20120114 << 5 << false << ""
        << "" << 0;
    QTest::newRow("powerball of 2012 to 2015, 4 + PB") << "Powerball" << 20151003 << 4 << true << ""
                                                       << "$10,000" << 2;
    QTest::newRow("mega millions at $2") << "Mega Millions" << 20250404 << 4 << true << "3X"
                                         << "$10,000" << 2;
    QTest::newRow("mega millions before its known prizes")
        << "Mega Millions" << 20171027 << 4 << true << ""
        << "" << 0;
    QTest::newRow("mega millions at $5, 3X")
        << "Mega Millions" << 20260102 << 3 << true << "1 2 3 4 5 6 3X"
        << "$600" << 5;
    QTest::newRow("mega millions at $5, x10")
        << "Mega Millions" << 20260102 << 0 << true << "1-2-3-4-5 MB 6 x10"
        << "$50" << 5;
    QTest::newRow("mega millions at $5, X 3")
        << "Mega Millions" << 20260102 << 5 << false << "X 3 1 2 3 4 5 6"
        << "$3,000,000" << 5;
    for (const char *none :
         {"1 2 3 4 5 6", "1 2 3 4 5 6 7X", "1 2 3 4 5 6 x100", "1 2 3 4 5 6 max3"})
        QTest::addRow("mega millions at $5, %s", none)
            << "Mega Millions" << 20260102 << 3 << true << none << "at least $400" << 5;
    QTest::newRow("lucky for life, a prize for life")
        << "Lucky for Life" << 20260102 << 5 << true << ""
        << "$1,000 a day for life" << 2;
    QTest::newRow("cash4life, the Cash Ball alone") << "Cash4Life" << 20260102 << 0 << true << ""
                                                    << "$0" << 2;
    QTest::newRow("lotto america, 2 + SB") << "Lotto America" << 20260102 << 2 << true << ""
                                           << "$5" << 1;
}

void TestTicketQueries::playMoney()
{
    QFETCH(QString, game);
    QFETCH(int, date);
    QFETCH(int, whites);
    QFETCH(bool, ball);
    QFETCH(QString, numbers);
    QFETCH(QString, prize);
    QFETCH(int, price);
    const LotteryGame &rules = *LotteryGameOf(game);
    TicketPlay play;
    TicketPlay::read(std::u16string_view(QStringView(numbers).utf16(), std::size_t(numbers.size())),
                     &rules, play);
    const PlayMoney money = MoneyOf(rules, date, rules.tierOf(whites, ball), play.multiplier);
    QCOMPARE(CheckSummary::prizeText(money), prize);
    QCOMPARE(money.price, price);
}

void TestTicketQueries::addOnsAndDaysMoney_data()
{
    QTest::addColumn<QString>("game");
    QTest::addColumn<QStringList>("draws");  // day, numbers, multiplier drawn, Double Play's
    QTest::addColumn<QStringList>("ticket"); // date, numbers
    QTest::addColumn<QString>("prize");
    QTest::addColumn<int>("spent");
    const QString pb = QStringLiteral("11 21 27 36 62 24");
    const QString nov = QStringLiteral("11/28/2026");
    QTest::newRow("power play, 4 + PB times 3")
        << "Powerball" << QStringList{nov, pb, "3", ""}
        << QStringList{nov, "11 21 27 36 9 PB 24 PP"} << "$150,000" << 3;
    QTest::newRow("power play, five pay two million")
        << "Powerball" << QStringList{nov, pb, "3", ""}
        << QStringList{nov, "11 21 27 36 62 PB 9 Power Play"} << "$2,000,000" << 3;
    QTest::newRow("power play, 3 times 10")
        << "Powerball" << QStringList{nov, pb, "10", ""} << QStringList{nov, "11 21 27 1 2 PB 9 pp"}
        << "$70" << 3;
    QTest::newRow("power play, no 10 before October 2015")
        << "Powerball" << QStringList{"10/03/2015", pb, "10", ""}
        << QStringList{"10/03/2015", "11 21 27 1 2 PB 9 PP"} << "at least $14" << 3;
    QTest::newRow("power play, no multiplier in the file")
        << "Powerball" << QStringList{nov, pb, "", ""} << QStringList{nov, "PP 11 21 27 36 9 24"}
        << "at least $100,000" << 3;
    QTest::newRow("power play, the jackpot")
        << "Powerball" << QStringList{nov, pb, "3", ""} << QStringList{nov, "11 21 27 36 62 24 PP"}
        << "jackpot" << 3;
    QTest::newRow("megaplier, five times 4")
        << "Mega Millions" << QStringList{"11/27/2020", "1 2 3 4 5 6", "4", ""}
        << QStringList{"11/27/2020", "1 2 3 4 5 MB 9 MP"} << "$4,000,000" << 3;
    QTest::newRow("megaplier, none after April 2025")
        << "Mega Millions" << QStringList{"11/27/2026", "1 2 3 4 5 6", "4", ""}
        << QStringList{"11/27/2026", "1 2 3 4 9 MB 6 Megaplier"} << "at least $20,000" << 5;
    QTest::newRow("power play on mega millions is no add-on")
        << "Mega Millions" << QStringList{"11/27/2020", "1 2 3 4 5 6", "4", ""}
        << QStringList{"11/27/2020", "1 2 3 4 9 MB 6 PP"} << "$10,000" << 2;
    QTest::newRow("double play beside powerball")
        << "Powerball" << QStringList{nov, pb, "2", "1 2 3 4 5 6"}
        << QStringList{nov, "1 2 3 4 5 PB 24 DP"} << "$500,004" << 3;
    QTest::newRow("double play before its first drawing")
        << "Powerball" << QStringList{"08/21/2021", pb, "2", "1 2 3 4 5 6"}
        << QStringList{"08/21/2021", "1 2 3 4 5 PB 24 DP"} << "$4" << 2;
    // Three draws from 11/28: the 28th, the 30th and 12/02; the 5th is not
    // the ticket's. Each play $2 and Power Play's $1.
    QTest::newRow("a ticket of three draws, power play")
        << "Powerball"
        << QStringList{nov,          pb, "2",          "", "11/30/2026", "1 2 3 4 5 6",
                       "5",          "", "12/02/2026", pb, "",           "",
                       "12/05/2026", pb, "2",          ""}
        << QStringList{"11/28/2026 x3", "11 21 27 1 2 PB 24 PP"} << "at least $400" << 9;
}

// A season's money, each play by its draw's day and multiplier, with the
// ticket's add-ons: every answer worked by hand from the prize tables.
void TestTicketQueries::addOnsAndDaysMoney()
{
    QFETCH(QString, game);
    QFETCH(QStringList, draws);
    QFETCH(QStringList, ticket);
    QFETCH(QString, prize);
    QFETCH(int, spent);
    DrawList list;
    for (int at = 0; at + 3 < draws.size(); at += 4) {
        const std::vector<int> second = NumbersIn(draws[at + 3]);
        list.add(*DateKey(draws[at]), NumbersIn(draws[at + 1]), std::uint32_t(at * 2 + 1),
                 draws[at + 2].toInt(), second);
    }
    list.keepFirstOfEachDay(24);
    LogListModel log;
    log.append(game);
    log.setSubItem(0, 1, ticket[0]);
    log.setSubItem(0, 2, ticket[1]);
    const HistoryCheck season(game, list);
    const TicketMoney money =
        CheckSummary::moneyOf(log, season.game(), season.match(log, 0), &season);
    QCOMPARE(CheckSummary::prizeText(money), prize);
    QCOMPARE(int(money.spent), spent);
}

// 150 Keno tickets of a number each, and a Pick 3 ticket: the first 100
// numbers by value, and how many more.
void TestTicketQueries::numberCountsOfAGameOfNoKnownRange()
{
    LogListModel log;
    for (int row = 0; row < 150; ++row) {
        log.append(u"Keno");
        log.setSubItem(row, 2, QString::number(1000 - row));
    }
    log.append(u"Pick 3");
    log.setSubItem(150, 2, u"371");
    ListedTickets listing(log);
    const NumberCounts counts = NumberCounts::of(listing);
    QCOMPARE(counts.tickets, 150);
    QCOMPARE(int(counts.numbers.size()), NumberCounts::mostBars);
    QCOMPARE(counts.numbers.front().number, 851);
    QCOMPARE(counts.moreNumbers, 50);
}

// Each page headed alike, and the winners past the first on the next.
void TestTicketQueries::reportRunsOverAsManyPagesAsItsWinners()
{
    QTemporaryDir dir;
    SeasonReport report;
    report.game = "Pick 3";
    report.made = QDate(2026, 12, 8);
    report.titles = QStringList{"GAME", "DATE", "NUMBERS", "MATCH"};
    const auto pages = [&] {
        const QString pdf = dir.filePath("report.pdf");
        QString reason;
        [&] { QVERIFY2(report.write(pdf, &reason), qPrintable(reason)); }();
        const QRegularExpression count("/Count (\\d+)\n");
        return count.match(QString::fromLatin1(readBytes(pdf))).captured(1).toInt();
    };
    QCOMPARE(pages(), 1);
    report.winners.assign(300, {QStringList{"Pick 3", "12/01/2026", "3-7-1", "straight"}, {}});
    const int rows = pages();
    QVERIFY2(rows >= 5, qPrintable(QString::number(rows)));
    // A ticket of several draws takes a line more, for the draws it won.
    for (SeasonReport::Winner &winner : report.winners)
        winner.days = "10 draws in the file; won 12/01/2026: straight, $500";
    QVERIFY2(pages() > rows * 3 / 2, qPrintable(QString::number(pages())));
}

void TestTicketQueries::reportColumnsFitThePage_data()
{
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<QList<int>>("fitted"); // on a page of 600
    QTest::newRow("room for all") << QList<int>{100, 200, 300} << QList<int>{100, 200, 300};
    QTest::newRow("one long cell")
        << QList<int>{80, 2000, 90, 100, 70, 60} << QList<int>{80, 200, 90, 100, 70, 60};
    QTest::newRow("two long cells share the room left")
        << QList<int>{100, 900, 800} << QList<int>{100, 250, 250};
}

void TestTicketQueries::reportColumnsFitThePage()
{
    QFETCH(QList<int>, widths);
    QFETCH(QList<int>, fitted);
    std::vector<int> columns(widths.begin(), widths.end());
    FitColumns(columns, 600);
    QCOMPARE(QList<int>(columns.begin(), columns.end()), fitted);
}

void TestTicketQueries::reportCountsNoDrawApart()
{
    SeasonReport report;
    report.winners.push_back({{"Powerball", "11/28/2026", "1 2 3 4 5 6", "5 of 5 + PB"}, {}});
    report.others = 2;
    report.noDraw = 1;
    QCOMPARE(report.closing(), QStringList({"And 2 other tickets, which won nothing.",
                                            "1 ticket had no draw in the file."}));
}

void TestTicketQueries::dateKey_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<int>("key"); // 0: no rule reads it
    const std::pair<const char *, int> dates[] = {
        {"12/01/2026", 20261201}, {"12/1/2026", 20261201},  {"12/1/26", 20261201},
        {"12-01-2026", 20261201}, {"2026-12-01", 20261201}, {" 12.01.2026 eve", 20261201},
        {"2/29/2024", 20240229},  {"2/29/2026", 0},         {"02/30/2026", 0},
        {"13/01/2026", 0},        {"12/01/126", 0},         {"12/01", 0},
        {"12/01/2026/1", 0},      {"Dec 1, 2026", 0},       {"12/001/2026", 0}};
    for (const auto &[date, key] : dates)
        QTest::newRow(date) << date << key;
}

void TestTicketQueries::dateKey()
{
    QFETCH(QString, date);
    QFETCH(int, key);
    QCOMPARE(DateKey(date).value_or(0), key);
    QCOMPARE(DateKey(QByteArrayView(date.toLatin1())).value_or(0), key);
}

void TestTicketQueries::ticketDates_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QList<int>>("dates"); // first, last, count; nothing where none is read
    const QList<int> run = {20261202, 20261230, 0};
    QTest::newRow("one day") << "12/2/26" << QList<int>{20261202, 0, 1};
    QTest::newRow("a dash between spaces") << "12/02/2026 - 12/30/2026" << run;
    QTest::newRow("to") << "12/02/2026 to 12/30/2026" << run;
    QTest::newRow("thru, other date forms") << "2026-12-02 THRU 12-30-26" << run;
    QTest::newRow("through, dashed dates") << "12-02-2026 through 12-30-2026" << run;
    QTest::newRow("a count") << "12/02/2026 x10" << QList<int>{20261202, 0, 10};
    QTest::newRow("a count of draws") << "12/02/2026, 10 draws" << QList<int>{20261202, 0, 10};
    QTest::newRow("one draw") << "12/02/2026 1 draw" << QList<int>{20261202, 0, 1};
    QTest::newRow("a dash without spaces is no run") << "12/02/2026-12/30/2026" << QList<int>{};
    QTest::newRow("a run that ends before it begins") << "12/30/2026 - 12/02/2026" << QList<int>{};
    QTest::newRow("a count past any ticket") << "12/02/2026 x1000" << QList<int>{};
    QTest::newRow("words that are no count") << "12/02/2026 evening" << QList<int>{20261202, 0, 1};
}

void TestTicketQueries::ticketDates()
{
    QFETCH(QString, cell);
    QFETCH(QList<int>, dates);
    const std::optional<TicketDates> read = TicketDates::of(cell);
    const QList<int> got = read ? QList<int>{read->first, read->last, read->count} : QList<int>();
    QCOMPARE(got, dates);
    QCOMPARE(TicketDates::of(QByteArrayView(cell.toLatin1())).has_value(), read.has_value());
    // Ten Powerball draws from a Wednesday: Saturdays, Mondays and
    // Wednesdays, the tenth on the 23rd.
    if (cell == u"12/02/2026 x10") {
        const LotteryGame *powerball = LotteryGameOf(u"Powerball");
        QVERIFY(read->plays(20261223, powerball));
        QVERIFY(!read->plays(20261226, powerball));
        QVERIFY(!read->plays(20261224, powerball));
        QVERIFY(read->plays(20261211, nullptr) && !read->plays(20261212, nullptr));
    }
}

void TestTicketQueries::countsEndOnTheGamesDrawDays_data()
{
    QTest::addColumn<QString>("game");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("lastDay");
    // Lucky for Life on Mondays and Thursdays, every day from 19 July 2021:
    // Thursday the 1st, Monday the 5th, Thursday the 8th, Monday the 12th.
    QTest::newRow("lucky for life, twice a week") << "Lucky for Life"
                                                  << "07/01/2021 x4" << 20210712;
    // Thursday the 15th, then Monday the 19th, the 20th and the 21st.
    QTest::newRow("lucky for life, into every day") << "Lucky for Life"
                                                    << "07/15/2021 x4" << 20210721;
    // Lotto America on Wednesdays and Saturdays, Mondays too from 18 July
    // 2022: Wednesday the 2nd, Saturday the 5th, Wednesday the 9th.
    QTest::newRow("lotto america, twice a week") << "Lotto America"
                                                 << "12/02/2020 x3" << 20201209;
    // Wednesday the 13th, Saturday the 16th, Monday the 18th, Wednesday the 20th.
    QTest::newRow("lotto america, a monday added") << "Lotto America"
                                                   << "07/13/2022 x4" << 20220720;
    QTest::newRow("a game of unknown days") << "Cash 5"
                                            << "07/13/2022 x4" << 0;
}

void TestTicketQueries::countsEndOnTheGamesDrawDays()
{
    QFETCH(QString, game);
    QFETCH(QString, cell);
    QFETCH(int, lastDay);
    QCOMPARE(TicketDates::of(cell)->lastDay(LotteryGameOf(game)), lastDay);
}

void TestTicketQueries::ticketOrder_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QList<int>>("rows");
    QTest::newRow("games") << 0 << false << QList<int>{2, 1, 4, 5, 0, 3, 6};
    QTest::newRow("games, descending") << 0 << true << QList<int>{0, 3, 6, 1, 4, 5, 2};
    QTest::newRow("dates, unread last") << 1 << false << QList<int>{2, 4, 0, 6, 3, 1, 5};
    QTest::newRow("dates, descending") << 1 << true << QList<int>{3, 0, 6, 2, 4, 1, 5};
    QTest::newRow("numbers") << 2 << false << QList<int>{1, 2, 0, 6, 5, 4, 3};
    QTest::newRow("numbers, descending") << 2 << true << QList<int>{3, 4, 5, 0, 6, 2, 1};
}

// Saved tickets and one typed, the last, equal to the first in every column.
void TestTicketQueries::ticketOrder()
{
    QFETCH(int, column);
    QFETCH(bool, descending);
    QFETCH(QList<int>, rows);
    LogListModel log;
    QByteArray bytes;
    std::vector<CellSpan> cells;
    for (const char *cell :
         {"Pick 5", "12/02/2026", "3-17-22", "pick 3", "not a date", "3-7-1", "Mega Millions",
          "2026-12-01", "3-17", "PICK5", "1/2/27", "12", "Pick 3", "12/1/26", "3-17-22-30-41-50-60",
          "Pick 3", "", "3-17-22-30-41-50-59"}) {
        cells.push_back({std::uint32_t(bytes.size()), std::uint32_t(qstrlen(cell))});
        bytes += cell + QByteArray("\r\n");
    }
    log.appendSaved(bytes, cells);
    log.append(u"Pick 5 ");
    log.setSubItem(6, 1, u"12/02/2026");
    log.setSubItem(6, 2, u"3 17 22");
    std::vector<ListedTicket> tickets;
    for (int row = 0; row < log.size(); ++row)
        tickets.push_back({row, {}});
    const TicketOrder order(log, TicketOrder::Column(column), descending);
    order.sort(tickets);
    QList<int> sorted;
    for (const ListedTicket &ticket : tickets)
        sorted << ticket.row;
    QCOMPARE(sorted, rows);
    for (std::size_t at = 1; at < tickets.size(); ++at)
        QVERIFY(order.before(tickets[at - 1], tickets[at]));
}

void TestTicketQueries::ticketOrderOfEveryNumberAndNoDrawLast_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QList<int>>("rows");
    // Numbers "1234 5", "1300 2", "1234 1", "7 8 9 10 11 12 14", "7 8 9 10 11 12 13";
    // results 4 of 5, no draw, 4 of 5 + PB, no numbers, no draw.
    QTest::newRow("numbers past any width") << 2 << false << QList<int>{4, 3, 2, 0, 1};
    QTest::newRow("numbers past any width, descending") << 2 << true << QList<int>{1, 0, 2, 3, 4};
    QTest::newRow("results") << 3 << false << QList<int>{2, 0, 3, 1, 4};
    QTest::newRow("results, descending") << 3 << true << QList<int>{3, 0, 2, 1, 4};
}

void TestTicketQueries::ticketOrderOfEveryNumberAndNoDrawLast()
{
    QFETCH(int, column);
    QFETCH(bool, descending);
    QFETCH(QList<int>, rows);
    LogListModel log;
    const char *numbers[] = {"1234 5", "1300 2", "1234 1", "7 8 9 10 11 12 14",
                             "7 8 9 10 11 12 13"};
    const DrawMatch results[] = {{DrawMatch::Count, 4, 5, 4},
                                 {DrawMatch::NoDraw},
                                 {DrawMatch::CountAndExtra, 4, 5, 3},
                                 {DrawMatch::NoNumbers},
                                 {DrawMatch::NoDraw}};
    std::vector<ListedTicket> tickets;
    for (int row = 0; row < 5; ++row) {
        log.append(u"Powerball");
        log.setSubItem(row, 2, QString::fromLatin1(numbers[row]));
        tickets.push_back({row, results[row], -1});
    }
    TicketOrder(log, TicketOrder::Column(column), descending).sort(tickets);
    QList<int> sorted;
    for (const ListedTicket &ticket : tickets)
        sorted << ticket.row;
    QCOMPARE(sorted, rows);
}

void TestTicketQueries::ticketsCsvRead_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Rows>("tickets");
    QTest::addColumn<QString>("summary");
    QTest::newRow("as export writes it")
        << QByteArray("\xEF\xBB\xBFGAME,DATE,NUMBERS,MATCH\r\n"
                      "\"\xC3\x89toile, \"\"big\"\"\",12/04/2026,'=1+2,box\r\n")
        << Rows{{"\u00C9toile, \"big\"", "12/04/2026", "=1+2"}} << "1 ticket";
    QTest::newRow("a header in any order, semicolons, the ANSI code page")
        << QByteArray("Numbers;Note;game;DATE\r\n1-2-3;x;Caf\xE9 3;1/2/26\r\n")
        << Rows{{"Caf\u00E9 3", "1/2/26", "1-2-3"}} << "1 ticket";
    QTest::newRow("no header, tabs, a line break in a cell, bad lines")
        << QByteArray(
               "Pick 3\t12/01/2026\t\"3\r\n7\"\nPick 4\t12/02\n\n\t\t\nPick 5\t1/1/26\t\"1-2")
        << Rows{{"Pick 3", "12/01/2026", "3 7"}}
        << "1 ticket; 2 lines skipped: 3 (too few fields); 6 (a quote is not closed); "
           "1 cell changed";
    QTest::newRow("a character the code page lacks")
        << QByteArray("Pick 3,12/01/2026,1-2-3 \xF0\x9F\x98\x80\n")
        << Rows{{"Pick 3", "12/01/2026", "1-2-3 \U0001F600"}} << "1 ticket; 1 cell changed";
    QTest::newRow("binary") << QByteArray("\x00\x01\xFF\xFE", 4) << Rows{}
                            << "0 tickets; 1 line skipped: 1 (too few fields)";
    QTest::newRow("semicolons, commas in the numbers")
        << QByteArray("Pick 5;12/01/2026;07,12,33,41,44\r\n")
        << Rows{{"Pick 5", "12/01/2026", "07,12,33,41,44"}} << "1 ticket";
    QTest::newRow("commas, semicolons in the numbers")
        << QByteArray("Pick 5,12/01/2026,07;12;33;41;44\r\n")
        << Rows{{"Pick 5", "12/01/2026", "07;12;33;41;44"}} << "1 ticket";
    QTest::newRow("a quote left open ends with its line")
        << QByteArray("Pick 3,\"12/01/2026,1-2-3\r\nPick 4,12/02/2026,1-2-3-4\r\n")
        << Rows{{"Pick 4", "12/02/2026", "1-2-3-4"}}
        << "1 ticket; 1 line skipped: 1 (a quote is not closed)";
    const QString utf16 = QString::fromUtf8("Caf\u00e9 3,1/2/26,1-2-3\r\n");
    QTest::newRow("UTF-16 with its byte order mark")
        << QByteArray("\xFF\xFE") +
               QByteArray(reinterpret_cast<const char *>(utf16.utf16()), utf16.size() * 2)
        << Rows{{"Caf\u00E9 3", "1/2/26", "1-2-3"}} << "1 ticket";
}

void TestTicketQueries::ticketsCsvRead()
{
    QFETCH(QByteArray, file);
    QFETCH(Rows, tickets);
    QFETCH(QString, summary);
    const TicketsRead read = ReadTicketsCsv(file);
    Rows rows;
    for (int ticket = 0; ticket < read.count(); ++ticket) {
        rows << QStringList{read.cell(ticket, 0).toString(), read.cell(ticket, 1).toString(),
                            read.cell(ticket, 2).toString()};
    }
    QCOMPARE(rows, tickets);
    QCOMPARE(read.summary(), summary);
}

void TestTicketQueries::recordsAcrossTheReadersBlocks_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("tickets");
    QTest::addColumn<int>("at"); // a ticket, whose cells are
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("summary");
    // Short lines to a byte before the first megabyte, where the reader's
    // first block ends at the next line end, then what stands across it.
    const QByteArray line = "Pick 3,12/01/2026,1-2-3\r\n";
    const QByteArray lines = line.repeated(1024 * 1024 / line.size());
    QTest::newRow("a quoted cell over a block's end")
        << lines + "Pick 4,12/02/2026,\"1\r\n2\r\n3\r\n4\"\r\n" + lines << 83887 << 41943
        << QStringList{"Pick 4", "12/02/2026", "1 2 3 4"} << "83887 tickets; 1 cell changed";
    QTest::newRow("the code page, a letter past the end")
        << lines + "Caf\xE9 3,12/02/2026,3-7-1\r\n"
        << 41944 << 41943 << QStringList{"Caf\u00E9 3", "12/02/2026", "3-7-1"} << "41944 tickets";
    QTest::newRow("a quote left open over the end, and lines after it")
        << lines + "Pick 4,\"12/02/2026,1-2-3-4\r\n" + lines << 83886 << 41943
        << QStringList{"Pick 3", "12/01/2026", "1-2-3"}
        << "83886 tickets; 1 line skipped: 41944 (a quote is not closed)";
    const QString utf16 =
        QString::fromLatin1(lines) + QString::fromUtf8("Caf\u00e9 4,1/2/26,1234\r\n");
    QTest::newRow("UTF-16, past the end")
        << QByteArray("\xFF\xFE") +
               QByteArray(reinterpret_cast<const char *>(utf16.utf16()), utf16.size() * 2)
        << 41944 << 41943 << QStringList{"Caf\u00E9 4", "1/2/26", "1234"} << "41944 tickets";
}

void TestTicketQueries::recordsAcrossTheReadersBlocks()
{
    QFETCH(QByteArray, file);
    QFETCH(int, tickets);
    QFETCH(int, at);
    QFETCH(QStringList, cells);
    QFETCH(QString, summary);
    const TicketsRead read = ReadTicketsCsv(file);
    QCOMPARE(read.count(), tickets);
    QCOMPARE((QStringList{read.cell(at, 0).toString(), read.cell(at, 1).toString(),
                          read.cell(at, 2).toString()}),
             cells);
    QCOMPARE(read.summary(), summary);
}

void TestTicketQueries::moneyLineOfASeason_data()
{
    QTest::addColumn<QString>("game");
    QTest::addColumn<bool>("season");         // else one draw, typed without its date
    QTest::addColumn<QStringList>("tickets"); // date, numbers; each against 1 2 3 4 5 and 6
    QTest::addColumn<QString>("results");
    QTest::addColumn<QString>("money");
    QTest::newRow("mega millions, a multiplier and none")
        << "Mega Millions" << true
        << QStringList{"1/2/2026", "1 2 3 9 8 6 4X", "1/2/2026", "1 2 3 9 8 6"}
        << "2 at 3 of 5 + MB"
        << "2 plays, $10 spent, at least $1,200 won, 1 without a multiplier counted at 2X";
    QTest::newRow("of one tier, the ticket of more numbers first")
        << "Powerball" << true << QStringList{"1/2/2026", "1 2 3 4 4 9", "1/2/2026", "1 2 3 4 8 9"}
        << "1 at 4 of 5, 1 at 4 of 4"
        << "2 plays, $4 spent, $200 won";
    QTest::newRow("powerball, a jackpot and a play before its fixed prizes")
        << "Powerball" << true << QStringList{"1/2/2026", "1 2 3 4 5 6", "1/5/2011", "1 2 3 4 5 6"}
        << "2 at 5 of 5 + PB"
        << "1 play, $2 spent, $0 won and a jackpot, 1 play not counted, of a day whose prizes "
           "are not known";
    QTest::newRow("a ticket with no numbers is no play, one with no draw is apart")
        << "Powerball" << true << QStringList{"1/2/2026", "", "1/2/2026", "1 2 9 8 7 6", "", "1"}
        << "1 at 2 of 5 + PB, 1 other, 1 no draw"
        << "1 play, $2 spent, $7 won";
    QTest::newRow("cash4life by its own tiers")
        << "Cash4Life" << true
        << QStringList{"1/2/2026",         "1 2 9 8 7 CB 1", "1/2/2026",
                       "9 8 7 10 11 CB 6", "1/2/2026",       "1 2 3 4 5 CB 6"}
        << "1 at 5 of 5 + CB, 1 at 2 of 5, 1 other"
        << "3 plays, $6 spent, $4 won and $1,000 a day for life";
    QTest::newRow("one draw with no date: no money")
        << "Powerball" << false << QStringList{"1/2/2026", "1 2 3 4 5 6"} << "1 at 5 of 5 + PB"
        << "money once the draw's date is typed";
}

void TestTicketQueries::moneyLineOfASeason()
{
    QFETCH(QString, game);
    QFETCH(bool, season);
    QFETCH(QStringList, tickets);
    QFETCH(QString, results);
    QFETCH(QString, money);
    LogListModel log;
    std::vector<ListedTicket> listed;
    DrawList draws;
    const DrawCheck draw(game, u"1 2 3 4 5 6");
    for (int row = 0; row * 2 < tickets.size(); ++row) {
        log.append(game);
        log.setSubItem(row, 1, tickets[row * 2]);
        log.setSubItem(row, 2, tickets[row * 2 + 1]);
        const std::optional<int> date = DateKey(tickets[row * 2]);
        if (date)
            draws.add(*date, std::vector<int>{1, 2, 3, 4, 5, 6});
        listed.push_back({row, date ? draw.match(tickets[row * 2 + 1]) : DrawMatch::NoDraw,
                          date ? draws.size() - 1 : -1});
    }
    const HistoryCheck history(game, draws);
    const CheckSummary summary(log, draw, listed, season ? &history : nullptr);
    QCOMPARE(summary.results(), results);
    QCOMPARE(summary.money(), money);
}

void TestTicketQueries::drawHistoryRead_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("game");
    QTest::addColumn<QStringList>("draws"); // date: numbers
    QTest::addColumn<int>("skipped");
    // Files in the shapes lotteries publish, each read for its game.
    QTest::newRow("the ball in a column of its own")
        << QByteArray("Draw Date,Winning Numbers,Mega Ball,Multiplier\r\n"
                      "11/28/2025,05 12 23 34 45,07,3X\r\n03/01/2025,1 2 3 4 5,25,2\r\n")
        << "Mega Millions" << QStringList{"20251128: 5 12 23 34 45 7", "20250301: 1 2 3 4 5 25"}
        << 1;
    const QByteArray daily = "Draw Date,Midday Daily #,Midday Daily Sum,Evening Daily #,Evening "
                             "Daily Sum,Midday Win 4 #,Midday Win 4 Sum,Evening Win 4 #,Evening "
                             "Win 4 Sum\r\n12/01/2026,371,11,409,13,1234,10,5678,26\r\n";
    QTest::newRow("four draws a line, the 3-digit ones")
        << daily << "Numbers" << QStringList{"20261201: 3 7 1", "20261201: 4 0 9"} << 1;
    QTest::newRow("four draws a line, the evening's alone")
        << daily << "Pick 3 Eve" << QStringList{"20261201: 4 0 9"} << 1;
    QTest::newRow("a draw time in its own field, another's skipped")
        << QByteArray("12/01/2026,Midday,3-7-1\r\n12/01/2026,Evening,1-7-9\r\n") << "Pick 3 Evening"
        << QStringList{"20261201: 1 7 9"} << 1;
    QTest::newRow("four draws a line, the 4-digit ones")
        << daily << "Win 4" << QStringList{"20261201: 1 2 3 4", "20261201: 5 6 7 8"} << 1;
    QTest::newRow("no header, the date in three fields, a multiplier after")
        << QByteArray("Powerball,7,22,2026,11,21,27,36,62,24,3\nMega Millions,7,22,2026,1,2,3,4,5,"
                      "6,2\nPowerball,7,25,2026,11,21,27,36,62,30,3\n")
        << "Powerball" << QStringList{"20260722: 11 21 27 36 62 24"} << 2;
    QTest::newRow("a draw time after the game, a further digit")
        << QByteArray("Pick 3 Evening,7,22,2026,1,2,3,4\r\n") << "Pick 3"
        << QStringList{"20260722: 1 2 3"} << 0;
    QTest::newRow("a text download: a title, dashes, a draw number, months by name")
        << QByteArray("Powerball Winning Numbers\nDraw  Draw Date  Winning Numbers  PB  PP\n"
                      "-----  -----\n1699  Sat. Nov 28, 2026  03 18 22 27 33  17  2\n"
                      "1698  November 25 2026  1 2 3 4 5  6  3\n1697  23 Nov 2026  1 2 3 4 5 6 "
                      "10\n")
        << "Powerball"
        << QStringList{"20261128: 3 18 22 27 33 17", "20261125: 1 2 3 4 5 6",
                       "20261123: 1 2 3 4 5 6"}
        << 3;
    QTest::newRow("a title line above a comma header")
        << QByteArray("Pick 3 Game Results\r\nDraw Date,Draw,Winning Numbers,Sum\r\n"
                      "12/01/2026,Midday,3-7-1,11\r\n")
        << "Pick 3" << QStringList{"20261201: 3 7 1"} << 2;
    QTest::newRow("a lottery's CSV, its multiplier left out")
        << QByteArray("Draw Date,Winning Numbers,Multiplier\r\n09/26/2020,11 21 27 36 62 24,3\r\n")
        << "Powerball" << QStringList{"20200926: 11 21 27 36 62 24"} << 1;
    QTest::newRow("month, day and year columns, another game, a bonus")
        << QByteArray("Game;Month;Day;Year;N1;N2;N3;Bonus Ball\nPick 3;12;1;2026;3;7;1;9\n"
                      "Pick 4;12;1;2026;1;2;3;4\n")
        << "pick 3" << QStringList{"20261201: 3 7 1"} << 2;
    QTest::newRow("spaces, a game before the date, digits, no such day, a note")
        << QByteArray("Pick 3 12/01/2026 371\nPick 3 02/30/2026 123\n\nmore draws soon\n")
        << "Pick 3" << QStringList{"20261201: 3 7 1"} << 2;
    QTest::newRow("quoted, midday and evening, ANSI")
        << QByteArray("\"12/01/2026\",Midday \xB7,\"3,7,1\"\r\n2026-12-01,Evening,\"1\"\"7\"\"9\"")
        << "Pick 3" << QStringList{"20261201: 3 7 1", "20261201: 1 7 9"} << 0;
    QTest::newRow("a game named after the date")
        << QByteArray("12/01/2026,Pick 3,3,7,1\r\n12/01/2026,Pick 4,3,3,7,1\r\n") << "Pick 3"
        << QStringList{"20261201: 3 7 1"} << 1;
    QTest::newRow("mid-day after the name, in texas' shape")
        << QByteArray("Pick 3 Mid-Day,12,1,2026,3,7,1\r\nPick 3 Evening,12,1,2026,4,0,9\r\n")
        << "Pick 3" << QStringList{"20261201: 3 7 1", "20261201: 4 0 9"} << 0;
    QTest::newRow("a title, days and months' names between dashes")
        << QByteArray("Powerball Winning Numbers\r\nDate,White Balls,Powerball,Power Play\r\n"
                      "7-Oct-2015,18 30 40 48 52,9,3\r\n10-OCT-15,12|27|29|43|68,1,2\r\n")
        << "Powerball" << QStringList{"20151007: 18 30 40 48 52 9", "20151010: 12 27 29 43 68 1"}
        << 2;
    QTest::newRow("the same numbers twice a day, from two lines")
        << QByteArray("20101     Mon. Nov 30, 2026          2          2          7     \n"
                      "20100     Mon. Nov 30, 2026          2          2          7     \n")
        << "Daily 3" << QStringList{"20261130: 2 2 7", "20261130: 2 2 7"} << 0;
    QTest::newRow("a line of two draws given twice, skipped once")
        << QByteArray("Draw Date,Midday Daily #,Evening Daily #\r\n12/01/2026,371,409\r\n"
                      "12/01/2026,371,409\r\n")
        << "Pick 3" << QStringList{"20261201: 3 7 1", "20261201: 4 0 9"} << 2;
    QTest::newRow("a line given twice, a double play column beside it")
        << QByteArray("Draw Date,Winning Numbers,Multiplier,Double Play\r\n"
                      "11/28/2026,02 04 06 08 10 09,2,01 03 05 07 09 11\r\n"
                      "11/28/2026,02 04 06 08 10 09,2,01 03 05 07 09 11\r\n")
        << "Powerball" << QStringList{"20261128: 2 4 6 8 10 9"} << 2;
    QTest::newRow("binary") << QByteArray("\x00\xFF\x01", 3) << "Pick 3" << QStringList{} << 1;
    QByteArray days;
    for (int draw = 1; draw <= 25; ++draw)
        days += QByteArray::number(draw) + " 12/01/2026 1 2 3\n";
    QTest::newRow("25 draws of a day")
        << days << "Pick 3" << QStringList(24, "20261201: 1 2 3") << 1;
    QTest::newRow("25 draws of a day among others, numbers past a byte")
        << QByteArray("12/02/2026 1 200\n") + days.replace(" 1 2 3", " 300 4") +
               "12/03/2026 70000 5\n"
        << "Keno"
        << QStringList{"20261202: 1 200"} + QStringList(24, "20261201: 300 4") +
               QStringList{"20261203: 70000 5"}
        << 1;
}

void TestTicketQueries::drawHistoryRead()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, game);
    QFETCH(QStringList, draws);
    QFETCH(int, skipped);
    const DrawHistory history = ReadDrawHistory(file, game);
    QStringList read;
    for (int draw = 0; draw < history.draws.size(); ++draw) {
        QStringList numbers;
        for (const int number : history.draws.numbers(draw))
            numbers << QString::number(number);
        read << QStringLiteral("%1: %2").arg(history.draws.date(draw)).arg(numbers.join(u' '));
    }
    QCOMPARE(read, draws);
    QCOMPARE(history.skippedLines, skipped);
}

void TestTicketQueries::textFilesFoundByFuzzingReadSafely_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QDir findings(QStringLiteral(FIXTURES_DIR "/fuzz-textfiles"));
    for (const QString &name : findings.entryList(QDir::Files))
        QTest::newRow(qPrintable(name)) << readBytes(findings.filePath(name));
}

void TestTicketQueries::textFilesFoundByFuzzingReadSafely()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(textFilesReadSafely(bytes));
}

void TestTicketQueries::findIgnoresCase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<bool>("found");
    const QString etoile = QString::fromLatin1("\xc9toile");
    QTest::newRow("é finds É in the file") << QString::fromLatin1("\xe9toi") << false << true;
    QTest::newRow("é finds É as typed") << QString::fromLatin1("\xe9toi") << true << true;
    QTest::newRow("the date") << "12/04" << false << true;
    QTest::newRow("the numbers") << "=1+" << true << true;
    QTest::newRow("not there") << "etoile" << false << false;
}

void TestTicketQueries::findIgnoresCase()
{
    QFETCH(QString, text);
    QFETCH(bool, typed);
    QFETCH(bool, found);
    LogListModel rows;
    if (typed) {
        rows.append(QString::fromLatin1("\xc9toile"));
        rows.setSubItem(0, 1, u"12/04/2026");
        rows.setSubItem(0, 2, u"=1+2");
    } else {
        QByteArray bytes = "\xc9TOILE\r\n12/04/2026\r\n=1+2\r\n";
        rows.appendSaved(bytes, {{0, 6}, {8, 10}, {20, 4}});
    }
    QCOMPARE(TicketFinder(text).matches(rows, 0), found);
}

void TestTicketQueries::csvFieldsCannotRunAsFormulas_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("plain") << "3-7-1" << QByteArray("3-7-1");
    QTest::newRow("comma and quote") << "Pick 6, \"big\"" << QByteArray("\"Pick 6, \"\"big\"\"\"");
    QTest::newRow("UTF-8") << QString::fromLatin1("\xc9toile") << QByteArray("\xc3\x89toile");
    for (const char *formula : {"=1+2", "+1", "-1", "@SUM(A1)"})
        QTest::newRow(formula) << formula << "'" + QByteArray(formula);
    QTest::newRow("CR") << "\rx" << QByteArray("\"'\rx\"");
    QTest::newRow("tab") << "\tx" << QByteArray("\"'\tx\"");
    // German and French spreadsheets split on semicolons: "=1+2" would be a
    // cell of its own.
    QTest::newRow("a formula through a semicolon") << "Bo;=1+2;" << QByteArray("\"Bo;=1+2;\"");
}

void TestTicketQueries::csvFieldsCannotRunAsFormulas()
{
    QFETCH(QString, cell);
    QFETCH(QByteArray, field);
    QCOMPARE(CsvField(cell), field);
}

// Deadlines are counted from a day of the tests' own.
void TestTicketQueries::initTestCase()
{
    m_settings.emplace(QStringList{"state"});
    qputenv("TICKETWISE_TODAY", "20261209");
}

void TestTicketQueries::cleanupTestCase()
{
    m_settings.reset();
}

void TestTicketQueries::init()
{
    // Windows' own file dialogs cannot be answered from here: under Wine one
    // returns at once with its suggested file, in the user's Documents.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    m_dir.emplace();
    m_path = m_dir->filePath("saved.wok");
    writeBytes(m_path, savedLog);
    m_modelTesters.clear();
    m_window = std::make_unique<Form1>(m_random, m_path);
    // The log's model and the listing, under Qt's own checker in every test.
    using Mode = QAbstractItemModelTester::FailureReportingMode;
    m_modelTesters.emplace_back(m_window->findChild<LogListModel *>(), Mode::QtTest);
    m_modelTesters.emplace_back(list()->model(), Mode::QtTest);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    list()->setFocus();
}

// The classic fault of a filtered list: the third ticket listed is not the
// third ticket of the savedLog.
void TestTicketQueries::deleteUndoAndRedoActOnTheSelectedTicket()
{
    keys(Qt::CTRL | Qt::Key_F);
    QTest::keyClicks(field("FindText"), "1-7");
    QCOMPARE(shown(), Rows({{"pick3", "12/1/2026", "1-7-3"}}));
    list()->selectRow(0);
    QTest::mouseClick(m_window->findChild<QPushButton *>("Command3"), Qt::LeftButton);
    const QByteArray deleted = QByteArray(savedLog).replace("pick3\r\n12/1/2026\r\n1-7-3\r\n", "");
    QCOMPARE(readBytes(m_path), deleted);
    QCOMPARE(shown(), Rows());

    for (const auto &[key, bytes] :
         {std::pair{Qt::CTRL | Qt::Key_Z, savedLog}, std::pair{Qt::CTRL | Qt::Key_Y, deleted}}) {
        QTest::keyClick(m_window.get(), key.key(), key.keyboardModifiers());
        QCOMPARE(readBytes(m_path), bytes);
    }
    QCOMPARE(m_window->findChild<QLabel *>("FindCount")->text(), "0 of 5");
}

void TestTicketQueries::addWhileFindingAppendsToTheLog()
{
    keys(Qt::CTRL | Qt::Key_F);
    QTest::keyClicks(field("FindText"), "pick 5");
    field("Text8")->setText("Pick 5");
    field("Text10")->setText("1-2-3-4-5");
    QTest::mouseClick(m_window->findChild<QPushButton *>("Command2"), Qt::LeftButton);
    QCOMPARE(readBytes(m_path), savedLog + "Pick 5\r\n\r\n1-2-3-4-5\r\n");
    QCOMPARE(shown(),
             Rows({{"Pick 5", "12/02/2026", "12-3-30-7-21"}, {"Pick 5", "", "1-2-3-4-5"}}));
}

void TestTicketQueries::checkListsTheDrawBestFirst()
{
    keys(Qt::CTRL | Qt::Key_K);
    QTest::keyClicks(field("CheckGame"), "pick 3");
    QTest::keyClicks(field("CheckNumbers"), "371");
    QCOMPARE(shown(), Rows({{"Pick 3", "12/01/2026", "3-7-1", "straight"},
                            {"pick3", "12/1/2026", "1-7-3", "box"},
                            {"Pick 3", "12/01/2026", "3 7 9", "2 of 3"},
                            {"PICK 3", "12/03/2026", "", "no numbers"}}));
    QCOMPARE(list()->model()->index(1, 3).data(Qt::AccessibleTextRole).toString(), "Result: box");
    QCOMPARE(m_window->findChild<QLabel *>("CheckSummary")->accessibleName(),
             "1 straight, 1 box, 2 other");
    QCOMPARE(m_window->findChild<QLabel *>("CheckMoney")->accessibleName(),
             "money only for Powerball, Mega Millions, Lucky for Life, Cash4Life and Lotto "
             "America, as paid outside California");
    QTest::keyClicks(field("CheckDate"), "2026-12-1");
    QCOMPARE(shown().size(), 3);
    QCOMPARE(readBytes(m_path), savedLog);

    // Listed before the ticket removed, a ticket that stands after it in the
    // log still names itself while the removal is signalled.
    field("CheckDate")->clear();
    const Rows before = shown();
    Rows removing;
    connect(list()->model(), &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [&] { removing = shown(); });
    list()->selectRow(3);
    QTest::mouseClick(m_window->findChild<QPushButton *>("Command3"), Qt::LeftButton);
    QCOMPARE(removing, before);
    QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(shown(), before);
}

void TestTicketQueries::exportWritesWhatTheListShows()
{
    keys(Qt::CTRL | Qt::Key_F);
    QTest::keyClicks(field("FindText"), "big");
    auto *queries = &m_window->findChild<ManagerPage *>()->queries();
    const QString csv = m_dir->filePath("tickets.csv");
    QVERIFY(queries->exportTickets(csv, true));
    QCOMPARE(readBytes(csv), "\xef\xbb\xbfGAME,DATE,NUMBERS\r\n"
                             "\"\xc3\x89toile, \"\"big\"\"\",12/04/2026,'=1+2\r\n");
    QVERIFY(queries->exportTickets(csv, false));
    QCOMPARE(readBytes(csv).count("\r\n"), 7);

    keys(Qt::CTRL | Qt::Key_K);
    QTest::keyClicks(field("CheckGame"), "pick 3");
    QTest::keyClicks(field("CheckNumbers"), "371");
    QVERIFY(queries->exportTickets(csv, true));
    QCOMPARE(readBytes(csv), "\xef\xbb\xbfGAME,DATE,NUMBERS,MATCH\r\n"
                             "Pick 3,12/01/2026,3-7-1,straight\r\npick3,12/1/2026,1-7-3,box\r\n"
                             "Pick 3,12/01/2026,3 7 9,2 of 3\r\nPICK 3,12/03/2026,,no numbers\r\n");
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList({"saved.wok", "tickets.csv"}));
}

// Find, a click on a found ticket, Esc, find again, check: the fields, the
// status, the list and the export agree at each step; closed, the list has
// its place back and nothing was saved.
void TestTicketQueries::barsKeepTheListingTrue()
{
    const QRect place = list()->geometry();
    auto *exportListed = m_window->findChild<QAction *>("ExportListed");
    keys(Qt::CTRL | Qt::Key_F);
    QTest::keyClicks(field("FindText"), "pick 5");
    const QStringList pick5 = {"Pick 5", "12/02/2026", "12-3-30-7-21"};
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                      list()->visualRect(list()->model()->index(0, 1)).center());
    QCOMPARE(QApplication::focusWidget(), list());
    QVERIFY(exportListed->isEnabled());

    keys(Qt::Key_Escape);
    QCOMPARE(shown().size(), 6);
    QCOMPARE(selected(), pick5);
    QVERIFY(!exportListed->isEnabled());

    keys(Qt::CTRL | Qt::Key_F);
    QCOMPARE(field("FindText")->text(), "pick 5");
    QCOMPARE(shown(), Rows({pick5}));
    QCOMPARE(status("FindCount"), "1 of 6");
    QVERIFY(exportListed->isEnabled());

    // A check lacking its game or numbers says so, over the whole log.
    keys(Qt::CTRL | Qt::Key_K);
    QCOMPARE(status("CheckStatus"), "No game or numbers");
    QCOMPARE(shown().size(), 6);
    QVERIFY(!exportListed->isEnabled());
    QCOMPARE(selected(), pick5);
    QTest::keyClicks(field("CheckNumbers"), "371");
    QCOMPARE(status("CheckStatus"), "No game yet");
    keys(Qt::Key_Escape);
    QCOMPARE(list()->geometry(), place);
    QCOMPARE(readBytes(m_path), savedLog);
}

void TestTicketQueries::barKeysComeFirstInEveryField_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<QString>("opened"); // the field that takes the focus, or "export"
    for (const char *name : {"Text8", "Text10", "CheckNumbers"}) {
        QTest::addRow("Ctrl+K in %s", name) << name << (Qt::CTRL | Qt::Key_K) << "CheckGame";
        QTest::addRow("Ctrl+F in %s", name) << name << (Qt::CTRL | Qt::Key_F) << "FindText";
        QTest::addRow("Ctrl+E in %s", name) << name << (Qt::CTRL | Qt::Key_E) << "export";
    }
}

// The same on Linux, where a field takes Ctrl+K and Ctrl+E for itself, and on
// Windows, where it does not.
void TestTicketQueries::barKeysComeFirstInEveryField()
{
    QFETCH(QString, fieldName);
    QFETCH(QKeyCombination, key);
    QFETCH(QString, opened);
    if (fieldName.startsWith("Check"))
        keys(Qt::CTRL | Qt::Key_K);
    QLineEdit *typedIn = field(qPrintable(fieldName));
    typedIn->setFocus();
    typedIn->setText("3-7-1");
    typedIn->setCursorPosition(1);
    QString shownNext;
    QTimer::singleShot(0, this, [&] {
        auto *files = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        shownNext = files ? QString("export") : QApplication::focusWidget()->objectName();
        if (files)
            files->reject();
    });
    keys(key);
    QTRY_COMPARE(shownNext, opened);
    QCOMPARE(typedIn->text(), "3-7-1");
}

// By date, a find within the sort, an ADD that takes its place, the reverse,
// and the log's order back; the header shows and says which.
void TestTicketQueries::headerClicksSortTheListing()
{
    QHeaderView *header = list()->horizontalHeader();
    const auto clickDate = [&] {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(1) + 5, 5));
    };
    const auto numbers = [&] {
        QStringList column;
        for (const QStringList &row : shown())
            column << row.at(2);
        return column;
    };
    clickDate();
    QCOMPARE(numbers(), QStringList({"3-7-1", "1-7-3", "3 7 9", "12-3-30-7-21", "", "=1+2"}));
    QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
    QCOMPARE(list()->model()->headerData(1, Qt::Horizontal, Qt::AccessibleTextRole),
             "DATE, sorted ascending");
    keys(Qt::CTRL | Qt::Key_F);
    QTest::keyClicks(field("FindText"), "pick 3");
    QCOMPARE(numbers(), QStringList({"3-7-1", "3 7 9", ""}));
    keys(Qt::Key_Escape);
    for (const auto &[name, text] :
         {std::pair{"Text8", "Pick 4"}, {"Text9", "12/02/2026"}, {"Text10", "1-2-3-4"}})
        field(name)->setText(text);
    QTest::mouseClick(m_window->findChild<QPushButton *>("Command2"), Qt::LeftButton);
    QCOMPARE(numbers(),
             QStringList({"3-7-1", "1-7-3", "3 7 9", "12-3-30-7-21", "1-2-3-4", "", "=1+2"}));

    clickDate();
    QCOMPARE(numbers(),
             QStringList({"=1+2", "", "12-3-30-7-21", "1-2-3-4", "3-7-1", "1-7-3", "3 7 9"}));
    QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    clickDate();
    QVERIFY(!header->isSortIndicatorShown());
    QCOMPARE(numbers(),
             QStringList({"3-7-1", "12-3-30-7-21", "1-7-3", "", "=1+2", "3 7 9", "1-2-3-4"}));
}

// Two tickets and a bad line from a file: in at the end, saved, said over the
// list, and taken back whole by one undo.
void TestTicketQueries::importAddsTheTicketsInOneStep()
{
    const QString csv = m_dir->filePath("in.csv");
    writeBytes(csv, "GAME,DATE,NUMBERS\r\nPick 4,12/05/2026,1-2-3-4\r\nshort\r\n"
                    "Pick 6,12/06/2026,1-2-3-4-5-6\r\n");
    QTimer::singleShot(0, this, [&] {
        if (auto *files = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            files->selectFile(csv);
            QMetaObject::invokeMethod(files, "accept");
        }
    });
    QSignalSpy imported(m_window->findChild<ManagerPage *>(), &ManagerPage::importFinished);
    m_window->findChild<QAction *>("ImportTickets")->trigger();
    QTRY_COMPARE(imported.count(), 1);
    QCOMPARE(shown().mid(6),
             Rows({{"Pick 4", "12/05/2026", "1-2-3-4"}, {"Pick 6", "12/06/2026", "1-2-3-4-5-6"}}));
    QCOMPARE(status("Notice"), "Imported 2 tickets; 1 line skipped: 3 (too few fields).");
    QCOMPARE(readBytes(m_path),
             savedLog +
                 "Pick 4\r\n12/05/2026\r\n1-2-3-4\r\nPick 6\r\n12/06/2026\r\n1-2-3-4-5-6\r\n");
    QUndoStack *history = m_window->findChild<ManagerPage *>()->undoStack();
    history->undo();
    QCOMPARE(shown().size(), 6);
    QCOMPARE(readBytes(m_path), savedLog);
    // Redone from the cells the undo kept, as often as asked.
    for (int again = 0; again < 2; ++again) {
        history->redo();
        QCOMPARE(shown().mid(6), Rows({{"Pick 4", "12/05/2026", "1-2-3-4"},
                                       {"Pick 6", "12/06/2026", "1-2-3-4-5-6"}}));
        history->undo();
    }
    history->redo();
    QCOMPARE(readBytes(m_path),
             savedLog +
                 "Pick 4\r\n12/05/2026\r\n1-2-3-4\r\nPick 6\r\n12/06/2026\r\n1-2-3-4-5-6\r\n");
}

namespace {

// The text of a ticket, as if read from any photo: the review, not the
// reading, is what is tried here.
class TextOfATicket : public TextReader
{
public:
    ReadText read(const QImage &, const std::atomic<bool> &) override
    {
        return ReadText::sure("NEW HAMPSHIRE\nPOWERBALL\nA. 12 31 33 52 57 PB 09\n"
                              "B. 15 27 37 45 62 PB 15\nPOWER PLAY - NO\n"
                              "FOR 1 DRAW - Sat Apr 01 17\n$4.00\n");
    }
};

} // namespace

void TestTicketQueries::aPhotoIsReviewedBeforeItsPlaysAreAdded_data()
{
    QTest::addColumn<int>("photos");
    // What the player does in each review: "add", "skip", "cancel", or
    // "mend and keep" (the first play's ball typed 10, a play not read
    // typed in the last row, the photo kept).
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<Rows>("added");
    QTest::addColumn<bool>("kept");
    const Rows read{{"Powerball NH", "04/01/2017", "12 31 33 52 57 PB 9"},
                    {"Powerball NH", "04/01/2017", "15 27 37 45 62 PB 15"}};
    QTest::newRow("a digit mended, the photo kept")
        << 1 << QStringList{"mend and keep"}
        << Rows{{"Powerball NH", "04/01/2017", "12 31 33 52 57 PB 10"},
                read[1],
                {"Powerball NH", "04/01/2017", "1 2 3 4 5 PB 6"}}
        << true;
    QTest::newRow("a stack: the first skipped, the second added")
        << 2 << QStringList{"skip", "add"} << read << false;
    QTest::newRow("a stack cancelled at its first")
        << 2 << QStringList{"cancel"} << Rows{} << false;
}

void TestTicketQueries::aPhotoIsReviewedBeforeItsPlaysAreAdded()
{
    QFETCH(int, photos);
    QFETCH(QStringList, answers);
    QFETCH(Rows, added);
    QFETCH(bool, kept);
    auto *page = m_window->findChild<ManagerPage *>();
    PhotoQueries &queries = page->photos();
    queries.setMakeReader([] { return std::make_unique<TextOfATicket>(); });
    QStringList paths;
    QImage paper(300, 500, QImage::Format_RGB32);
    paper.fill(Qt::white);
    for (int photo = 0; photo < photos; ++photo) {
        paths << m_dir->filePath(QStringLiteral("ticket%1.png").arg(photo));
        QVERIFY(paper.save(paths.back()));
    }
    QStringList titles;
    int idle = 0;
    QTimer answering;
    connect(&answering, &QTimer::timeout, this, [&] {
        auto *review = qobject_cast<PhotoReviewDialog *>(QApplication::activeModalWidget());
        // Keys reach a review once it is the active window. One still open
        // a second after the last answer is closed, and the test fails.
        if (review && answers.isEmpty() && ++idle > 50)
            review->reject();
        if (!review || answers.isEmpty() || !review->isActiveWindow())
            return;
        idle = 0;
        titles << review->windowTitle();
        const QString answer = answers.takeFirst();
        if (answer == "mend and keep") {
            // By keys alone: the box ticked, the play's NUMBERS edited, a
            // play typed in the last row, Alt+A.
            QTest::keyClick(review->findChild<QCheckBox *>("PhotoReviewKeep"), Qt::Key_Space);
            auto *plays = review->findChild<QTableWidget *>("PhotoReviewPlays");
            const auto type = [plays](int row, bool replace, const char *numbers) {
                plays->setCurrentCell(row, 1);
                QTest::keyClick(plays, Qt::Key_F2);
                QWidget *editor = QApplication::focusWidget();
                if (replace)
                    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(editor, numbers);
                QTest::keyClick(editor, Qt::Key_Return);
            };
            type(0, true, "12 31 33 52 57 PB 10");
            type(plays->rowCount() - 1, false, "1 2 3 4 5 PB 6");
            // Each play typed is the player's, and room is left for one more.
            QCoreApplication::processEvents();
            QCOMPARE(plays->rowCount(), 4);
            QCOMPARE(plays->item(0, 2)->text(), "as you typed it");
            QCOMPARE(plays->item(2, 0)->text() + plays->item(3, 0)->text(), "C+");
            QTest::keyClick(plays, Qt::Key_A, Qt::AltModifier);
        } else if (answer == "skip")
            review->findChild<QPushButton *>("PhotoReviewSkip")->click();
        else if (answer == "cancel")
            QTest::keyClick(review, Qt::Key_Escape);
        else
            review->accept();
    });
    answering.start(20);
    QSignalSpy ended(&queries, &PhotoQueries::stackEnded);
    const int before = page->undoStack()->count();
    queries.readPhotos(paths);
    QVERIFY(ended.wait(20000));
    QVERIFY2(answers.isEmpty(), qPrintable(answers.join(u',')));
    if (photos > 1)
        QCOMPARE(titles.first(), QStringLiteral("Ticket from a Photo (1 more to review)"));
    QCOMPARE(shown().mid(6), added);
    QCOMPARE(page->undoStack()->count(), before + (added.empty() ? 0 : 1));
    const QHash<QString, QString> photosKept = TicketPhotos::besideLog(m_path).photos();
    QCOMPARE(photosKept.size(), kept ? qsizetype(added.size()) : 0);
    if (kept) {
        const QString photo =
            photosKept.value(TicketCells{added[0][0], added[0][1], added[0][2]}.key());
        QCOMPARE(readBytes(photo), readBytes(paths[0]));
    }
    // One undo takes back the ticket's plays, whatever the photo held.
    if (!added.empty()) {
        page->undoStack()->undo();
        QCOMPARE(shown().size(), 6);
    }
}

void TestTicketQueries::importThatCannotBeDoneChangesNothing_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<qint64>("size"); // made that large, sparse, where not 0
    QTest::addColumn<QString>("notice");
    QTest::newRow("no ticket") << QByteArray("just a note\r\n") << qint64(0)
                               << "Nothing imported: the file holds no ticket (0 tickets; 1 "
                                  "line skipped: 1 (too few fields)).";
    QTest::newRow("too large") << QByteArray("Pick 3,12/01/2026,1-2-3\r\n")
                               << qint64(257) * 1024 * 1024
                               << "Nothing imported: the file is larger than 256 MB.";
    QTest::newRow("missing") << QByteArray() << qint64(-1) << "Nothing imported: ";
    QTest::newRow("a folder") << QByteArray() << qint64(-2)
                              << "Nothing imported: it is not a file.";
    if (!QStandardPaths::findExecutable("mkfifo").isEmpty())
        QTest::newRow("a pipe") << QByteArray() << qint64(-3)
                                << "Nothing imported: it is not a file.";
}

void TestTicketQueries::importThatCannotBeDoneChangesNothing()
{
    QFETCH(QByteArray, file);
    QFETCH(qint64, size);
    QFETCH(QString, notice);
    const QString csv = m_dir->filePath("in.csv");
    if (size >= 0) {
        writeBytes(csv, file);
        QVERIFY(size == 0 || QFile::resize(csv, size));
    } else if (size == -2) {
        QVERIFY(QDir(m_dir->path()).mkdir("in.csv"));
    } else if (size == -3) {
        QCOMPARE(QProcess::execute("mkfifo", {csv}), 0);
    }
    auto *page = m_window->findChild<ManagerPage *>();
    QSignalSpy imported(page, &ManagerPage::importFinished);
    page->importTickets(csv);
    QTRY_COMPARE(imported.count(), 1);
    QVERIFY2(status("Notice").startsWith(notice), qPrintable(status("Notice")));
    QCOMPARE(page->undoStack()->count(), 0);
    QCOMPARE(readBytes(m_path), savedLog);
    // A long read the user cancels reads nothing.
    const TicketsRead cancelled =
        ReadTicketsCsv(QByteArray("Pick 3,12/01/2026,1-2-3\n").repeated(5000),
                       [](qsizetype, qsizetype) { return false; });
    QVERIFY(cancelled.cancelled && cancelled.count() == 0);
}

// Midday and evening draws of one date: each ticket's best, the draw it came
// from, the ticket with no draw last; exported as listed.
void TestTicketQueries::resultsFileChecksEveryTicketOfTheGame()
{
    const QString results = m_dir->filePath("pick3.csv");
    writeBytes(results, "Draw Date,Draw,Winning Numbers,Fireball\r\n"
                        "12/01/2026,Midday,\"3,7,1\",2\r\n12/01/2026,Evening,1 7 9,5\r\n");
    keys(Qt::CTRL | Qt::Key_K);
    TicketQueries &queries = m_window->findChild<ManagerPage *>()->queries();
    QTest::mouseClick(m_window->findChild<QToolButton *>("CheckResultsFile"), Qt::LeftButton);
    QCOMPARE(status("CheckStatus"), "No game yet");
    QTest::keyClicks(field("CheckGame"), "pick 3");
    QSignalSpy checked(&queries, &TicketQueries::resultsFileChecked);
    queries.checkResultsFile(m_dir->filePath("missing.csv"));
    QTRY_COMPARE(checked.count(), 1);
    QVERIFY(status("CheckStatus").startsWith("Not read: "));
    QCOMPARE(shown().size(), 6);
    queries.checkResultsFile(results);
    QTRY_COMPARE(checked.count(), 2);
    QCOMPARE(shown(), Rows({{"Pick 3", "12/01/2026", "3-7-1", "straight", "3 7 1"},
                            {"pick3", "12/1/2026", "1-7-3", "box", "3 7 1"},
                            {"Pick 3", "12/01/2026", "3 7 9", "2 of 3", "3 7 1"},
                            {"PICK 3", "12/03/2026", "", "no draw", ""}}));
    QCOMPARE(status("CheckStatus"), "2 draws, 1 skipped");
    const QString csv = m_dir->filePath("season.csv");
    QVERIFY(queries.exportTickets(csv, true));
    QCOMPARE(readBytes(csv).split('\n').at(1), "Pick 3,12/01/2026,3-7-1,straight,3 7 1\r");

    // A ticket added meanwhile takes its place among them.
    for (const auto &[name, text] :
         {std::pair{"Text8", "Pick 3"}, {"Text9", "12/1/26"}, {"Text10", "1 7 9"}})
        field(name)->setText(text);
    QTest::mouseClick(m_window->findChild<QPushButton *>("Command2"), Qt::LeftButton);
    QCOMPARE(shown().at(1), QStringList({"Pick 3", "12/1/26", "1 7 9", "straight", "1 7 9"}));
    // A sort by result lasts as long as the results do.
    QHeaderView *header = list()->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(3) + 5, 5));
    QCOMPARE(shown().at(0).at(3), "straight");
    keys(Qt::Key_Escape);
    QVERIFY(!header->isSortIndicatorShown());
    QCOMPARE(shown().at(1).at(2), "12-3-30-7-21");
}

// Two Powerball tickets and a third with no draw, against a file that gives
// the ball a column: the ball in MATCH and DRAW, a descending sort by MATCH
// with no draw still last, and the export as listed.
void TestTicketQueries::ballGameSeasonShowsTheBall()
{
    for (const char *numbers : {"2 4 6 8 9 10", "5-12-23-34-45 PB 9"}) {
        for (const auto &[name, text] :
             {std::pair{"Text8", "Powerball"}, {"Text9", "11/28/2026"}, {"Text10", numbers}})
            field(name)->setText(text);
        QTest::mouseClick(m_window->findChild<QPushButton *>("Command2"), Qt::LeftButton);
    }
    field("Text9")->setText("11/29/2026");
    QTest::mouseClick(m_window->findChild<QPushButton *>("Command2"), Qt::LeftButton);
    const QString results = m_dir->filePath("powerball.csv");
    writeBytes(results, "Draw Date,Winning Numbers,Powerball,Power Play\r\n"
                        "11/28/2026,2 4 6 8 10,9,2\r\n");
    keys(Qt::CTRL | Qt::Key_K);
    QTest::keyClicks(field("CheckGame"), "powerball");
    TicketQueries &queries = m_window->findChild<ManagerPage *>()->queries();
    QSignalSpy checked(&queries, &TicketQueries::resultsFileChecked);
    queries.checkResultsFile(results);
    QTRY_COMPARE(checked.count(), 1);
    const Rows season = {
        {"Powerball", "11/28/2026", "2 4 6 8 9 10", "4 of 5", "2 4 6 8 10 PB 9", "$100"},
        {"Powerball", "11/28/2026", "5-12-23-34-45 PB 9", "0 of 5 + PB", "2 4 6 8 10 PB 9", "$4"},
        {"Powerball", "11/29/2026", "5-12-23-34-45 PB 9", "no draw", "", ""}};
    QCOMPARE(shown(), season);
    const auto line = [this](const char *name) {
        return m_window->findChild<QLabel *>(name)->accessibleName();
    };
    QCOMPARE(line("CheckSummary"), "1 at 4 of 5, 1 at 0 of 5 + PB, 1 no draw");
    // No state chosen: what is left to claim, and no deadline.
    QCOMPARE(line("CheckMoney"), "2 plays, $4 spent, $104 won; 2 to claim, $104");
    QHeaderView *header = list()->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(3) + 5, 5));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(3) + 5, 5));
    QCOMPARE(shown(), Rows({season[1], season[0], season[2]}));
    const QString csv = m_dir->filePath("season.csv");
    QVERIFY(queries.exportTickets(csv, true));
    QCOMPARE(readBytes(csv).split('\n').at(1), "Powerball,11/28/2026,5-12-23-34-45 PB 9,"
                                               "0 of 5 + PB,2 4 6 8 10 PB 9,$4\r");
    // The chart of the season: the listed tickets' numbers and the file's,
    // the ball apart, following a find.
    m_window->findChild<QAction *>("NumbersChartAction")->trigger();
    auto *chart = m_window->findChild<QTableWidget *>("ChartTable");
    QTRY_VERIFY(chart && chart->isVisible());
    QCOMPARE(chart->rowCount(), 69 + 26);
    const auto counted = [&](int row) {
        QStringList cells;
        for (int column = 0; column < chart->columnCount(); ++column)
            cells << chart->item(row, column)->text();
        return cells;
    };
    QCOMPARE(counted(1), QStringList({"2", "1", "1"}));
    QCOMPARE(counted(69 + 8), QStringList({"PB 9", "2", "1"}));
    // A report of it, and one that cannot be written.
    const QString pdf = m_dir->filePath("report.pdf");
    QVERIFY(queries.saveReport(pdf));
    QVERIFY(readBytes(pdf).startsWith("%PDF"));
    QVERIFY(readBytes(pdf).contains("/Count 1\n"));
    QString reason;
    QVERIFY(!queries.saveReport(m_dir->filePath("missing/report.pdf"), &reason));
    QVERIFY(!reason.isEmpty());
    queries.checkResultsFile(m_dir->filePath("saved.wok"));
    QTRY_COMPARE(checked.count(), 2);
    QCOMPARE(status("CheckStatus"), "No draw of powerball");
    QTRY_COMPARE(chart->columnCount(), 2);
    QCOMPARE(counted(1), QStringList({"2", "1"}));
}

void TestTicketQueries::checkPowerballSeason(
    std::initializer_list<std::tuple<const char *, const char *, const char *>> tickets,
    const QByteArray &draws)
{
    for (const auto &[game, date, numbers] : tickets) {
        for (const auto &[name, text] :
             {std::pair{"Text8", game}, {"Text9", date}, {"Text10", numbers}})
            field(name)->setText(text);
        QTest::mouseClick(m_window->findChild<QPushButton *>("Command2"), Qt::LeftButton);
    }
    const QString results = m_dir->filePath("powerball.csv");
    writeBytes(results, "Draw Date,Winning Numbers,Powerball,Power Play\r\n" + draws);
    keys(Qt::CTRL | Qt::Key_K);
    QTest::keyClicks(field("CheckGame"), "powerball");
    TicketQueries &queries = m_window->findChild<ManagerPage *>()->queries();
    QSignalSpy checked(&queries, &TicketQueries::resultsFileChecked);
    queries.checkResultsFile(results);
    QTRY_COMPARE(checked.count(), 1);
}

// Tickets as printed: one of four draws with Power Play, one with Double
// Play, five whites with Power Play where the file gives no multiplier, and
// two Megaplier tickets of 2018. Every figure worked by hand from the prize
// tables: 4 of 5 + PB is $50,000, 3X $150,000; 3 of 5 is $7, at least $14
// with no multiplier; five whites with Power Play $2,000,000; Double Play's
// 4 of 5 + PB $50,000; Mega Millions' 4 of 5 + MB $10,000 and five whites
// $1,000,000, each times a drawn Megaplier of 4.
// Where and by when each winning draw of a season is claimed, as of
// 12/09/2026, the player's state Texas. The 11/28/2026 draw: 4 of 5 is $100,
// claimed at a Texas store within 180 days (2 days of November, 31, 31, 28,
// 31, 30 and 27 of May: 05/27/2027, 169 days from today); the ball alone,
// $4, in New York within a year; the jackpot in California within a year,
// at a District Office. The 05/02/2026 draw's $1,000,000 expired after 180
// days (29, 30, 31, 31, 30 and 29 of October: 10/29/2026).
void TestTicketQueries::winningsSayByWhenAndWhere()
{
    m_settings->settings().setValue("state", "TX");
    const auto putBack = qScopeGuard([this] { m_settings->settings().remove("state"); });
    checkPowerballSeason({{"Powerball", "11/28/2026", "2 4 6 8 9 10"},
                          {"Powerball NY", "11/28/2026", "5 12 23 34 45 PB 9"},
                          {"Powerball CA", "11/28/2026", "2 4 6 8 10 PB 9"},
                          {"Powerball", "05/02/2026", "1 2 3 4 5 PB 7"}},
                         "11/28/2026,2 4 6 8 10,9,2\r\n05/02/2026,1 2 3 4 5,6,2\r\n");
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(m_window->findChild<QLabel *>("CheckMoney")->accessibleName(),
             "4 plays, $8 spent, $1,000,104 won and a jackpot; 3 to claim, $104 and a jackpot, the "
             "first by "
             "05/27/2027 in 169 days; 1 expired, $1,000,000");
    const int row = int(shown().indexOf(QStringList{"Powerball", "11/28/2026", "2 4 6 8 9 10",
                                                    "4 of 5", "2 4 6 8 10 PB 9", "$100"}));
    QVERIFY(row >= 0);
    const QModelIndex prize = list()->model()->index(row, 5);
    QCOMPARE(prize.data(Qt::ToolTipRole).toString(), "claim by 05/27/2027, 180 days, at a store");
    QCOMPARE(prize.data(Qt::AccessibleTextRole).toString(),
             "Prize: $100; claim by 05/27/2027, 180 days, at a store");
    // The list says so where a prize expired, in its words and to a screen reader.
    const int expired =
        int(shown().indexOf(QStringList{"Powerball", "05/02/2026", "1 2 3 4 5 PB 7", "5 of 5",
                                        "1 2 3 4 5 PB 6", "$1,000,000, expired 10/29/2026"}));
    QVERIFY(expired >= 0);
    QCOMPARE(list()->model()->index(expired, 5).data(Qt::AccessibleTextRole).toString(),
             "Prize: $1,000,000, expired 10/29/2026");

    m_window->findChild<QAction *>("WinningsAction")->trigger();
    auto *table = m_window->findChild<QTableView *>("WinningsTable");
    QVERIFY(table && table->window()->isVisible());
    QAbstractItemModelTester tester(table->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(rowsOf(*table->model()),
             Rows({{"Powerball TX", "11/28/2026", "2 4 6 8 9 10", "$100",
                    "by 05/27/2027, 180 days, at a store"},
                   {"Powerball CA", "11/28/2026", "2 4 6 8 10 PB 9", "jackpot",
                    "by 11/28/2027, 365 days, at a District Office"},
                   {"Powerball NY", "11/28/2026", "5 12 23 34 45 PB 9", "$4",
                    "by 11/28/2027, 365 days, at a store"},
                   {"Powerball TX", "05/02/2026", "1 2 3 4 5 PB 7", "$1,000,000",
                    "expired 10/29/2026"}}));
    QCOMPARE(table->model()->index(1, 4).data(Qt::AccessibleTextRole).toString(),
             "Claim: by 11/28/2027, 365 days, at a District Office");
    // The main window keeps its size; the winnings' can be resized.
    QCOMPARE(table->window()->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));

    // The expired $1,000,000 marked claimed on 10/20/2026: 24% of the prize
    // less the $2 wager, $239,999.52, filled in; Texas withholds nothing.
    QStringList filled;
    QTimer answering;
    connect(&answering, &QTimer::timeout, this, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || dialog->objectName() != "MarkClaimed")
            return;
        for (const char *name : {"ClaimedPaid", "ClaimedFederal", "ClaimedState"})
            filled << dialog->findChild<QLineEdit *>(name)->text();
        dialog->findChild<QDateEdit *>("ClaimedDay")->setDate(QDate(2026, 10, 20));
        dialog->accept();
    });
    answering.start(20);
    table->selectRow(3);
    QTest::mouseClick(table->window()->findChild<QPushButton *>("WinningsMarkClaimed"),
                      Qt::LeftButton);
    QTRY_COMPARE(filled, QStringList({"$1,000,000", "$239,999.52", "$0"}));
    QTRY_COMPARE(table->model()->index(3, 4).data().toString(), "claimed 10/20/2026");
    const QString claims = m_dir->filePath("claims.csv");
    const QByteArray claimed = "\xEF\xBB\xBF"
                               "Claimed,Game,Ticket Date,Numbers,Draw,State,Prize,Wager,Paid,"
                               "Federal Withheld,State Withheld\r\n"
                               "10/20/2026,Powerball,05/02/2026,1 2 3 4 5 PB 7,05/02/2026,TX,"
                               "1000000.00,2.00,1000000.00,239999.52,0.00\r\n";
    QCOMPARE(readBytes(claims), claimed);
    QCOMPARE(m_window->findChild<QLabel *>("CheckMoney")->accessibleName(),
             "4 plays, $8 spent, $1,000,104 won and a jackpot; 3 to claim, $104 and a jackpot, the "
             "first by "
             "05/27/2027 in 169 days");
    // Undone, redone; kept when its ticket leaves the log, and read back.
    table->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(table->window()));
    QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(readBytes(claims), claimed.left(claimed.indexOf("10/20/2026")));
    QTest::keyClick(table, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(readBytes(claims), claimed);
    list()->selectRow(int(shown().indexOf(QStringList{"Powerball", "05/02/2026", "1 2 3 4 5 PB 7",
                                                      "5 of 5", "1 2 3 4 5 PB 6", "$1,000,000"})));
    QCOMPARE(selected().value(1), "05/02/2026");
    QTest::mouseClick(m_window->findChild<QPushButton *>("Command3"), Qt::LeftButton);
    QVERIFY(!shown().contains(QStringList{"Powerball", "05/02/2026", "1 2 3 4 5 PB 7", "5 of 5",
                                          "1 2 3 4 5 PB 6", "$1,000,000"}));
    QCOMPARE(readBytes(claims), claimed);
    ClaimBook book(claims);
    QCOMPARE(book.read(), ClaimBook::Read::Read);
    QCOMPARE(book.records().size(), std::size_t(1));
}

// An office pool as its manager keeps it in the Pools window: begun
// 11/01/2026, Ann and Bo each paid $2 for the 11/28/2026 draw, whose 4 of 5
// won $100 (Texas, a store): $50 each. Bo's payment taken back, Ann is the
// only one in: $100. Undone in the Pools window, $50 each again.
void TestTicketQueries::aPoolFromItsMembersToEachShare()
{
    m_settings->settings().setValue("state", "TX");
    const auto putBack = qScopeGuard([this] { m_settings->settings().remove("state"); });
    checkPowerballSeason({{"Powerball", "11/28/2026", "2 4 6 8 9 10"}},
                         "11/28/2026,2 4 6 8 10,9,2\r\n");
    if (QTest::currentTestFailed())
        return;
    TicketQueries &queries = m_window->findChild<ManagerPage *>()->queries();

    m_window->findChild<QAction *>("PoolsAction")->trigger();
    PoolsWindow *pools = queries.pools().poolsWindow();
    QVERIFY(pools && pools->isVisible());
    std::list<QAbstractItemModelTester> testers;
    for (const PoolsWindow::Table table :
         {PoolsWindow::Members, PoolsWindow::Payments, PoolsWindow::Tickets, PoolsWindow::Prizes})
        testers.emplace_back(&pools->model(table),
                             QAbstractItemModelTester::FailureReportingMode::QtTest);
    // Each dialog answered as typed; a problem keeps it open, and is read.
    QList<std::pair<const char *, QString>> typed;
    QString problem;
    QTimer answering;
    connect(&answering, &QTimer::timeout, this, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (dialog->objectName() != "PoolEntry") {
            dialog->accept(); // Add to Pool's choice of pool, and what it refused
            return;
        }
        if (auto *said = dialog->findChild<QLabel *>("PoolEntryProblem"); !said->text().isEmpty()) {
            problem = said->text();
            dialog->reject();
            return;
        }
        for (const auto &[name, text] : typed) {
            if (auto *line = dialog->findChild<QLineEdit *>(name))
                line->setText(text);
            else
                dialog->findChild<QComboBox *>(name)->setCurrentText(text);
        }
        dialog->accept();
    });
    answering.start(20);
    const auto ask = [&](const char *button, QList<std::pair<const char *, QString>> fields) {
        typed = std::move(fields);
        QTest::mouseClick(pools->findChild<QPushButton *>(button), Qt::LeftButton);
    };
    ask("PoolsNew", {{"PoolName", "Office"}, {"PoolManager", "Ann"}, {"PoolBegan", "11/01/2026"}});
    QCOMPARE(pools->currentPool(), "Office");
    ask("PoolsAddMember", {{"MemberName", "Ann"}, {"MemberContact", "ann@example.com"}});
    ask("PoolsAddMember", {{"MemberName", "Bo"}});
    ask("PoolsAddMember", {{"MemberName", "bo"}});
    QCOMPARE(problem, "bo is already a member of Office.");
    ask("PoolsRecordPayment", {{"PaymentAmount", "-$2"}, {"PaymentDraws", "11/28/2026"}});
    QCOMPARE(problem, "A payment cannot be below zero.");
    ask("PoolsNew", {{"PoolName", "office"}, {"PoolManager", "Bo"}, {"PoolBegan", "11/01/2026"}});
    QCOMPARE(problem, "A pool named office is already kept.");
    // Typed in a German locale, as a German user writes two dollars.
    {
        const QLocale before;
        const auto putBack = qScopeGuard([&] { QLocale::setDefault(before); });
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ask("PoolsRecordPayment", {{"PaymentAmount", "2,00"}, {"PaymentDraws", "11/28/2026"}});
    }
    // Bo's payment: the member chosen in the dialog.
    ask("PoolsRecordPayment",
        {{"PaymentMember", "Bo"}, {"PaymentAmount", "2"}, {"PaymentDraws", "11/28/2026"}});
    QCOMPARE(rowsOf(pools->model(PoolsWindow::Payments)).size(), 2);

    // The ticket into the pool; a second time refused.
    list()->selectRow(int(shown().indexOf(QStringList{"Powerball", "11/28/2026", "2 4 6 8 9 10",
                                                      "4 of 5", "2 4 6 8 10 PB 9", "$100"})));
    m_window->findChild<QAction *>("AddToPoolAction")->trigger();
    m_window->findChild<QAction *>("AddToPoolAction")->trigger();
    QCOMPARE(rowsOf(pools->model(PoolsWindow::Tickets)).size(), 1);
    const auto shares = [&] {
        return pools->model(PoolsWindow::Prizes).index(0, 6).data().toString();
    };
    QCOMPARE(shares(), "Office: Ann $50, Bo $50");
    m_window->findChild<QAction *>("WinningsAction")->trigger();
    auto *winnings = m_window->findChild<QTableView *>("WinningsTable");
    QCOMPARE(winnings->model()->index(0, 5).data().toString(), "Office: Ann $50, Bo $50");

    pools->showTable(PoolsWindow::Payments);
    pools->table(PoolsWindow::Payments)->selectRow(1);
    QTest::mouseClick(pools->findChild<QPushButton *>("PoolsTakeBack"), Qt::LeftButton);
    QCOMPARE(shares(), "Office: Ann $100");
    pools->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(pools));
    QTest::keyClick(pools->table(PoolsWindow::Payments), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(shares(), "Office: Ann $50, Bo $50");
    const QByteArray kept = readBytes(m_dir->filePath("pools.csv"));
    QVERIFY2(kept.contains(",Office,Taken Back,") && kept.contains(",Office,Payment,Bo,,2.00,") &&
                 kept.contains(",Office,Payment,Ann,,2.00,"),
             kept.constData());

    const QString statement = m_dir->filePath("split.csv");
    QString reason;
    QVERIFY2(queries.pools().saveSplitStatement("Office", 0, statement, false, &reason),
             qPrintable(reason));
    QVERIFY(readBytes(statement).contains("Ann,,ann@example.com,$50,\r\nBo,,,$50,\r\n"));
    QVERIFY2(queries.pools().savePoolSheet("Office", m_dir->filePath("sheet.pdf"), &reason),
             qPrintable(reason));
    QVERIFY(readBytes(m_dir->filePath("sheet.pdf")).startsWith("%PDF"));
    QVERIFY(!queries.pools().savePoolSheet("Office", m_dir->filePath("none/sheet.pdf"), &reason));
    QVERIFY(!reason.isEmpty());

    // Ticked, none: refused, nothing added.
    ask("PoolsRecordPayment", {{"PaymentMember", "The members ticked below"},
                               {"PaymentAmount", "$2"},
                               {"PaymentDraws", "12/12/2026"}});
    QCOMPARE(problem, "Tick the members who pay.");
    // A week's payments in one step: a line each, one undo.
    ask("PoolsRecordPayment", {{"PaymentMember", "Every member"},
                               {"PaymentAmount", "$2"},
                               {"PaymentDraws", "12/12/2026"}});
    QCOMPARE(rowsOf(pools->model(PoolsWindow::Payments)).size(), 4);
    pools->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(pools));
    QTest::keyClick(pools->table(PoolsWindow::Payments), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(rowsOf(pools->model(PoolsWindow::Payments)).size(), 2);
    // The record a member or a court reads: every line, its time and
    // chain, and who was in for the draw.
    const QString record = m_dir->filePath("record.pdf");
    QVERIFY2(queries.pools().savePoolRecord("Office", record, &reason), qPrintable(reason));
    QVERIFY(readBytes(record).startsWith("%PDF"));
#ifndef Q_OS_WIN
    QProcess text;
    text.start("pdftotext", {record, "-"});
    if (text.waitForFinished()) {
        const QString page = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        for (const char *words :
             {"Every chain of the file holds", "No. 4 (line 5 of the file)",
              "Bo pays $2 for 11/28/2026", "Taken back by No.", "Office: Ann $50, Bo $50"})
            QVERIFY2(page.contains(words), qPrintable(page));
    }
#endif

    // Marked claimed in the Winnings window: the split kept with the claim,
    // a Share line each; undone there, both are taken back.
    answering.stop();
    QTimer marking;
    connect(&marking, &QTimer::timeout, this, [] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            dialog && dialog->objectName() == "MarkClaimed")
            dialog->accept();
    });
    marking.start(20);
    winnings->selectRow(0);
    QTest::mouseClick(winnings->window()->findChild<QPushButton *>("WinningsMarkClaimed"),
                      Qt::LeftButton);
    QTRY_VERIFY(readBytes(m_dir->filePath("pools.csv")).contains(",Office,Share,Bo,,50.00,"));
    QVERIFY(readBytes(m_dir->filePath("pools.csv")).contains(",Office,Share,Ann,,50.00,"));
    const QString bo = m_dir->filePath("bo.csv");
    QVERIFY2(queries.saveTaxYear(Today() / 10000, bo, false, &reason, "Bo"), qPrintable(reason));
    QVERIFY2(readBytes(bo).contains("Office,Powerball,2 4 6 8 9 10,11/28/2026"), readBytes(bo));
    winnings->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(winnings->window()));
    const qsizetype lines = readBytes(m_dir->filePath("pools.csv")).count('\n');
    QTest::keyClick(winnings, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(readBytes(m_dir->filePath("pools.csv")).count('\n'), lines + 2);
    QCOMPARE(shares(), "Office: Ann $50, Bo $50");
    QVERIFY(!readBytes(m_dir->filePath("claims.csv")).contains("11/28/2026"));
}

void TestTicketQueries::aClaimAsTypedIsTakenOrRefused_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QStringList>("amounts"); // paid, federal, state
    QTest::addColumn<QString>("problem");
    QTest::newRow("as typed, with $ and commas")
        << QDate(2026, 12, 10) << QStringList{"$7,500.50", "1,200", "$0"} << "";
    QTest::newRow("the day of the draw")
        << QDate(2026, 11, 28) << QStringList{"100", "0", "0"} << "";
    QTest::newRow("a day before the draw") << QDate(2026, 11, 27) << QStringList{"100", "0", "0"}
                                           << "The day claimed is before the draw of 11/28/2026.";
    QTest::newRow("below zero") << QDate(2026, 12, 10) << QStringList{"100", "-1", "0"}
                                << "An amount is below zero.";
    QTest::newRow("withheld above the prize")
        << QDate(2026, 12, 10) << QStringList{"100", "90", "$10.01"}
        << "More tax is withheld than the prize paid.";
    QTest::newRow("no sum") << QDate(2026, 12, 10) << QStringList{"a lot", "0", "0"}
                            << "\"a lot\" is not a sum of dollars, such as $1,200.24.";
}

void TestTicketQueries::aClaimAsTypedIsTakenOrRefused()
{
    QFETCH(QDate, day);
    QFETCH(QStringList, amounts);
    QFETCH(QString, problem);
    ClaimRecord draw;
    draw.drawDate = 20261128;
    draw.claimed = 20261209;
    MarkClaimedDialog dialog(draw, "Powerball TX", nullptr);
    dialog.findChild<QDateEdit *>("ClaimedDay")->setDate(day);
    const char *names[] = {"ClaimedPaid", "ClaimedFederal", "ClaimedState"};
    for (int at = 0; at < 3; ++at)
        dialog.findChild<QLineEdit *>(names[at])->setText(amounts[at]);
    QCOMPARE(dialog.problem(), problem);
    if (problem.isEmpty() && amounts[0] == "$7,500.50")
        QCOMPARE(dialog.record().paid, std::int64_t(750050));
}

// "$50,000" as the dialog fills it in, accepted unchanged, was kept as $50
// in German and French.
void TestTicketQueries::aClaimIsReadInEveryLocale()
{
    const QLocale before;
    const auto putBack = qScopeGuard([&] { QLocale::setDefault(before); });
    ClaimRecord suggested;
    suggested.drawDate = 20261128;
    suggested.claimed = 20261209;
    suggested.state = "TX";
    suggested.prize = suggested.paid = 5000000;
    suggested.wager = 200;
    FillWithholding(suggested);
    for (const char *locale : {"en_US", "de_DE", "fr_FR", "ja_JP"}) {
        QLocale::setDefault(QLocale(locale));
        MarkClaimedDialog dialog(suggested, "Powerball TX", nullptr);
        QCOMPARE(dialog.problem(), "");
        QCOMPARE(dialog.record().paid, qint64(5000000));
        QCOMPARE(dialog.record().federal, qint64(1199952)); // 24% of $49,998
    }
}

// A Lucky for Life top prize, whose amount Ticketwise does not know, claimed
// in 2027, whose rules it does not know either: both are said, and the tax
// withheld follows what is typed and the day.
void TestTicketQueries::aPrizeNotKnownIsAskedFor()
{
    ClaimRecord suggested;
    suggested.drawDate = 20261201;
    suggested.claimed = 20270105;
    suggested.state = "TX";
    suggested.wager = 200;
    MarkClaimedDialog dialog(suggested, "Lucky for Life TX", nullptr);
    QVERIFY(dialog.findChild<QLabel *>("ClaimUnknownPrize"));
    auto *paid = dialog.findChild<QLineEdit *>("ClaimedPaid");
    auto *federal = dialog.findChild<QLineEdit *>("ClaimedFederal");
    auto *note = dialog.findChild<QLabel *>("ClaimTaxNote");
    QCOMPARE(paid->text(), "");
    QCOMPARE(dialog.problem(), "Type the prize paid.");
    QCOMPARE(note->text(), "Not known: the federal tax rule of 2027 and TX's withholding in 2027. "
                           "Type what was withheld, as the lottery's statement says.");
    QTest::keyClicks(paid, "$5,750,000");
    QCOMPARE(federal->text(), "$0");
    dialog.findChild<QDateEdit *>("ClaimedDay")->setDate(QDate(2026, 12, 10));
    QCOMPARE(federal->text(), "$1,379,999.52"); // 24% of $5,749,998
    QCOMPARE(note->text(), "");
    QCOMPARE(dialog.problem(), "");
    QCOMPARE(dialog.record().paid, qint64(575000000));
    QCOMPARE(dialog.record().claimed, 20261210);
}

// Shift+F10 opens the list's and the Winnings window's menus, as the Menu
// key does, each entry with a letter of its own; a window of the program's
// opens wholly on the main window's screen, even with the main window at
// its right edge.
void TestTicketQueries::menusAndWindowsAsBothPlatformsExpect()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    const QRect room = m_window->screen()->availableGeometry();
    m_window->move(room.right() - m_window->frameGeometry().width() + 1, room.top());
    m_window->findChild<QAction *>("WinningsAction")->trigger();
    m_window->findChild<QAction *>("NumbersChartAction")->trigger();
    auto *winnings = m_window->findChild<QTableView *>("WinningsTable");
    QVERIFY(winnings);
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            QVERIFY2(room.contains(window->frameGeometry()), qPrintable(window->objectName()));
    }
    for (QAbstractItemView *view :
         {static_cast<QAbstractItemView *>(list()), static_cast<QAbstractItemView *>(winnings)}) {
        QStringList entries;
        QTimer closing;
        connect(&closing, &QTimer::timeout, this, [&entries] {
            if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                for (QAction *action : menu->actions()) {
                    if (!action->isSeparator())
                        entries << action->text();
                }
                menu->close();
            }
        });
        closing.start(10);
#ifdef Q_OS_WIN
        // What Windows makes of Shift+F10 itself.
        QContextMenuEvent asked(QContextMenuEvent::Keyboard, view->rect().center(),
                                view->mapToGlobal(view->rect().center()));
        QApplication::sendEvent(view, &asked);
#else
        QTest::keyClick(view, Qt::Key_F10, Qt::ShiftModifier);
#endif
        QTRY_VERIFY(!entries.isEmpty());
        QSet<QChar> letters;
        for (const QString &entry : entries) {
            const qsizetype at = entry.indexOf(u'&');
            QVERIFY2(at >= 0 && at + 1 < entry.size(), qPrintable(entry));
            QVERIFY2(!letters.contains(entry[at + 1].toLower()), qPrintable(entry));
            letters.insert(entry[at + 1].toLower());
        }
    }
}

// The record of 2026: the claims of 2026 alone, a W-2G from $2,000 and 300
// times the $2 wager; the tickets whose first draw is of 2026: three draws
// of Powerball with Power Play at $3, Mega Millions at $5, $14 in all, and
// Pick 3, whose price is not known, apart; losses counted at 90%, $12.60,
// up to the $3,999 won.
void TestTicketQueries::taxYearIsReadBack()
{
    writeBytes(m_dir->filePath("claims.csv"),
               "\xEF\xBB\xBF"
               "Claimed,Game,Ticket Date,Numbers,Draw,State,Prize,Wager,Paid,Federal Withheld,"
               "State Withheld\r\n"
               "12/01/2026,Powerball,11/28/2026,1 2 3 4 5 PB 6,11/28/2026,TX,2000.00,2.00,"
               "2000.00,0.00,0.00\r\n"
               "12/02/2026,Powerball,11/30/2026,1 2 3 4 5 PB 6,11/30/2026,TX,1999.00,2.00,"
               "1999.00,0.00,0.00\r\n"
               "12/31/2025,Powerball,12/29/2025,1 2 3 4 5 PB 6,12/29/2025,TX,600.00,2.00,600.00,"
               "0.00,0.00\r\n");
    QFile::remove(m_path);
    m_window = std::make_unique<Form1>(m_random, m_path);
    for (const auto &[game, date, numbers] :
         {std::tuple{"Powerball", "11/28/2026 x3", "1 2 3 4 5 PB 6 PP"},
          {"Mega Millions", "05/01/2026", "1 2 3 4 5 MB 6"},
          {"Pick 3", "06/01/2026", "1 2 3"},
          {"Powerball", "12/30/2025 x3", "1 2 3 4 5 PB 6"}}) {
        for (const auto &[name, text] :
             {std::pair{"Text8", game}, {"Text9", date}, {"Text10", numbers}})
            field(name)->setText(text);
        QTest::mouseClick(m_window->findChild<QPushButton *>("Command2"), Qt::LeftButton);
    }
    TicketQueries &queries = m_window->findChild<ManagerPage *>()->queries();
    const QString csv = m_dir->filePath("tax.csv");
    QVERIFY(queries.saveTaxYear(2026, csv, false));
    const QByteArray read = readBytes(csv);
    for (const QByteArray &line :
         {QByteArray("12/01/2026,Powerball TX,1 2 3 4 5 PB 6,11/28/2026,\"$2,000\",$2,yes,$0,$0"),
          QByteArray("12/02/2026,Powerball TX,1 2 3 4 5 PB 6,11/30/2026,\"$1,999\",$2,no,$0,$0"),
          QByteArray(
              "\"2 tickets of known price cost $14, add-ons included; a ticket counts in the "
              "year of its first draw.\""),
          QByteArray("1 ticket of a game whose price is not known is not counted."),
          QByteArray("\"For a return that itemizes: $14 of the tickets' cost counts (90%), up to "
                     "the year's winnings of $3,999: $12.60.\""),
          QByteArray("No season is checked")})
        QVERIFY2(read.contains(line), line.constData());
    QVERIFY(!read.contains("12/31/2025"));
    const QString pdf = m_dir->filePath("tax.pdf");
    QVERIFY(queries.saveTaxYear(2026, pdf, true));
    QVERIFY(readBytes(pdf).startsWith("%PDF"));
#ifndef Q_OS_WIN
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    if (!text.waitForFinished())
        QSKIP("SKIPPED: pdftotext (poppler-utils) is not installed to read the PDF back");
    const QString page = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    for (const char *words :
         {"Prizes claimed in 2026", "12/01/2026 Powerball TX", "$12.60", "It is not tax advice"})
        QVERIFY2(page.contains(words), words);
#endif
}

// A claims.csv that cannot be read is kept aside whole, said so, and never
// written over; the log goes on.
void TestTicketQueries::unreadableClaimsAreKeptAside()
{
    const QByteArray damaged = "Claimed,Game\r\n\"12/10/2026,Powerball\r\n";
    writeBytes(m_dir->filePath("claims.csv"), damaged);
    const qsizetype tickets = shown().size();
    m_window = std::make_unique<Form1>(m_random, m_path);
    m_window->show();
    QTRY_VERIFY(m_window->findChild<NoticeBar *>()->isVisible());
    const QStringList kept = QDir(m_dir->path()).entryList({"claims-unreadable-*.csv"});
    QCOMPARE(kept.size(), 1);
    QCOMPARE(readBytes(m_dir->filePath(kept[0])), damaged);
    QVERIFY(!QFile::exists(m_dir->filePath("claims.csv")));
    QCOMPARE(shown().size(), tickets);

    // A pool's line changed by a hand after it was written: said at start,
    // and the record kept as it is.
    m_window.reset();
    {
        PoolBook book(m_dir->filePath("pools.csv"));
        PoolEntry pool;
        pool.pool = "Office";
        pool.kind = PoolEntry::Kind::Pool;
        pool.member = "Ann";
        pool.draws = "12/01/2026";
        QVERIFY(book.add({pool}, nullptr));
    }
    const QByteArray changed = readBytes(m_dir->filePath("pools.csv")).replace(",Ann,", ",Bo,");
    writeBytes(m_dir->filePath("pools.csv"), changed);
    m_window = std::make_unique<Form1>(m_random, m_path);
    m_window->show();
    QTRY_VERIFY(m_window->findChild<NoticeBar *>()->isVisible());
    QTRY_VERIFY2(m_window->findChild<NoticeBar *>()->findChild<QLabel *>()->text().contains(
                     "Line 2 of your pools"),
                 qPrintable(m_window->findChild<NoticeBar *>()->findChild<QLabel *>()->text()));
    QCOMPARE(readBytes(m_dir->filePath("pools.csv")), changed);
}

void TestTicketQueries::ticketsAsPrintedInASeason()
{
    const auto add = [this](const char *game, const char *date, const char *numbers) {
        for (const auto &[name, text] :
             {std::pair{"Text8", game}, {"Text9", date}, {"Text10", numbers}})
            field(name)->setText(text);
        QTest::mouseClick(m_window->findChild<QPushButton *>("Command2"), Qt::LeftButton);
    };
    add("Powerball", "11/28/2026 - 12/05/2026", "5 12 23 34 45 PB 9 PP");
    add("Powerball", "12/02/2026", "5 12 23 34 45 PB 9 Double Play");
    add("Powerball", "11/30/2026", "5 12 23 40 41 PB 1 power play");
    add("Mega Millions", "03/02/2018", "10 20 30 40 51 MB 5 MP");
    add("Mega Millions", "03/02/2018", "10 20 30 40 50 MB 6 Megaplier");
    const auto line = [this](const char *name) {
        return m_window->findChild<QLabel *>(name)->accessibleName();
    };
    // A draw typed with its day checks the tickets that play that day, best
    // first.
    keys(Qt::CTRL | Qt::Key_K);
    QTest::keyClicks(field("CheckGame"), "powerball");
    QTest::keyClicks(field("CheckDate"), "11/30/2026");
    QTest::keyClicks(field("CheckNumbers"), "5 12 23 40 41 20");
    QCOMPARE(shown(), Rows({{"Powerball", "11/30/2026", "5 12 23 40 41 PB 1 power play", "5 of 5",
                             "$2,000,000"},
                            {"Powerball", "11/28/2026 - 12/05/2026", "5 12 23 34 45 PB 9 PP",
                             "3 of 5", "at least $14"}}));
    QCOMPARE(line("CheckMoney"), "2 plays, $6 spent, at least $2,000,014 won, "
                                 "1 without a multiplier counted at 2X");
    field("CheckDate")->clear();
    field("CheckNumbers")->clear();

    TicketQueries &queries = m_window->findChild<ManagerPage *>()->queries();
    QSignalSpy checked(&queries, &TicketQueries::resultsFileChecked);
    const QString powerball = m_dir->filePath("powerball.csv");
    writeBytes(powerball, "Draw Date,Winning Numbers,Multiplier,Double Play Winning Numbers\r\n"
                          "11/28/2026,05 12 23 34 50 09,3,01 02 03 04 05 06\r\n"
                          "11/30/2026,05 12 23 40 41 20,,07 08 09 10 11 12\r\n"
                          "12/02/2026,01 02 03 04 05 06,10,05 12 23 34 60 09\r\n");
    queries.checkResultsFile(powerball);
    QTRY_COMPARE(checked.count(), 1);
    QCOMPARE(shown(), Rows({{"Powerball", "11/30/2026", "5 12 23 40 41 PB 1 power play", "5 of 5",
                             "5 12 23 40 41 PB 20", "$2,000,000"},
                            {"Powerball", "11/28/2026 - 12/05/2026", "5 12 23 34 45 PB 9 PP",
                             "4 of 5 + PB", "11/28/2026: 5 12 23 34 50 PB 9", "at least $150,014"},
                            {"Powerball", "12/02/2026", "5 12 23 34 45 PB 9 Double Play",
                             "1 of 5; DP 4 of 5 + PB", "1 2 3 4 5 PB 6; DP 5 12 23 34 60 PB 9",
                             "$50,000"}}));
    // Which of its draws won, to the eye and to the ear.
    const QModelIndex first = list()->model()->index(1, 3);
    QCOMPARE(first.data(Qt::ToolTipRole).toString(),
             "3 draws in the file, 1 to come; won:\n11/28/2026: 4 of 5 + PB, $150,000\n"
             "11/30/2026: 3 of 5, at least $14");
    QCOMPARE(first.data(Qt::AccessibleTextRole).toString(),
             "Result: 4 of 5 + PB; 3 draws in the file, 1 to come; won 11/28/2026: 4 of 5 + PB, "
             "$150,000; 11/30/2026: 3 of 5, at least $14");
    QCOMPARE(line("CheckSummary"), "1 at 5 of 5, 2 at 4 of 5 + PB");
    QCOMPARE(line("CheckMoney"), "5 plays, $15 spent, at least $2,200,014 won, "
                                 "1 without a multiplier counted at 2X, 1 draw to come; "
                                 "4 to claim, $2,200,014");
    // Summed as the tickets were checked, and again, every ticket priced
    // anew, once one more comes and goes: 4 of 5 is $100.
    add("Powerball", "11/28/2026", "5 12 23 34 60 PB 1");
    QCOMPARE(line("CheckMoney"), "6 plays, $17 spent, at least $2,200,114 won, "
                                 "1 without a multiplier counted at 2X, 1 draw to come; "
                                 "5 to claim, $2,200,114");
    QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(line("CheckMoney"), "5 plays, $15 spent, at least $2,200,014 won, "
                                 "1 without a multiplier counted at 2X, 1 draw to come; "
                                 "4 to claim, $2,200,014");
    const QString csv = m_dir->filePath("season.csv");
    QVERIFY(queries.exportTickets(csv, true));
    QCOMPARE(readBytes(csv).split('\n').at(2),
             "Powerball,11/28/2026 - 12/05/2026,5 12 23 34 45 PB 9 PP,4 of 5 + PB,"
             "11/28/2026: 5 12 23 34 50 PB 9,\"at least $150,014\"\r");

    field("CheckGame")->clear();
    QTest::keyClicks(field("CheckGame"), "mega millions");
    const QString megaMillions = m_dir->filePath("megamillions.csv");
    writeBytes(megaMillions, "Draw Date,Winning Numbers,Mega Ball,Megaplier\r\n"
                             "03/02/2018,10 20 30 40 50,5,4\r\n");
    queries.checkResultsFile(megaMillions);
    QTRY_COMPARE(checked.count(), 2);
    QCOMPARE(shown(), Rows({{"Mega Millions", "03/02/2018", "10 20 30 40 50 MB 6 Megaplier",
                             "5 of 5", "10 20 30 40 50 MB 5", "$4,000,000"},
                            {"Mega Millions", "03/02/2018", "10 20 30 40 51 MB 5 MP", "4 of 5 + MB",
                             "10 20 30 40 50 MB 5", "$40,000"}}));
    QCOMPARE(line("CheckMoney"), "2 plays, $6 spent, $4,040,000 won; 2 to claim, $4,040,000");
}

// A read that takes long, as a large file's does: the window goes on
// answering keys, the progress shows after half a second, and its Cancel
// stops the work, which is told so. The work waits on the test, and gives up
// after ten seconds rather than hang.
void TestTicketQueries::longReadShowsProgressAndCancels()
{
    auto *page = m_window->findChild<ManagerPage *>();
    BackgroundWork &reading = page->reading();
    QSemaphore goOn;
    std::atomic<bool> stopped = false;
    std::optional<bool> cancelled;
    QSignalSpy ended(&reading, &BackgroundWork::ended);
    reading.start(
        QStringLiteral("Reading past draws..."),
        [&](const BackgroundWork::Progress &progress) {
            for (int step = 0; step < 1000; ++step) {
                if (!progress(step, 1000) || goOn.tryAcquire(1, 10)) {
                    stopped = true;
                    return;
                }
            }
        },
        [&](bool wasCancelled) { cancelled = wasCancelled; });
    QProgressDialog *dialog = page->findChild<QProgressDialog *>();
    QVERIFY(dialog && !dialog->isVisible());
    QTest::keyClicks(field("Text8"), "Pick 3");
    QCOMPARE(field("Text8")->text(), "Pick 3");
    QTRY_VERIFY(dialog->isVisible());
    QVERIFY(reading.isRunning());
    QTest::mouseClick(dialog->findChild<QPushButton *>(), Qt::LeftButton);
    QTRY_COMPARE(ended.count(), 1);
    QCOMPARE(cancelled, std::optional<bool>(true));
    QVERIFY(stopped && !dialog->isVisible() && !reading.isRunning());
    goOn.release();
}

// A second file picked while the first is read: the first stops, and only
// the second's end is told.
void TestTicketQueries::newerReadLeavesTheOlderUnheard()
{
    BackgroundWork &reading = m_window->findChild<ManagerPage *>()->reading();
    QStringList told;
    QSignalSpy ended(&reading, &BackgroundWork::ended);
    std::atomic<bool> olderStopped = false;
    reading.start(
        QStringLiteral("first"),
        [&](const BackgroundWork::Progress &progress) {
            // Until cancelled, for ten seconds at the most.
            for (int step = 0; step < 1000 && progress(step, 1000); ++step)
                QThread::msleep(10);
            olderStopped = true;
        },
        [&](bool cancelled) { told << QStringLiteral("first %1").arg(cancelled); });
    reading.start(
        QStringLiteral("second"), [](const BackgroundWork::Progress &) {},
        [&](bool cancelled) { told << QStringLiteral("second %1").arg(cancelled); });
    QTRY_COMPARE(ended.count(), 1);
    QTRY_VERIFY(olderStopped);
    QTest::qWait(50);
    QCOMPARE(told, QStringList{"second 0"});
}

// A copy an older version left, which says nothing of what its save left:
// the log stays as it is, and the window says where the copy went.
void TestTicketQueries::startSaysWhereARollbackCopyWasKept()
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir->path()));
    const QString copy = RollbackFilePath(m_path);
    QVERIFY(QDir().mkpath(QFileInfo(copy).path()));
    // Copies kept by earlier runs in the same user folder (Wine's) are not
    // this start's.
    const QStringList before = QDir(QFileInfo(copy).path()).entryList({"rollback-*"});
    writeBytes(copy, "Ticketwise rollback 1\n" +
                         QFileInfo(m_path).absoluteFilePath().toUtf8().toPercentEncoding() +
                         "\n10\n0\n0123456789");
    m_modelTesters.clear();
    m_window = std::make_unique<Form1>(m_random, m_path);
    m_window->show();
    QMessageBox *notice = nullptr;
    QTRY_VERIFY((notice = m_window->findChild<QMessageBox *>("StartNotice")));
    QStringList kept = QDir(QFileInfo(copy).path()).entryList({"rollback-*"});
    for (const QString &earlier : before)
        kept.removeAll(earlier);
    qunsetenv("XDG_DATA_HOME");
    QCOMPARE(kept.size(), 1);
    QVERIFY2(notice->text().contains(kept[0]), qPrintable(notice->text()));
    QCOMPARE(readBytes(m_path), savedLog);
    QVERIFY(!QFileInfo::exists(copy));
}

QTEST_MAIN(TestTicketQueries)
#include "tst_ticketqueries.moc"
