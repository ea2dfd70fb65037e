#include "form1.h"
#include "systemrandomsource.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QtEndian>

#include <optional>

namespace {

constexpr int px(int twips)
{
    return (twips * 2 + 15) / 30;
}

// Where a control's container stands in the window, in twips: the tab control
// and the window start at 0, 0; the frames stand on the "LOTTO PLUS" page.
struct Container
{
    const char *name;
    int page;
    int left;
    int top;
};
const Container window = {"Form1", -1, 0, 0};
const Container manager = {"SSTab1", 0, 0, 0};
const Container lucky = {"SSTab1", 1, 0, 0};
const Container lotto = {"SSTab1", 2, 0, 0};
const Container frame1 = {"Frame1", 2, 120, 1080};
const Container frame2 = {"Frame2", 2, 120, 3620};

QString textOf(const QWidget *control)
{
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *field = qobject_cast<const QLineEdit *>(control))
        return field->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    return {};
}

QByteArray readAsset(const QString &name)
{
    QFile file(QStringLiteral(ASSETS_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template <typename T> T little(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

} // namespace

Q_DECLARE_METATYPE(Container)

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlStandsAsTheTableSays_data();
    void controlStandsAsTheTableSays();
    void windowFrameIsFixed();
    void fontsResolveToInstalledFaces();
    void linkLabelsLookLikeLinks();
    void comboHoldsTheStates();
    void focusFollowsTabOrder_data();
    void focusFollowsTabOrder();
    void switchingTabsKeepsWhatWasThere();
    void controlsStackAsDesigned();
    void picturesShowUnscaledFromTheTopLeft();
    void bannersAreUncompressed256Colours_data();
    void bannersAreUncompressed256Colours();
    void iconIs16By16In16Colours();
    void advertisingParagraphHasFourPhrases();
    void everyControlIsNamedForScreenReaders();
    void screenReadersMeetNoNeverShownField();

private:
    QWidget *control(const QString &name) const { return m_window->findChild<QWidget *>(name); }
    QTabWidget *tabs() const { return m_window->findChild<QTabWidget *>("SSTab1"); }

    std::optional<QTemporaryDir> m_dir;
    SystemRandomSource m_random;
    std::unique_ptr<Form1> m_window;
};

void TestLayout::init()
{
    m_dir.emplace();
    m_window = std::make_unique<Form1>(m_random, m_dir->filePath("saved.wok"));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestLayout::cleanup()
{
    m_window.reset();
}

void TestLayout::controlStandsAsTheTableSays_data()
{
    QTest::addColumn<Container>("container");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");

    const QString ms = "MS Sans Serif";
    const QString tip = "Click Here";
    auto row = [](const char *name, Container container, QRect twips, const QString &family,
                  int pixels, bool shown, const QString &text, const QString &toolTip = {}) {
        QTest::newRow(name) << container << twips << family << pixels << shown << text << toolTip;
    };
    row("SSTab1", window, {0, 0, 5655, 6495}, ms, 11, true, "");
    row("ListView1", manager, {240, 480, 5295, 3375}, ms, 11, true, "");
    row("Label6", manager, {360, 4080, 1575, 255}, ms, 13, true, "LOTTERY GAME");
    row("Label7", manager, {2520, 4080, 735, 255}, ms, 13, true, "DATE");
    row("Label8", manager, {4080, 4080, 1215, 255}, ms, 13, true, "NUMBERS");
    row("Text8", manager, {240, 4440, 1695, 495}, ms, 11, true, "");
    row("Text9", manager, {2160, 4440, 1335, 480}, ms, 18, true, "");
    row("Text10", manager, {3720, 4440, 1695, 480}, ms, 18, true, "");
    row("Command2", manager, {240, 5400, 1455, 375}, ms, 18, true, "ADD");
    row("Command3", manager, {2040, 5400, 1455, 375}, ms, 18, true, "DELETE");
    row("Command4", manager, {3720, 5400, 1575, 375}, ms, 18, true, "CLEAR");

    row("Text7(0)", lucky, {480, 960, 4335, 975}, ms, 32, true, "");
    row("Text7(1)", lucky, {480, 960, 4335, 975}, ms, 32, true, "");
    row("Text7(2)", lucky, {480, 960, 4335, 975}, ms, 32, true, "");
    row("Label1", lucky, {2760, 2640, 2415, 375}, ms, 18, true, "PICK 3 NUMBERS");
    row("Option1", lucky, {2280, 2760, 255, 195}, ms, 11, true, "Option1");
    row("Command1", lucky, {360, 3240, 1455, 1215}, ms, 11, true, "Enter");
    row("Label2", lucky, {2760, 3360, 2655, 375}, ms, 18, true, "PICK 4 NUMBERS");
    row("Option2", lucky, {2280, 3360, 255, 255}, ms, 11, true, "Option2");
    row("Label3", lucky, {2760, 3960, 2535, 375}, ms, 18, true, "PICK 5 NUMBERS");
    row("Option3", lucky, {2280, 4080, 255, 255}, ms, 11, true, "Option3");
    row("Label4", lucky, {2760, 4680, 2415, 375}, ms, 18, true, "PICK 6 NUMBERS");
    row("Option4", lucky, {2280, 4680, 255, 255}, ms, 11, true, "Option4");
    row("Combo1", lucky, {360, 5160, 1455, 315}, ms, 11, false, "LOTTERIES");
    row("Label5", lucky, {360, 5880, 3975, 255}, ms, 11, true,
        "Numbers are Random and do not guarantee a win.");

    row("Label9(0)", lotto, {720, 600, 4335, 375}, ms, 16, true,
        "Check your State Lottery Numbers");
    row("Frame1", lotto, {120, 1080, 5415, 2535}, ms, 16, true, "");
    row("Frame2", lotto, {120, 3620, 5415, 2775}, ms, 11, true, "");
    row("Picture1", frame1, {2460, 240, 2895, 1455}, ms, 16, true, "", tip);
    row("Label16", frame1, {2300, 1800, 3015, 495}, "Comic Sans MS", 19, true,
        "Free Cash! Free Stuff! ", tip);
    row("Label15", frame1, {120, 2040, 2055, 375}, ms, 16, true, "FunFinds.example", tip);
    row("Label14", frame1, {120, 1680, 2175, 375}, ms, 16, true, "GiftTree", tip);
    row("Label13", frame1, {120, 240, 2415, 375}, ms, 16, true, "JackpotJar.example", tip);
    row("Label12", frame1, {120, 1320, 2295, 375}, ms, 16, true, "DealCatcher", tip);
    row("Label11", frame1, {120, 960, 2295, 375}, ms, 16, true, "SaveSpot.example");
    row("Label10", frame1, {120, 600, 2535, 495}, ms, 16, true, "PrizeNest.example", tip);
    row("Label9(2)", frame1, {120, 360, 2295, 375}, ms, 13, true, "");
    row("Picture3", frame2, {2760, 120, 2295, 615}, ms, 11, true, "", tip);
    row("Picture2", frame2, {120, 240, 1935, 1935}, ms, 11, true, "", tip);
    row("Label18", frame2, {2520, 720, 2775, 1935}, ms, 13, true, "", tip);
    row("Label17", frame2, {360, 2220, 1095, 375}, ms, 16, true, "Click Here");

    row("text1", window, {4920, 5640, 255, 285}, ms, 11, false, "");
    row("Text2", window, {4800, 5640, 375, 375}, ms, 11, false, "Text2");
    row("Text5", window, {4320, 5640, 975, 285}, ms, 11, false, "");
    row("Text3", window, {3960, 5640, 855, 375}, ms, 11, false, "Text3");
    row("Text4", window, {4680, 5640, 255, 285}, ms, 11, false, "Text4");
    row("Text6", window, {3960, 5640, 615, 375}, ms, 11, false, "Text6");
}

void TestLayout::controlStandsAsTheTableSays()
{
    QFETCH(Container, container);
    QFETCH(QRect, twips);
    QFETCH(QString, family);
    QFETCH(int, pixelSize);
    QFETCH(bool, shown);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);

    QWidget *widget = control(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(widget);
    if (container.page >= 0) {
        QVERIFY(tabs()->widget(container.page)->isAncestorOf(widget));
        tabs()->setCurrentIndex(container.page);
        QCoreApplication::processEvents();
    } else {
        QCOMPARE(widget->parentWidget(), m_window.get());
    }
    if (container.left || container.top)
        QCOMPARE(widget->parentWidget()->objectName(), QString::fromLatin1(container.name));

    const QRect expected(px(container.left) + px(twips.x()), px(container.top) + px(twips.y()),
                         px(twips.width()), px(twips.height()));
    QCOMPARE(QRect(widget->mapTo(m_window.get(), QPoint(0, 0)), widget->size()), expected);
    QCOMPARE(widget->font().family(), family);
    QCOMPARE(widget->font().pixelSize(), pixelSize);
    QCOMPARE(!widget->isHidden(), shown);
    if (QTest::currentDataTag() != QLatin1String("Label18"))
        QCOMPARE(textOf(widget), text);
    QCOMPARE(widget->toolTip(), toolTip);
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->textFormat(), Qt::PlainText);
}

void TestLayout::windowFrameIsFixed()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Ticketwise"));
    QCOMPARE(m_window->size(), QSize(382, 449));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(m_window->windowIcon().availableSizes(), QList<QSize>{QSize(16, 16)});
    QVERIFY(m_window->findChildren<QMenuBar *>().isEmpty());
    QVERIFY(m_window->findChildren<QToolBar *>().isEmpty());
    QVERIFY(m_window->findChildren<QStatusBar *>().isEmpty());
    QCOMPARE(tabs()->currentIndex(), 0);
    QCOMPARE(tabs()->tabBar()->height(), 20);
    QStringList captions;
    for (int tab = 0; tab < tabs()->count(); ++tab)
        captions << tabs()->tabText(tab);
    QCOMPARE(captions, (QStringList{"MANAGER", "LUCKY NUMBERS", "LOTTO PLUS"}));
}

void TestLayout::fontsResolveToInstalledFaces()
{
    QCOMPARE(QFontInfo(control("Label6")->font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(QFontInfo(control("Label16")->font()).family(), QStringLiteral("Comic Neue"));
    QVERIFY(QFontInfo(control("Label9(0)")->font()).bold());
}

void TestLayout::linkLabelsLookLikeLinks()
{
    const QStringList links = {"Label9(0)", "Label9(2)", "Label10", "Label11", "Label12", "Label13",
                               "Label14",   "Label15",   "Label16", "Label17", "Label18"};
    for (const QString &name : links) {
        QWidget *label = control(name);
        QVERIFY2(label->font().underline(), qPrintable(name));
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(label->cursor().shape(), Qt::ArrowCursor);
    }
    QVERIFY(!control("Label6")->font().underline());
}

void TestLayout::comboHoldsTheStates()
{
    auto *combo = m_window->findChild<QComboBox *>("Combo1");
    QCOMPARE(combo->count(), 39);
    QCOMPARE(combo->itemText(0), QStringLiteral("Arizona"));
    QCOMPARE(combo->itemText(4), QStringLiteral("DC"));
    QCOMPARE(combo->itemText(38), QStringLiteral("Wisconsin"));
    for (int item = 0; item < combo->count(); ++item)
        QCOMPARE(combo->itemData(item).toInt(), 0);
    QCOMPARE(combo->currentText(), QStringLiteral("LOTTERIES"));
}

void TestLayout::focusFollowsTabOrder_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("MANAGER") << 0 << QStringList{"ListView1", "Text8",    "Text9",    "Text10",
                                                 "Command2",  "Command3", "Command4", "SSTab1"};
    QTest::newRow("LUCKY NUMBERS")
        << 1 << QStringList{"Text7(0)", "Command1", "Option1", "Text7(1)", "Text7(2)", "SSTab1"};
    QTest::newRow("LOTTO PLUS") << 2 << QStringList{"SSTab1"};
}

void TestLayout::focusFollowsTabOrder()
{
    QFETCH(int, page);
    QFETCH(QStringList, order);
    tabs()->setCurrentIndex(page);
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    tabs()->tabBar()->setFocus();

    QStringList visited;
    for (int step = 0; step < order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        visited << (focus == tabs()->tabBar() ? QStringLiteral("SSTab1") : focus->objectName());
    }
    QCOMPARE(visited, order);
}

void TestLayout::switchingTabsKeepsWhatWasThere()
{
    auto *game = m_window->findChild<QLineEdit *>("Text8");
    game->setText("Pick 6");
    tabs()->setCurrentIndex(1);
    m_window->findChild<QRadioButton *>("Option3")->setChecked(true);
    m_window->findChild<QAbstractButton *>("Command1")->click();
    const QString shown = m_window->findChild<QLineEdit *>("Text7(1)")->text();
    tabs()->setCurrentIndex(0);
    tabs()->setCurrentIndex(2);
    tabs()->setCurrentIndex(1);
    QVERIFY(m_window->findChild<QRadioButton *>("Option3")->isChecked());
    QCOMPARE(m_window->findChild<QLineEdit *>("Text7(1)")->text(), shown);
    QVERIFY(m_window->findChild<QLineEdit *>("Text7(1)")->isVisible());
    tabs()->setCurrentIndex(0);
    QCOMPARE(game->text(), QStringLiteral("Pick 6"));
}

void TestLayout::controlsStackAsDesigned()
{
    auto topAt = [this](const char *name, QPoint inside) {
        QWidget *widget = control(QString::fromLatin1(name));
        return m_window->childAt(widget->mapTo(m_window.get(), inside))->objectName();
    };
    tabs()->setCurrentIndex(1);
    QCOMPARE(topAt("Text7(0)", {100, 30}), QStringLiteral("Text7(2)"));
    control("Text7(2)")->hide();
    QCOMPARE(topAt("Text7(0)", {100, 30}), QStringLiteral("Text7(1)"));
    control("Text7(2)")->show();

    tabs()->setCurrentIndex(2);
    QCOMPARE(topAt("Label9(2)", {20, 5}), QStringLiteral("Label13"));
    QCOMPARE(topAt("Label9(2)", {20, 20}), QStringLiteral("Label10"));
    QCOMPARE(topAt("Label10", {20, 30}), QStringLiteral("Label11"));
    QCOMPARE(topAt("Label14", {20, 24}), QStringLiteral("Label15"));
    QCOMPARE(topAt("Picture1", {10, 10}), QStringLiteral("Picture1"));
    QCOMPARE(topAt("Label16", {10, 10}), QStringLiteral("Label16"));
}

void TestLayout::picturesShowUnscaledFromTheTopLeft()
{
    tabs()->setCurrentIndex(2);
    struct Picture
    {
        const char *name;
        const char *file;
    };
    for (const Picture &picture :
         {Picture{"Picture1", "sponsor1.bmp"}, Picture{"Picture2", "sponsor2.bmp"},
          Picture{"Picture3", "sponsor3.bmp"}}) {
        auto *box = qobject_cast<QFrame *>(control(picture.name));
        const QImage expected(QStringLiteral(ASSETS_DIR "/") + picture.file);
        const QImage shown = box->grab().toImage();
        const QRect inner = box->contentsRect();
        QCOMPARE(inner.topLeft(), QPoint(2, 2));
        for (QPoint at :
             {QPoint(0, 0), QPoint(5, 7), QPoint(inner.width() - 1, inner.height() - 1)}) {
            if (at.x() >= expected.width() || at.y() >= expected.height())
                continue;
            QCOMPARE(shown.pixelColor(inner.topLeft() + at), expected.pixelColor(at));
        }
    }
    // Where the 190 x 90 image stops, Picture1 shows the window background.
    auto *box = qobject_cast<QFrame *>(control("Picture1"));
    const QImage shown = box->grab().toImage();
    QCOMPARE(shown.pixelColor(box->contentsRect().topLeft() + QPoint(10, 91)),
             box->palette().color(QPalette::Base));
}

void TestLayout::bannersAreUncompressed256Colours_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::newRow("Picture1") << "sponsor1.bmp" << QSize(190, 90);
    QTest::newRow("Picture2") << "sponsor2.bmp" << QSize(125, 125);
    QTest::newRow("Picture3") << "sponsor3.bmp" << QSize(150, 40);
}

void TestLayout::bannersAreUncompressed256Colours()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    const QByteArray bmp = readAsset(file);
    QVERIFY(bmp.startsWith("BM"));
    QCOMPARE(little<qint32>(bmp, 18), size.width());
    QCOMPARE(little<qint32>(bmp, 22), size.height());
    QCOMPARE(little<quint16>(bmp, 28), quint16(8));
    QCOMPARE(little<quint32>(bmp, 30), quint32(0));
    QCOMPARE(little<quint32>(bmp, 46), quint32(256));
}

void TestLayout::iconIs16By16In16Colours()
{
    const QByteArray ico = readAsset("ticketwise.ico");
    QCOMPARE(little<quint16>(ico, 2), quint16(1));
    QCOMPARE(little<quint16>(ico, 4), quint16(1));
    QCOMPARE(quint8(ico[6]), quint8(16));
    QCOMPARE(quint8(ico[7]), quint8(16));
    QCOMPARE(quint8(ico[8]), quint8(16));
    const int image = little<quint32>(ico, 18);
    QCOMPARE(little<quint16>(ico, image + 14), quint16(4));
}

void TestLayout::advertisingParagraphHasFourPhrases()
{
    const QString text = qobject_cast<QLabel *>(control("Label18"))->text();
    QCOMPARE(text.size(), 212);
    QCOMPARE(text.split(QStringLiteral(" - ")).size(), 4);
}

void TestLayout::everyControlIsNamedForScreenReaders()
{
    QCOMPARE(control("Option1")->accessibleName(), QStringLiteral("PICK 3 NUMBERS"));
    QCOMPARE(control("Option4")->accessibleName(), QStringLiteral("PICK 6 NUMBERS"));
    QCOMPARE(control("Text8")->accessibleName(), QStringLiteral("LOTTERY GAME"));
    QCOMPARE(control("Text10")->accessibleName(), QStringLiteral("NUMBERS"));
    QCOMPARE(control("Text7(1)")->accessibleName(), QStringLiteral("Lucky numbers"));
    for (const char *link : {"Label9(0)", "Label9(2)", "Label12", "Label17", "Picture2"})
        QVERIFY2(control(link)->accessibleName().contains(QStringLiteral("link to http://")), link);
}

void TestLayout::screenReadersMeetNoNeverShownField()
{
    QCOMPARE(control("ListView1")->accessibleName(), QStringLiteral("Ticket log"));
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_window.get());
    QStringList children;
    for (int index = 0; index < window->childCount(); ++index) {
        QAccessibleInterface *child = window->child(index);
        QCOMPARE(window->indexOfChild(child), index);
        children << child->object()->objectName();
    }
    QCOMPARE(children, QStringList{"SSTab1"});
    auto *combo = m_window->findChild<QComboBox *>("Combo1");
    QVERIFY(!combo->lineEdit()->accessibleName().isEmpty());
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
