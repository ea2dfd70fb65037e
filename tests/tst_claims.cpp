// Where and by when a prize is claimed, and what a tax year makes of it, at
// the borders of each rule; every figure worked by hand in its row.
#include "civildate.h"
#include "claimrule.h"
#include "taxyear.h"

#include <QTest>

class TestClaims : public QObject
{
    Q_OBJECT

private slots:
    void deadlines_data();
    void deadlines();
    void federalRules_data();
    void federalRules();
    void stateWithholding_data();
    void stateWithholding();
};

void TestClaims::deadlines_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("draw");
    QTest::addColumn<qint64>("prize");
    QTest::addColumn<bool>("jackpot");
    QTest::addColumn<int>("today");
    QTest::addColumn<QString>("text");
    // 12/09/2026 and 180 days: 22 days of December, 31, 28, 31, 30, 31 and
    // 7 of June make 180, so 06/07/2027, a Monday.
    QTest::newRow("180 days, its last day") << "Texas" << 20261209 << qint64(4) << false << 20270607
                                            << "by 06/07/2027, 180 days, at a store";
    QTest::newRow("180 days, the day after")
        << "tx" << 20261209 << qint64(4) << false << 20270608 << "expired 06/07/2027";
    // A year in New York: the same day, 365 days on; $600 is past a store.
    QTest::newRow("a year, past a store's $599")
        << "NY" << 20261209 << qint64(600) << false << 20270101
        << "by 12/09/2027, 365 days, at a lottery office";
    // 29 February 2028: New Jersey's anniversary is 1 March, 366 days on;
    // New York's a year on is 28 February, 365 days.
    QTest::newRow("new jersey, 29 february") << "New Jersey" << 20280229 << qint64(2) << false
                                             << 20280301 << "by 03/01/2029, 366 days, at a store";
    QTest::newRow("new york, 29 february") << "New York" << 20280229 << qint64(2) << false
                                           << 20280301 << "by 02/28/2029, 365 days, at a store";
    // Monday 12/07/2026 and 180 days is Saturday 06/05/2027: South Dakota's
    // period ends on Monday the 7th, 182 days on.
    QTest::newRow("south dakota, a weekend") << "SD" << 20261207 << qint64(4) << false << 20270606
                                             << "by 06/07/2027, 182 days, where the ticket's "
                                                "back says";
    QTest::newRow("arizona, 5 p.m.") << "Arizona" << 20261209 << qint64(100) << false << 20261210
                                     << "by 06/07/2027 5 p.m., 180 days, at a store";
    // California gives Powerball's and Mega Millions' jackpots a year.
    QTest::newRow("california's jackpot") << "CA" << 20261209 << qint64(0) << true << 20261210
                                          << "by 12/09/2027, 365 days, at a District Office";
    QTest::newRow("california's other prizes")
        << "CA" << 20261209 << qint64(1000) << false << 20261210
        << "by 06/07/2027, 180 days, at a District Office";
    // Above a store, each state's places by amount; a prize whose amount is
    // not known (-1 here: a jackpot of Lotto Texas, $1,000 a day for life)
    // goes where the largest do, never to a store.
    QTest::newRow("texas, $2.5 million and $1")
        << "TX" << 20261209 << qint64(2'500'001) << false << 20261210
        << "by 06/07/2027, 180 days, at a claim center in Austin, Dallas, Fort Worth, Houston or "
           "San Antonio";
    QTest::newRow("texas, not known") << "TX" << 20261209 << qint64(-1) << false << 20261210
                                      << "by 06/07/2027, 180 days, at the Austin headquarters, by "
                                         "appointment";
    QTest::newRow("illinois, $1 million")
        << "IL" << 20261209 << qint64(1'000'000) << false << 20261210
        << "by 12/09/2027, 365 days, at the Springfield Claims "
           "Department";
    QTest::newRow("north carolina, $100,000")
        << "NC" << 20261209 << qint64(100'000) << false << 20261210
        << "by 06/07/2027, 180 days, at the Raleigh headquarters";
    QTest::newRow("a state not known") << "Montana" << 20261209 << qint64(4) << false << 20261210
                                       << "no claim rule known for Montana: see the back of the "
                                          "ticket";
}

void TestClaims::deadlines()
{
    QFETCH(QString, state);
    QFETCH(int, draw);
    QFETCH(qint64, prize);
    QFETCH(bool, jackpot);
    QFETCH(int, today);
    QFETCH(QString, text);
    const std::string name = state.toStdString();
    const ClaimRule *rule = ClaimRuleOf(name);
    const std::string said =
        rule ? DeadlineText(
                   DeadlineOf(*rule, draw, std::max(prize, qint64(0)), jackpot, prize >= 0), today)
             : NoClaimRuleText(name);
    QCOMPARE(QString::fromStdString(said), text);
}

void TestClaims::federalRules_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<qint64>("prize"); // cents
    QTest::addColumn<qint64>("wager");
    QTest::addColumn<bool>("w2g");
    QTest::addColumn<qint64>("withheld");
    QTest::newRow("2025, $599") << 2025 << qint64(59900) << qint64(200) << false << qint64(0);
    QTest::newRow("2025, $600") << 2025 << qint64(60000) << qint64(200) << true << qint64(0);
    // $600 is less than 300 times a $3 wager, $900.
    QTest::newRow("2025, $600 on $3") << 2025 << qint64(60000) << qint64(300) << false << qint64(0);
    QTest::newRow("2026, $1,999") << 2026 << qint64(199900) << qint64(200) << false << qint64(0);
    QTest::newRow("2026, $2,000") << 2026 << qint64(200000) << qint64(200) << true << qint64(0);
    // $5,002 less the $2 wager is $5,000, not above it: nothing withheld.
    QTest::newRow("$5,000 net") << 2026 << qint64(500200) << qint64(200) << true << qint64(0);
    // $5,003 less $2 is $5,001; 24% of it is $1,200.24.
    QTest::newRow("$5,001 net") << 2026 << qint64(500300) << qint64(200) << true << qint64(120024);
    QTest::newRow("a year not known") << 2027 << qint64(0) << qint64(0) << false << qint64(-1);
}

void TestClaims::federalRules()
{
    QFETCH(int, year);
    QFETCH(qint64, prize);
    QFETCH(qint64, wager);
    QFETCH(bool, w2g);
    QFETCH(qint64, withheld);
    const TaxYear *rules = TaxYearOf(year);
    if (withheld < 0) {
        QVERIFY(!rules);
        QCOMPARE(QString::fromStdString(NoTaxYearText(year)), "no tax rule known for 2027");
        return;
    }
    QVERIFY(rules);
    QCOMPARE(NeedsW2G(*rules, prize, wager), w2g);
    QCOMPARE(FederalWithholding(*rules, prize, wager), withheld);
    // Losses count whole through 2025, at 90% from 2026.
    QCOMPARE(rules->lossPercent, year >= 2026 ? 90 : 100);
}

void TestClaims::stateWithholding_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<qint64>("prize"); // cents
    QTest::addColumn<qint64>("withheld");
    // New York takes 10.9% of the prize less the $2 wager above $5,000:
    // $5,001 is $545.109, $545.11.
    QTest::newRow("ny, $5,000 net") << "NY" << qint64(500200) << qint64(0);
    QTest::newRow("ny, $5,001 net") << "NY" << qint64(500300) << qint64(54511);
    // New Jersey: nothing to $10,000, 5% above, 8% above $500,000.
    QTest::newRow("nj, $10,000") << "NJ" << qint64(1000000) << qint64(0);
    QTest::newRow("nj, $10,001") << "NJ" << qint64(1000100) << qint64(50005);
    QTest::newRow("nj, $600,000") << "NJ" << qint64(60000000) << qint64(4800000);
    // Illinois: 4.95% from $1,000.
    QTest::newRow("il, $999") << "IL" << qint64(99900) << qint64(0);
    QTest::newRow("il, $1,000") << "IL" << qint64(100000) << qint64(4950);
    // Virginia: 4% of the whole prize where the proceeds, less the $2
    // wager, are above $5,000: $5,001 is $4,999 of proceeds; $5,003 is
    // $5,001, and 4% of $5,003 is $200.12.
    QTest::newRow("va, $5,001") << "VA" << qint64(500100) << qint64(0);
    QTest::newRow("va, $5,003") << "VA" << qint64(500300) << qint64(20012);
    QTest::newRow("texas withholds none") << "TX" << qint64(100000000) << qint64(0);
    QTest::newRow("a state not known") << "MT" << qint64(100000) << qint64(-1);
}

void TestClaims::stateWithholding()
{
    QFETCH(QString, state);
    QFETCH(qint64, prize);
    QFETCH(qint64, withheld);
    const StateWithholding *rule = StateWithholdingOf(state.toStdString(), 2026);
    QCOMPARE(rule ? StateWithheld(*rule, prize, 200) : qint64(-1), withheld);
}

QTEST_GUILESS_MAIN(TestClaims)
#include "tst_claims.moc"
