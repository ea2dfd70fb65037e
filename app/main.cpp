#include "form1.h"
#include "loglocation.h"
#include "singleinstance.h"
#include "systemrandomsource.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ticketwise"));
    const LogLocation log = ChooseLogLocation();
    SingleInstance instance(log.saveTo);
    switch (instance.start()) {
    case SingleInstance::Start::Alone:
        break;
    case SingleInstance::Start::HandedToRunningCopy:
        return 0;
    case SingleInstance::Start::RunningCopyNotAnswering: {
        QMessageBox message(QMessageBox::Warning, QStringLiteral("Ticketwise"),
                            QStringLiteral("Ticketwise is already running with this ticket log "
                                           "and is not responding."));
        message.setInformativeText(QDir::toNativeSeparators(log.saveTo));
        message.exec();
        return 1;
    }
    }
    SystemRandomSource random;
    Form1 window(random, log);
    instance.raiseOnRequest(&window);
    window.show();
    // A second after the window stands, so that it never waits for it.
    QTimer::singleShot(1000, &window, [&window] { window.remindOfClaims(); });
    return app.exec();
}
