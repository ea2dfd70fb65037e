#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

class QWidget;

// One running copy per ticket log. A second start on the same log asks the
// running copy to bring its window to the front and then ends, so that
// neither copy overwrites tickets the other one added. Copies with different
// logs do not meet. A copy that has crashed is not waited for. One that holds
// the log but does not answer within a second, stopped or hung, may wake and
// save again: the new start must not open the log beside it.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString &logPath, QObject *parent = nullptr);

    // The local socket name of the copies on this log, for this user.
    static QString serverName(const QString &logPath);

    enum class Start
    {
        Alone,                  // no copy runs on this log: this one takes the name
        HandedToRunningCopy,    // the running copy came to the front: this start ends
        RunningCopyNotAnswering // a copy holds the log but does not answer
    };
    Start start();
    // Brings the window to the front whenever a later start asks.
    void raiseOnRequest(QWidget *window);

signals:
    void raiseRequested();

private:
    bool listen();
    void answer();

    QString m_name;
    QLocalServer m_server;
};
