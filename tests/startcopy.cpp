// startcopy LOG AT: at AT (milliseconds since 1970), starts on LOG as the
// program does, and prints what the start came to: "alone", "handed" or
// "not answering". Alone, it answers later starts as a window would, until
// it is killed or 30 seconds have passed.
#include "singleinstance.h"

#include <QApplication>
#include <QDateTime>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const qint64 at = QByteArray(argv[2]).toLongLong();
    while (QDateTime::currentMSecsSinceEpoch() < at)
        QThread::usleep(200);
    SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    const SingleInstance::Start start = instance.start();
    std::puts(start == SingleInstance::Start::Alone                 ? "alone"
              : start == SingleInstance::Start::HandedToRunningCopy ? "handed"
                                                                    : "not answering");
    std::fflush(stdout);
    if (start != SingleInstance::Start::Alone)
        return 0;
    QWidget window;
    instance.raiseOnRequest(&window);
    QTimer::singleShot(30'000, &app, &QCoreApplication::quit);
    return app.exec();
}
