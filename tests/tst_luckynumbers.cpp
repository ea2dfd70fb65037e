#include "form1.h"
#include "luckynumbers.h"
#include "scriptedrandomsource.h"
#include "systemrandomsource.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

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

Numbers numbersOf(const std::array<int, NumberFieldCount> &numbers)
{
    return Numbers(numbers.begin(), numbers.end());
}

} // namespace

Q_DECLARE_METATYPE(Game)

class TestLuckyNumbers : public QObject
{
    Q_OBJECT

private slots:
    void showsTheGameInItsFieldAndOrder_data();
    void showsTheGameInItsFieldAndOrder();
    void repeatDrawsTheWholeSetAgain_data();
    void repeatDrawsTheWholeSetAgain();
    void noGameDrawsTheBaseAlone();
    void drawBeyondTheScriptFailsTheTest();
    void realSourceStaysInRangeAndCoversIt_data();
    void realSourceStaysInRangeAndCoversIt();
    void realSourceSecondPressDiffers();

    void pressFillsTheFieldsAndShowsTheGame();
    void noGameChangesOnlyTheHiddenFields();
    void hiddenElementKeepsItsText();

private:
    QLineEdit *field(const QString &name) const { return m_window->findChild<QLineEdit *>(name); }
    QLineEdit *element(int index) const { return field(QStringLiteral("Text7(%1)").arg(index)); }
    void openWindow()
    {
        m_dir.emplace();
        m_window = std::make_unique<Form1>(m_scripted, m_dir->filePath("saved.wok"));
        m_window->findChild<QTabWidget *>("SSTab1")->setCurrentIndex(1);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
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

void TestLuckyNumbers::showsTheGameInItsFieldAndOrder_data()
{
    QTest::addColumn<Game>("game");
    QTest::addColumn<Numbers>("own");
    QTest::addColumn<int>("ownCount");
    QTest::addColumn<int>("shownIn");
    QTest::addColumn<QString>("combination");
    QTest::addColumn<Numbers>("fields");

    // Base draws 1, 2, 3, 4 (digits) and 11, 12; then the game's own numbers.
    QTest::newRow("Pick 3: text1, Text2, Text3")
        << Game::Pick3 << Numbers{} << 0 << 0 << "1-2-3" << Numbers{1, 2, 3, 4, 11, 12};
    QTest::newRow("Pick 4: Text3 first")
        << Game::Pick4 << Numbers{} << 0 << 0 << "3-1-2-4" << Numbers{1, 2, 3, 4, 11, 12};
    QTest::newRow("Pick 5: Text5, text1, Text2, Text4, Text3; Text6 not shown")
        << Game::Pick5 << Numbers{7, 8, 9, 10, 34, 1} << 34 << 1 << "34-7-8-10-9"
        << Numbers{7, 8, 9, 10, 34, 1};
    QTest::newRow("Pick 6: Text6, text1, Text2, Text4, Text3, Text5")
        << Game::Pick6 << Numbers{7, 8, 9, 10, 49, 1} << 49 << 2 << "1-7-8-10-9-49"
        << Numbers{7, 8, 9, 10, 49, 1};
}

void TestLuckyNumbers::showsTheGameInItsFieldAndOrder()
{
    QFETCH(Game, game);
    QFETCH(Numbers, own);
    QFETCH(int, ownCount);
    QFETCH(int, shownIn);
    QFETCH(QString, combination);
    QFETCH(Numbers, fields);

    ScriptedRandomSource source;
    scriptSet(source, {1, 2, 3, 4, 11, 12}, own, ownCount);
    const LuckyDraw draw = DrawLuckyNumbers(game, source);

    QCOMPARE(draw.combination, combination);
    QCOMPARE(draw.displayElement, std::optional<int>(shownIn));
    QCOMPARE(numbersOf(draw.base), (Numbers{1, 2, 3, 4, 11, 12}));
    QCOMPARE(numbersOf(draw.fields), fields);
    QCOMPARE(source.fractionsLeft(), 0);
    // Every fraction follows a re-seed of its own.
    QCOMPARE(source.calls(), QString(QStringLiteral("RF")).repeated(6 + own.size()));
}

void TestLuckyNumbers::repeatDrawsTheWholeSetAgain_data()
{
    QTest::addColumn<Game>("game");
    QTest::addColumn<int>("ownCount");
    QTest::addColumn<Numbers>("firstSet");
    QTest::addColumn<QString>("combination");

    QTest::newRow("Pick 5, Text6 repeats text1")
        << Game::Pick5 << 34 << Numbers{5, 6, 7, 8, 9, 5} << "30-25-26-28-27";
    QTest::newRow("Pick 6, Text4 repeats Text3")
        << Game::Pick6 << 49 << Numbers{5, 6, 7, 7, 9, 10} << "31-25-26-28-27-30";
}

void TestLuckyNumbers::repeatDrawsTheWholeSetAgain()
{
    QFETCH(Game, game);
    QFETCH(int, ownCount);
    QFETCH(Numbers, firstSet);
    QFETCH(QString, combination);

    ScriptedRandomSource source;
    scriptSet(source, {8, 8, 8, 8, 43, 43}, firstSet, ownCount);
    scriptSet(source, {0, 1, 2, 3, 4, 5}, {25, 26, 27, 28, 30, 31}, ownCount);
    const LuckyDraw draw = DrawLuckyNumbers(game, source);

    QCOMPARE(source.fractionsLeft(), 0);
    QCOMPARE(source.calls().size(), 2 * 24);
    QCOMPARE(draw.combination, combination);
    QCOMPARE(numbersOf(draw.base), (Numbers{0, 1, 2, 3, 4, 5}));
    QCOMPARE(numbersOf(draw.fields), (Numbers{25, 26, 27, 28, 30, 31}));
}

void TestLuckyNumbers::noGameDrawsTheBaseAlone()
{
    ScriptedRandomSource source;
    scriptSet(source, {0, 0, 0, 8, 1, 43});
    const LuckyDraw draw = DrawLuckyNumbers(std::nullopt, source);
    QCOMPARE(numbersOf(draw.fields), (Numbers{0, 0, 0, 8, 1, 43}));
    QVERIFY(!draw.displayElement);
    QCOMPARE(draw.combination, QString());
    QCOMPARE(source.fractionsLeft(), 0);
}

void TestLuckyNumbers::drawBeyondTheScriptFailsTheTest()
{
    ScriptedRandomSource source;
    scriptSet(source, {1, 2, 3, 4, 11, 12});
    QVERIFY_THROWS_EXCEPTION(std::logic_error, DrawLuckyNumbers(Game::Pick5, source));
}

void TestLuckyNumbers::realSourceStaysInRangeAndCoversIt_data()
{
    QTest::addColumn<Game>("game");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::addColumn<bool>("allDifferent");
    QTest::newRow("Pick 3") << Game::Pick3 << 3 << 0 << 8 << false;
    QTest::newRow("Pick 4") << Game::Pick4 << 4 << 0 << 8 << false;
    QTest::newRow("Pick 5") << Game::Pick5 << 5 << 1 << 34 << true;
    QTest::newRow("Pick 6") << Game::Pick6 << 6 << 1 << 49 << true;
}

void TestLuckyNumbers::realSourceStaysInRangeAndCoversIt()
{
    QFETCH(Game, game);
    QFETCH(int, length);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    QFETCH(bool, allDifferent);

    SystemRandomSource random;
    QSet<int> seen;
    for (int press = 0; press < 400; ++press) {
        const LuckyDraw draw = DrawLuckyNumbers(game, random);
        const QStringList numbers = draw.combination.split(u'-');
        QCOMPARE(numbers.size(), length);
        for (const QString &number : numbers) {
            bool isNumber = false;
            const int value = number.toInt(&isNumber);
            QVERIFY2(isNumber && QString::number(value) == number, qPrintable(number));
            QVERIFY(value >= lowest && value <= highest);
            seen.insert(value);
        }
        if (allDifferent)
            QCOMPARE(QSet<int>(draw.fields.begin(), draw.fields.end()).size(), 6);
    }
    QCOMPARE(seen.size(), highest - lowest + 1);
}

void TestLuckyNumbers::realSourceSecondPressDiffers()
{
    SystemRandomSource random;
    const LuckyDraw first = DrawLuckyNumbers(std::nullopt, random);
    const LuckyDraw second = DrawLuckyNumbers(std::nullopt, random);
    QVERIFY(first.fields != second.fields);
}

void TestLuckyNumbers::pressFillsTheFieldsAndShowsTheGame()
{
    openWindow();
    scriptSet(m_scripted, {1, 2, 3, 4, 11, 12}, {7, 8, 9, 10, 34, 1}, 34);
    choose(3);
    pressEnter();
    QCOMPARE(hiddenTexts(), (QStringList{"7", "8", "9", "10", "34", "1"}));
    QCOMPARE(element(1)->text(), QStringLiteral("34-7-8-10-9"));
    QCOMPARE(
        (QList<bool>{element(0)->isVisible(), element(1)->isVisible(), element(2)->isVisible()}),
        (QList<bool>{false, true, false}));
}

void TestLuckyNumbers::noGameChangesOnlyTheHiddenFields()
{
    openWindow();
    scriptSet(m_scripted, {1, 2, 3, 4, 11, 12}, {20, 21, 22, 23, 24, 25}, 34);
    scriptSet(m_scripted, {5, 6, 7, 8, 40, 41});
    choose(3);
    pressEnter();
    // The user cannot clear the choice; a test can.
    auto *games = m_window->findChild<QButtonGroup *>();
    games->setExclusive(false);
    m_window->findChild<QRadioButton *>("Option3")->setChecked(false);
    games->setExclusive(true);
    pressEnter();

    QCOMPARE(hiddenTexts(), (QStringList{"5", "6", "7", "8", "40", "41"}));
    QCOMPARE(element(1)->text(), QStringLiteral("24-20-21-23-22"));
    QVERIFY(element(1)->isVisible());
    QVERIFY(!element(0)->isVisible());
    QVERIFY(!element(2)->isVisible());
}

void TestLuckyNumbers::hiddenElementKeepsItsText()
{
    openWindow();
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

QTEST_MAIN(TestLuckyNumbers)
#include "tst_luckynumbers.moc"
