#include "claimreminder.h"

#include "loglistmodel.h"
#include "winningsdue.h"

#include <QDir>
#include <QThread>

#include <memory>

ClaimReminder::ClaimReminder(QObject *parent) : QObject(parent) {}

ClaimReminder::~ClaimReminder()
{
    if (m_thread)
        m_thread->wait();
}

void ClaimReminder::start(const LogListModel &log, std::vector<ClaimRecord> claims,
                          const UsState *player, const QString &drawsFolder, int today,
                          std::function<void(std::vector<Winning>)> found)
{
    if (m_thread || !QDir(drawsFolder).exists())
        return;
    std::shared_ptr<LogListModel> copy = log.copy();
    m_thread = QThread::create([this, copy, claims = std::move(claims), player, drawsFolder, today,
                                found = std::move(found)] {
        std::vector<Winning> near = WinningsDue(*copy, drawsFolder, claims, player, today);
        std::erase_if(
            near, [today](const Winning &winning) { return !IsNearItsDeadline(winning, today); });
        QMetaObject::invokeMethod(
            this, [found, near = std::move(near)] { found(near); }, Qt::QueuedConnection);
    });
    // Deleted with the reminder, once it has waited for it, if not before.
    m_thread->setParent(this);
    connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    m_thread->start(QThread::LowPriority);
}
