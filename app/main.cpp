#include "form1.h"
#include "loglocation.h"
#include "singleinstance.h"
#include "systemrandomsource.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ticketwise"));
    const LogLocation log = ChooseLogLocation();
    SingleInstance instance(log.saveTo);
    if (instance.handedToRunningCopy())
        return 0;
    SystemRandomSource random;
    Form1 window(random, log);
    instance.raiseOnRequest(&window);
    window.show();
    return app.exec();
}
