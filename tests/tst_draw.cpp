#include "draw.h"
#include "scriptedrandomsource.h"
#include "systemrandomsource.h"

#include <QSet>
#include <QTest>

#include <cmath>
#include <optional>

namespace {
const float largestBelowOne = std::nextafter(1.0f, 0.0f);
}

class TestDraw : public QObject
{
    Q_OBJECT

private slots:
    void drawStaysInItsRange_data();
    void drawStaysInItsRange();
    void genRndNumberByArgumentOrder_data();
    void genRndNumberByArgumentOrder();
    void genRndNumberOverflows_data();
    void genRndNumberOverflows();
    void systemFractionsAreBelowOneIn24Bits();
    void reseedAtOneClockReadingGoesOnVarying();
};

void TestDraw::drawStaysInItsRange_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::newRow("digits 0 to 8, never 9") << 0 << 9 << 0 << 8;
    QTest::newRow("1 to 43") << 1 << 43 << 1 << 43;
    QTest::newRow("Pick 5: 1 to 34") << 1 << 34 << 1 << 34;
    QTest::newRow("Pick 6: 1 to 49") << 1 << 49 << 1 << 49;
}

void TestDraw::drawStaysInItsRange()
{
    QFETCH(int, first);
    QFETCH(int, count);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    ScriptedRandomSource source({0.0f, largestBelowOne});
    QCOMPARE(DrawNumber(source, first, count), lowest);
    QCOMPARE(DrawNumber(source, first, count), highest);
    QCOMPARE(source.calls(), QStringLiteral("RFRF"));
}

void TestDraw::genRndNumberByArgumentOrder_data()
{
    QTest::addColumn<int>("upper");
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("atZero");
    QTest::addColumn<int>("atLargest");
    QTest::newRow("upper above lower: 1 to 6") << 6 << 1 << 1 << 6;
    QTest::newRow("upper equals lower") << 5 << 5 << 5 << 5;
    QTest::newRow("upper one below lower: count 0") << 4 << 5 << 5 << 5;
    QTest::newRow("upper far below lower: negative count") << 0 << 5 << 5 << 1;
    QTest::newRow("widest range that fits") << 32766 << 0 << 0 << 32766;
    QTest::newRow("negative bounds") << -1 << -32767 << -32767 << -1;
    QTest::newRow("largest negative count") << -32768 << 0 << 0 << -32767;
}

void TestDraw::genRndNumberByArgumentOrder()
{
    QFETCH(int, upper);
    QFETCH(int, lower);
    QFETCH(int, atZero);
    QFETCH(int, atLargest);
    ScriptedRandomSource source({0.0f, largestBelowOne});
    QCOMPARE(int(GenRndNumber(source, std::int16_t(upper), std::int16_t(lower))), atZero);
    QCOMPARE(int(GenRndNumber(source, std::int16_t(upper), std::int16_t(lower))), atLargest);
    QCOMPARE(source.calls(), QStringLiteral("RFRF"));
}

void TestDraw::genRndNumberOverflows_data()
{
    QTest::addColumn<int>("upper");
    QTest::addColumn<int>("lower");
    QTest::newRow("count 32768 from 0") << 32767 << 0;
    QTest::newRow("count 32768 from -32768") << -1 << -32768;
    QTest::newRow("subtraction above 32767") << 32767 << -1;
    QTest::newRow("subtraction below -32768") << -32768 << 1;
}

void TestDraw::genRndNumberOverflows()
{
    QFETCH(int, upper);
    QFETCH(int, lower);
    ScriptedRandomSource source({0.5f});
    QVERIFY_THROWS_EXCEPTION(std::overflow_error,
                             GenRndNumber(source, std::int16_t(upper), std::int16_t(lower)));
    // The only trace of a failed call: one re-seed and one fraction.
    QCOMPARE(source.calls(), QStringLiteral("RF"));
}

void TestDraw::systemFractionsAreBelowOneIn24Bits()
{
    SystemRandomSource source;
    float lowest = 1.0f;
    float highest = 0.0f;
    for (int draw = 0; draw < 200000; ++draw) {
        source.Reseed();
        const float fraction = source.NextFraction();
        QVERIFY(fraction >= 0.0f && fraction < 1.0f);
        const float scaled = fraction * 16777216.0f;
        QCOMPARE(scaled, std::floor(scaled));
        lowest = std::min(lowest, fraction);
        highest = std::max(highest, fraction);
    }
    QVERIFY(lowest < 0.001f);
    QVERIFY(highest > 0.999f);
}

void TestDraw::reseedAtOneClockReadingGoesOnVarying()
{
    const auto frozenClock = [] { return std::uint64_t(1234567890); };
    SystemRandomSource source(frozenClock);
    SystemRandomSource other(frozenClock);
    QList<int> firstSet;
    QList<int> secondSet;
    QList<int> otherSet;
    for (int draw = 0; draw < 6; ++draw)
        firstSet << DrawNumber(source, 1, 1000000);
    for (int draw = 0; draw < 6; ++draw)
        secondSet << DrawNumber(source, 1, 1000000);
    for (int draw = 0; draw < 6; ++draw)
        otherSet << DrawNumber(other, 1, 1000000);
    QVERIFY(firstSet != secondSet);
    QVERIFY(firstSet != otherSet);
    QCOMPARE(QSet<int>(firstSet.begin(), firstSet.end()).size(), 6);
}

QTEST_GUILESS_MAIN(TestDraw)
#include "tst_draw.moc"
