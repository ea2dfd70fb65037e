#include "clickreporter.h"
#include "form1.h"
#include "linktable.h"
#include "systemrandomsource.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <optional>

// Stands in for the desktop's handler of web addresses.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QStringList opened;

public slots:
    void openUrl(const QUrl &url) { opened << url.toString(QUrl::FullyEncoded); }
};

namespace {
const QString results = QStringLiteral("http://www.state-lottery-results.example/");
const QString sponsor = QStringLiteral("http://clicks.sponsor-network.example/click-453032-");
} // namespace

class TestLinks : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tableHoldsTenPlainAddresses();
    void clickOpensItsOwnAddress_data();
    void clickOpensItsOwnAddress();
    void hiddenResultsElementOpensTheResultsPage();
    void picturesShareTheirLabelsAddresses();
    void twoClicksMakeTwoRequests();
    void stateChoiceDoesNotChangeTheAddress();
    void withoutAHandlerNothingChanges();
    void clickIsALeftPressAndReleaseOverTheControl_data();
    void clickIsALeftPressAndReleaseOverTheControl();

private:
    QWidget *control(const QString &name) const { return m_window->findChild<QWidget *>(name); }
    // Clicks the window where the control is on top, as a user would.
    QPoint spotOf(const QString &name) const
    {
        QWidget *widget = control(name);
        const QPoint spot = widget->mapTo(m_window.get(), widget->rect().center());
        return m_window->childAt(spot) == widget ? spot : QPoint();
    }
    void click(const QString &name)
    {
        const QPoint spot = spotOf(name);
        QVERIFY2(!spot.isNull(), qPrintable(name));
        QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, spot);
    }
    void handleUrls() { QDesktopServices::setUrlHandler("http", &m_recorder, "openUrl"); }

    std::optional<QTemporaryDir> m_dir;
    SystemRandomSource m_random;
    std::unique_ptr<Form1> m_window;
    UrlRecorder m_recorder;
};

void TestLinks::init()
{
    m_dir.emplace();
    m_recorder.opened.clear();
    m_window = std::make_unique<Form1>(m_random, m_dir->filePath("saved.wok"));
    m_window->findChild<QTabWidget *>("SSTab1")->setCurrentIndex(2);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestLinks::cleanup()
{
    QDesktopServices::unsetUrlHandler("http");
    m_window.reset();
}

void TestLinks::tableHoldsTenPlainAddresses()
{
    QSet<QString> addresses;
    const QRegularExpression sponsorPath(QStringLiteral("^/click-453032-\\d{6,7}$"));
    for (const LinkControl &row : linkControls) {
        const QString address = QString::fromStdString(linkAddress(row));
        const QUrl url(address, QUrl::StrictMode);
        QVERIFY2(url.isValid(), qPrintable(address));
        QCOMPARE(url.scheme(), QStringLiteral("http"));
        QCOMPARE(url.port(), -1);
        QVERIFY(!url.hasQuery() && !url.hasFragment() && url.userInfo().isEmpty());
        QVERIFY(url.host().endsWith(QStringLiteral(".example")));
        QCOMPARE(url.toString(QUrl::FullyEncoded), address);
        if (!row.name.starts_with("Label9"))
            QVERIFY2(sponsorPath.match(url.path()).hasMatch(), qPrintable(address));
        addresses.insert(address);
    }
    QCOMPARE(addresses.size(), 10);
}

void TestLinks::clickOpensItsOwnAddress_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("Label9(0)") << results;
    QTest::newRow("Label10") << sponsor + "7753578";
    QTest::newRow("Label11") << sponsor + "878810";
    QTest::newRow("Label12") << sponsor + "171881";
    QTest::newRow("Label13") << sponsor + "2677985";
    QTest::newRow("Label14") << sponsor + "535706";
    QTest::newRow("Label15") << sponsor + "1635350";
    QTest::newRow("Label16") << sponsor + "1471217";
    QTest::newRow("Label17") << sponsor + "8417660";
    QTest::newRow("Label18") << sponsor + "2337316";
    QTest::newRow("Picture1") << sponsor + "1471217";
    QTest::newRow("Picture2") << sponsor + "8417660";
    QTest::newRow("Picture3") << sponsor + "2337316";
}

void TestLinks::clickOpensItsOwnAddress()
{
    QFETCH(QString, address);
    handleUrls();
    click(QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(m_recorder.opened, QStringList{address});
}

// Label9(2) lies wholly beneath other labels: its click comes straight to it.
void TestLinks::hiddenResultsElementOpensTheResultsPage()
{
    handleUrls();
    QWidget *element = control("Label9(2)");
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, QPointF(5, 5), element->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(element, &event);
    }
    click("Label9(0)");
    QCOMPARE(m_recorder.opened, (QStringList{results, results}));
}

void TestLinks::picturesShareTheirLabelsAddresses()
{
    handleUrls();
    for (const auto &[picture, label] :
         {std::pair{"Picture1", "Label16"}, std::pair{"Picture2", "Label17"},
          std::pair{"Picture3", "Label18"}}) {
        m_recorder.opened.clear();
        click(picture);
        click(label);
        QCOMPARE(m_recorder.opened.size(), 2);
        QCOMPARE(m_recorder.opened[0], m_recorder.opened[1]);
    }
}

void TestLinks::twoClicksMakeTwoRequests()
{
    handleUrls();
    click("Label12");
    click("Label12");
    QCOMPARE(m_recorder.opened, (QStringList{sponsor + "171881", sponsor + "171881"}));
    // A double click is one click; other buttons and moves do nothing.
    QTest::mouseDClick(m_window->windowHandle(), Qt::LeftButton, {}, spotOf("Label12"));
    QTest::mouseMove(m_window->windowHandle(), spotOf("Label14"));
    QTest::mouseClick(m_window->windowHandle(), Qt::RightButton, {}, spotOf("Label12"));
    QTest::mouseClick(m_window->windowHandle(), Qt::MiddleButton, {}, spotOf("Label12"));
    QCOMPARE(m_recorder.opened.size(), 3);
}

void TestLinks::stateChoiceDoesNotChangeTheAddress()
{
    handleUrls();
    auto *states = m_window->findChild<QComboBox *>("Combo1");
    for (int state : {-1, 0, 12, 38}) {
        states->setCurrentIndex(state);
        click("Label9(0)");
    }
    QCOMPARE(m_recorder.opened, QStringList(4, results));
}

void TestLinks::withoutAHandlerNothingChanges()
{
    auto snapshot = [this] {
        QStringList state;
        for (QWidget *widget : m_window->findChildren<QWidget *>()) {
            if (auto *field = qobject_cast<QLineEdit *>(widget))
                state << field->objectName() + '=' + field->text();
            state << widget->objectName() + (widget->isHidden() ? " hidden" : " shown");
        }
        state << QString::number(m_window->findChild<QTabWidget *>("SSTab1")->currentIndex());
        return state;
    };
    const QStringList before = snapshot();
    QWidget *focus = QApplication::focusWidget();
    for (const LinkControl &row : linkControls) {
        if (row.name != "Label9(2)")
            click(QString::fromLatin1(row.name.data(), row.name.size()));
    }
    QCOMPARE(snapshot(), before);
    QCOMPARE(QApplication::focusWidget(), focus);

    m_window->findChild<QTabWidget *>("SSTab1")->setCurrentIndex(0);
    m_window->findChild<QLineEdit *>("Text8")->setText("Pick 3");
    QTest::mouseClick(m_window->findChild<QPushButton *>("Command2"), Qt::LeftButton);
    QVERIFY(QFileInfo(m_dir->filePath("saved.wok")).size() > 0);
}

// Each word a mouse event on the label: press, release or double, of the
// left button unless "right-", and at the label unless "-outside".
void TestLinks::clickIsALeftPressAndReleaseOverTheControl_data()
{
    QTest::addColumn<QString>("events");
    QTest::addColumn<int>("clicks");
    QTest::newRow("press and release") << "press release" << 1;
    QTest::newRow("released outside") << "press release-outside" << 0;
    QTest::newRow("right button") << "right-press right-release" << 0;
    QTest::newRow("release alone") << "release" << 0;
    QTest::newRow("double click counts once") << "press release double release" << 1;
}

void TestLinks::clickIsALeftPressAndReleaseOverTheControl()
{
    QFETCH(QString, events);
    QFETCH(int, clicks);
    QLabel label(QStringLiteral("link"));
    label.resize(100, 20);
    ClickReporter reporter(&label);
    QSignalSpy clicked(&reporter, &ClickReporter::clicked);
    for (const QString &word : events.split(u' ')) {
        const Qt::MouseButton button = word.startsWith("right-") ? Qt::RightButton : Qt::LeftButton;
        const QPointF at = word.endsWith("-outside") ? QPointF(500, 5) : QPointF(5, 5);
        const QEvent::Type type = word.contains("press")     ? QEvent::MouseButtonPress
                                  : word.contains("release") ? QEvent::MouseButtonRelease
                                                             : QEvent::MouseButtonDblClick;
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent event(type, at, label.mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&label, &event);
    }
    QCOMPARE(clicked.size(), clicks);
}

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
