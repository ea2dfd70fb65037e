#include "poolchain.h"

#include <QCryptographicHash>

#include <algorithm>

namespace PoolChain {

QString next(const QString &previous, const QByteArray &values)
{
    // The chain before as its 32 bytes, so that most lines are hashed in
    // two blocks. One hash for every line read: a file of many thousand
    // lines has as many chains.
    thread_local QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.reset();
    const QByteArray before = QByteArray::fromHex(previous.toLatin1());
    hash.addData(before);
    hash.addData(values);
    return QString::fromLatin1(hash.resultView().toByteArray().toHex());
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
