#include "filewarning.h"

#include <QMessageBox>

void WarnNotWritten(QWidget *window, const QString &text, const QString &reason)
{
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Ticketwise"), text,
                                QMessageBox::Ok, window);
    box->setInformativeText(reason);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
