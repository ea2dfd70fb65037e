#include "form1.h"
#include "systemrandomsource.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SystemRandomSource random;
    Form1 window(random);
    window.show();
    return app.exec();
}
