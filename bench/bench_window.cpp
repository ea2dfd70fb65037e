// Start-up, ADD, DELETE and "Enter" of the real window, offscreen, with saved
// logs of 0 to 100,000 tickets; each figure beside the floor measured in the
// same run. Prints a table; checks nothing.
#include "form1.h"
#include "systemrandomsource.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

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
    file.open(QIODevice::WriteOnly);
    file.write(logBytes(rows));
}

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

double milliseconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

double medianMs(int runs, const std::function<void()> &work)
{
    std::vector<double> samples;
    for (int run = 0; run < runs; ++run)
        samples.push_back(milliseconds(work));
    return median(samples);
}

void paintOnce(QWidget &window)
{
    window.show();
    QCoreApplication::processEvents();
    window.repaint();
}

// The floor of start-up: a bare window with the same three tabs, and reading
// and decoding the same file.
void bareStartUp(const QString &path)
{
    QWidget window;
    window.resize(382, 449);
    auto *tabs = new QTabWidget(&window);
    tabs->setGeometry(0, 0, 377, 433);
    for (const char *caption : {"MANAGER", "LUCKY NUMBERS", "LOTTO PLUS"})
        tabs->addTab(new QWidget, QString::fromLatin1(caption));
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QStringDecoder decoder("windows-1252");
    const QString text = decoder.decode(file.readAll());
    paintOnce(window);
}

// The high-water mark of this process's resident memory. (getrusage would
// report the parent's peak too, which a started process inherits.)
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

// Run in a process of its own, so that nothing else counts towards the peak.
int measurePeak(bool bare, int rows)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("saved.wok");
    writeLog(path, rows);
    SystemRandomSource random;
    if (bare) {
        bareStartUp(path);
    } else {
        Form1 window(random, path);
        paintOnce(window);
    }
    std::printf("%ld\n", peakKilobytes());
    return 0;
}

double peakMegabytes(const QString &mode, int rows)
{
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(), {mode, QString::number(rows)});
    process.waitForFinished(-1);
    return process.readAllStandardOutput().trimmed().toDouble() / 1024.0;
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

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == "--peak")
        return measurePeak(false, args[2].toInt());
    if (args.size() == 3 && args[1] == "--peak-bare")
        return measurePeak(true, args[2].toInt());

    std::printf("Ticketwise benchmark, offscreen: %s\n\n", qPrintable(machine()));
    std::printf("%8s | %13s %8s | %8s %10s %8s\n", "tickets", "start-up ms", "floor", "ADD ms",
                "DELETE ms", "floor");

    SystemRandomSource random;
    for (int rows : {0, 1000, 10000, 100000}) {
        QTemporaryDir dir;
        const QString path = dir.filePath("saved.wok");
        writeLog(path, rows);

        const double startUp = medianMs(7, [&] {
            Form1 window(random, path);
            paintOnce(window);
        });
        const double startUpFloor = medianMs(7, [&] { bareStartUp(path); });

        Form1 window(random, path);
        paintOnce(window);
        auto *list = window.findChild<QTreeView *>("ListView1");
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
        const QByteArray saved = logBytes(rows);
        const double saveFloor = medianMs(15, [&] {
            QSaveFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write(saved);
            file.commit();
        });
        std::printf("%8d | %13.2f %8.2f | %8.2f %10.2f %8.2f\n", rows, startUp, startUpFloor,
                    median(adds), median(deletes), saveFloor);
    }

    QTemporaryDir dir;
    Form1 window(random, dir.filePath("saved.wok"));
    paintOnce(window);
    window.findChild<QTabWidget *>("SSTab1")->setCurrentIndex(1);
    auto *enter = window.findChild<QPushButton *>("Command1");
    std::printf("\n\"Enter\", mean of 2,000 presses:");
    for (int game = 1; game <= 4; ++game) {
        window.findChild<QRadioButton *>(QStringLiteral("Option%1").arg(game))->setChecked(true);
        const double ms = milliseconds([&] {
            for (int press = 0; press < 2000; ++press)
                enter->click();
        });
        std::printf("  Pick %d %.1f us", game + 2, ms * 1000.0 / 2000);
    }

    std::printf("\n\nPeak memory with 100,000 tickets: %.1f MB (floor: %.1f MB)\n",
                peakMegabytes("--peak", 100000), peakMegabytes("--peak-bare", 100000));
    return 0;
}
