#pragma once

#include "claimrecord.h"
#include "seasonwinnings.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class LogListModel;
class QThread;

// Once the window stands, the log is checked against the files of past
// draws kept by Get Results, on a thread of its own, with no network: the
// winning draws not marked claimed whose deadline is 30 days off or less,
// or passed in the last 30, are told of. Nothing to read starts nothing.
class ClaimReminder : public QObject
{
    Q_OBJECT

public:
    explicit ClaimReminder(QObject *parent = nullptr);
    ~ClaimReminder() override;

    // found is called on this object's thread, with nothing where nothing is
    // near its deadline.
    void start(const LogListModel &log, std::vector<ClaimRecord> claims, const UsState *player,
               const QString &drawsFolder, int today,
               std::function<void(std::vector<Winning>)> found);

private:
    QPointer<QThread> m_thread;
};
