#include "openlink.h"

#include <QDesktopServices>
#include <QUrl>

void OpenWebAddress(std::string_view address)
{
    QDesktopServices::openUrl(
        QUrl::fromEncoded(QByteArray(address.data(), qsizetype(address.size())), QUrl::StrictMode));
}
