#include "claimbook.h"
#include "claimshares.h"
#include "drawnat.h"
#include "groupclaim.h"
#include "linelife.h"
#include "membertaxyear.h"
#include "poolbook.h"
#include "poolentriesstep.h"
#include "poolledger.h"
#include "poolmoves.h"
#include "poolsheet.h"
#include "prizesplit.h"
#include "recordpdf.h"
#include "sharesplit.h"
#include "splitstatement.h"
#include "ticketphotos.h"

#include <QBuffer>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <chrono>
#include <thread>

// Pools as a manager keeps them and a member checks them: every split
// worked by hand, pools.csv read back whatever a spreadsheet or another
// copy of the program did to it, and what cannot be taken refused.
class TestPools : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QFile::remove(path());
    }
    void centsAddUpToTheSum_data();
    void centsAddUpToTheSum();
    void aPrizeIsSplitAmongThoseInForItsDraw_data();
    void aPrizeIsSplitAmongThoseInForItsDraw();
    void aMemberIsInForTheDrawsTheirPaymentCovers_data();
    void aMemberIsInForTheDrawsTheirPaymentCovers();
    void theSheetBeforeTheDraw();
    void aTicketsPhotoIsPrintedOnTheSheet_data();
    void aTicketsPhotoIsPrintedOnTheSheet();
    void aClaimKeepsItsSplit_data();
    void aClaimKeepsItsSplit();
    void undoAndRedoOnlyAddLines();
    void aSpreadsheetsFileLosesNoLine_data();
    void aSpreadsheetsFileLosesNoLine();
    void aFileThatIsNoPoolsFileIsKeptAside();
    void handEditsTheLedgerCannotPlaceAreNamed_data();
    void handEditsTheLedgerCannotPlaceAreNamed();
    void aLargePoolsSplitInALine();
    void badInputIsRefused_data();
    void badInputIsRefused();
    void eachStateSaysHowAGroupClaims_data();
    void eachStateSaysHowAGroupClaims();
    void aMembersYearAndTheStatement();
    void eachDrawIsDrawnAtItsLotterysTime_data();
    void eachDrawIsDrawnAtItsLotterysTime();
    void aTicketsPrizeIsThePoolsThatHeldIt_data();
    void aTicketsPrizeIsThePoolsThatHeldIt();
    void aKeptPrizeIsItsMembersIncome();
    void aSplitByWhatWasPaidIsExact();
    void aChangedLineBreaksTheChain_data();
    void aChangedLineBreaksTheChain();
    void aNameTheCodePageLacksWritesTheFileAnew();
    void aTicketIsFoundHoweverASpreadsheetWroteIt_data();
    void aTicketIsFoundHoweverASpreadsheetWroteIt();
    void twoCopiesAddingAtOnceKeepEveryLine_data();
    void twoCopiesAddingAtOnceKeepEveryLine();
    void aLineAddedFollowsTheFilesOwnBytes_data();
    void aLineAddedFollowsTheFilesOwnBytes();
    void aLineHoldsWhileNoTakingBackOfItHolds_data();
    void aLineHoldsWhileNoTakingBackOfItHolds();
    void exactWeightsSplitAsNarrowOnes();
    void aLockHeldByACopyThatDiesIsLetGo();
    void aLineAnotherCopyMadeImpossibleIsRefused();

private:
    QString path() const { return m_dir.filePath("pools.csv"); }
    void write(const QByteArray &bytes)
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readAll()
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir m_dir;
};

namespace {

const QByteArray titles = "No.,Recorded,Pool,Entry,Member,Contact,Amount,Draws,Game,Ticket "
                          "Date,Numbers,Copy,Draw,Claimed,Federal Withheld,State Withheld,Split,"
                          "Small Prizes,Takes Back\r\n";

// An office pool begun 12/01/2026, Ann its manager, three members joined
// in the order Ann, Bo, Cy, one Powerball ticket (drawn Mon, Wed, Sat).
QByteArray office(const QByteArray &split = "Equal", const QByteArray &small = "Split,",
                  const QByteArray &keptUpTo = "")
{
    return titles + "1,12/01/2026 09:00:00,Office,Pool,Ann,," + keptUpTo + ",12/01/2026,,,,,,,,," +
           split + "," + small +
           "\r\n"
           "2,12/01/2026 09:01:00,Office,Member,Ann,ann@example.com,,,,,,,,,,,,,\r\n"
           "3,12/01/2026 09:02:00,Office,Member,Bo,,,,,,,,,,,,,,\r\n"
           "4,12/01/2026 09:03:00,Office,Member,Cy,,,,,,,,,,,,,,\r\n"
           "5,12/01/2026 09:04:00,Office,Ticket,,,,,Powerball,12/07/2026 x6,01 02 03 04 05 06,1,"
           ",,,,,,\r\n";
}

QByteArray payment(int number, const QByteArray &day, const QByteArray &member,
                   const QByteArray &amount, const QByteArray &draws)
{
    return QByteArray::number(number) + "," + day + " 10:00:00,Office,Payment," + member + ",," +
           amount + "," + draws + ",,,,,,,,,,,\r\n";
}

QByteArray takenBack(int number, int what, const QByteArray &day = "12/05/2026")
{
    return QByteArray::number(number) + "," + day + " 10:00:00,Office,Taken Back,,,,,,,,,,,,,,," +
           QByteArray::number(what) + "\r\n";
}

// The computer's time, as the program writes it, of so many seconds after
// the Powerball drawing of 12/09/2026.
QByteArray afterTheDraw(int seconds)
{
    return QDateTime::fromSecsSinceEpoch(DrawnAt("Powerball", 20261209) + seconds)
        .toString("MM/dd/yyyy HH:mm:ss")
        .toLatin1();
}

} // namespace

void TestPools::centsAddUpToTheSum_data()
{
    QTest::addColumn<qint64>("cents");
    QTest::addColumn<QList<qint64>>("weights");
    QTest::addColumn<QList<qint64>>("shares");
    // 10000/3 = 3333.33 each: 3333 x 3 = 9999, the one cent left to the
    // first of three equal remainders.
    QTest::newRow("$100 among three")
        << qint64(10000) << QList<qint64>{1, 1, 1} << QList<qint64>{3334, 3333, 3333};
    // 2/3 = 0.67 each: nothing whole, the two cents to the first two joined.
    QTest::newRow("two cents among three")
        << qint64(2) << QList<qint64>{1, 1, 1} << QList<qint64>{1, 1, 0};
    // 1000 x 1/3 = 333.33, x 2/3 = 666.67: 999, the cent to .67.
    QTest::newRow("$10 by 1 and 2")
        << qint64(1000) << QList<qint64>{1, 2} << QList<qint64>{333, 667};
    // 101 x 3/10 = 30.3, x 3/10 = 30.3, x 4/10 = 40.4: 100, the cent to .4.
    QTest::newRow("largest remainder, not first")
        << qint64(101) << QList<qint64>{3, 3, 4} << QList<qint64>{30, 30, 41};
    QTest::newRow("no weight, no share")
        << qint64(500) << QList<qint64>{0, 1, 0} << QList<qint64>{0, 500, 0};
    QTest::newRow("nobody in") << qint64(500) << QList<qint64>{0, 0} << QList<qint64>{0, 0};
    // Two billion dollars by weights near a trillion: no overflow. The first
    // is 199999999999.8, the second 0.2: the cent left goes to the .8.
    QTest::newRow("a jackpot by large weights")
        << qint64(200'000'000'000) << QList<qint64>{999'999'999'999, 1}
        << QList<qint64>{200'000'000'000, 0};
}

void TestPools::centsAddUpToTheSum()
{
    QFETCH(qint64, cents);
    QFETCH(QList<qint64>, weights);
    QFETCH(QList<qint64>, shares);
    const std::vector<std::int64_t> w(weights.begin(), weights.end());
    const std::vector<std::int64_t> got = SplitCents(cents, w);
    QCOMPARE(QList<qint64>(got.begin(), got.end()), shares);
}

void TestPools::aPrizeIsSplitAmongThoseInForItsDraw_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("draw");
    QTest::addColumn<qint64>("prize");
    QTest::addColumn<qint64>("federal");
    QTest::addColumn<QString>("shares");
    QTest::addColumn<QString>("federals");
    QTest::addColumn<QString>("late");

    const QByteArray paidAll = payment(6, "12/06/2026", "Ann", "2.00", "12/09/2026") +
                               payment(7, "12/06/2026", "Bo", "2.00", "12/09/2026") +
                               payment(8, "12/06/2026", "Cy", "2.00", "12/09/2026");
    // $100 three ways: 33.34, 33.33, 33.33; $24 withheld: 8 each.
    QTest::newRow("equal, all in") << office() + paidAll << 20261209 << qint64(10000)
                                   << qint64(2400) << "Ann 3334, Bo 3333, Cy 3333"
                                   << "Ann 800, Bo 800, Cy 800"
                                   << "";
    // Cy paid for the 12th only: Ann and Bo share the 9th, 50.00 each.
    QTest::newRow("only those who paid for the draw")
        << office() + payment(6, "12/06/2026", "Ann", "2.00", "12/09/2026") +
               payment(7, "12/06/2026", "Bo", "2.00", "12/09/2026") +
               payment(8, "12/06/2026", "Cy", "2.00", "12/12/2026")
        << 20261209 << qint64(10000) << qint64(0) << "Ann 5000, Bo 5000"
        << "Ann 0, Bo 0"
        << "";
    // Bo's $12 covers six draws (Mon 7 to Sat 19): $2 a draw, Ann's $4 one
    // draw: weights 4 and 2, so 2/3 and 1/3 of $1,000.01: 666.67 and 333.33
    // (100001 x 2/3 = 66667.33, x 1/3 = 33333.67; 100000 whole, the cent to
    // .67, Bo's).
    QTest::newRow("by what each paid for the draw")
        << office("By amount paid") + payment(6, "12/06/2026", "Ann", "4.00", "12/09/2026") +
               payment(7, "12/06/2026", "Bo", "12.00", "12/07/2026 x6")
        << 20261209 << qint64(100001) << qint64(0) << "Ann 66667, Bo 33334"
        << "Ann 0, Bo 0"
        << "";
    // Nobody in paid anything (each was covered by the pool): $10.01 shared
    // equally rather than lost: 3.34, 3.34, 3.33.
    QTest::newRow("by amount paid, all of it $0")
        << office("By amount paid") + payment(6, "12/06/2026", "Ann", "0.00", "12/09/2026") +
               payment(7, "12/06/2026", "Bo", "0.00", "12/09/2026") +
               payment(8, "12/06/2026", "Cy", "0.00", "12/09/2026")
        << 20261209 << qint64(1001) << qint64(0) << "Ann 334, Bo 334, Cy 333"
        << "Ann 0, Bo 0, Cy 0"
        << "";
    // A run of the 7th to the 12th is three Powerball draws (7, 9, 12): $6
    // is $2 a draw, as Ann's: halves.
    QTest::newRow("a run counts the game's draws")
        << office("By amount paid") + payment(6, "12/06/2026", "Ann", "2.00", "12/09/2026") +
               payment(7, "12/06/2026", "Bo", "6.00", "12/07/2026 - 12/12/2026")
        << 20261209 << qint64(1000) << qint64(0) << "Ann 500, Bo 500"
        << "Ann 0, Bo 0"
        << "";
    // Bo paid on the 10th for the 9th: in, and marked so.
    QTest::newRow("a payment recorded after its draw")
        << office() + payment(6, "12/06/2026", "Ann", "2.00", "12/09/2026") +
               payment(7, "12/10/2026", "Bo", "2.00", "12/09/2026")
        << 20261209 << qint64(1001) << qint64(0) << "Ann 501, Bo 500"
        << "Ann 0, Bo 0"
        << "Bo";
    // $50,000 among three: 16666.67, 16666.67, 16666.66; $12,000 withheld:
    // 4000 each.
    QTest::newRow("a large prize, withholding split the same way")
        << office() + paidAll << 20261209 << qint64(5'000'000) << qint64(1'200'001)
        << "Ann 1666667, Bo 1666667, Cy 1666666"
        << "Ann 400001, Bo 400000, Cy 400000"
        << "";
    // Ann's payment taken back; then Bo's taken back, and that taken back.
    QTest::newRow("what is taken back")
        << office() + paidAll + takenBack(9, 6) + takenBack(10, 7) + takenBack(11, 10) << 20261209
        << qint64(1000) << qint64(0) << "Bo 500, Cy 500"
        << "Bo 0, Cy 0"
        << "";
    QTest::newRow("a member taken back pays into no draw")
        << office() + paidAll + takenBack(9, 4) << 20261209 << qint64(1000) << qint64(0)
        << "Ann 500, Bo 500"
        << "Ann 0, Bo 0"
        << "";
    // Ann taken back and joined again: she is last in joining order, so the
    // odd cent of $10.01 goes to Bo (the remainders tie: .3333 each).
    QTest::newRow("a member who joined again comes last")
        << office() + takenBack(6, 2) +
               "7,12/02/2026 09:00:00,Office,Member,Ann,,,,,,,,,,,,,,\r\n" +
               payment(8, "12/06/2026", "Ann", "2.00", "12/09/2026") +
               payment(9, "12/06/2026", "Bo", "2.00", "12/09/2026") +
               payment(10, "12/06/2026", "Cy", "2.00", "12/09/2026")
        << 20261209 << qint64(1001) << qint64(0) << "Bo 334, Cy 334, Ann 333"
        << "Bo 0, Cy 0, Ann 0"
        << "";
    // Kept toward the next draws, and still its members': 1000/3 each,
    // the cent left to Ann.
    QTest::newRow("a small prize kept")
        << office("Equal", "Kept,", "10.00") + paidAll << 20261209 << qint64(1000) << qint64(0)
        << "kept: Ann 334, Bo 333, Cy 333"
        << "Ann 0, Bo 0, Cy 0"
        << "";
    // Each draw by the record as it stood when it was drawn. Cy taken back
    // the day after: still in for the 9th, 1001/3 = 333.67 each.
    QTest::newRow("a member taken back after the draw")
        << office() + paidAll + takenBack(9, 4, "12/10/2026") << 20261209 << qint64(1001)
        << qint64(0) << "Ann 334, Bo 334, Cy 333"
        << "Ann 0, Bo 0, Cy 0"
        << "";
    // Ann paid for six draws from the 7th, was taken back on the 8th and
    // joined again on the 15th: her payment brings back no draw she was
    // out of.
    QTest::newRow("joining again brings back no draw missed")
        << office() + payment(6, "12/06/2026", "Ann", "12.00", "12/07/2026 x6") +
               payment(7, "12/06/2026", "Bo", "2.00", "12/09/2026") +
               takenBack(8, 2, "12/08/2026") +
               "9,12/15/2026 09:00:00,Office,Member,Ann,,,,,,,,,,,,,,\r\n"
        << 20261209 << qint64(1000) << qint64(0) << "Bo 1000"
        << "Bo 0"
        << "";
    // Ann paid $4, Bo $2; the rule "by amount paid" came the day after the
    // draw: it was split equally.
    QTest::newRow("a rule made after the draw")
        << office() + payment(6, "12/06/2026", "Ann", "4.00", "12/09/2026") +
               payment(7, "12/06/2026", "Bo", "2.00", "12/09/2026") +
               "8,12/10/2026 09:00:00,Office,Pool,Ann,,,12/01/2026,,,,,,,,,By amount paid,Split,"
               "\r\n"
        << 20261209 << qint64(1000) << qint64(0) << "Ann 500, Bo 500"
        << "Ann 0, Bo 0"
        << "";
    // Late by the drawing's time, not its day: at 22:58 Eastern, on time;
    // at 23:30, after the drawing at 22:59.
    QTest::newRow("a payment a minute before the drawing")
        << office() + payment(6, "12/06/2026", "Ann", "2.00", "12/09/2026") + "7," +
               afterTheDraw(-60) + ",Office,Payment,Bo,,2.00,12/09/2026,,,,,,,,,,,\r\n"
        << 20261209 << qint64(1000) << qint64(0) << "Ann 500, Bo 500"
        << "Ann 0, Bo 0"
        << "";
    QTest::newRow("a payment at 23:30 on the draw's day")
        << office() + payment(6, "12/06/2026", "Ann", "2.00", "12/09/2026") + "7," +
               afterTheDraw(31 * 60) + ",Office,Payment,Bo,,2.00,12/09/2026,,,,,,,,,,,\r\n"
        << 20261209 << qint64(1000) << qint64(0) << "Ann 500, Bo 500"
        << "Ann 0, Bo 0"
        << "Bo";
    QTest::newRow("a prize above what is kept")
        << office("Equal", "Kept,", "10.00") + paidAll << 20261209 << qint64(1001) << qint64(0)
        << "Ann 334, Bo 334, Cy 333"
        << "Ann 0, Bo 0, Cy 0"
        << "";
}

void TestPools::aPrizeIsSplitAmongThoseInForItsDraw()
{
    QFETCH(QByteArray, file);
    QFETCH(int, draw);
    QFETCH(qint64, prize);
    QFETCH(qint64, federal);
    QFETCH(QString, shares);
    QFETCH(QString, federals);
    QFETCH(QString, late);
    write(file);
    PoolBook book(path());
    QCOMPARE(book.read(), PoolBook::Read::Read);
    QVERIFY2(book.unreadableLines().empty(), "every line is read");
    const PoolLedger ledger(book.entries());
    QVERIFY(ledger.problems().isEmpty());
    const PrizeSplit split = PrizeSplit::of(*ledger.pool(QStringLiteral("office")), "Powerball",
                                            draw, prize, federal, 0);
    QStringList got;
    QStringList gotFederal;
    QStringList gotLate;
    std::int64_t sum = 0;
    std::int64_t federalSum = 0;
    for (const PrizeSplit::Share &share : split.shares) {
        got << QStringLiteral("%1 %2").arg(share.member).arg(share.share);
        gotFederal << QStringLiteral("%1 %2").arg(share.member).arg(share.federal);
        if (share.late)
            gotLate << share.member;
        sum += share.share;
        federalSum += share.federal;
    }
    QCOMPARE((split.kept ? "kept: " : "") + got.join(", "), shares);
    QCOMPARE(gotFederal.join(", "), federals);
    QCOMPARE(gotLate.join(", "), late);
    QCOMPARE(sum, prize);
    QCOMPARE(federalSum, federal);
}

void TestPools::aMemberIsInForTheDrawsTheirPaymentCovers_data()
{
    QTest::addColumn<QByteArray>("draws");
    QTest::addColumn<QString>("game");
    QTest::addColumn<QList<int>>("inFor");
    QTest::addColumn<QList<int>>("notInFor");
    // Powerball draws on Mondays, Wednesdays and Saturdays: six draws from
    // Monday 12/07/2026 are the 7th, 9th, 12th, 14th, 16th and 19th.
    QTest::newRow("a count of Powerball draws")
        << QByteArray("12/07/2026 x6") << "Powerball"
        << QList<int>{20261207, 20261209, 20261212, 20261219}
        << QList<int>{20261206, 20261208, 20261221, 20270101};
    // A game whose days the table does not know: a count of days.
    QTest::newRow("a count of a game not known")
        << QByteArray("12/07/2026 x3") << "Club Keno" << QList<int>{20261207, 20261209}
        << QList<int>{20261210, 20261206};
    // A run of a month: its first and last days, and nothing past them.
    QTest::newRow("a run") << QByteArray("12/01/2026 - 12/31/2026") << "Powerball"
                           << QList<int>{20261202, 20261231} << QList<int>{20270102, 20261130};
    QTest::newRow("one day") << QByteArray("12/09/2026") << "Powerball" << QList<int>{20261209}
                             << QList<int>{20261207, 20261212};
}

void TestPools::aMemberIsInForTheDrawsTheirPaymentCovers()
{
    QFETCH(QByteArray, draws);
    QFETCH(QString, game);
    QFETCH(QList<int>, inFor);
    QFETCH(QList<int>, notInFor);
    // Ann's payment of the row, and Bo's of the day before each draw, so
    // that the search among payments by their first day is tried past a
    // long run of others.
    QByteArray file = office() + payment(6, "11/30/2026", "Ann", "2.00", draws);
    int number = 7;
    for (QDate day(2026, 12, 1); day <= QDate(2027, 1, 2); day = day.addDays(1))
        file += payment(number++, "11/30/2026", "Bo", "1.00",
                        day.addDays(-1).toString("MM/dd/yyyy").toLatin1());
    write(file);
    PoolBook book(path());
    QCOMPARE(book.read(), PoolBook::Read::Read);
    const PoolLedger ledger(book.entries());
    const PoolLedger::Pool &pool = *ledger.pool("Office");
    for (const int draw : inFor)
        QVERIFY2(PrizeSplit::of(pool, game, draw, 100, 0, 0).shares.front().member == "Ann",
                 qPrintable(QString::number(draw)));
    for (const int draw : notInFor) {
        for (const PrizeSplit::Share &share : PrizeSplit::of(pool, game, draw, 100, 0, 0).shares)
            QVERIFY2(share.member != "Ann", qPrintable(QString::number(draw)));
    }
}

// On 12/08/2026 at 9:30, before the 12/09 draw: Ann and Bo paid for it (Bo
// late for the 12/07 draw, a run begun then), Cy for nothing to come; the
// next draw's shares by what was paid, $2 and $1 a draw: 66.67% and 33.33%.
void TestPools::theSheetBeforeTheDraw()
{
    write(office("By amount paid") + payment(6, "12/06/2026", "Ann", "2.00", "12/09/2026") +
          payment(7, "12/08/2026", "Bo", "3.00", "12/07/2026 x3") +
          payment(8, "12/01/2026", "Cy", "2.00", "12/02/2026"));
    PoolBook book(path());
    QCOMPARE(book.read(), PoolBook::Read::Read);
    const PoolLedger ledger(book.entries());
    const PoolSheet sheet =
        PoolSheet::of(*ledger.pool("Office"), QDateTime(QDate(2026, 12, 8), QTime(9, 30)),
                      {8, QString(64, u'a') + "b", "12/08/2026 09:00:00"});
    QCOMPARE(sheet.heading, "Ticketwise pool sheet: Office");
    QVERIFY(sheet.sections[0].notes[0].contains("this sheet made 12/08/2026 at 9:30 AM"));
    // The record as it stood, for a member to show it later.
    QVERIFY(sheet.sections[0].notes.join(' ').contains(
        "The record as this sheet was made: line No. 8, chain aaaaaaaaaaaaaaaa."));
    const RecordSection &members = sheet.sections[1];
    QCOMPARE(members.title, "Members, and their shares of the draw of 12/09/2026");
    QCOMPARE(members.rows.size(), std::size_t(3));
    QCOMPARE(members.rows[0].mid(2, 3), (QStringList{"12/09/2026", "$2", "66.67%"}));
    QCOMPARE(members.rows[1].mid(2, 3),
             (QStringList{"12/07/2026 x3 (recorded 12/08/2026, late)", "$3", "33.33%"}));
    QCOMPARE(members.rows[2].mid(2, 3), (QStringList{"", "$0", "not in"}));
    QVERIFY(!members.rows[2][5].isEmpty()); // a line to sign
    QCOMPARE(sheet.sections[2].rows,
             (std::vector<QStringList>{{"Powerball", "12/07/2026 x6", "01 02 03 04 05 06"}}));
}

void TestPools::aTicketsPhotoIsPrintedOnTheSheet_data()
{
    // Each play kept with its photo: the game, DATE and NUMBERS cells.
    QTest::addColumn<QList<QStringList>>("kept");
    QTest::addColumn<int>("printed"); // which photo the sheet prints; -1: none
    const QStringList ticket{"Powerball", "12/07/2026 x6", "01 02 03 04 05 06"};
    QTest::newRow("as the log holds it") << QList<QStringList>{ticket} << 0;
    // Its numbers as a spreadsheet wrote them back: the same ticket.
    QTest::newRow("its numbers as a spreadsheet writes them")
        << QList<QStringList>{{"Powerball", "12/07/2026 x6", "1 2 3 4 5 6"}} << 0;
    // Kept twice in one second: two photos, the later printed.
    QTest::newRow("kept twice") << QList<QStringList>{ticket, ticket} << 1;
    QTest::newRow("another ticket's photo")
        << QList<QStringList>{{"Powerball", "12/07/2026 x6", "01 02 03 04 05 07"}} << -1;
}

void TestPools::aTicketsPhotoIsPrintedOnTheSheet()
{
    QFETCH(QList<QStringList>, kept);
    QFETCH(int, printed);
    write(office());
    PoolBook book(path());
    QCOMPARE(book.read(), PoolBook::Read::Read);
    const PoolLedger ledger(book.entries());
    QTemporaryDir folder;
    const TicketPhotos photos(folder.filePath("ticket photos"));
    QStringList paths;
    QByteArrayList bytes;
    for (const QStringList &play : kept) {
        QImage photo(120, 200, QImage::Format_RGB32);
        photo.fill(QColor::fromHsv(int(paths.size()) * 90, 200, 200));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        photo.save(&buffer, "JPEG");
        bytes << buffer.data();
        QString why;
        paths << photos.keep(bytes.back(), "jpg", {{play[0], play[1], play[2]}},
                             QDateTime(QDate(2026, 12, 8), QTime(9, 30)), &why);
        QVERIFY2(!paths.back().isEmpty(), qPrintable(why));
    }
    // Each under a name of its own, its bytes as given.
    QCOMPARE(QSet<QString>(paths.begin(), paths.end()).size(), paths.size());
    for (qsizetype at = 0; at < paths.size(); ++at) {
        QFile file(paths[at]);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes[at]);
    }
    const PoolSheet sheet = PoolSheet::of(
        *ledger.pool("Office"), QDateTime(QDate(2026, 12, 8), QTime(9, 30)), {}, photos.photos());
    if (printed < 0) {
        QCOMPARE(sheet.sections.back().title, "Tickets");
        return;
    }
    const RecordSection &photographed = sheet.sections.back();
    QCOMPARE(photographed.title, "The tickets as photographed");
    QCOMPARE(photographed.pictures.size(), std::size_t(1));
    QCOMPARE(photographed.pictures[0].path, paths[printed]);
    QCOMPARE(photographed.pictures[0].caption,
             "Ticket of Powerball 12/07/2026 x6: 01 02 03 04 05 06.");
    // Printed in the PDF as an image, not named only.
    const QString pdf = folder.filePath("sheet.pdf");
    QString why;
    QVERIFY2(RecordPdf::write(sheet.heading, sheet.sections, pdf, &why), qPrintable(why));
    QFile written(pdf);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().contains("/Subtype /Image"));
}

void TestPools::aClaimKeepsItsSplit_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<qint64>("paid");
    QTest::addColumn<QStringList>("lines");
    const QByteArray paidAll = payment(6, "12/06/2026", "Ann", "2.00", "12/09/2026") +
                               payment(7, "12/06/2026", "Bo", "2.00", "12/09/2026");
    // $1,000.01 in halves: 500.01 and 500.00; $240.00 withheld, 120 each.
    QTest::newRow("a split kept") << office() + paidAll << qint64(100001)
                                  << QStringList{"Share Ann 50001 12000", "Share Bo 50000 12000"};
    // Marked again: the earlier split taken back, the new one kept.
    QTest::newRow("marked again")
        << office() + paidAll +
               "8,12/20/2026 10:00:00,Office,Share,Ann,,1.00,,Powerball,12/07/2026 x6,"
               "01 02 03 04 05 06,1,12/09/2026,12/20/2026,0.00,0.00,,,\r\n"
        << qint64(100001)
        << QStringList{"Taken Back 8", "Share Ann 50001 12000", "Share Bo 50000 12000"};
    // Kept by the pool, yet its members' income: $10.00 in halves, and the
    // $240.00 withheld.
    QTest::newRow("a small prize kept by the pool")
        << office("Equal", "Kept,", "10.00") + paidAll << qint64(1000)
        << QStringList{"Share Ann 500 12000", "Share Bo 500 12000"};
}

void TestPools::aClaimKeepsItsSplit()
{
    QFETCH(QByteArray, file);
    QFETCH(qint64, paid);
    QFETCH(QStringList, lines);
    write(file);
    PoolBook book(path());
    QCOMPARE(book.read(), PoolBook::Read::Read);
    const PoolLedger ledger(book.entries());
    ClaimRecord claim;
    claim.game = "Powerball";
    claim.ticketDate = "12/07/2026 x6";
    claim.numbers = "01 02 03 04 05 06";
    claim.drawDate = 20261209;
    claim.claimed = 20261221;
    claim.paid = paid;
    claim.federal = 24000;
    QStringList got;
    for (const PoolEntry &entry : ClaimShares(ledger, *ledger.pool("Office"), claim))
        got << (entry.kind == PoolEntry::Kind::TakenBack
                    ? QStringLiteral("Taken Back %1").arg(entry.takesBack)
                    : QStringLiteral("Share %1 %2 %3")
                          .arg(entry.member)
                          .arg(entry.amount)
                          .arg(entry.federal));
    QCOMPARE(got, lines);
}

// Undo and redo as the window does them: each adds lines, and what the
// file held before is still its beginning, byte for byte.
void TestPools::undoAndRedoOnlyAddLines()
{
    write("\xEF\xBB\xBF" + office()); // as this program writes it
    PoolBook book(path());
    QCOMPARE(book.read(), PoolBook::Read::Read);
    QUndoStack undo;
    QStringList problems;
    const auto report = [&problems](const QString &problem) {
        if (!problem.isEmpty())
            problems << problem;
    };
    const auto members = [&] {
        QStringList names;
        const PoolLedger ledger(book.entries());
        for (const PoolLedger::Member &member : ledger.pool("Office")->members)
            names << member.name;
        return names;
    };
    PoolEntry di;
    di.pool = "Office";
    di.kind = PoolEntry::Kind::Member;
    di.member = "Di";
    QByteArray before = readAll();
    const auto grew = [&] {
        const QByteArray now = readAll();
        const bool kept = now.size() > before.size() && now.startsWith(before);
        before = now;
        return kept;
    };
    undo.push(new PoolEntriesStep(book, {di}, "Add Member", report));
    QVERIFY(grew());
    QCOMPARE(members(), (QStringList{"Ann", "Bo", "Cy", "Di"}));
    undo.undo();
    QVERIFY(grew());
    QCOMPARE(members(), (QStringList{"Ann", "Bo", "Cy"}));
    undo.redo();
    QVERIFY(grew());
    QCOMPARE(members(), (QStringList{"Ann", "Bo", "Cy", "Di"}));
    undo.undo();
    undo.redo();
    QVERIFY(grew());
    QCOMPARE(members(), (QStringList{"Ann", "Bo", "Cy", "Di"}));
    QCOMPARE(problems, QStringList());
    // The first line of Di stays, and joining order with it: Di is last.
    QVERIFY(readAll().contains(",Office,Member,Di,"));
}

void TestPools::aSpreadsheetsFileLosesNoLine_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("entries");
    QTest::addColumn<QList<int>>("unreadable");
    QTest::addColumn<QByteArray>("keptLine");
    QTest::addColumn<QString>("name");   // a member's, as read
    QTest::addColumn<int>("firstAdded"); // the number of the first line added

    QTest::newRow("as written") << office() << 5 << QList<int>{} << QByteArray("Office,Ticket")
                                << "Bo" << 6;
    // Excel in German saves semicolons and the ANSI code page; the amount
    // and the day in its own forms.
    QTest::newRow("a German spreadsheet's save")
        << QByteArray("No.;Recorded;Pool;Entry;Member;Amount;Draws\r\n"
                      "1;1.12.2026 09:00;B\xfcro;Pool;Ann;;01.12.2026\r\n")
        << 0 << QList<int>{2} << QByteArray("B\xfcro") << "" << 2;
    QTest::newRow("columns moved, one added, a line mangled")
        << QByteArray("Entry,Pool,No.,Recorded,Member,Notes\r\n"
                      "Member,Office,2,12/1/2026 9:01,Ann,pays cash\r\n"
                      "Member,Office,x,12/1/2026 9:02,Bo,\r\n")
        << 1 << QList<int>{3} << QByteArray("Member,Office,x,12/1/2026 9:02,Bo,") << "Ann" << 3;
    QTest::newRow("a number written twice")
        << office() + "5,12/02/2026 10:00:00,Office,Member,Di,,,,,,,,,,,,,,\r\n"
        << 5 << QList<int>{7} << QByteArray("Office,Member,Di") << "Cy" << 6;
    QTest::newRow("sep=, first, as Excel writes it")
        << "sep=,\r\n" + office() << 5 << QList<int>{} << QByteArray("sep=,\r\nNo.,") << "Ann" << 6;
    // Blank lines are no lines, and stay; a row of empty cells too.
    QTest::newRow("blank lines stay")
        << office().replace("5,12/01", "\r\n,,,,\r\n5,12/01") << 5 << QList<int>{}
        << QByteArray("\r\n\r\n,,,,\r\n") << "Cy" << 6;
    // One line typed in Windows-1252 in a UTF-8 file: each read by its own
    // bytes.
    QTest::newRow("a UTF-8 file with one ANSI line")
        << "\xEF\xBB\xBF" + office()
                                .replace(",Bo,", ",Jos\xc3\xa9,")
                                .replace(",Cy,", ",Ren\xe9"
                                                 "e,")
        << 5 << QList<int>{}
        << QByteArray("Ren\xe9"
                      "e")
        << QString::fromUtf8("Ren\u00e9e") << 6;
    // A taking back left open stays unread, whatever follows it.
    QTest::newRow("a taking back with an unclosed quote")
        << office() + payment(6, "12/06/2026", "Ann", "2.00", "12/09/2026") +
               "7,12/07/2026 10:00:00,Office,Taken Back,\"x,,,,,,,,,,,,,,6\r\n"
        << 6 << QList<int>{8} << QByteArray("Taken Back,\"x,") << "Ann" << 8;
    // A line unread is numbered still: the next line follows its number.
    QTest::newRow("a last line unread")
        << office() + "6,12/02/2026 10:00:00,Office,Member,Di\r\n"
        << 5 << QList<int>{7} << QByteArray("Member,Di\r\n") << "Ann" << 7;
    // A number no line of a file so short can have: unread, and no reason
    // to make room for two billion lines.
    QTest::newRow("a line numbered 2147483647")
        << office() + "2147483647,12/02/2026 10:00:00,Office,Member,Di,,,,,,,,,,,,,,\r\n"
        << 5 << QList<int>{7} << QByteArray("2147483647,") << "Ann" << 6;
}

void TestPools::aSpreadsheetsFileLosesNoLine()
{
    QFETCH(QByteArray, file);
    QFETCH(int, entries);
    QFETCH(QList<int>, unreadable);
    QFETCH(QByteArray, keptLine);
    QFETCH(QString, name);
    QFETCH(int, firstAdded);
    write(file);
    PoolBook book(path());
    QCOMPARE(book.read(), PoolBook::Read::Read);
    QCOMPARE(int(book.entries().size()), entries);
    QCOMPARE(QList<int>(book.unreadableLines().begin(), book.unreadableLines().end()), unreadable);
    // Another copy of the program adds a line meanwhile: this one reads it
    // again before adding its own, and every line stays.
    PoolBook other(path());
    QCOMPARE(other.read(), PoolBook::Read::Read);
    PoolEntry member;
    member.pool = QStringLiteral("Office");
    member.kind = PoolEntry::Kind::Member;
    member.member = QStringLiteral("Other");
    QString reason;
    const std::optional<std::vector<int>> first = other.add({member}, &reason);
    QVERIFY2(first, qPrintable(reason));
    QCOMPARE(first->front(), firstAdded);
    member.member = QStringLiteral("Mine");
    const std::optional<std::vector<int>> numbers = book.add({member}, &reason);
    QVERIFY2(numbers, qPrintable(reason));
    QVERIFY(book.readAgain());
    QCOMPARE(numbers->front(), book.entries()[book.entries().size() - 2].number + 1);
    // Every byte as it was, and the two lines after them.
    const QByteArray bytes = readAll();
    QVERIFY(bytes.startsWith(file));
    QVERIFY2(bytes.contains(keptLine), bytes.constData());
    QVERIFY(bytes.contains("Other") && bytes.contains("Mine"));
    PoolBook again(path());
    QCOMPARE(again.read(), PoolBook::Read::Read);
    QCOMPARE(int(again.entries().size()), entries + 2);
    QCOMPARE(QList<int>(again.unreadableLines().begin(), again.unreadableLines().end()),
             unreadable);
    QVERIFY(std::any_of(again.entries().begin(), again.entries().end(),
                        [&](const PoolEntry &entry) { return entry.member == name; }) ||
            name.isEmpty());
    QCOMPARE(again.brokenChain(), 0);
}

// A file of another kind is never written over: moved aside whole, and the
// next line starts a new pools.csv.
void TestPools::aFileThatIsNoPoolsFileIsKeptAside()
{
    write("Name,Phone\r\nAnn,555-0100\r\n");
    PoolBook book(path());
    QCOMPARE(book.read(), PoolBook::Read::KeptAside);
    QVERIFY(book.keptAside().contains("pools-unreadable-"));
    QFile aside(book.keptAside());
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), QByteArray("Name,Phone\r\nAnn,555-0100\r\n"));
    PoolEntry pool;
    pool.pool = "Office";
    pool.kind = PoolEntry::Kind::Pool;
    pool.member = "Ann";
    pool.draws = "12/01/2026";
    QString reason;
    QVERIFY2(book.add({pool}, &reason), qPrintable(reason));
    PoolBook again(path());
    QCOMPARE(again.read(), PoolBook::Read::Read);
    QCOMPARE(again.entries().size(), std::size_t(1));
    QCOMPARE(again.entries()[0].number, 1);
}

void TestPools::handEditsTheLedgerCannotPlaceAreNamed_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QStringList>("problems");
    QTest::addColumn<int>("unreadable");
    QTest::newRow("a taking back of no line")
        << takenBack(7, 6) << QStringList{"Line No. 7 takes back No. 6, which is not in the file"}
        << 0;
    QTest::newRow("a taking back of a later line is no line")
        << QByteArray("6,12/05/2026 10:00:00,Office,Taken Back,,,,,,,,,,,,,,,8\r\n")
        << QStringList{} << 1;
    QTest::newRow("a member of a pool not kept")
        << QByteArray("6,12/05/2026 10:00:00,Home,Member,Di,,,,,,,,,,,,,,\r\n")
        << QStringList{"Line No. 6 is of a pool, Home, that is not kept"} << 0;
    QTest::newRow("a member named again")
        << QByteArray("6,12/05/2026 10:00:00,Office,Member,ANN,,,,,,,,,,,,,,\r\n")
        << QStringList{"Line No. 6 names ANN a member of Office again"} << 0;
    QTest::newRow("a payment below zero")
        << payment(6, "12/06/2026", "Ann", "-2.00", "12/09/2026") << QStringList{} << 1;
    QTest::newRow("a payment no lottery's prize comes near")
        << payment(6, "12/06/2026", "Ann", "100000000000.00", "12/09/2026") << QStringList{} << 1;
    QTest::newRow("a payment for a draw before the pool began")
        << payment(6, "12/06/2026", "Ann", "2.00", "11/30/2026")
        << QStringList{"Line No. 6 pays for 11/30/2026, before Office began on 12/01/2026"} << 0;
}

void TestPools::handEditsTheLedgerCannotPlaceAreNamed()
{
    QFETCH(QByteArray, lines);
    QFETCH(QStringList, problems);
    QFETCH(int, unreadable);
    write(office() + lines);
    PoolBook book(path());
    QCOMPARE(book.read(), PoolBook::Read::Read);
    QCOMPARE(int(book.unreadableLines().size()), unreadable);
    const PoolLedger ledger(book.entries());
    QCOMPARE(ledger.problems(), problems);
    QCOMPARE(ledger.pool("Office")->members.size(), std::size_t(3));
}

// $1,000.01 among nine members: 100001 / 9 = 11111.22 cents, 11111 each
// and two cents left, to the first two joined; a line too long for a table
// says how many, and between what.
void TestPools::aLargePoolsSplitInALine()
{
    QByteArray file = office();
    int number = 6;
    for (const char *name : {"Di", "Ed", "Flo", "Gus", "Hal", "Ivy"})
        file += QByteArray::number(number++) + ",12/01/2026 09:05:00,Office,Member," + name +
                ",,,,,,,,,,,,,,\r\n";
    for (const char *name : {"Ann", "Bo", "Cy", "Di", "Ed", "Flo", "Gus", "Hal", "Ivy"})
        file += payment(number++, "12/06/2026", name, "2.00", "12/09/2026");
    write(file);
    PoolBook book(path());
    QCOMPARE(book.read(), PoolBook::Read::Read);
    const PoolLedger ledger(book.entries());
    const PrizeSplit split =
        PrizeSplit::of(*ledger.pool("Office"), "Powerball", 20261209, 100001, 0, 0);
    QCOMPARE(split.shares.size(), std::size_t(9));
    QCOMPARE(split.text(), "Office: 9 members, $111.11 to $111.12");
    QCOMPARE(split.shares[0].share, qint64(11112));
    QCOMPARE(split.shares[1].share, qint64(11112));
    QCOMPARE(split.shares[2].share, qint64(11111));
}

void TestPools::badInputIsRefused_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("member");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<QString>("draws");
    QTest::addColumn<QString>("problem");
    const int member = int(PoolEntry::Kind::Member);
    const int payment = int(PoolEntry::Kind::Payment);
    const int ticket = int(PoolEntry::Kind::Ticket);
    QTest::newRow("a member named twice") << member << "bo" << qint64(0) << ""
                                          << "bo is already a member of Office.";
    QTest::newRow("a payment covering no draw")
        << payment << "Bo" << qint64(200) << "12/09/2026 - 12/01/2026"
        << "\"12/09/2026 - 12/01/2026\" covers no draw: write a day (12/09/2026), a run "
           "(12/02/2026 - 12/30/2026) or a count of draws (12/02/2026 x10).";
    QTest::newRow("a draw before the pool began")
        << payment << "Bo" << qint64(200) << "11/30/2026"
        << "\"11/30/2026\" covers a draw before Office began on 12/01/2026.";
    QTest::newRow("an amount below zero") << payment << "Bo" << qint64(-200) << "12/09/2026"
                                          << "A payment cannot be below zero.";
    QTest::newRow("a payment of no member") << payment << "Di" << qint64(200) << "12/09/2026"
                                            << "Di is no member of Office.";
    QTest::newRow("a ticket added twice")
        << ticket << "" << qint64(0) << "12/07/2026 x6"
        << "The ticket Powerball, 01 02 03 04 05 06 is already in Office.";
    QTest::newRow("a ticket of another pool")
        << ticket << "Other" << qint64(0) << "12/07/2026 x6"
        << "The ticket Powerball, 01 02 03 04 05 06 is in another pool, Office.";
    QTest::newRow("a payment that is fine") << payment << "Bo" << qint64(0) << "12/09/2026"
                                            << "";
}

void TestPools::badInputIsRefused()
{
    QFETCH(int, kind);
    QFETCH(QString, member);
    QFETCH(qint64, amount);
    QFETCH(QString, draws);
    QFETCH(QString, problem);
    write(office() + "6,12/01/2026 09:05:00,Other,Pool,Di,,,12/01/2026,,,,,,,,,Equal,Split,\r\n");
    PoolBook book(path());
    QCOMPARE(book.read(), PoolBook::Read::Read);
    const PoolLedger ledger(book.entries());
    PoolEntry entry;
    entry.pool = kind == int(PoolEntry::Kind::Ticket) && !member.isEmpty() ? member : "Office";
    entry.kind = PoolEntry::Kind(kind);
    entry.member = member;
    entry.amount = amount;
    entry.draws = draws;
    entry.game = QStringLiteral("Powerball");
    entry.ticketDate = draws;
    entry.numbers = QStringLiteral("01 02 03 04 05 06");
    QCOMPARE(ledger.problemOf(entry), problem);
}

void TestPools::eachStateSaysHowAGroupClaims_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("way");
    QTest::addColumn<QString>("says");
    using Way = GroupClaim::Way;
    QTest::newRow("Michigan: a club's tax number") << "MI" << int(Way::ClubTaxNumber) << "Employer";
    QTest::newRow("Arizona: a form each") << "az" << int(Way::FormEachMember) << "each member";
    QTest::newRow("New Jersey: split on request") << "NJ" << int(Way::SplitOnRequest) << "split";
    QTest::newRow("California: up to 100 apart") << "CA" << int(Way::PaidApart) << "100 members";
    QTest::newRow("New York: the bearer") << "ny" << int(Way::Representative) << "Form 5754";
    QTest::newRow("Montana: ask") << "MT" << int(Way::AskTheLottery) << "ask the lottery";
    QTest::newRow("no state: ask") << "" << int(Way::AskTheLottery) << "ask the lottery";
}

void TestPools::eachStateSaysHowAGroupClaims()
{
    QFETCH(QString, code);
    QFETCH(int, way);
    QFETCH(QString, says);
    const GroupClaim &claim = GroupClaimOf(code.toStdString());
    QCOMPARE(int(claim.way), way);
    QVERIFY(QString::fromUtf8(claim.says.data(), claim.says.size()).contains(says));
    QVERIFY(!claim.source.empty());
    QVERIFY(claim.checked >= 20261209);
}

void TestPools::aMembersYearAndTheStatement()
{
    // $50,000 claimed 12/20/2026 and kept with its split; Bo also paid
    // $2.00 and $12.00 in 2026.
    write(office() + payment(6, "12/06/2026", "Ann", "2.00", "12/09/2026") +
          payment(7, "12/06/2026", "Bo", "2.00", "12/09/2026") +
          payment(8, "12/06/2026", "Bo", "12.00", "12/12/2026 x6") +
          "9,12/20/2026 10:00:00,Office,Share,Ann,,25000.00,,Powerball,12/07/2026 x6,"
          "01 02 03 04 05 06,1,12/09/2026,12/20/2026,6000.00,0.00,,,\r\n"
          "10,12/20/2026 10:00:00,Office,Share,Bo,,25000.00,,Powerball,12/07/2026 x6,"
          "01 02 03 04 05 06,1,12/09/2026,12/20/2026,6000.00,0.00,,,\r\n");
    PoolBook book(path());
    QCOMPARE(book.read(), PoolBook::Read::Read);
    const PoolLedger ledger(book.entries());
    const TaxYearRecord bo = MemberTaxYear(2026, ledger, QStringLiteral("bo"));
    QCOMPARE(bo.heading(), QStringLiteral("Ticketwise tax year 2026 of bo"));
    QCOMPARE(bo.sections[0].rows.size(), std::size_t(1));
    QCOMPARE(bo.sections[0].notes[0], QStringLiteral("$25,000 won, $6,000 federal and $0 "
                                                     "state withheld."));
    QCOMPARE(bo.sections[1].notes[0], QStringLiteral("$14 paid in."));
    QCOMPARE(MemberTaxYear(2027, ledger, "Bo").sections[0].rows.size(), std::size_t(0));
    // Taken back at the year's end, Bo paid what he paid.
    write(readAll() + takenBack(11, 3, "12/30/2026"));
    QCOMPARE(book.read(), PoolBook::Read::Read);
    QCOMPARE(MemberTaxYear(2026, PoolLedger(book.entries()), "Bo").sections[1].notes[0],
             QStringLiteral("$14 paid in."));

    // The statement of that prize: the split kept with the claim, a W-2G,
    // Form 5754's rows with no taxpayer number, and Texas's way.
    const PoolLedger::Pool &pool = *ledger.pool("Office");
    PoolPrize prize;
    prize.claimed = true;
    prize.claim.game = "Powerball";
    prize.claim.ticketDate = "12/07/2026 x6";
    prize.claim.numbers = "01 02 03 04 05 06";
    prize.claim.drawDate = 20261209;
    prize.claim.claimed = 20261220;
    prize.claim.state = "TX";
    prize.claim.paid = prize.claim.prize = 5'000'000;
    prize.claim.wager = 200;
    prize.claim.federal = 1'200'000;
    prize.split = *PrizeSplit::claimedOf(pool, prize.claim.game, prize.claim.ticketDate,
                                         prize.claim.numbers, 1, 20261209);
    const SplitStatement statement = SplitStatement::of(pool, prize, {}, {});
    const QString about = statement.sections[0].notes.join('\n');
    QVERIFY2(about.contains("comes with a Form W-2G"), qPrintable(about));
    QVERIFY2(about.contains("How TX pays a group: a group may play"), qPrintable(about));
    const RecordSection &form = statement.sections[2];
    QCOMPARE(form.rows.size(), std::size_t(2));
    QCOMPARE(form.rows[0], (QStringList{"Ann", "", "ann@example.com", "$25,000", ""}));
    QVERIFY(form.notes[0].contains("received $50,000, $12,000 federal"));
}

void TestPools::eachDrawIsDrawnAtItsLotterysTime_data()
{
    QTest::addColumn<QString>("game");
    QTest::addColumn<int>("date");
    QTest::addColumn<QString>("utc");
    // 10:59 PM Eastern: UTC-5 in winter, UTC-4 in summer.
    QTest::newRow("Powerball in December") << "Powerball" << 20261209 << "2026-12-10T03:59:00Z";
    QTest::newRow("Powerball in July") << "Powerball NY" << 20260701 << "2026-07-02T02:59:00Z";
    // Daylight saving time began on Sunday 03/08/2026, the second of March;
    // in 2006 on the first Sunday of April, 04/02, and ended on the last of
    // October, 10/29.
    QTest::newRow("the day before summer time")
        << "Mega Millions" << 20260307 << "2026-03-08T04:00:00Z";
    QTest::newRow("the day it begins") << "Mega Millions" << 20260308 << "2026-03-09T03:00:00Z";
    QTest::newRow("2006, the day before") << "Powerball" << 20060401 << "2006-04-02T03:59:00Z";
    QTest::newRow("2006, the last summer day") << "Powerball" << 20061028 << "2006-10-29T02:59:00Z";
    // A time not known: the end of the day where the lottery draws; the
    // Pacific where its state is not known either; Arizona without summer
    // time.
    QTest::newRow("Texas's own game") << "Lotto Texas" << 20261209 << "2026-12-10T05:59:59Z";
    QTest::newRow("a game of no state") << "Club Keno" << 20261209 << "2026-12-10T07:59:59Z";
    QTest::newRow("Arizona in July") << "Pick 3 AZ" << 20260701 << "2026-07-02T06:59:59Z";
}

void TestPools::eachDrawIsDrawnAtItsLotterysTime()
{
    QFETCH(QString, game);
    QFETCH(int, date);
    QFETCH(QString, utc);
    QCOMPARE(QDateTime::fromSecsSinceEpoch(DrawnAt(game, date), Qt::UTC).toString(Qt::ISODate),
             utc);
}

void TestPools::aTicketsPrizeIsThePoolsThatHeldIt_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<int>("draw");
    QTest::addColumn<QString>("holder");
    QTest::addColumn<bool>("late");
    QTest::addColumn<int>("named"); // lines that moved it after a draw it won
    // Office's ticket won on the 9th; taken back on the 10th and put into
    // Home: the 9th is Office's, the 12th Home's.
    const QByteArray moved = "6,12/01/2026 09:05:00,Home,Pool,Di,,,12/01/2026,,,,,,,,,Equal,"
                             "Split,\r\n" +
                             takenBack(7, 5, "12/10/2026") +
                             "8,12/10/2026 11:00:00,Home,Ticket,,,,,Powerball,12/07/2026 x6,"
                             "01 02 03 04 05 06,1,,,,,,,\r\n";
    QTest::newRow("moved after a draw it won") << moved << 20261209 << "Office" << false << 8;
    QTest::newRow("the draw after the move") << moved << 20261212 << "Home" << false << 0;
    // Held by no pool at the 9th's drawing: Office's, said to be late.
    QTest::newRow("put into a pool after its draw")
        << takenBack(6, 5, "12/02/2026") +
               "7,12/10/2026 11:00:00,Office,Ticket,,,,,Powerball,12/07/2026 x6,"
               "01 02 03 04 05 06,1,,,,,,,\r\n"
        << 20261209 << "Office" << true << 0;
}

void TestPools::aTicketsPrizeIsThePoolsThatHeldIt()
{
    QFETCH(QByteArray, lines);
    QFETCH(int, draw);
    QFETCH(QString, holder);
    QFETCH(bool, late);
    QFETCH(int, named);
    write(office() + lines);
    PoolBook book(path());
    QCOMPARE(book.read(), PoolBook::Read::Read);
    QVERIFY(book.unreadableLines().empty());
    const PoolLedger ledger(book.entries());
    const PoolLedger::Holding held = ledger.holderAt(
        {"Powerball", "12/07/2026 x6", "01 02 03 04 05 06"}, 1, DrawnAt("Powerball", draw));
    QVERIFY(held.pool);
    QCOMPARE(held.pool->name, holder);
    QCOMPARE(held.late, late);
    // Won that draw: it may not move from the pool that held it then.
    Winning won;
    won.ticket = {"Powerball", "12/07/2026 x6", "01 02 03 04 05 06", 1};
    won.game = won.ticket.game;
    won.numbers = won.ticket.numbers;
    won.drawDate = draw;
    won.prize = "$1,000,000";
    QCOMPARE(PoolMoves::refused(ledger, {won}, won.ticket, holder), QString());
    QVERIFY(PoolMoves::refused(ledger, {won}, won.ticket, "Elsewhere").contains("cannot move"));
    const QStringList said = PoolMoves::afterWins(ledger, *ledger.pool("Office"), {won});
    QCOMPARE(said.size(), named ? 1 : 0);
    if (named)
        QVERIFY2(said[0].startsWith(QStringLiteral("Line No. %1 ").arg(named)),
                 qPrintable(said[0]));
}

// A pool that keeps prizes up to $5,000: every member is in on the sheet
// before the draw, and a kept $3,000 prize, which comes with a W-2G, has
// its Form 5754.
void TestPools::aKeptPrizeIsItsMembersIncome()
{
    write(office("Equal", "Kept,", "5000.00") +
          payment(6, "12/06/2026", "Ann", "2.00", "12/09/2026") +
          payment(7, "12/06/2026", "Bo", "2.00", "12/09/2026"));
    PoolBook book(path());
    QCOMPARE(book.read(), PoolBook::Read::Read);
    const PoolLedger ledger(book.entries());
    const PoolLedger::Pool &pool = *ledger.pool("Office");
    const PoolSheet sheet = PoolSheet::of(pool, QDateTime(QDate(2026, 12, 8), QTime(9, 30)), {});
    QCOMPARE(sheet.sections[1].rows[0][4], "50.00%");
    QCOMPARE(sheet.sections[1].rows[1][4], "50.00%");
    PoolPrize prize;
    prize.claim.game = "Powerball";
    prize.claim.numbers = "01 02 03 04 05 06";
    prize.claim.drawDate = 20261209;
    prize.claim.claimed = 20261210;
    prize.claim.paid = prize.claim.prize = 300'000;
    prize.claim.wager = 200;
    prize.split = PrizeSplit::of(pool, "Powerball", 20261209, 300'000, 72'000, 0);
    QVERIFY(prize.split.kept);
    const SplitStatement statement = SplitStatement::of(pool, prize, {}, {});
    QVERIFY(statement.sections[0].notes.join(' ').contains("comes with a Form W-2G"));
    QCOMPARE(statement.sections.size(), std::size_t(3));
    QCOMPARE(statement.sections[2].rows[1], (QStringList{"Bo", "", "", "$1,500", ""}));
}

// Eleven members paid $1 each, for 2, 3, 5 ... 31 draws: their common
// multiple is 200,560,490,130, past what weights rounded to a millionth
// kept exact. Of $1.5 billion, each share is its exact fraction rounded
// down or up, never more than a cent off.
void TestPools::aSplitByWhatWasPaidIsExact()
{
    const int primes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31};
    QByteArray file = office("By amount paid").replace("Cy", "M0");
    int number = 6;
    for (const int draws : primes) {
        const QByteArray name = "M" + QByteArray::number(draws);
        file += QByteArray::number(number++) + ",12/01/2026 09:05:00,Office,Member," + name +
                ",,,,,,,,,,,,,,\r\n";
        file += payment(number++, "12/06/2026", name, "1.00",
                        "12/07/2026 x" + QByteArray::number(draws));
    }
    write(file);
    PoolBook book(path());
    QCOMPARE(book.read(), PoolBook::Read::Read);
    const PoolLedger ledger(book.entries());
    constexpr std::int64_t prize = 150'000'000'000;
    const PrizeSplit split =
        PrizeSplit::of(*ledger.pool("Office"), "Powerball", 20261207, prize, 0, 0);
    QCOMPARE(split.shares.size(), std::size_t(11));
    // Weights 100/d over the multiple of them all, exact in 128 bits here.
    __int128 multiple = 1;
    for (const int draws : primes)
        multiple *= draws;
    __int128 total = 0;
    for (const int draws : primes)
        total += 100 * multiple / draws;
    std::int64_t sum = 0;
    for (std::size_t at = 0; at < split.shares.size(); ++at) {
        const __int128 exact = __int128(prize) * (100 * multiple / primes[at]);
        const std::int64_t floor = std::int64_t(exact / total);
        QVERIFY2(split.shares[at].share == floor || split.shares[at].share == floor + 1,
                 qPrintable(QStringLiteral("%1: %2, exactly %3.x")
                                .arg(split.shares[at].member)
                                .arg(split.shares[at].share)
                                .arg(floor)));
        sum += split.shares[at].share;
    }
    QCOMPARE(sum, prize);
}

void TestPools::aChangedLineBreaksTheChain_data()
{
    QTest::addColumn<QStringList>("edits"); // patterns in the file's text, each and its replacement
    QTest::addColumn<int>("broken");        // the file's first line whose chain does not hold
    QTest::addColumn<int>("unchained");     // lines carrying none
    QTest::newRow("as written") << QStringList{} << 0 << 0;
    // Days and amounts as a spreadsheet writes them, times without their
    // seconds: the same values, the same chains.
    QTest::newRow("as a spreadsheet saves it")
        << QStringList{"(\\d\\d:\\d\\d):\\d\\d", "\\1", "\\.00,", ",", "\\b0(\\d)/", "\\1/"} << 0
        << 0;
    // Ann's payment, No. 4 on the file's line 5, changed or taken out.
    QTest::newRow("an amount changed") << QStringList{",2\\.00,", ",20.00,"} << 5 << 0;
    QTest::newRow("a name changed") << QStringList{",Bo,", ",Bob,"} << 4 << 0;
    QTest::newRow("a line taken out") << QStringList{"\\n4,[^\\n]*", ""} << 5 << 0;
    QTest::newRow("a line a hand added")
        << QStringList{"$", "6,12/09/2026 10:00:00,Office,Member,Cy,,,,,,,,,,,,,,,\r\n"} << 0 << 1;
}

void TestPools::aChangedLineBreaksTheChain()
{
    QFETCH(QStringList, edits);
    QFETCH(int, broken);
    QFETCH(int, unchained);
    PoolBook book(path());
    std::vector<PoolEntry> lines(5);
    const PoolEntry::Kind kinds[] = {PoolEntry::Kind::Pool, PoolEntry::Kind::Member,
                                     PoolEntry::Kind::Member, PoolEntry::Kind::Payment,
                                     PoolEntry::Kind::Payment};
    const char *members[] = {"Ann", "Ann", "Bo", "Ann", "Bo"};
    for (int at = 0; at < 5; ++at) {
        lines[at].pool = "Office";
        lines[at].kind = kinds[at];
        lines[at].member = members[at];
        lines[at].draws = at == 0 ? "12/01/2026" : "12/09/2026";
        lines[at].amount = at >= 3 ? 200 : 0;
    }
    QString reason;
    QVERIFY2(book.add(lines, &reason), qPrintable(reason));
    const QString written = QString::fromUtf8(readAll());
    QString text = written;
    for (qsizetype at = 0; at + 1 < edits.size(); at += 2)
        text.replace(QRegularExpression(edits[at]), edits[at + 1]);
    QCOMPARE(text == written, edits.isEmpty());
    write(text.toUtf8());
    PoolBook again(path());
    QCOMPARE(again.read(), PoolBook::Read::Read);
    QCOMPARE(again.brokenChain(), broken);
    QCOMPARE(int(again.unchainedLines().size()), unchained);
}

// Windows-1252 has no 李: the file is written anew in UTF-8, as it was
// kept beside it, and every line reads as before, its chain holding.
void TestPools::aNameTheCodePageLacksWritesTheFileAnew()
{
    const QByteArray ansi = office().replace(",Cy,", ",Caf\xe9,");
    write(ansi);
    PoolBook book(path());
    QCOMPARE(book.read(), PoolBook::Read::Read);
    PoolEntry member;
    member.pool = "Office";
    member.kind = PoolEntry::Kind::Member;
    member.member = QString::fromUtf8("Zo\u00eb");
    QString reason;
    QVERIFY2(book.add({member}, &reason), qPrintable(reason));
    QVERIFY(book.keptBefore().isEmpty());
    QVERIFY(readAll().startsWith(ansi) &&
            readAll().endsWith("Zo\xeb,,,,,,,,,,,,,,," + book.entries().back().chain.toLatin1() +
                               "\r\n"));
    member.member = QString::fromUtf8("\u674e");
    QVERIFY2(book.add({member}, &reason), qPrintable(reason));
    QFile before(book.keptBefore());
    QVERIFY(before.open(QIODevice::ReadOnly));
    QVERIFY(before.readAll().startsWith(ansi));
    QVERIFY(readAll().startsWith("\xEF\xBB\xBF"));
    PoolBook again(path());
    QCOMPARE(again.read(), PoolBook::Read::Read);
    QStringList names;
    for (const PoolEntry &entry : again.entries())
        names << entry.member;
    QCOMPARE(names.mid(2), QStringList({"Bo", QString::fromUtf8("Caf\u00e9"), "", "Zo\u00eb",
                                        QString::fromUtf8("\u674e")}));
    QCOMPARE(again.brokenChain(), 0);
}

void TestPools::aTicketIsFoundHoweverASpreadsheetWroteIt_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("numbers");
    QTest::newRow("as written") << "05/23/2026"
                                << "01 02 03 04 05 PB 06";
    QTest::newRow("a spreadsheet's day") << "5/23/2026"
                                         << "01 02 03 04 05 PB 06";
    QTest::newRow("a day as ISO writes it") << "2026-05-23"
                                            << "1 2 3 4 5 pb 6";
}

// A claim and a pool's ticket, as a spreadsheet wrote them back, are the
// log's ticket 05/23/2026, 01 02 03 04 05 PB 06.
void TestPools::aTicketIsFoundHoweverASpreadsheetWroteIt()
{
    QFETCH(QString, date);
    QFETCH(QString, numbers);
    write(office() + "6,12/02/2026 09:00:00,Office,Ticket,,,,,Powerball," + date.toLatin1() + "," +
          numbers.toLatin1() + ",1,,,,,,,\r\n");
    PoolBook pools(path());
    QCOMPARE(pools.read(), PoolBook::Read::Read);
    const PoolLedger ledger(pools.entries());
    QVERIFY(ledger.poolOf("Powerball", "05/23/2026", "01 02 03 04 05 PB 06", 1));
    const QString claims = m_dir.filePath("claims.csv");
    QFile file(claims);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Claimed,Game,Ticket Date,Numbers,Draw,State,Prize,Wager,Paid,Federal Withheld,"
               "State Withheld\r\n5/25/2026,Powerball," +
               date.toLatin1() + "," + numbers.toLatin1() + ",5/23/2026,,4,2,4,0,0\r\n");
    file.close();
    ClaimBook book(claims);
    QCOMPARE(book.read(), ClaimBook::Read::Read);
    ClaimRecord draw;
    draw.game = "Powerball";
    draw.ticketDate = "05/23/2026";
    draw.numbers = "01 02 03 04 05 PB 06";
    draw.drawDate = 20260523;
    QVERIFY(book.find(draw));
    QCOMPARE(book.find(draw)->paid, qint64(400));
}

void TestPools::twoCopiesAddingAtOnceKeepEveryLine_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("pools.csv") << "pools";
    QTest::newRow("claims.csv") << "claims";
}

// Two processes, each adding 150 lines one at a time at the same moment:
// every line of both stays, each number once.
void TestPools::twoCopiesAddingAtOnceKeepEveryLine()
{
    QFETCH(QString, kind);
    const QString file = m_dir.filePath(kind + ".csv");
    QFile::remove(file);
    if (kind == "pools")
        write(office());
    constexpr int count = 150;
    QProcess first;
    QProcess second;
    first.start(QStringLiteral(KEPTWRITER), {kind, file, "A", QString::number(count)});
    second.start(QStringLiteral(KEPTWRITER), {kind, file, "B", QString::number(count)});
    for (QProcess *writer : {&first, &second}) {
        QVERIFY(writer->waitForFinished(50'000));
        QVERIFY2(writer->exitStatus() == QProcess::NormalExit && writer->exitCode() == 0,
                 writer->readAllStandardError().constData());
    }
    if (kind == "claims") {
        ClaimBook book(file);
        QCOMPARE(book.read(), ClaimBook::Read::Read);
        QCOMPARE(book.records().size(), std::size_t(2 * count));
        return;
    }
    PoolBook book(path());
    QCOMPARE(book.read(), PoolBook::Read::Read);
    QCOMPARE(book.entries().size(), std::size_t(5 + 2 * count));
    QVERIFY(book.unreadableLines().empty());
    QCOMPARE(book.brokenChain(), 0);
    for (std::size_t at = 0; at < book.entries().size(); ++at)
        QCOMPARE(book.entries()[at].number, int(at) + 1);
}

void TestPools::aLineAddedFollowsTheFilesOwnBytes_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("added"); // after every byte the file holds
    const QByteArray titles = "No.,Recorded,Pool,Entry,Member\r\n";
    QTest::newRow("UTF-8, CR LF") << "\xEF\xBB\xBF" + titles << "Zo\u00eb"
                                  << QByteArray("1,$,Office,Member,Zo\xc3\xab,$\r\n");
    QTest::newRow("ANSI, semicolons, LF")
        << QByteArray("No.;Recorded;Pool;Entry;Member\nx;y;Caf\xe9;z;w\n") << "Zo\u00eb"
        << QByteArray("1;$;Office;Member;Zo\xeb;$\n");
    QTest::newRow("no line end at the end")
        << QByteArray(titles).chopped(2) << "Bo" << QByteArray("\r\n1,$,Office,Member,Bo,$\r\n");
    QTest::newRow("a Mac's CR") << QByteArray(titles).replace("\r\n", "\r") << "Bo"
                                << QByteArray("1,$,Office,Member,Bo,$\r");
    QTest::newRow("a formula through a semicolon")
        << "\xEF\xBB\xBF" + titles << "Bo;=1+2;"
        << QByteArray("1,$,Office,Member,\"Bo;=1+2;\",$\r\n");
    // Excel's "Unicode Text": UTF-16 it stays.
    static const char16_t utf16[] = u"No.\tRecorded\tPool\tEntry\tMember\r\n";
    QTest::newRow("UTF-16") << QByteArray("\xFF\xFE") +
                                   QByteArray(reinterpret_cast<const char *>(utf16),
                                              sizeof utf16 - sizeof utf16[0])
                            << "Bo" << QByteArray("utf-16");
}

// A member added to a file as a hand or a spreadsheet left it: its bytes
// as they were, then the line in the file's separator, code page and line
// ends; "$" stands for the time and the chain.
void TestPools::aLineAddedFollowsTheFilesOwnBytes()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, name);
    QFETCH(QByteArray, added);
    write(file);
    PoolBook book(path());
    QCOMPARE(book.read(), PoolBook::Read::Read);
    PoolEntry member;
    member.pool = "Office";
    member.kind = PoolEntry::Kind::Member;
    member.member = name;
    QString reason;
    QVERIFY2(book.add({member}, &reason), qPrintable(reason));
    const QByteArray bytes = readAll();
    QVERIFY(bytes.startsWith(file));
    const PoolEntry &line = book.entries().back();
    if (added == "utf-16") {
        QCOMPARE(QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData() + 2),
                                    (bytes.size() - 2) / 2)
                     .section(u'\n', 1, 1)
                     .left(2),
                 QStringLiteral("1\t"));
    } else {
        QCOMPARE(bytes.mid(file.size()),
                 QByteArray(added)
                     .replace("$" + added.mid(added.indexOf("$") + 1, 1),
                              line.recorded.toLatin1() + added.mid(added.indexOf("$") + 1, 1))
                     .replace("$", line.chain.toLatin1()));
    }
    PoolBook again(path());
    QCOMPARE(again.read(), PoolBook::Read::Read);
    QCOMPARE(again.entries().back().member, name);
    QCOMPARE(again.brokenChain(), 0);
}

void TestPools::aLineHoldsWhileNoTakingBackOfItHolds_data()
{
    QTest::addColumn<QList<int>>("takings"); // each: when recorded, and the taking it takes back
    QTest::addColumn<QList<int>>("holds");   // times it holds at
    QTest::addColumn<QList<int>>("notAt");
    QTest::addColumn<bool>("now");
    // The line recorded at 10; a taking back at 20, itself taken back at 30.
    QTest::newRow("never taken back")
        << QList<int>{} << QList<int>{10, 50} << QList<int>{9} << true;
    QTest::newRow("taken back") << QList<int>{20, -1} << QList<int>{10, 19} << QList<int>{20, 50}
                                << false;
    QTest::newRow("taken back, and given back")
        << QList<int>{20, -1, 30, 0} << QList<int>{10, 19, 30, 90} << QList<int>{20, 29} << true;
    QTest::newRow("taken back twice, one given back")
        << QList<int>{20, -1, 25, -1, 30, 0} << QList<int>{10, 19} << QList<int>{20, 29, 30, 90}
        << false;
}

void TestPools::aLineHoldsWhileNoTakingBackOfItHolds()
{
    QFETCH(QList<int>, takings);
    QFETCH(QList<int>, holds);
    QFETCH(QList<int>, notAt);
    QFETCH(bool, now);
    // Each taking back's life, the later ones first: one of the line (-1),
    // or of the taking back before it (its place).
    std::vector<LineLife> lives;
    for (qsizetype at = 0; at < takings.size(); at += 2)
        lives.emplace_back(takings[at]);
    for (qsizetype at = lives.size(); at-- > 0;) {
        if (const int of = takings[2 * at + 1]; of >= 0)
            lives[std::size_t(of)].takenBackWhile(lives[std::size_t(at)]);
    }
    LineLife line(10);
    for (std::size_t at = 0; at < lives.size(); ++at) {
        if (takings[qsizetype(2 * at + 1)] == -1)
            line.takenBackWhile(lives[at]);
    }
    for (const int time : holds)
        QVERIFY2(line.at(time), qPrintable(QString::number(time)));
    for (const int time : notAt)
        QVERIFY2(!line.at(time), qPrintable(QString::number(time)));
    QCOMPARE(line.now(), now);
}

// Weights as large as they need be split as 64-bit ones do, where both can.
void TestPools::exactWeightsSplitAsNarrowOnes()
{
    std::uint32_t seed = 7;
    const auto next = [&seed](std::uint32_t below) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % below;
    };
    for (int round = 0; round < 200; ++round) {
        std::vector<std::int64_t> narrow(1 + next(12));
        std::vector<BigCount> wide;
        for (std::int64_t &weight : narrow) {
            weight = std::int64_t(next(1000)) * std::int64_t(next(1'000'000) + 1);
            wide.emplace_back(std::uint64_t(weight));
        }
        const std::int64_t cents = std::int64_t(next(1'000'000)) * 1000 + next(1000);
        QCOMPARE(SplitCents(cents, wide), SplitCents(cents, narrow));
    }
}

// A copy of the program holding the lock is waited for; one that dies
// holding it lets it go, as the system drops its lock.
void TestPools::aLockHeldByACopyThatDiesIsLetGo()
{
    write(office());
    QProcess holder;
    holder.start(QStringLiteral(KEPTWRITER), {"hold", path(), "", "60"});
    QVERIFY(holder.waitForReadyRead(20'000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("held"));
    QElapsedTimer waited;
    waited.start();
    std::thread killer([&holder] {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        holder.kill();
    });
    PoolBook book(path());
    QCOMPARE(book.read(), PoolBook::Read::Read);
    PoolEntry member;
    member.pool = "Office";
    member.kind = PoolEntry::Kind::Member;
    member.member = "Di";
    QString reason;
    const bool added = bool(book.add({member}, &reason));
    killer.join();
    holder.waitForFinished();
    QVERIFY2(added, qPrintable(reason));
    QVERIFY(waited.elapsed() >= 400);
}

// Another copy took Cy back while this one had the pool open: this one's
// payment of Cy, which it checked as it was, is refused, nothing added.
void TestPools::aLineAnotherCopyMadeImpossibleIsRefused()
{
    write(office());
    PoolBook book(path());
    QCOMPARE(book.read(), PoolBook::Read::Read);
    PoolBook other(path());
    QCOMPARE(other.read(), PoolBook::Read::Read);
    PoolEntry back;
    back.pool = "Office";
    back.kind = PoolEntry::Kind::TakenBack;
    back.takesBack = 4;
    QString reason;
    QVERIFY2(other.add({back}, &reason), qPrintable(reason));
    const QByteArray before = readAll();
    PoolEntry payment;
    payment.pool = "Office";
    payment.kind = PoolEntry::Kind::Payment;
    payment.member = "Cy";
    payment.amount = 200;
    payment.draws = "12/09/2026";
    const std::optional<std::vector<int>> paid = book.add({payment}, &reason);
    QVERIFY(!paid);
    QCOMPARE(reason, "Another copy of Ticketwise changed your pools meanwhile: Cy is no member "
                     "of Office.");
    QCOMPARE(readAll(), before);
}

QTEST_MAIN(TestPools)
#include "tst_pools.moc"
