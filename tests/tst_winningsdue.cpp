#include "civildate.h"
#include "gamekey.h"
#include "keptdraws.h"
#include "logfile.h"
#include "loglistmodel.h"
#include "resultsource.h"
#include "ticketgame.h"
#include "winningsdue.h"

#include <QTemporaryDir>
#include <QTest>

// What a log won and what is due, from the kept files of past draws alone:
// no window, no network.
class TestWinningsDue : public QObject
{
    Q_OBJECT

private slots:
    void whoPaysAndWhichFileAnswers_data();
    void whoPaysAndWhichFileAnswers();
    void winningsOfTheKeptFiles_data();
    void winningsOfTheKeptFiles();
};

// The state a ticket's GAME cell makes pay it, and the kept file that
// answers it without asking the player.
void TestWinningsDue::whoPaysAndWhichFileAnswers_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("player");
    QTest::addColumn<QString>("pays");
    QTest::addColumn<QString>("file");
    QTest::newRow("a state after the game") << "Powerball TX"
                                            << ""
                                            << "TX"
                                            << "powerball.csv";
    QTest::newRow("one file for every state") << "Powerball"
                                              << "TX"
                                              << ""
                                              << "powerball.csv";
    QTest::newRow("a state's own game") << "Lotto Texas"
                                        << ""
                                        << "TX"
                                        << "lotto-tx.csv";
    QTest::newRow("a game states draw apart") << "Lotto"
                                              << "TX"
                                              << ""
                                              << "lotto-tx.csv";
    QTest::newRow("whose, not known") << "Lotto"
                                      << ""
                                      << ""
                                      << "";
    QTest::newRow("New York's own name") << "Numbers Evening"
                                         << "TX"
                                         << "NY"
                                         << "numbers-win4-ny.csv";
    QTest::newRow("the player's state's") << "pick-3"
                                          << "TX"
                                          << ""
                                          << "pick3-tx.csv";
    QTest::newRow("no file known") << "Florida Lotto"
                                   << "FL"
                                   << "FL"
                                   << "";
}

void TestWinningsDue::whoPaysAndWhichFileAnswers()
{
    QFETCH(QString, cell);
    QFETCH(QString, player);
    QFETCH(QString, pays);
    QFETCH(QString, file);
    const QString key = GameKey(cell);
    const TicketGame named = TicketGame::of(KeyView(key));
    QCOMPARE(named.state ? QString::fromLatin1(named.state->code.data(), 2) : QString(), pays);
    const ResultSource *source =
        ResultSourceOf(KeyView(key), player.isEmpty() ? nullptr : UsStateOf(player.toStdString()));
    QCOMPARE(source ? QString::fromLatin1(source->file.data(), qsizetype(source->file.size()))
                    : QString(),
             file);
}

void TestWinningsDue::winningsOfTheKeptFiles_data()
{
    QTest::addColumn<bool>("keepFile");
    QTest::addColumn<QString>("player");
    QTest::addColumn<int>("claimedDraw"); // the draw of the 06/20/2026 ticket marked claimed
    QTest::addColumn<QStringList>("won");
    QTest::addColumn<QStringList>("near");

    // Each ticket plays 1 2 3 4 5 and the ball 7; each draw is 1 2 3 4 10
    // and the ball 6: four and no ball, $100. Texas pays in 180 days from
    // the draw: 06/20/2026 + 180 is 12/17/2026, 8 days after 12/09/2026;
    // 05/20/2026 + 180 is 11/16/2026, 23 days before; 11/28/2026 + 180 is
    // 05/27/2027; 01/03/2026 + 180 is 07/02/2026. Open ones first by their
    // last day, then the claimed, then the expired by their last day.
    const QString store = QStringLiteral(", 180 days, at a store");
    QTest::newRow("Texas, nothing claimed")
        << true << "TX" << 0
        << QStringList{"06/20/2026 $100 by 12/17/2026" + store,
                       "11/28/2026 $100 by 05/27/2027" + store,
                       "01/03/2026 $100 expired 07/02/2026", "05/20/2026 $100 expired 11/16/2026"}
        << QStringList{"06/20/2026", "05/20/2026"};
    QTest::newRow("Texas, the nearest claimed")
        << true << "TX" << 20260620
        << QStringList{"11/28/2026 $100 by 05/27/2027" + store,
                       "06/20/2026 $100 claimed 12/01/2026", "01/03/2026 $100 expired 07/02/2026",
                       "05/20/2026 $100 expired 11/16/2026"}
        << QStringList{"05/20/2026"};
    // A claim of another draw of the same ticket claims nothing of this one.
    QTest::newRow("Texas, another draw claimed")
        << true << "TX" << 20260621
        << QStringList{"06/20/2026 $100 by 12/17/2026" + store,
                       "11/28/2026 $100 by 05/27/2027" + store,
                       "01/03/2026 $100 expired 07/02/2026", "05/20/2026 $100 expired 11/16/2026"}
        << QStringList{"06/20/2026", "05/20/2026"};
    // Powerball's file serves every state, but where to claim is not known:
    // every prize is listed in the log's order, and none is reminded of.
    const QString noState =
        QStringLiteral(" no state chosen: choose Your State..., or see the back of the ticket");
    QTest::newRow("no state chosen")
        << true << "" << 0
        << QStringList{"06/20/2026 $100" + noState, "05/20/2026 $100" + noState,
                       "11/28/2026 $100" + noState, "01/03/2026 $100" + noState}
        << QStringList{};
    QTest::newRow("no file kept") << false << "TX" << 0 << QStringList{} << QStringList{};
}

void TestWinningsDue::winningsOfTheKeptFiles()
{
    QFETCH(bool, keepFile);
    QFETCH(QString, player);
    QFETCH(int, claimedDraw);
    QFETCH(QStringList, won);
    QFETCH(QStringList, near);
    const int today = 20261209;
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    if (keepFile) {
        KeptDraws kept(folder.path(), *ResultSourcesOf(u"powerball")[0]);
        QString reason;
        QVERIFY2(kept.keep("Draw Date,Winning Numbers,Multiplier\n06/20/2026,01 02 03 04 10 06,2\n"
                           "05/20/2026,01 02 03 04 10 06,2\n11/28/2026,01 02 03 04 10 06,2\n"
                           "01/03/2026,01 02 03 04 10 06,2\n",
                           {}, {}, &reason),
                 qPrintable(reason));
    }
    // A game with no kept file, between them, wins nothing here.
    LogListModel log;
    AppendLogRows(log, "Powerball\r\n06/20/2026\r\n1 2 3 4 5 PB 7\r\nPowerball\r\n05/20/2026\r\n"
                       "1 2 3 4 5 PB 7\r\nMega Millions\r\n11/28/2026\r\n1 2 3 4 5 MB 7\r\n"
                       "Powerball\r\n11/28/2026\r\n1 2 3 4 5 PB 7\r\n"
                       "Powerball\r\n01/03/2026\r\n1 2 3 4 5 PB 7\r\n");
    std::vector<ClaimRecord> claims;
    if (claimedDraw) {
        ClaimRecord claim;
        claim.game = QStringLiteral("Powerball");
        claim.ticketDate = QStringLiteral("06/20/2026");
        claim.numbers = QStringLiteral("1 2 3 4 5 PB 7");
        claim.drawDate = claimedDraw;
        claim.claimed = 20261201;
        claims.push_back(claim);
    }
    const UsState *state = player.isEmpty() ? nullptr : UsStateOf(player.toStdString());
    QStringList gotWon;
    QStringList gotNear;
    for (const Winning &winning : WinningsDue(log, folder.path(), claims, state, today)) {
        const QString day = QString::fromStdString(CivilDate::text(winning.drawDate));
        gotWon << day + " " + winning.prize + " " + winning.claimText(today);
        if (IsNearItsDeadline(winning, today))
            gotNear << day;
    }
    QCOMPARE(gotWon, won);
    QCOMPARE(gotNear, near);
}

QTEST_GUILESS_MAIN(TestWinningsDue)
#include "tst_winningsdue.moc"
