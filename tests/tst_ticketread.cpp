#include "readticket.h"

#include <QTest>

// What a ticket's text says, read by meaning in the layouts lotteries
// print: the game, the draws, each play exact or marked, never wrong and
// unmarked; and what is no ticket said so.
class TestTicketRead : public QObject
{
    Q_OBJECT

private slots:
    void aTicketsTextIsReadByItsMeaning_data();
    void aTicketsTextIsReadByItsMeaning();
    void whatIsNoTicketIsSaid_data();
    void whatIsNoTicketIsSaid();
};

void TestTicketRead::aTicketsTextIsReadByItsMeaning_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("game");
    QTest::addColumn<QString>("date");
    // Each play's numbers cell, "!" after one that must be marked.
    QTest::addColumn<QStringList>("plays");
    QTest::addColumn<bool>("otherMarks"); // the game, the date or the price
    // New Hampshire's five plays as Tesseract reads them: O for 0, a play's
    // letter run into its number ("S15"), the ball "OG" that may be 06 or
    // 09, the slashed zero read twice ("O09").
    QTest::newRow("New Hampshire, as read")
        << "NEW HAMPSHIRE\nPOWERD\nSOLD ON 03/30/2017 11:40:37\nRetailer: 006591\n"
           "00000 02234 00000 04617 03391 85280 08693\nA. 12 31 33 52 57 PB: O9\n"
           "S15 27 37 45 62 PB: 15\n--\u00a7.06 O09 14 21 68 PB: 18\n0.06 O9 19 54 56 PB: OG\n"
           "a .O9 37 38 48 59 PB: O2\nPOWER PLAY - NO\nFOR | DRAW - Sat Apr O1 17\n$10.00\n"
           "CURRENT JACKPOT: $60,000,000\nMega Millions with the Megaplier and Lucky For Life\n"
        << "Powerball NH"
        << "04/01/2017"
        << QStringList{"12 31 33 52 57 PB 9", "15 27 37 45 62 PB 15", "6 9 14 21 68 PB 18",
                       "6 9 19 54 56 PB 6!", "9 37 38 48 59 PB 2"}
        << false;
    // Indiana's quick pick: the ball after a star read as a quote, the day
    // on a line of its own, the terminal's day and time no draw's.
    QTest::newRow("Indiana, a quick pick")
        << "0773-013893378-128109\nhoosier lottery.\nPOWOO\u00ae\nQUICK PICK\n"
           "A 02 25 36 43 61. \u201c24 06\nSINGLE DRAW \u201cJun 30 2018\n"
           "TERMINAL 763169-04 Jun 30 2018/15:13:01\n023747 $2.00\n"
           "Saturday's Hoosier Lotto\nJackpot is $10.8 million.\nTuesday's Mega Millions\n"
        << "Powerball IN"
        << "06/30/2018" << QStringList{"2 25 36 43 61 PB 24"} << false;
    // Mega Millions in Texas, two draws with the Megaplier: $6 a play.
    QTest::newRow("Texas, two draws, Megaplier")
        << "TEXAS LOTTERY\nMEGA MILLIONS\nA 05 12 23 34 45 MB 07 QP\nB 01 02 03 04 70 MB 25 QP\n"
           "MEGAPLIER YES\n2 DRAWS TUE JAN02 18\n$12.00\n"
        << "Mega Millions TX"
        << "01/02/2018 x2" << QStringList{"5 12 23 34 45 MB 7 MP", "1 2 3 4 70 MB 25 MP"} << false;
    // A misread that breaks the game's rules is marked, never kept unmarked:
    // a number past the range, one twice, out of order, one short.
    QTest::newRow("misreads a rule catches")
        << "POWERBALL\nA 12 31 33 52 75 PB 09\nB 15 15 37 45 62 PB 15\nC 45 12 33 52 57 PB 09\n"
           "D 12 31 33 52 PB 09\nFOR 1 DRAW SAT APR 01 17\n$8.00\n"
        << "Powerball"
        << "04/01/2017"
        << QStringList{"12 31 33 52 75 PB 9!", "15 15 37 45 62 PB 15!", "45 12 33 52 57 PB 9!",
                       "12 31 33 52 PB 9!"}
        << false;
    // The price says a play is missing; a day of no draw; a weekday that
    // is not the day's.
    QTest::newRow("a price and a day that do not add up")
        << "POWERBALL\nA 12 31 33 52 57 PB 09\nFOR 1 DRAW TUE APR 01 17\n$4.00\n"
        << "Powerball"
        << "04/01/2017" << QStringList{"12 31 33 52 57 PB 9"} << true;
    // A game the table does not know: read as far as it goes, left for the
    // player to choose.
    QTest::newRow("a game not known") << "SUPER KENO BONANZA\n04 11 19 23 28 31\nDRAW 12/09/2026\n"
                                      << ""
                                      << "12/09/2026" << QStringList{"4 11 19 23 28 31!"} << true;
}

void TestTicketRead::aTicketsTextIsReadByItsMeaning()
{
    QFETCH(QString, text);
    QFETCH(QString, game);
    QFETCH(QString, date);
    QFETCH(QStringList, plays);
    QFETCH(bool, otherMarks);
    const ReadTicket ticket = ReadTicket::of(ReadText::sure(text.toStdString()).rows());
    QCOMPARE(QString::fromStdString(ticket.gameCell()), game);
    QCOMPARE(QString::fromStdString(ticket.dateCell()), date);
    QStringList read;
    for (const ReadPlay &play : ticket.plays)
        read << QString::fromStdString(ticket.numbersCell(play)) + (play.marked() ? "!" : "");
    QCOMPARE(read, plays);
    QCOMPARE(!ticket.gameReasons.empty() || !ticket.dateReasons.empty() ||
                 !ticket.priceReasons.empty(),
             otherMarks);
}

void TestTicketRead::whatIsNoTicketIsSaid_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("problem");
    QTest::newRow("nothing read") << ""
                                  << "No text was read";
    QTest::newRow("a photo of no ticket") << "HAPPY BIRTHDAY\nLove from all of us\n"
                                          << "No play was read";
    // The form a player marks: its grid of numbers one after the next.
    QTest::newRow("a playslip")
        << "POWERBALL PLAYSLIP\n1 2 3 4 5 6 7 8 9 10\n11 12 13 14 15 16 17 18 19 20\n"
           "21 22 23 24 25 26 27 28 29 30\nMARK 5 NUMBERS\n"
        << "playslip";
}

void TestTicketRead::whatIsNoTicketIsSaid()
{
    QFETCH(QString, text);
    QFETCH(QString, problem);
    const ReadTicket ticket = ReadTicket::of(ReadText::sure(text.toStdString()));
    QVERIFY2(QString::fromStdString(ticket.problem).contains(problem), ticket.problem.c_str());
    QVERIFY(ticket.plays.empty());
}

QTEST_APPLESS_MAIN(TestTicketRead)
#include "tst_ticketread.moc"
