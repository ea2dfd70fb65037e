#include "amounttext.h"
#include "claimbook.h"
#include "loglistmodel.h"
#include "taxyearrecord.h"
#include "testfiles.h"
#include "ticketcopies.h"

#include <QTemporaryDir>
#include <QTest>

// The record of claims as a player and a spreadsheet keep it: amounts read
// as they were written, in any locale; claims.csv read back whatever a
// spreadsheet saved, losing no line; two copies of a ticket two claims.
class TestClaimBook : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QFile::remove(path());
    }
    void amountsAreReadAsWritten_data();
    void amountsAreReadAsWritten();
    void whatIsWrittenIsReadBackInEveryLocale();
    void aSpreadsheetsFileIsRead_data();
    void aSpreadsheetsFileIsRead();
    void noLineIsLost();
    void twoCopiesOfATicketAreTwoClaims();
    void theTaxYearCountsWhatWasPaid();

private:
    QString path() const { return m_dir.filePath("claims.csv"); }
    QTemporaryDir m_dir;
};

namespace {

const QByteArray titles = "Claimed,Game,Ticket Date,Numbers,Draw,State,Prize,Wager,Paid,"
                          "Federal Withheld,State Withheld\r\n";
const QByteArray mark = "\xEF\xBB\xBF";

} // namespace

void TestClaimBook::amountsAreReadAsWritten_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("cents"); // -1: no amount; -2: read two ways
    // What the dialog writes, and a ticket prints, whatever the locale: in
    // German and French "$50,000" was once $50.
    for (const char *locale : {"en_US", "de_DE", "fr_FR", "ja_JP"}) {
        QTest::addRow("%s, $50,000", locale) << locale << "$50,000" << qint64(5000000);
        QTest::addRow("%s, $11,999.52", locale) << locale << "$11,999.52" << qint64(1199952);
        QTest::addRow("%s, 1200", locale) << locale << " 1200 " << qint64(120000);
    }
    QTest::newRow("german, its own") << "de_DE"
                                     << "1.234,56" << qint64(123456);
    QTest::newRow("german, a comma's cents") << "de_DE"
                                             << "1,5" << qint64(150);
    QTest::newRow("german, 50,000 two ways") << "de_DE"
                                             << "50,000" << qint64(-2);
    QTest::newRow("german, 1.230 two ways") << "de_DE"
                                            << "1.230" << qint64(-2);
    QTest::newRow("french, narrow space")
        << "fr_FR" << QString::fromUtf8("1\u202F234,56") << qint64(123456);
    QTest::newRow("american, 1,230") << "en_US"
                                     << "1,230" << qint64(123000);
    QTest::newRow("below zero") << "en_US"
                                << "-$5" << qint64(-500);
    QTest::newRow("part of a cent") << "en_US"
                                    << "12.345" << qint64(-1);
    QTest::newRow("words") << "de_DE"
                           << "a lot" << qint64(-1);
    // Ten times the largest jackpot ever; past it, a slip, however it fits
    // in cents.
    QTest::newRow("the most") << "en_US"
                              << "20400000000.00" << qint64(2'040'000'000'000);
    QTest::newRow("past the most") << "en_US"
                                   << "20400000000.01" << qint64(-1);
    QTest::newRow("what cents can hold") << "en_US"
                                         << "92233720368547758.07" << qint64(-1);
}

void TestClaimBook::amountsAreReadAsWritten()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(qint64, cents);
    const AmountReading reading = AmountReading::of(text, QLocale(locale));
    QCOMPARE(reading.twoWays, cents == -2);
    QCOMPARE(reading.cents.value_or(-1), cents == -2 ? -1 : cents);
}

void TestClaimBook::whatIsWrittenIsReadBackInEveryLocale()
{
    for (const char *locale : {"en_US", "de_DE", "fr_FR", "ja_JP"}) {
        for (const qint64 cents :
             {qint64(0), qint64(5), qint64(100000), qint64(2'040'000'000'000), qint64(-250)})
            QCOMPARE(AmountReading::of(CentsText(cents), QLocale(locale)).cents.value_or(-1),
                     cents);
    }
    // The largest amount as claims.csv writes it, read back.
    ClaimRecord claim;
    claim.game = "Powerball";
    claim.claimed = claim.drawDate = 20261209;
    claim.paid = claim.prize = MostCents;
    ClaimBook book(path());
    QVERIFY(book.add(claim, nullptr));
    ClaimBook again(path());
    QCOMPARE(again.read(), ClaimBook::Read::Read);
    QCOMPARE(again.records().size(), std::size_t(1));
    QCOMPARE(again.records()[0].paid, claim.paid);
}

void TestClaimBook::aSpreadsheetsFileIsRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("records");
    QTest::addColumn<QString>("game"); // of the first
    QTest::addColumn<int>("claimed");  // of the first
    QTest::addColumn<qint64>("paid");  // of the first
    QTest::addColumn<QList<int>>("unreadable");
    const QByteArray line = "12/10/2026,Powerball,11/28/2026,1 2 3 4 5 PB 6,11/28/2026,TX,"
                            "100.00,2.00,100.00,0.00,0.00\r\n";
    QTest::newRow("as written") << mark + titles + line << 1 << "Powerball" << 20261210
                                << qint64(10000) << QList<int>{};
    QTest::newRow("emptied by hand") << mark + "\r\n" << 0 << "" << 0 << qint64(0) << QList<int>{};
    QTest::newRow("blank lines after")
        << mark + titles + line + "\r\n,,,,,,,,,,\r\n\r\n"
        << 1 << "Powerball" << 20261210 << qint64(10000) << QList<int>{};
    QTest::newRow("as a spreadsheet saves it")
        << titles + "6/6/2027,Mega Millions,6/5/2027,1 2 3 4 5 MB 6,2027-06-05,NY,100,2,"
                    "\"$1,200.24\",0,0\r\n"
        << 1 << "Mega Millions" << 20270606 << qint64(120024) << QList<int>{};
    QTest::newRow("columns moved, in lower case")
        << QByteArray("paid,draw,numbers,ticket date,game,claimed\r\n"
                      "7.00,11/28/2026,1 2 3,11/28/2026,Pick 3,12/01/2026\r\n")
        << 1 << "Pick 3" << 20261201 << qint64(700) << QList<int>{};
    QTest::newRow("the ANSI code page")
        << titles + "12/10/2026,Loter\xED"
                    "a,11/28/2026,1 2 3,11/28/2026,,5.00,1.00,5.00,0,0\r\n"
        << 1 << QString::fromUtf8("Lotería") << 20261210 << qint64(500) << QList<int>{};
    QTest::newRow("semicolons, German cents")
        << QByteArray("Claimed;Game;Ticket Date;Numbers;Draw;Paid\r\n"
                      "10.12.2026;Powerball;11/28/2026;1 2 3 4 5 PB 6;28.11.2026;1200,24\r\n")
        << 1 << "Powerball" << 20261210 << qint64(120024) << QList<int>{};
    // Line 3 lacks a column, line 4's day is no day: both kept, the rest used.
    QTest::newRow("lines that cannot be read")
        << mark + titles + line +
               "12/10/2026,Powerball,11/28/2026,1 2 3 4 5 PB 6,11/28/2026,TX,100.00,2.00\r\n"
               "13/45/2026,Powerball,11/28/2026,1 2 3 4 5 PB 6,11/28/2026,TX,1,1,1,0,0\r\n"
        << 1 << "Powerball" << 20261210 << qint64(10000) << QList<int>{3, 4};
    // Excel's first line naming the separator is read, never a reason to set
    // the file aside.
    QTest::newRow("sep= first, as Excel writes it")
        << "sep=;\r\n" + QByteArray(titles).replace(',', ';') +
               "12/10/2026;Powerball;11/28/2026;1 2 3 4 5 PB 6;11/28/2026;TX;50000,00;2;"
               "50000,00;12000;0\r\n"
        << 1 << "Powerball" << 20261210 << qint64(5000000) << QList<int>{};
    // One line typed in Windows-1252 in a UTF-8 file: each line read by its
    // own bytes, so the UTF-8 one is not garbled.
    QTest::newRow("one ANSI line in a UTF-8 file")
        << mark + titles +
               "12/10/2026,Loter\xC3\xAD"
               "a,11/28/2026,1 2 3,11/28/2026,,5.00,1.00,5.00,0,0\r\n"
               "12/11/2026,Jos\xE9,11/28/2026,1 2 3,11/28/2026,,5.00,1.00,5.00,0,0\r\n"
        << 2 << QString::fromUtf8("Lotería") << 20261210 << qint64(500) << QList<int>{};
    // Before Paid was kept, what was paid was the prize.
    QTest::newRow("no Paid column")
        << QByteArray("Claimed,Game,Ticket Date,Numbers,Draw,Prize\r\n"
                      "12/10/2026,Powerball,11/28/2026,1 2 3 4 5 PB 6,11/28/2026,50.00\r\n")
        << 1 << "Powerball" << 20261210 << qint64(5000) << QList<int>{};
}

void TestClaimBook::aSpreadsheetsFileIsRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, records);
    QFETCH(QString, game);
    QFETCH(int, claimed);
    QFETCH(qint64, paid);
    QFETCH(QList<int>, unreadable);
    QLocale::setDefault(QLocale("de_DE"));
    writeBytes(path(), bytes);
    ClaimBook book(path());
    QCOMPARE(book.read(), ClaimBook::Read::Read);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(int(book.records().size()), records);
    if (records == 0)
        return;
    QCOMPARE(book.records()[0].game, game);
    QCOMPARE(book.records()[0].claimed, claimed);
    QCOMPARE(book.records()[0].paid, paid);
    QCOMPARE(QList<int>(book.unreadableLines().begin(), book.unreadableLines().end()), unreadable);
}

// A line that cannot be read, and a column a spreadsheet added, are written
// back as they were; a claim added in the file meanwhile is kept.
void TestClaimBook::noLineIsLost()
{
    writeBytes(path(), "Claimed,Game,Ticket Date,Numbers,Draw,Paid,Note\r\n"
                       "12/10/2026,Powerball,11/28/2026,1 2 3,11/28/2026,5.00,\"kept, as is\"\r\n"
                       "12/10/2026,Powerball,,\r\n");
    ClaimBook book(path());
    QCOMPARE(book.read(), ClaimBook::Read::Read);
    QCOMPARE(book.unreadableLines(), std::vector<int>{3});
    QByteArray edited = readBytes(path());
    edited += "12/11/2026,Pick 3,11/29/2026,4 5 6,11/29/2026,7.00,by hand\r\n";
    writeBytes(path(), edited);
    ClaimRecord claim;
    claim.game = "Mega Millions";
    claim.claimed = claim.drawDate = 20261209;
    QVERIFY(book.add(claim, nullptr));
    const QByteArray written = readBytes(path());
    for (const QByteArray &line :
         {QByteArray("State Withheld,Note\r\n"), QByteArray(",\"kept, as is\"\r\n"),
          QByteArray("Pick 3,11/29/2026,4 5 6,11/29/2026,,0.00,0.00,7.00,0.00,0.00,by hand\r\n"),
          QByteArray("12/09/2026,Mega Millions,"), QByteArray("\r\n12/10/2026,Powerball,,\r\n")})
        QVERIFY2(written.contains(line), line.constData());
    QCOMPARE(book.records().size(), std::size_t(3));
    // Changed into no claims file: kept aside, and said, before a new one.
    writeBytes(path(), "not, a, claims file\r\n");
    QString reason;
    QVERIFY(!book.add(claim, &reason));
    QVERIFY2(reason.contains("can no longer be read: it is kept as"), qPrintable(reason));
    QVERIFY(book.add(claim, nullptr));
    QCOMPARE(book.records().size(), std::size_t(1));
}

void TestClaimBook::twoCopiesOfATicketAreTwoClaims()
{
    LogListModel log;
    for (int copy = 0; copy < 2; ++copy) {
        log.append(u"Powerball");
        log.setSubItem(copy, 1, u"11/28/2026");
        log.setSubItem(copy, 2, u"1 2 3 4 5 PB 6");
    }
    // A season's winners counted at once, as one at a time.
    QCOMPARE(TicketCopy::copiesOf(log, {1, 0}), (std::vector<std::pair<int, int>>{{0, 1}, {1, 2}}));
    QCOMPARE(TicketCopy::of(log, 1).copy, 2);
    ClaimRecord second;
    second.game = "Powerball";
    second.ticketDate = "11/28/2026";
    second.numbers = "1 2 3 4 5 PB 6";
    second.copy = 2;
    second.drawDate = 20261128;
    second.claimed = 20261201;
    ClaimBook book(path());
    QVERIFY(book.add(second, nullptr));
    ClaimBook again(path());
    QCOMPARE(again.read(), ClaimBook::Read::Read);
    QCOMPARE(ClaimBook::claimedOn(again.records(), log, 0, 20261128), 0);
    QCOMPARE(ClaimBook::claimedOn(again.records(), log, 1, 20261128), 20261201);
    ClaimRecord first = second;
    first.copy = 1;
    QVERIFY(again.add(first, nullptr));
    QCOMPARE(again.records().size(), std::size_t(2));
}

// A Lucky for Life top prize, worked out as $0, claimed for $5,750,000: the
// year counts what was paid, with its W-2G, and the losses up to it; a game
// that names its state is not named twice.
void TestClaimBook::theTaxYearCountsWhatWasPaid()
{
    writeBytes(path(), mark + titles +
                           "12/01/2026,Lucky for Life,11/30/2026,1 2 3 4 5 LB 6,11/30/2026,NY,0.00,"
                           "2.00,5750000.00,1379999.52,0.00\r\n"
                           "12/02/2026,Powerball NY,11/30/2026,1 2 3 4 5 PB 6,11/30/2026,NY,"
                           "100.00,2.00,100.00,0.00,0.00\r\n");
    ClaimBook book(path());
    QCOMPARE(book.read(), ClaimBook::Read::Read);
    LogListModel log;
    log.append(u"Powerball");
    log.setSubItem(0, 1, u"11/30/2026");
    log.setSubItem(0, 2, u"1 2 3 4 5 PB 6");
    const TaxYearRecord record = TaxYearRecord::of(2026, book, log, nullptr, 20261209);
    const TaxYearRecord::Section &claimed = record.sections[0];
    QCOMPARE(claimed.rows.size(), std::size_t(2));
    QCOMPARE(claimed.rows[0],
             QStringList({"12/01/2026", "Lucky for Life NY", "1 2 3 4 5 LB 6", "11/30/2026",
                          "$5,750,000", "$2", "yes", "$1,379,999.52", "$0"}));
    QCOMPARE(claimed.rows[1][1], "Powerball NY");
    QCOMPARE(claimed.notes[0], "2 claimed: $5,750,100 won, $1,379,999.52 federal and $0 state tax "
                               "withheld.");
    QVERIFY(record.sections.back().notes[0].endsWith("up to the year's winnings of $5,750,100: "
                                                     "$1.80."));
}

QTEST_GUILESS_MAIN(TestClaimBook)
#include "tst_claimbook.moc"
