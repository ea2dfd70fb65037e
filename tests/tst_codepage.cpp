#include "codepage.h"
#include "logfile.h"
#include "loglistmodel.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// Where TICKETWISE_TEST_ACP is set, as under Wine, the system's code page is
// that one and is the only one tested. Elsewhere each code page is taken by
// name, where the system's converters know it.
const char *codePageFor(int number)
{
    const QByteArray systemCodePage = qgetenv("TICKETWISE_TEST_ACP");
    if (!systemCodePage.isEmpty())
        return systemCodePage.toInt() == number ? LogCodePageName() : nullptr;
    const char *name = number == 932 ? "Shift_JIS" : number == 65001 ? "UTF-8" : "windows-1252";
    return QStringEncoder(name).isValid() ? name : nullptr;
}

#define REQUIRE_CODE_PAGE(name, number)                                                            \
    const char *name = codePageFor(number);                                                        \
    if (!name)                                                                                     \
        QSKIP(qPrintable(QStringLiteral("code page %1 is not the one tested here").arg(number)));

// "表 ソフト": the second byte of 表 and of ソ is a backslash.
const QString japanese = QString::fromUtf8("表 ソフト");
const QByteArray japaneseShiftJis = "\x95\x5c \x83\x5c\x83\x74\x83\x67";

} // namespace

class TestCodePage : public QObject
{
    Q_OBJECT

private slots:
    void storesAndReadsBack_data();
    void storesAndReadsBack();
    void cellsDecodeOnTheirOwn_data();
    void cellsDecodeOnTheirOwn();
    void shiftJisLogKeepsItsBytesThroughAnAdd();
};

void TestCodePage::storesAndReadsBack_data()
{
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("readBack");

    const QString emoji = QString::fromUtf8("a😀b");
    QTest::newRow("1252: letters") << 1252 << QString::fromUtf8("é€ÿ") << QByteArray("\xE9\x80\xFF")
                                   << QString::fromUtf8("é€ÿ");
    QTest::newRow("1252: an emoji is one ?")
        << 1252 << emoji << QByteArray("a?b") << QStringLiteral("a?b");
    QTest::newRow("1252: a look-alike is not taken")
        << 1252 << QString::fromUtf8("āx") << QByteArray("?x") << QStringLiteral("?x");
    QTest::newRow("932: Japanese") << 932 << japanese << japaneseShiftJis << japanese;
    QTest::newRow("932: an emoji is one ?")
        << 932 << emoji << QByteArray("a?b") << QStringLiteral("a?b");
    QTest::newRow("932: a letter it lacks")
        << 932 << QString::fromUtf8("表ā") << QByteArray("\x95\x5c?") << QString::fromUtf8("表?");
    QTest::newRow("65001: Japanese and an emoji")
        << 65001 << QString::fromUtf8("表😀") << QByteArray("\xE8\xA1\xA8\xF0\x9F\x98\x80")
        << QString::fromUtf8("表😀");
    QTest::newRow("65001: half an emoji is one ?")
        << 65001 << QString(QChar(0xD83D)) + u'b' << QByteArray("?b") << QStringLiteral("?b");
}

void TestCodePage::storesAndReadsBack()
{
    QFETCH(int, codePage);
    QFETCH(QString, typed);
    QFETCH(QByteArray, stored);
    QFETCH(QString, readBack);
    REQUIRE_CODE_PAGE(name, codePage);

    CodePageEncoder encoder(name);
    QByteArray bytes("kept");
    encoder.appendTo(bytes, typed);
    encoder.appendTo(bytes, typed);
    QCOMPARE(bytes, "kept" + stored + stored);
    QCOMPARE(CodePageDecoder(name).decode(stored), readBack);
}

void TestCodePage::cellsDecodeOnTheirOwn_data()
{
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QByteArray>("cutCell");
    QTest::addColumn<QByteArray>("nextCell");
    QTest::addColumn<QString>("nextText");

    QTest::newRow("932: a lead byte alone")
        << 932 << QByteArray("x\x95") << japaneseShiftJis << japanese;
    QTest::newRow("65001: half a character")
        << 65001 << QByteArray("x\xE8\xA1") << QByteArray("\xE8\xA1\xA8")
        << QString::fromUtf8("表");
}

void TestCodePage::cellsDecodeOnTheirOwn()
{
    QFETCH(int, codePage);
    QFETCH(QByteArray, cutCell);
    QFETCH(QByteArray, nextCell);
    QFETCH(QString, nextText);
    REQUIRE_CODE_PAGE(name, codePage);

    CodePageDecoder decoder(name);
    QVERIFY(decoder.decode(cutCell).startsWith(u'x'));
    QCOMPARE(decoder.decode(nextCell), nextText);
}

// The whole log at the system's code page: a file of Shift-JIS bytes, one cell
// cut inside a character, shows each cell as it is and goes back byte for
// byte with a typed Japanese ticket added.
void TestCodePage::shiftJisLogKeepsItsBytesThroughAnAdd()
{
    if (qgetenv("TICKETWISE_TEST_ACP") != "932")
        QSKIP("the system's code page is not 932 here");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("saved.wok"));
    const QByteArray old = "Pick 3\r\nx\x95\r\n" + japaneseShiftJis + "\r\n";
    writeBytes(path, old);

    LogListModel list;
    QCOMPARE(LoadLogFile(list, path), LogFileRead::Whole);
    QCOMPARE(list.text(0, 2), japanese);
    list.append(japanese);
    list.setSubItem(1, 1, QString::fromUtf8("😀"));
    QVERIFY(SaveLogFile(list, path));
    QCOMPARE(readBytes(path), old + japaneseShiftJis + "\r\n?\r\n\r\n");

    LogListModel reread;
    LoadLogFile(reread, path);
    QCOMPARE(reread.text(1, 0), japanese);
}

QTEST_GUILESS_MAIN(TestCodePage)
#include "tst_codepage.moc"
