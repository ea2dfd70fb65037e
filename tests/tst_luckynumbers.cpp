#include "form1.h"
#include "scriptedrandomsource.h"
#include "systemrandomsource.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using Numbers = QList<int>;

namespace {

const QStringList fieldNames = {"text1", "Text2", "Text3", "Text4", "Text5", "Text6"};

// Scripts one whole set of draws: the six base draws, then the game's own.
void scriptSet(ScriptedRandomSource &source, const Numbers &base, const Numbers &own = {},
               int ownCount = 0)
{
    for (int field = 0; field < 6; ++field)
        source.add(base[field], field < 4 ? 0 : 1, field < 4 ? 9 : 43);
    for (int number : own)
        source.add(number, 1, ownCount);
}

} // namespace

class TestLuckyNumbers : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsTheGameInItsFieldAndOrder_data();
    void showsTheGameInItsFieldAndOrder();
    void repeatDrawsTheWholeSetAgain_data();
    void repeatDrawsTheWholeSetAgain();
    void noGameChangesOnlyTheHiddenFields();
    void hiddenElementKeepsItsText();
    void genRndNumberIsAnOperationOfTheWindow();
    void realSourceStaysInRangeAndCoversIt_data();
    void realSourceStaysInRangeAndCoversIt();
    void realSourceSecondPressDiffers();

private:
    QLineEdit *field(const QString &name) const { return m_window->findChild<QLineEdit *>(name); }
    QLineEdit *element(int index) const { return field(QStringLiteral("Text7(%1)").arg(index)); }
    void choose(int game)
    {
        m_window->findChild<QRadioButton *>(QStringLiteral("Option%1").arg(game))->setChecked(true);
    }
    void pressEnter()
    {
        QTest::mouseClick(m_window->findChild<QPushButton *>("Command1"), Qt::LeftButton);
    }
    QStringList hiddenTexts() const
    {
        QStringList texts;
        for (const QString &name : fieldNames)
            texts << field(name)->text();
        return texts;
    }

    std::optional<QTemporaryDir> m_dir;
    ScriptedRandomSource m_scripted;
    std::unique_ptr<Form1> m_window;
};

void TestLuckyNumbers::init()
{
    m_dir.emplace();
    m_scripted = ScriptedRandomSource();
    m_window = std::make_unique<Form1>(m_scripted, m_dir->filePath("saved.wok"));
    m_window->findChild<QTabWidget *>("SSTab1")->setCurrentIndex(1);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestLuckyNumbers::cleanup()
{
    m_window.reset();
}

void TestLuckyNumbers::showsTheGameInItsFieldAndOrder_data()
{
    QTest::addColumn<int>("game");
    QTest::addColumn<Numbers>("own");
    QTest::addColumn<int>("ownCount");
    QTest::addColumn<int>("shownIn");
    QTest::addColumn<QString>("combination");
    QTest::addColumn<QStringList>("hidden");

    // Base draws 1, 2, 3, 4 (digits) and 11, 12; then the game's own numbers.
    QTest::newRow("Pick 3: text1, Text2, Text3")
        << 1 << Numbers{} << 0 << 0 << "1-2-3" << QStringList{"1", "2", "3", "4", "11", "12"};
    QTest::newRow("Pick 4: Text3 first")
        << 2 << Numbers{} << 0 << 0 << "3-1-2-4" << QStringList{"1", "2", "3", "4", "11", "12"};
    QTest::newRow("Pick 5: Text5, text1, Text2, Text4, Text3; Text6 not shown")
        << 3 << Numbers{7, 8, 9, 10, 34, 1} << 34 << 1 << "34-7-8-10-9"
        << QStringList{"7", "8", "9", "10", "34", "1"};
    QTest::newRow("Pick 6: Text6, text1, Text2, Text4, Text3, Text5")
        << 4 << Numbers{7, 8, 9, 10, 49, 1} << 49 << 2 << "1-7-8-10-9-49"
        << QStringList{"7", "8", "9", "10", "49", "1"};
}

void TestLuckyNumbers::showsTheGameInItsFieldAndOrder()
{
    QFETCH(int, game);
    QFETCH(Numbers, own);
    QFETCH(int, ownCount);
    QFETCH(int, shownIn);
    QFETCH(QString, combination);
    QFETCH(QStringList, hidden);

    scriptSet(m_scripted, {1, 2, 3, 4, 11, 12}, own, ownCount);
    choose(game);
    pressEnter();

    QCOMPARE(element(shownIn)->text(), combination);
    for (int index = 0; index < 3; ++index)
        QCOMPARE(element(index)->isVisible(), index == shownIn);
    QCOMPARE(hiddenTexts(), hidden);
    QCOMPARE(m_scripted.fractionsLeft(), 0);
    // Every fraction follows a re-seed of its own.
    QCOMPARE(m_scripted.calls(), QString(QStringLiteral("RF")).repeated(6 + own.size()));
}

void TestLuckyNumbers::repeatDrawsTheWholeSetAgain_data()
{
    QTest::addColumn<int>("game");
    QTest::addColumn<int>("ownCount");
    QTest::addColumn<Numbers>("firstSet");
    QTest::addColumn<int>("shownIn");
    QTest::addColumn<QString>("combination");

    QTest::newRow("Pick 5, Text6 repeats text1")
        << 3 << 34 << Numbers{5, 6, 7, 8, 9, 5} << 1 << "30-25-26-28-27";
    QTest::newRow("Pick 6, Text4 repeats Text3")
        << 4 << 49 << Numbers{5, 6, 7, 7, 9, 10} << 2 << "31-25-26-28-27-30";
}

void TestLuckyNumbers::repeatDrawsTheWholeSetAgain()
{
    QFETCH(int, game);
    QFETCH(int, ownCount);
    QFETCH(Numbers, firstSet);
    QFETCH(int, shownIn);
    QFETCH(QString, combination);

    scriptSet(m_scripted, {8, 8, 8, 8, 43, 43}, firstSet, ownCount);
    scriptSet(m_scripted, {0, 1, 2, 3, 4, 5}, {25, 26, 27, 28, 30, 31}, ownCount);
    choose(game);
    pressEnter();

    QCOMPARE(m_scripted.fractionsLeft(), 0);
    QCOMPARE(m_scripted.calls().size(), 2 * 24);
    QCOMPARE(element(shownIn)->text(), combination);
    QCOMPARE(hiddenTexts(), (QStringList{"25", "26", "27", "28", "30", "31"}));
}

void TestLuckyNumbers::noGameChangesOnlyTheHiddenFields()
{
    scriptSet(m_scripted, {1, 2, 3, 4, 11, 12}, {20, 21, 22, 23, 24, 25}, 34);
    scriptSet(m_scripted, {5, 6, 7, 8, 40, 41});
    choose(3);
    pressEnter();
    m_window->findChild<QRadioButton *>("Option3")->setAutoExclusive(false);
    m_window->findChild<QRadioButton *>("Option3")->setChecked(false);
    pressEnter();

    QCOMPARE(hiddenTexts(), (QStringList{"5", "6", "7", "8", "40", "41"}));
    QCOMPARE(element(1)->text(), QStringLiteral("24-20-21-23-22"));
    QVERIFY(element(1)->isVisible());
    QVERIFY(!element(0)->isVisible());
    QVERIFY(!element(2)->isVisible());
}

void TestLuckyNumbers::hiddenElementKeepsItsText()
{
    scriptSet(m_scripted, {1, 2, 3, 4, 11, 12}, {20, 21, 22, 23, 24, 25}, 34);
    scriptSet(m_scripted, {0, 0, 0, 4, 11, 12});
    choose(3);
    pressEnter();
    choose(1);
    pressEnter();

    QVERIFY(!element(1)->isVisible());
    QCOMPARE(element(1)->text(), QStringLiteral("24-20-21-23-22"));
    QVERIFY(element(0)->isVisible());
    QCOMPARE(element(0)->text(), QStringLiteral("0-0-0"));
}

void TestLuckyNumbers::genRndNumberIsAnOperationOfTheWindow()
{
    m_scripted.add(1, 1, 6);
    m_scripted.add(6, 1, 6);
    QCOMPARE(m_window->GenRndNumber(6, 1), std::int16_t(1));
    QCOMPARE(m_window->GenRndNumber(6, 1), std::int16_t(6));
    QVERIFY_THROWS_EXCEPTION(std::overflow_error, m_window->GenRndNumber(32767, 0));
    QCOMPARE(m_scripted.calls(), QStringLiteral("RFRFRF"));
}

void TestLuckyNumbers::realSourceStaysInRangeAndCoversIt_data()
{
    QTest::addColumn<int>("game");
    QTest::addColumn<int>("shownIn");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::addColumn<bool>("allDifferent");
    QTest::newRow("Pick 3") << 1 << 0 << 3 << 0 << 8 << false;
    QTest::newRow("Pick 4") << 2 << 0 << 4 << 0 << 8 << false;
    QTest::newRow("Pick 5") << 3 << 1 << 5 << 1 << 34 << true;
    QTest::newRow("Pick 6") << 4 << 2 << 6 << 1 << 49 << true;
}

void TestLuckyNumbers::realSourceStaysInRangeAndCoversIt()
{
    QFETCH(int, game);
    QFETCH(int, shownIn);
    QFETCH(int, length);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    QFETCH(bool, allDifferent);

    SystemRandomSource random;
    Form1 window(random, m_dir->filePath("saved.wok"));
    window.findChild<QRadioButton *>(QStringLiteral("Option%1").arg(game))->setChecked(true);
    auto *enter = window.findChild<QPushButton *>("Command1");
    auto *shown = window.findChild<QLineEdit *>(QStringLiteral("Text7(%1)").arg(shownIn));

    QSet<int> seen;
    for (int press = 0; press < 400; ++press) {
        enter->click();
        const QStringList numbers = shown->text().split(u'-');
        QCOMPARE(numbers.size(), length);
        for (const QString &number : numbers) {
            bool isNumber = false;
            const int value = number.toInt(&isNumber);
            QVERIFY2(isNumber && QString::number(value) == number, qPrintable(number));
            QVERIFY(value >= lowest && value <= highest);
            seen.insert(value);
        }
        if (allDifferent) {
            QStringList fields;
            for (const QString &name : fieldNames)
                fields << window.findChild<QLineEdit *>(name)->text();
            QCOMPARE(QSet<QString>(fields.begin(), fields.end()).size(), 6);
        }
    }
    QCOMPARE(seen.size(), highest - lowest + 1);
}

void TestLuckyNumbers::realSourceSecondPressDiffers()
{
    SystemRandomSource random;
    Form1 window(random, m_dir->filePath("saved.wok"));
    auto *enter = window.findChild<QPushButton *>("Command1");
    QStringList first;
    QStringList second;
    enter->click();
    for (const QString &name : fieldNames)
        first << window.findChild<QLineEdit *>(name)->text();
    enter->click();
    for (const QString &name : fieldNames)
        second << window.findChild<QLineEdit *>(name)->text();
    QVERIFY(first != second);
}

QTEST_MAIN(TestLuckyNumbers)
#include "tst_luckynumbers.moc"
