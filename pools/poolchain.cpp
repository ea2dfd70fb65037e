#include "poolchain.h"

#include <QCryptographicHash>

namespace PoolChain {

QString next(const QString &previous, const QByteArray &values)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(previous.toLatin1());
    hash.addData(QByteArrayView("\n"));
    hash.addData(values);
    return QString::fromLatin1(hash.result().toHex());
}

bool isChain(QStringView cell)
{
    if (cell.size() != 64)
        return false;
    for (const QChar c : cell) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F')))
            return false;
    }
    return true;
}

QString shortened(const QString &chain)
{
    return chain.left(16);
}

} // namespace PoolChain
