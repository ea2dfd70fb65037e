// keptwriter pools|claims PATH NAME COUNT: adds COUNT lines to the pools
// file or the claims file at PATH, one at a time, as a copy of the program
// does: a member NAME1, NAME2 ... of the pool "Office", or a claim of the
// ticket NAME for each of COUNT draws. Exits with how many could not be
// added, each reason on stderr.
// keptwriter hold PATH - SECONDS: holds the lock of the file at PATH, says
// "held", and waits so long before it ends.
#include "claimbook.h"
#include "filelock.h"
#include "poolbook.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 5)
        return 100;
    const QString path = arguments[2];
    const QString name = arguments[3];
    const int count = arguments[4].toInt();
    int failed = 0;
    QString reason;
    if (arguments[1] == "hold") {
        FileLock lock(path);
        if (!lock.lock(1000, &reason))
            return 1;
        std::printf("held\n");
        std::fflush(stdout);
        QThread::sleep(unsigned(count));
        return 0;
    }
    if (arguments[1] == "pools") {
        PoolBook book(path);
        book.read();
        for (int at = 1; at <= count; ++at) {
            PoolEntry member;
            member.pool = QStringLiteral("Office");
            member.kind = PoolEntry::Kind::Member;
            member.member = name + QString::number(at);
            if (!book.add({member}, &reason)) {
                std::fprintf(stderr, "%s\n", qPrintable(reason));
                ++failed;
            }
        }
    } else {
        ClaimBook book(path);
        book.read();
        for (int at = 1; at <= count; ++at) {
            ClaimRecord claim;
            claim.game = name;
            claim.claimed = claim.drawDate = 20260101 + (at - 1) % 28 + (at - 1) / 28 * 100;
            if (!book.add(claim, &reason)) {
                std::fprintf(stderr, "%s\n", qPrintable(reason));
                ++failed;
            }
        }
    }
    return failed;
}
