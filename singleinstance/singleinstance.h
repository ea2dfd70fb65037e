#pragma once

#include <QObject>
#include <QString>
#include <QThread>

class QWidget;
class StartAnswerer;

// One running copy per ticket log. A second start on the same log asks the
// running copy to bring its window to the front and then ends, so that
// neither copy overwrites tickets the other one added. Copies with different
// logs do not meet. A copy that has crashed is not waited for. One that holds
// the log but does not answer within a second, stopped or hung, may wake and
// save again: the new start must not open the log beside it. A copy still
// loading a long log is neither: a thread of its own answers for it until its
// window stands.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString &logPath, QObject *parent = nullptr);
    ~SingleInstance() override;

    // The local socket name of the copies on this log, for this user, where
    // no other user can make it first; empty where none can be had.
    static QString serverName(const QString &logPath);

    enum class Start
    {
        Alone,                  // no other copy on this log, or none can be told of
        HandedToRunningCopy,    // the running copy came to the front: this start ends
        RunningCopyNotAnswering // a copy holds the log but does not answer
    };
    Start start();
    // The window stands: from now on a later start brings it to the front.
    void raiseOnRequest(QWidget *window);

private:
    QString m_name;
    QThread m_thread;
    StartAnswerer *m_answerer;
};
