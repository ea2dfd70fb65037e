// Start-up as whole processes, each from exec to exit: the real window with
// an empty log and with 100,000 tickets, beside a bare window that reads and
// decodes the same file; runs interleaved, medians and spreads. Then ADD,
// DELETE and "Enter" in the real window, and peak memory. Then find, check a
// draw and export over 100,000 and 1,000,000 tickets, with the memory a
// filter or a check adds. Prints a table; checks nothing.
#include "checksummary.h"
#include "claimbook.h"
#include "drawhistory.h"
#include "form1.h"
#include "historycheck.h"
#include "httpsserver.h"
#include "inplacesave.h"
#include "listedtickets.h"
#include "logfile.h"
#include "loglistmodel.h"
#include "managerpage.h"
#include "numbercounts.h"
#include "recordpdf.h"
#include "seasonreport.h"
#include "systemrandomsource.h"
#include "taxyearrecord.h"
#include "textfile.h"
#include "ticketqueries.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>

#include <malloc.h>

namespace {

constexpr int tickets = 100000;
constexpr int startRuns = 21;

QByteArray logBytes(int rows)
{
    QByteArray bytes;
    bytes.reserve(rows * 36);
    for (int row = 0; row < rows; ++row) {
        bytes += "Pick 5\r\n12/07/2026\r\n";
        bytes += QByteArray::number(1 + row % 30) + "-17-22-30-41\r\n";
    }
    return bytes;
}

void writeLog(const QString &path, int rows)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(logBytes(rows));
}

// Starts what reads a file on a thread of its own, and waits for the signal
// that it is done.
template <typename Sender, typename Signal>
void waitFor(Sender *sender, Signal signal, const std::function<void()> &start)
{
    QEventLoop loop;
    QObject::connect(sender, signal, &loop, &QEventLoop::quit);
    start();
    loop.exec();
}

struct Spread
{
    double median;
    double low;
    double high;
};

Spread spreadOf(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples.front(), samples.back()};
}

double milliseconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

void paintOnce(QWidget &window)
{
    window.show();
    QCoreApplication::processEvents();
    window.repaint();
}

// The high-water mark of this process's resident memory, in kilobytes.
long peakKilobytes()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

// One start, in a process of its own: the real window, or the floor, a bare
// window with the same three tabs that reads and decodes the same file.
int startOnce(const QString &kind, const QString &path)
{
    if (kind == QLatin1String("form")) {
        SystemRandomSource random;
        Form1 window(random, path);
        paintOnce(window);
    } else {
        QWidget window;
        window.resize(382, 449);
        auto *tabs = new QTabWidget(&window);
        tabs->setGeometry(0, 0, 377, 433);
        for (const char *caption : {"MANAGER", "LUCKY NUMBERS", "LOTTO PLUS"})
            tabs->addTab(new QWidget, QString::fromLatin1(caption));
        QFile file(path);
        QString text;
        if (file.open(QIODevice::ReadOnly))
            text = QStringDecoder("windows-1252").decode(file.readAll());
        paintOnce(window);
    }
    std::printf("%ld\n", peakKilobytes());
    return 0;
}

// A file of past draws read and made a season's check, in a process of its
// own, for its peak: the file's bytes, the draws and their index. Prints the
// peak in kilobytes, the draws read and the milliseconds it took; with no
// file, the peak of the process alone.
int readDrawsOnce(const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    int draws = 0;
    if (!path.isEmpty()) {
        QString why;
        std::optional<QByteArray> bytes = ReadTextFile(path, &why);
        if (!bytes)
            return 1;
        DrawHistory history = ReadDrawHistory(*bytes, u"Powerball");
        bytes.reset();
        draws = history.draws.size();
        const HistoryCheck season(u"Powerball", std::move(history.draws));
        draws = season.drawCount();
    }
    std::printf("%ld %d %.1f\n", peakKilobytes(), draws, double(timer.nsecsElapsed()) / 1e6);
    return 0;
}

// A Powerball file of 100 MB as lotteries publish them, two draws a day (as
// Powerball and Double Play would be) over thousands of years, read in a
// process of its own beside one that reads nothing.
void benchDrawsFile(const QString &folder)
{
    const QString path = folder + "/powerball.csv";
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return;
        QByteArray block = "Draw Date,Winning Numbers,Powerball,Power Play\r\n";
        std::uint32_t seed = 4711;
        QDate day(2015, 10, 7); // the ranges of today, for thousands of years
        for (qint64 written = 0; written < 100'000'000; day = day.addDays(1)) {
            for (int draw = 0; draw < 2; ++draw) {
                seed = seed * 1664525u + 1013904223u;
                block += day.toString(QStringLiteral("MM/dd/yyyy")).toLatin1();
                for (int white = 0; white < 5; ++white)
                    block +=
                        (white == 0 ? "," : " ") +
                        QByteArray::number(1 + (seed >> (white * 5)) % 69).rightJustified(2, '0');
                block += "," + QByteArray::number(1 + (seed >> 25) % 26) + ",2\r\n";
            }
            if (block.size() > 1 << 20) {
                written += file.write(block);
                block.clear();
            }
        }
        file.write(block);
    }
    const qint64 size = QFileInfo(path).size();
    const auto run = [](const QString &file) {
        QProcess process;
        process.start(QCoreApplication::applicationFilePath(), {"--draws", file});
        process.waitForFinished(-1);
        return process.readAllStandardOutput().trimmed().split(' ');
    };
    const QList<QByteArray> alone = run(QString());
    const QList<QByteArray> read = run(path);
    if (alone.size() == 3 && read.size() == 3) {
        const double peak = (read[0].toDouble() - alone[0].toDouble()) / 1024.0;
        std::printf("\nA file of past draws of %.1f MB: %d draws read and indexed in %.0f ms, "
                    "peak %.1f MB beyond the process's own (%.2f times the file)\n",
                    double(size) / 1e6, read[1].toInt(), read[2].toDouble(), peak,
                    peak * 1024 * 1024 / double(size));
    }
    QFile::remove(path);
}

// 22 MB of text that is no file of past draws, read as one: prose, an
// export of tickets, a program's log; beside them a file of draws of the same
// size, the speed to match.
void benchOtherTexts()
{
    const auto repeated = [](const QByteArray &line) {
        return line.repeated(22 * 1024 * 1024 / line.size());
    };
    std::pair<const char *, QByteArray> texts[] = {
        {"prose", repeated("The quick brown fox jumps over 12 lazy dogs near the river, and 345 "
                           "birds sang in May 2026; Oct was cold.\n")},
        {"tickets", repeated("Pick 5,12/07/2026,3-17-22-30-41\r\n")},
        {"a log", repeated("2026-12-01 10:15:00 INFO user 42 logged in from 10.0.0.1 port 8080\n")},
        {"draws", {}},
    };
    // The draws of as many days, each a line of its own.
    QByteArray &draws = texts[3].second;
    draws = "Draw Date,Winning Numbers,Multiplier\r\n";
    for (QDate day(2015, 10, 7); draws.size() < 22 * 1024 * 1024; day = day.addDays(1))
        draws += day.toString(QStringLiteral("MM/dd/yyyy")).toLatin1() + ",11 21 27 36 62 24,3\r\n";
    std::printf("\n22 MB of text read as a file of past draws (ms, for Pick 3 and Powerball):\n");
    for (const auto &[name, bytes] : texts) {
        std::printf("  %-8s", name);
        for (const char16_t *game : {u"Pick 3", u"Powerball"}) {
            int draws = 0;
            const double ms = milliseconds(
                [&] { draws = ReadDrawHistory(bytes, QStringView(game)).draws.size(); });
            std::printf(" %7.0f (%d draws)", ms, draws);
        }
        std::printf("\n");
    }
}

struct Start
{
    double ms;
    double peakMb;
};

Start timeStart(const QString &kind, const QString &path)
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(QCoreApplication::applicationFilePath(), {"--start", kind, path});
    process.waitForFinished(-1);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    return {ms, process.readAllStandardOutput().trimmed().toDouble() / 1024.0};
}

QString machine()
{
    QFile cpuinfo("/proc/cpuinfo");
    QString model = "unknown processor";
    if (cpuinfo.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : cpuinfo.readAll().split('\n')) {
            if (line.startsWith("model name")) {
                model = QString::fromLatin1(line.mid(line.indexOf(':') + 1).trimmed());
                break;
            }
        }
    }
    return QStringLiteral("%1, %2 cores").arg(model).arg(QThread::idealThreadCount());
}

void benchStartUp(const QString &empty, const QString &full)
{
    const std::vector<std::pair<QString, QString>> runs = {
        {"form", empty}, {"form", full}, {"bare", empty}, {"bare", full}};
    std::map<std::pair<QString, QString>, std::vector<double>> times;
    std::map<std::pair<QString, QString>, std::vector<double>> peaks;
    for (int round = 0; round < startRuns; ++round) {
        for (const auto &run : runs) {
            const Start start = timeStart(run.first, run.second);
            times[run].push_back(start.ms);
            peaks[run].push_back(start.peakMb);
        }
    }
    auto show = [&](const char *what, const std::pair<QString, QString> &run) {
        const Spread time = spreadOf(times[run]);
        std::printf("  %-32s %7.1f ms  (%.1f to %.1f)   peak %5.1f MB\n", what, time.median,
                    time.low, time.high, spreadOf(peaks[run]).median);
        return time.median;
    };
    std::printf("Start-up as whole processes, exec to exit, median of %d, interleaved:\n",
                startRuns);
    const double formEmpty = show("window, empty log", runs[0]);
    const double formFull = show("window, 100,000 tickets", runs[1]);
    const double bareEmpty = show("bare window, empty file", runs[2]);
    const double bareFull = show("bare window, same file decoded", runs[3]);
    const double added = formFull - formEmpty;
    const double floor = bareFull - bareEmpty;
    std::printf("  loading 100,000 tickets adds %.1f ms; reading and decoding adds %.1f ms "
                "(%.2fx)\n\n",
                added, floor, added / floor);
}

void benchEditing(const QString &path)
{
    SystemRandomSource random;
    Form1 window(random, path);
    paintOnce(window);
    auto *list = window.findChild<QTableView *>("ListView1");
    window.findChild<QLineEdit *>("Text8")->setText("Pick 5");
    window.findChild<QLineEdit *>("Text9")->setText("12/07/2026");
    window.findChild<QLineEdit *>("Text10")->setText("3-17-22-30-41");
    auto *add = window.findChild<QPushButton *>("Command2");
    auto *remove = window.findChild<QPushButton *>("Command3");
    std::vector<double> adds;
    std::vector<double> deletes;
    for (int run = 0; run < 15; ++run) {
        adds.push_back(milliseconds([&] { add->click(); }));
        const QModelIndex middle = list->model()->index(list->model()->rowCount() / 2, 0);
        list->selectionModel()->select(middle, QItemSelectionModel::ClearAndSelect |
                                                   QItemSelectionModel::Rows);
        deletes.push_back(milliseconds([&] { remove->click(); }));
    }
    const QByteArray saved = logBytes(tickets);
    std::vector<double> floors;
    for (int run = 0; run < 15; ++run) {
        floors.push_back(milliseconds([&] {
            QSaveFile file(path + ".floor");
            file.open(QIODevice::WriteOnly);
            file.write(saved);
            file.commit();
        }));
    }
    std::printf("With 100,000 tickets, median of 15: ADD %.1f ms, DELETE %.1f ms "
                "(floor, writing the same bytes: %.1f ms)\n",
                spreadOf(adds).median, spreadOf(deletes).median, spreadOf(floors).median);

    window.findChild<QTabWidget *>("SSTab1")->setCurrentIndex(1);
    auto *enter = window.findChild<QPushButton *>("Command1");
    std::printf("\"Enter\", mean of 2,000 presses:");
    for (int game = 1; game <= 4; ++game) {
        window.findChild<QRadioButton *>(QStringLiteral("Option%1").arg(game))->setChecked(true);
        const double ms = milliseconds([&] {
            for (int press = 0; press < 2000; ++press)
                enter->click();
        });
        std::printf("  Pick %d %.1f us", game + 2, ms * 1000.0 / 2000);
    }
    std::printf("\n");
}

// The bytes each step of a save writes, to the log and to the rollback copy.
class CountingSteps : public FileSteps
{
public:
    explicit CountingSteps(const QString &log) : m_log(log) {}
    qint64 logBytes = 0;
    qint64 otherBytes = 0;

protected:
    bool beforeStep(Kind, const QString &file, qint64 bytes, QString *) override
    {
        (file == m_log ? logBytes : otherBytes) += bytes;
        return true;
    }

private:
    QString m_log;
};

// A save in place, as in a folder the user cannot write: an ADD writes only
// the new ticket, a DELETE in the middle what follows it.
void benchInPlace(const QString &path)
{
    writeLog(path, tickets);
    LogListModel list;
    LoadLogFile(list, path);
    std::printf("\nA save in place with %d tickets (%lld bytes):\n", tickets,
                qlonglong(QFileInfo(path).size()));
    for (const bool add : {true, false}) {
        if (add) {
            list.append(u"Pick 5");
            list.setSubItem(list.size() - 1, 1, u"12/08/2026");
            list.setSubItem(list.size() - 1, 2, u"3-17-22-30-41");
        } else {
            list.remove(list.size() / 2);
        }
        CountingSteps steps(path);
        const double ms = milliseconds([&] { SaveLogFileInPlace(list, path, nullptr, steps); });
        std::printf("  %-22s %6.1f ms; wrote %lld bytes of the log, %lld of rollback copy\n",
                    add ? "ADD (a 35-byte ticket)" : "DELETE in the middle", ms,
                    qlonglong(steps.logBytes), qlonglong(steps.otherBytes));
    }
}

// The bytes this process has allocated and not freed, wherever they lie.
double allocatedBytes()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd);
}

void benchQueries(const QString &folder, int rows)
{
    const QString path = QStringLiteral("%1/queries-%2.wok").arg(folder).arg(rows);
    writeLog(path, rows);
    SystemRandomSource random;
    Form1 window(random, path);
    paintOnce(window);
    auto *queries = &window.findChild<ManagerPage *>()->queries();
    const auto typeInto = [&](const char *name, const QString &text) {
        auto *field = window.findChild<QLineEdit *>(name);
        std::vector<double> keys;
        field->clear();
        for (const QChar key : text)
            keys.push_back(milliseconds([&] { field->insert(QString(key)); }));
        return keys;
    };

    queries->openFind();
    const double before = allocatedBytes();
    // Each keystroke of "17-22": the first scans every ticket, the others
    // only those listed.
    const std::vector<double> keys = typeInto("FindText", "17-22");
    const double filterBytes = (allocatedBytes() - before) / rows;
    queries->closeBars();

    // The whole check is the last keystroke of the winning numbers.
    queries->openCheck();
    typeInto("CheckGame", "pick 5");
    const double beforeCheck = allocatedBytes();
    const double check = typeInto("CheckNumbers", "17 22 30 41 44").back();
    const double checkBytes = (allocatedBytes() - beforeCheck) / rows;
    queries->closeBars();

    const QString csv = folder + "/tickets.csv";
    const double exported = milliseconds([&] { queries->exportTickets(csv, false); });
    std::printf("  %9d tickets: find keystroke %6.1f ms first, %5.1f ms at most after; "
                "check %6.1f ms; export %6.1f ms; memory per ticket: filter %.1f B, "
                "check %.1f B\n",
                rows, keys.front(), *std::max_element(keys.begin() + 1, keys.end()), check,
                exported, filterBytes, checkBytes);
    QFile::remove(csv);
    QFile::remove(path);
}

} // namespace

// A click on the DATE header over a million tickets of dates spread over
// seven years, in no order; then the two clicks that give back the log's order.
void benchSort(const QString &path, int rows)
{
    QByteArray bytes;
    std::uint32_t seed = 12345;
    for (int row = 0; row < rows; ++row) {
        seed = seed * 1664525u + 1013904223u;
        const std::uint32_t day = seed >> 8;
        bytes += QStringLiteral("Pick 5\r\n%1/%2/%3\r\n3-17-22-30-41\r\n")
                     .arg(1 + day % 12)
                     .arg(1 + day / 12 % 28)
                     .arg(2020 + day / 336 % 7)
                     .toLatin1();
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return;
    file.close();
    SystemRandomSource random;
    Form1 window(random, path);
    paintOnce(window);
    QHeaderView *header = window.findChild<QTableView *>("ListView1")->horizontalHeader();
    const double before = allocatedBytes();
    const double sorted = milliseconds([&] { emit header->sectionClicked(1); });
    const double shown = (allocatedBytes() - before) / rows;
    emit header->sectionClicked(1);
    const double reversed = milliseconds([&] { emit header->sectionClicked(1); });
    std::printf("\nSort, in the window, %d tickets by date: %.1f ms; memory per ticket while "
                "sorted %.1f B, after %.1f B (log order back in %.1f ms)\n",
                rows, sorted, shown, (allocatedBytes() - before) / rows, reversed);
    QFile::remove(path);
}

// Writes each file whole; false where one could not be.
bool writeFiles(std::initializer_list<std::pair<QString, QByteArray>> files)
{
    for (const auto &[path, bytes] : files) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return false;
    }
    return true;
}

// A season of the game checked in the window, from the file chosen to the
// list shown, in milliseconds.
double checkSeason(Form1 &window, const QString &game, const QString &resultsPath)
{
    TicketQueries &queries = window.findChild<ManagerPage *>()->queries();
    queries.openCheck();
    window.findChild<QLineEdit *>("CheckGame")->setText(game);
    return milliseconds([&] {
        waitFor(&queries, &TicketQueries::resultsFileChecked,
                [&] { queries.checkResultsFile(resultsPath); });
    });
}

// A million Pick 3 tickets over 5,000 days, checked against a file of 10,000
// draws, midday and evening, from the file chosen to the list shown; then the
// same million tickets imported from a CSV file of 40 MB.
void benchSeason(const QString &folder, int rows, int draws)
{
    const auto dayText = [](int day) {
        const QDate date = QDate(2012, 1, 1).addDays(day);
        return date.toString(QStringLiteral("MM/dd/yyyy"));
    };
    QByteArray log;
    QByteArray csv = "GAME,DATE,NUMBERS\r\n";
    std::uint32_t seed = 4711;
    for (int row = 0; row < rows; ++row) {
        seed = seed * 1664525u + 1013904223u;
        const QString date = dayText(int(seed >> 8) % (draws / 2));
        const QString numbers =
            QStringLiteral("%1-%2-%3").arg(seed >> 28).arg(seed >> 24 & 7).arg(seed >> 20 & 7);
        log += QStringLiteral("Pick 3\r\n%1\r\n%2\r\n").arg(date, numbers).toLatin1();
        // Quoted as spreadsheets often quote: 40 bytes a ticket.
        csv += QStringLiteral("\"Pick 5\",\"%1\",\"%2-22-30-41\"\r\n")
                   .arg(date)
                   .arg(seed >> 26 | 10)
                   .toLatin1();
    }
    QByteArray results = "Draw Date,Draw,Winning Numbers,Fireball\r\n";
    for (int draw = 0; draw < draws; ++draw) {
        results += QStringLiteral("%1,%2,%3 %4 %5,1\r\n")
                       .arg(dayText(draw / 2),
                            draw % 2 ? QStringLiteral("Evening") : QStringLiteral("Midday"))
                       .arg(draw % 10)
                       .arg(draw / 10 % 10)
                       .arg(draw / 100 % 10)
                       .toLatin1();
    }
    const QString logPath = folder + "/season.wok";
    const QString resultsPath = folder + "/results.csv";
    const QString csvPath = folder + "/import.csv";
    if (!writeFiles({{logPath, log}, {resultsPath, results}, {csvPath, csv}}))
        return;
    {
        SystemRandomSource random;
        Form1 window(random, logPath);
        paintOnce(window);
        const double before = allocatedBytes();
        const double checked = checkSeason(window, QStringLiteral("Pick 3"), resultsPath);
        const double shown = (allocatedBytes() - before) / rows;
        window.findChild<ManagerPage *>()->queries().closeBars();
        std::printf("\nA season, in the window: %d tickets against %d draws %.1f ms, memory per "
                    "ticket while shown %.1f B, after %.1f B\n",
                    rows, draws, checked, shown, (allocatedBytes() - before) / rows);
    }
    QFile::remove(logPath);
    SystemRandomSource random;
    Form1 window(random, logPath);
    paintOnce(window);
    auto *page = window.findChild<ManagerPage *>();
    const double imported = milliseconds([&] {
        waitFor(page, &ManagerPage::importFinished, [&] { page->importTickets(csvPath); });
    });
    std::printf("Import of %d tickets (%.1f MB), read, added and saved: %.1f ms\n", rows,
                double(csv.size()) / 1e6, imported);
    for (const QString &path : {logPath, resultsPath, csvPath})
        QFile::remove(path);
}

// A million Numbers tickets against a file in the shape of New York's
// Numbers and Win 4 download, the largest of the real files: a line a day
// since 1994, its midday and evening draws of both games, a draw in ten with
// its leading zeros left out; from the file chosen to the list shown.
void benchRealShapeSeason(const QString &folder, int rows)
{
    QByteArray results = "Draw Date,Midday Daily #,Midday Daily Sum,Evening Daily #,Evening Daily "
                         "Sum,Midday Win 4 #,Midday Win 4 Sum,Evening Win 4 #,Evening Win 4 "
                         "Sum,Midday Daily Booster,Evening Daily Booster,Midday Win 4 "
                         "Booster,Evening Win 4 Booster\r\n";
    std::uint32_t seed = 4711;
    const QDate first(1994, 1, 1);
    const QDate last(2025, 12, 31);
    const auto draw = [&](int digits) {
        seed = seed * 1664525u + 1013904223u;
        const int value = int(seed >> 8) % (digits == 3 ? 1000 : 10000);
        // One in ten written as a number, its leading zeros left out.
        return seed % 10 == 0 ? QByteArray::number(value)
                              : QByteArray::number(value).rightJustified(digits, '0');
    };
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        results += day.toString(QStringLiteral("MM/dd/yyyy")).toLatin1() + ',' + draw(3) + ",," +
                   draw(3) + ",," + draw(4) + ",," + draw(4) + ",,,,,\r\n";
    }
    const int days = int(first.daysTo(last)) + 1;
    QByteArray log;
    log.reserve(qsizetype(rows) * 32);
    for (int row = 0; row < rows; ++row) {
        seed = seed * 1664525u + 1013904223u;
        log +=
            "Numbers\r\n" +
            first.addDays(int(seed >> 4) % days).toString(QStringLiteral("MM/dd/yyyy")).toLatin1() +
            "\r\n" + QByteArray::number(seed >> 28) + '-' + QByteArray::number(seed >> 24 & 7) +
            '-' + QByteArray::number(seed >> 20 & 7) + "\r\n";
    }
    const QString logPath = folder + "/numbers.wok";
    const QString resultsPath = folder + "/numbers-win4.csv";
    if (!writeFiles({{logPath, log}, {resultsPath, results}}))
        return;
    SystemRandomSource random;
    Form1 window(random, logPath);
    paintOnce(window);
    const double checked = checkSeason(window, QStringLiteral("Numbers"), resultsPath);
    const QString status = window.findChild<QLabel *>("CheckStatus")->text();
    std::printf("A season in New York's Numbers and Win 4 shape (%.1f MB, %s): %d tickets in "
                "%.1f ms\n",
                double(results.size()) / 1e6, qPrintable(status), rows, checked);
    window.findChild<ManagerPage *>()->queries().closeBars();
    for (const QString &path : {logPath, resultsPath})
        QFile::remove(path);
}

// A million Powerball tickets against 10,000 draws: what the summing line and
// the money take beside the season's check, what the chart takes to follow a
// keystroke of find, and a report of 10,000 winners.
void benchGlance(const QString &folder, int rows, int draws)
{
    const QDate first(2015, 10, 7);
    QByteArray log;
    std::uint32_t seed = 99;
    const auto next = [&] { return seed = seed * 1664525u + 1013904223u; };
    for (int row = 0; row < rows; ++row) {
        const QDate day = first.addDays(int(next() >> 8) % draws);
        log += "Powerball\r\n" + day.toString(QStringLiteral("MM/dd/yyyy")).toLatin1() + "\r\n";
        for (int white = 0; white < 5; ++white)
            log += QByteArray::number(1 + next() % 69) + (white < 4 ? "-" : " PB ");
        log += QByteArray::number(1 + next() % 26) + "\r\n";
    }
    QByteArray results = "Draw Date,Winning Numbers,Powerball,Power Play\r\n";
    for (int draw = 0; draw < draws; ++draw) {
        results += first.addDays(draw).toString(QStringLiteral("MM/dd/yyyy")).toLatin1() + ',';
        for (int white = 0; white < 5; ++white)
            results += QByteArray::number(1 + next() % 69) + (white < 4 ? " " : ",");
        results += QByteArray::number(1 + next() % 26) + ",2\r\n";
    }
    const QString logPath = folder + "/glance.wok";
    const QString resultsPath = folder + "/powerball-draws.csv";
    if (!writeFiles({{logPath, log}, {resultsPath, results}}))
        return;
    SystemRandomSource random;
    Form1 window(random, logPath);
    paintOnce(window);
    auto *listed = window.findChild<ListedTickets *>();
    const double checked = checkSeason(window, QStringLiteral("Powerball"), resultsPath);
    const double before = allocatedBytes();
    std::optional<CheckSummary> summary;
    const double summed = milliseconds([&] {
        summary.emplace(*window.findChild<LogListModel *>(), *listed->checkedGame(),
                        listed->listed(), listed->season(), listed->seasonMoney());
    });
    const double summaryBytes = (allocatedBytes() - before) / rows;
    std::printf("\nA season of %d Powerball tickets against %d draws: %.1f ms in all, of which the "
                "summing line and the money %.1f ms, in %.2f B a ticket (%s; %s)\n",
                rows, draws, checked, summed, summaryBytes, qPrintable(summary->results().left(60)),
                qPrintable(summary->money()));
    window.findChild<QAction *>("NumbersChartAction")->trigger();
    window.findChild<ManagerPage *>()->queries().openFind();
    auto *find = window.findChild<QLineEdit *>("FindText");
    const double keystroke = milliseconds([&] { find->setText(QStringLiteral("PB 1")); });
    const double followed = milliseconds([&] { NumberCounts::of(*listed); });
    std::printf("The chart following a keystroke of find over them (%d listed): the keystroke "
                "%.1f ms, then the chart's counts %.1f ms\n",
                listed->rowCount(), keystroke, followed);
    SeasonReport report;
    report.game = QStringLiteral("Powerball");
    report.drawsFile = QStringLiteral("powerball-draws.csv");
    report.made = QDate::currentDate();
    report.summary << summary->results() << summary->money();
    report.counts = NumberCounts::of(*listed);
    report.titles = QStringList{"GAME", "DATE", "NUMBERS", "MATCH", "DRAW", "PRIZE"};
    for (int winner = 0; winner < 10000; ++winner)
        report.winners.push_back({{"Powerball", "11/28/2026", "5-12-23-34-45 PB 7", "3 of 5 + PB",
                                   "5 12 23 40 41 PB 7", "$100"},
                                  {}});
    const QString pdf = folder + "/report.pdf";
    QString reason;
    const double written = milliseconds([&] { report.write(pdf, &reason); });
    QFile file(pdf);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const qsizetype count = bytes.lastIndexOf("/Count ");
    std::printf(
        "A report of 10,000 winners: %.0f ms, %s pages, %.1f MB\n", written,
        count < 0 ? "?" : bytes.mid(count + 7, bytes.indexOf('\n', count) - count - 7).constData(),
        double(bytes.size()) / 1e6);
    for (const QString &path : {logPath, resultsPath, pdf})
        QFile::remove(path);
}

// A million Powerball tickets as printed against 10,000 draws on Powerball's
// days, with the multiplier and Double Play's numbers: a tenth of them of ten
// draws, a third with Power Play or Double Play; the season's check, then the
// summing line and the money, which walk every draw of every ticket.
void benchTicketsAsPrinted(const QString &folder, int rows, int draws)
{
    std::vector<QDate> days;
    for (QDate day(2021, 8, 23); int(days.size()) < draws; day = day.addDays(1)) {
        const int weekday = day.dayOfWeek();
        if (weekday == Qt::Monday || weekday == Qt::Wednesday || weekday == Qt::Saturday)
            days.push_back(day);
    }
    std::uint32_t seed = 2021;
    const auto next = [&] { return seed = seed * 1664525u + 1013904223u; };
    const auto numbers = [&](QByteArray &line, const char *between, const char *ball) {
        for (int white = 0; white < 5; ++white)
            line += QByteArray::number(1 + next() % 69) + (white < 4 ? between : ball);
        line += QByteArray::number(1 + next() % 26);
    };
    QByteArray log;
    for (int row = 0; row < rows; ++row) {
        const QByteArray date = days[(next() >> 8) % std::uint32_t(draws)]
                                    .toString(QStringLiteral("MM/dd/yyyy"))
                                    .toLatin1();
        log += "Powerball\r\n" + date + (row % 10 == 0 ? " x10\r\n" : "\r\n");
        numbers(log, "-", " PB ");
        log += row % 3 == 0 ? (row % 6 == 0 ? " PP\r\n" : " DP\r\n") : "\r\n";
    }
    QByteArray results = "Draw Date,Winning Numbers,Multiplier,Double Play Winning Numbers\r\n";
    for (const QDate &day : days) {
        results += day.toString(QStringLiteral("MM/dd/yyyy")).toLatin1() + ',';
        numbers(results, " ", " ");
        results += ',' + QByteArray::number(2 + next() % 4) + ',';
        numbers(results, " ", " ");
        results += "\r\n";
    }
    const QString logPath = folder + "/printed.wok";
    const QString resultsPath = folder + "/powerball-doubleplay.csv";
    if (!writeFiles({{logPath, log}, {resultsPath, results}}))
        return;
    SystemRandomSource random;
    Form1 window(random, logPath);
    paintOnce(window);
    auto *listed = window.findChild<ListedTickets *>();
    const double checked = checkSeason(window, QStringLiteral("Powerball"), resultsPath);
    std::optional<CheckSummary> summary;
    const double summed = milliseconds([&] {
        summary.emplace(*window.findChild<LogListModel *>(), *listed->checkedGame(),
                        listed->listed(), listed->season());
    });
    std::printf("A season of %d Powerball tickets as printed (a tenth of 10 draws, a third with "
                "Power Play or Double Play) against %d draws: %.1f ms, the money summed as they "
                "are checked; every ticket priced anew, as after an edit, %.1f ms (%s)\n",
                rows, draws, checked, summed, qPrintable(summary->money()));
    // What is left to claim, summed as the tickets were checked, is on the
    // money line already; the Winnings window lists each winning draw.
    const double winnings = milliseconds(
        [&] { window.findChild<QAction *>(QStringLiteral("WinningsAction"))->trigger(); });
    std::printf(
        "  its Winnings window, %d winning draws each with by when and where to claim "
        "it: %.1f ms (%s)\n",
        window.findChild<QTableView *>(QStringLiteral("WinningsTable"))->model()->rowCount(),
        winnings, qPrintable(window.findChild<QLabel *>(QStringLiteral("WinningsLine"))->text()));
    window.findChild<ManagerPage *>()->queries().closeBars();
    for (const QString &path : {logPath, resultsPath})
        QFile::remove(path);
}

// The record of a tax year of 10,000 claims, read from claims.csv and saved
// as a PDF of some 200 pages.
void benchTaxYear(const QString &folder, int claims)
{
    QByteArray csv = "\xEF\xBB\xBF"
                     "Claimed,Game,Ticket Date,Numbers,Draw,State,Prize,Wager,Paid,"
                     "Federal Withheld,State Withheld\r\n";
    for (int claim = 0; claim < claims; ++claim) {
        const QByteArray day = QDate(2026, 1, 1)
                                   .addDays(claim % 365)
                                   .toString(QStringLiteral("MM/dd/yyyy"))
                                   .toLatin1();
        csv += day + ",Powerball," + day + ",1 2 3 4 5 PB " + QByteArray::number(claim % 26 + 1) +
               ',' + day + ",TX," + QByteArray::number(4 + claim % 5000) + ".00,2.00," +
               QByteArray::number(4 + claim % 5000) + ".00,0.00,0.00\r\n";
    }
    const QString path = folder + "/claims.csv";
    if (!writeFiles({{path, csv}}))
        return;
    LogListModel log;
    bool saved = false;
    const double ms = milliseconds([&] {
        ClaimBook book(path);
        if (book.read() != ClaimBook::Read::Read || int(book.records().size()) != claims)
            std::printf("claims.csv NOT read whole: %d claims\n", int(book.records().size()));
        QString reason;
        const TaxYearRecord record = TaxYearRecord::of(2026, book, log, nullptr, 20261209);
        saved = RecordPdf::write(record.heading(), record.sections, folder + "/tax.pdf", &reason);
    });
    std::printf("A tax year of %d claims read from claims.csv and saved as PDF: %.1f ms (%s, "
                "%lld KB)\n",
                claims, ms, saved ? "saved" : "NOT saved",
                qlonglong(QFileInfo(folder + "/tax.pdf").size() / 1024));
}

// Get Results of Powerball from an HTTPS server of the bench's own on
// 127.0.0.1: a file of 2 MB fetched, kept and checked against 100,000 tickets,
// from the click to the list shown; and the longest the window went without
// answering meanwhile.
void benchFetch(const QString &folder, int rows)
{
    QProcess openssl;
    const QString key = folder + "/bench.key";
    const QString certificate = folder + "/bench.pem";
    openssl.start("openssl", {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1",
                              "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1",
                              "-keyout", key, "-out", certificate});
    if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0) {
        std::printf("\nGet Results: skipped, as openssl could not make a certificate\n");
        return;
    }
    const QSslCertificate trusted = QSslCertificate::fromPath(certificate).value(0);
    QSslConfiguration trusting = QSslConfiguration::defaultConfiguration();
    trusting.addCaCertificate(trusted);
    QSslConfiguration::setDefaultConfiguration(trusting);
    QFile keyFile(key);
    keyFile.open(QIODevice::ReadOnly);
    HttpsServer server;
    if (!server.listen("localhost", trusted, QSslKey(keyFile.readAll(), QSsl::Rsa)))
        return;
    QByteArray file = "Draw Date,Winning Numbers,Multiplier\n";
    std::uint32_t seed = 7;
    const auto next = [&] { return seed = seed * 1664525u + 1013904223u; };
    for (QDate day(1990, 1, 3); file.size() < (2 << 20); day = day.addDays(1)) {
        file += day.toString(QStringLiteral("MM/dd/yyyy")).toLatin1() + ',';
        for (int white = 0; white < 5; ++white)
            file += QByteArray::number(1 + next() % 69).rightJustified(2, '0') + ' ';
        file += QByteArray::number(1 + next() % 26).rightJustified(2, '0') + ",2\n";
    }
    server.answer = [&](const QByteArray &) { return HttpsServer::Answer{200, {}, file}; };
    QByteArray log;
    for (int row = 0; row < rows; ++row) {
        log += "Powerball\r\n" +
               QDate(2000, 1, 1).addDays(int(next() % 9000)).toString("MM/dd/yyyy").toLatin1() +
               "\r\n";
        for (int white = 0; white < 5; ++white)
            log += QByteArray::number(1 + next() % 69) + (white < 4 ? " " : " PB ");
        log += QByteArray::number(1 + next() % 26) + "\r\n";
    }
    const QString logPath = folder + "/fetch.wok";
    if (!writeFiles({{logPath, log}}))
        return;
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder + "/data"));
    qputenv("TICKETWISE_RESULTS_MIRROR",
            QStringLiteral("https://127.0.0.1:%1").arg(server.port()).toLatin1());
    SystemRandomSource random;
    Form1 window(random, logPath);
    paintOnce(window);
    TicketQueries &queries = window.findChild<ManagerPage *>()->queries();
    queries.openCheck();
    window.findChild<QLineEdit *>("CheckGame")->setText(QStringLiteral("Powerball"));
    QElapsedTimer sinceTick;
    qint64 longestPause = 0;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout,
                     [&] { longestPause = std::max(longestPause, sinceTick.restart()); });
    sinceTick.start();
    ticks.start(5);
    const double fetched = milliseconds(
        [&] { waitFor(&queries, &TicketQueries::resultsFetched, [&] { queries.getResults(); }); });
    ticks.stop();
    const QString line = window.findChild<QLabel *>("CheckSource")->accessibleName();
    std::printf("\nGet Results: a file of %.1f MB fetched over HTTPS from 127.0.0.1, kept and "
                "checked against %d tickets in %.0f ms; the window's longest pause meanwhile "
                "%lld ms (%s)\n",
                double(file.size()) / (1 << 20), rows, fetched, qlonglong(longestPause),
                qPrintable(line.left(60)));
    window.findChild<ManagerPage *>()->queries().closeBars();
    qunsetenv("TICKETWISE_RESULTS_MIRROR");
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == "--start")
        return startOnce(args[2], args[3]);
    if (args.size() == 3 && args[1] == "--draws")
        return readDrawsOnce(args[2]);
    if (args.size() == 2 && args[1] == "--season") {
        QTemporaryDir dir;
        benchSeason(dir.path(), 1000000, 10000);
        benchRealShapeSeason(dir.path(), 1000000);
        benchGlance(dir.path(), 1000000, 10000);
        benchTicketsAsPrinted(dir.path(), 1000000, 10000);
        return 0;
    }
    if (args.size() == 2 && args[1] == "--printed") {
        QTemporaryDir dir;
        benchTicketsAsPrinted(dir.path(), 1000000, 10000);
        return 0;
    }
    if (args.size() == 2 && args[1] == "--taxyear") {
        QTemporaryDir dir;
        benchTaxYear(dir.path(), 10000);
        return 0;
    }
    if (args.size() == 2 && args[1] == "--fetch") {
        QTemporaryDir dir;
        benchFetch(dir.path(), 100000);
        return 0;
    }
    if (args.size() == 2 && args[1] == "--texts") {
        QTemporaryDir dir;
        benchOtherTexts();
        benchRealShapeSeason(dir.path(), 1000000);
        benchDrawsFile(dir.path());
        return 0;
    }

    std::printf("Ticketwise benchmark, offscreen: %s\n\n", qPrintable(machine()));
    QTemporaryDir dir;
    // --queries: find, check and export alone.
    const bool queriesAlone = args.size() == 2 && args[1] == "--queries";
    const QString empty = dir.filePath("empty.wok");
    const QString full = dir.filePath("saved.wok");
    writeLog(empty, 0);
    writeLog(full, tickets);
    if (!queriesAlone) {
        benchStartUp(empty, full);
        benchEditing(full);
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path()));
        benchInPlace(dir.filePath("inplace.wok"));
    }
    std::printf("\nFind, check a draw and export, in the window:\n");
    for (int rows : {100000, 1000000})
        benchQueries(dir.path(), rows);
    benchSort(dir.filePath("sort.wok"), 1000000);
    benchSeason(dir.path(), 1000000, 10000);
    benchRealShapeSeason(dir.path(), 1000000);
    benchGlance(dir.path(), 1000000, 10000);
    benchTicketsAsPrinted(dir.path(), 1000000, 10000);
    benchFetch(dir.path(), 100000);
    benchTaxYear(dir.path(), 10000);
    benchDrawsFile(dir.path());
    benchOtherTexts();
    return 0;
}
