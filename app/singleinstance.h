#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

class QWidget;

// One running copy per ticket log. A second start on the same log asks the
// running copy to bring its window to the front and then ends, so that
// neither copy overwrites tickets the other one added. Copies with different
// logs do not meet. A copy that has crashed is not waited for, and one that
// does not answer within a moment is left alone.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString &logPath, QObject *parent = nullptr);

    // The local socket name of the copies on this log, for this user.
    static QString serverName(const QString &logPath);

    // True when a running copy on this log took the request: this start ends.
    // Otherwise this copy takes the name for itself.
    bool handedToRunningCopy();
    // Brings the window to the front whenever a later start asks.
    void raiseOnRequest(QWidget *window);

signals:
    void raiseRequested();

private:
    bool askRunningCopy();
    bool listen();
    void answer();

    QString m_name;
    QLocalServer m_server;
};
