#include "photoreader.h"
#include "tesseractreader.h"
#include "ticketpicture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

// Photos of tickets read as a player takes them: tickets drawn as receipt
// printers print them and photographed in software, and the real photos
// beside the project. Every play comes back exact or marked, never wrong
// and unmarked; what is no ticket is said so.
class TestPhotoRead : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void drawnTicketsComeBackExactOrMarked_data();
    void drawnTicketsComeBackExactOrMarked();
    void realPhotosComeBackExactOrMarked();
    void whatIsNoTicketIsSaid_data();
    void whatIsNoTicketIsSaid();
    void cleanupTestCase();

private:
    // Plays exact and unmarked, marked, and of all, over the clear photos.
    int m_exact = 0;
    int m_marked = 0;
    int m_plays = 0;
    std::unique_ptr<TesseractReader> m_reader;
};

namespace {

// How each play read came back: exact and unmarked, marked, or wrong and
// unmarked, which may never be.
struct Tally
{
    int exact = 0;
    int marked = 0;
    QStringList wrong;
    QStringList markedPlays;
};

Tally tallyOf(const ReadTicket &ticket, const QStringList &plays)
{
    Tally tally;
    QStringList expected = plays;
    for (const ReadPlay &play : ticket.plays) {
        const QString cell = QString::fromStdString(ticket.numbersCell(play));
        if (play.marked()) {
            ++tally.marked;
            tally.markedPlays << cell;
            expected.removeOne(cell);
        } else if (expected.removeOne(cell)) {
            ++tally.exact;
        } else {
            tally.wrong << cell;
        }
    }
    return tally;
}

} // namespace

void TestPhotoRead::initTestCase()
{
    m_reader = std::make_unique<TesseractReader>();
    // Its data comes with the program and with make deps: missing, it fails.
    QVERIFY2(m_reader->problem().isEmpty(), qPrintable(m_reader->problem()));
}

void TestPhotoRead::drawnTicketsComeBackExactOrMarked_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<double>("turn");
    QTest::addColumn<double>("perspective");
    QTest::addColumn<double>("blur");
    QTest::addColumn<double>("noise");
    QTest::addColumn<double>("shadow");
    QTest::addColumn<int>("quality");
    QTest::addColumn<bool>("clear");
    const char *layouts[] = {"New Hampshire", "Indiana", "Texas"};
    for (int layout = 0; layout < 3; ++layout) {
        QTest::addRow("%s, clear", layouts[layout])
            << layout << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << 92 << true;
        QTest::addRow("%s, turned a little", layouts[layout])
            << layout << 3.0 << 0.0 << 0.0 << 0.0 << 0.0 << 92 << true;
        QTest::addRow("%s, upside down", layouts[layout])
            << layout << 180.0 << 0.0 << 0.0 << 0.0 << 0.0 << 92 << true;
        QTest::addRow("%s, on its side, in perspective", layouts[layout])
            << layout << 92.0 << 0.15 << 0.0 << 0.0 << 0.0 << 85 << false;
        QTest::addRow("%s, blurred, noisy, in shadow", layouts[layout])
            << layout << -2.0 << 0.05 << 1.0 << 12.0 << 0.5 << 60 << false;
    }
}

void TestPhotoRead::drawnTicketsComeBackExactOrMarked()
{
    QFETCH(int, layout);
    QFETCH(double, turn);
    QFETCH(double, perspective);
    QFETCH(double, blur);
    QFETCH(double, noise);
    QFETCH(double, shadow);
    QFETCH(int, quality);
    QFETCH(bool, clear);
    const TicketPicture ticket =
        TicketPicture::of(TicketPicture::Layout(layout), layout == 1 ? 1 : 5,
                          std::uint32_t(4711 + layout + int(turn)),
                          {turn, perspective, blur, noise, shadow, quality});
    const PhotoReading reading = PhotoReading::read(PhotoImage::fromImage(ticket.photo), *m_reader);
    const Tally tally = tallyOf(reading.ticket, ticket.plays);
    qInfo("%d of %d plays exact, %d marked %s", tally.exact, int(ticket.plays.size()), tally.marked,
          qPrintable(tally.markedPlays.join(u'/')));
    QVERIFY2(tally.wrong.isEmpty(),
             qPrintable(QStringLiteral("read wrong and unmarked: ") + tally.wrong.join(u'/') +
                        QStringLiteral("; printed: ") + ticket.plays.join(u'/')));
    if (clear) {
        m_exact += tally.exact;
        m_marked += tally.marked;
        m_plays += int(ticket.plays.size());
        if (tally.exact == int(ticket.plays.size())) {
            QCOMPARE(QString::fromStdString(reading.ticket.gameCell()), ticket.game);
            QCOMPARE(QString::fromStdString(reading.ticket.dateCell()), ticket.date);
        }
    }
}

// The real photos and scans beside the project, with what each says.
void TestPhotoRead::realPhotosComeBackExactOrMarked()
{
    const QDir folder(QStringLiteral(REAL_TICKETS_DIR));
    if (!folder.exists())
        QSKIP("SKIPPED: the real photos of tickets, ../shared/tickets, are not beside the project");
    const struct
    {
        const char *file;
        const char *game;
        const char *date;
        QStringList plays;
    } photos[] = {
        {"in-pb-20180630.jpg", "Powerball IN", "06/30/2018", {"2 25 36 43 61 PB 24"}},
        {"in-pb-20180711.jpg", "Powerball IN", "07/11/2018", {"8 33 56 57 65 PB 5"}},
        {"nh-pb-20170401-a.jpg",
         "Powerball NH",
         "04/01/2017",
         {"12 31 33 52 57 PB 9", "15 27 37 45 62 PB 15", "6 9 14 21 68 PB 18", "6 9 19 54 56 PB 6",
          "9 37 38 48 59 PB 2"}},
        {"nh-pb-20170429-a.jpg",
         "Powerball NH",
         "04/29/2017",
         {"18 32 44 57 59 PB 2", "25 29 32 40 42 PB 16", "15 29 44 46 62 PB 18",
          "3 8 9 53 55 PB 23", "11 22 40 55 67 PB 12"}},
        {"nh-pb-20170503-a.jpg",
         "Powerball NH",
         "05/03/2017",
         {"8 41 56 58 61 PB 9", "4 5 40 44 51 PB 12", "33 35 49 60 62 PB 18", "3 12 33 47 67 PB 17",
          "28 30 45 50 58 PB 3"}},
    };
    int exact = 0;
    int plays = 0;
    for (const auto &photo : photos) {
        const QString path = folder.filePath(QString::fromLatin1(photo.file));
        if (!QFile::exists(path))
            QSKIP(qPrintable(QStringLiteral("SKIPPED: %1 is not there").arg(path)));
        const PhotoReading reading = PhotoReading::read(PhotoImage::fromFile(path), *m_reader);
        const Tally tally = tallyOf(reading.ticket, photo.plays);
        qInfo("%s: %d of %d plays exact, %d marked (%s); %s, %s", photo.file, tally.exact,
              int(photo.plays.size()), tally.marked, qPrintable(tally.markedPlays.join(u'/')),
              reading.ticket.gameCell().c_str(), reading.ticket.dateCell().c_str());
        QVERIFY2(tally.wrong.isEmpty(), qPrintable(QStringLiteral("%1 read wrong and unmarked: %2")
                                                       .arg(photo.file, tally.wrong.join(u'/'))));
        exact += tally.exact;
        plays += int(photo.plays.size());
    }
    qInfo("The real photos: %d of %d plays exact and unmarked", exact, plays);
}

void TestPhotoRead::whatIsNoTicketIsSaid_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("said");
    QTest::newRow("no image") << QByteArray("Draw Date,Winning Numbers\r\n") << "no image";
    QByteArray jpeg;
    {
        QImage white(800, 1200, QImage::Format_RGB32);
        white.fill(Qt::white);
        QPainter painter(&white);
        painter.setFont(QFont(QStringLiteral("Liberation Sans"), 40));
        painter.drawText(white.rect(), Qt::AlignCenter, QStringLiteral("Happy Birthday"));
        painter.end();
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        white.save(&buffer, "JPEG");
    }
    QTest::newRow("a truncated JPEG") << jpeg.left(jpeg.size() / 3) << "damaged";
    QTest::newRow("an image of no ticket") << jpeg << "No play was read";
    // A PNG whose header says 20,000 by 20,000: refused before decoding.
    const auto chunk = [](const QByteArray &typeAndData) {
        std::uint32_t crc = 0xFFFFFFFF;
        for (const char byte : typeAndData) {
            crc ^= std::uint8_t(byte);
            for (int bit = 0; bit < 8; ++bit)
                crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320 : crc >> 1;
        }
        crc ^= 0xFFFFFFFF;
        QByteArray bytes;
        const auto length = std::uint32_t(typeAndData.size() - 4);
        for (const int shift : {24, 16, 8, 0})
            bytes += char(length >> shift);
        bytes += typeAndData;
        for (const int shift : {24, 16, 8, 0})
            bytes += char(crc >> shift);
        return bytes;
    };
    const QByteArray huge = QByteArray("\x89PNG\r\n\x1a\n", 8) +
                            chunk(QByteArray("IHDR\0\0\x4e\x20\0\0\x4e\x20\x08\x02\0\0\0", 17)) +
                            chunk("IDAT") + chunk("IEND");
    QTest::newRow("20,000 by 20,000") << huge << "too large";
}

void TestPhotoRead::whatIsNoTicketIsSaid()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, said);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("photo.jpg"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const PhotoReading reading = PhotoReading::read(PhotoImage::fromFile(path), *m_reader);
    QVERIFY2(reading.problem.contains(said), qPrintable(reading.problem));
    QVERIFY(reading.ticket.plays.empty());
}

void TestPhotoRead::cleanupTestCase()
{
    if (m_plays == 0)
        return;
    qInfo("Clear photos drawn: %d of %d plays exact and unmarked (%d%%), %d marked", m_exact,
          m_plays, 100 * m_exact / m_plays, m_marked);
    QVERIFY2(m_exact * 100 >= m_plays * 95, "fewer than 95% of plays on clear photos came back "
                                            "exact and unmarked");
}

QTEST_MAIN(TestPhotoRead)
#include "tst_photoread.moc"
