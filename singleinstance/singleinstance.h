#pragma once

#include "namefolder.h"

#include <QObject>
#include <QString>
#include <QThread>

#include <vector>

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
    using NameFolder = ::NameFolder;
    // Where this user's copies may hold the name, in the order a first start
    // takes them. They follow from who the user is alone, never from the
    // environment a start was given, so starts from a desktop, a shell
    // without a session or su all find one another.
    static std::vector<NameFolder> nameFolders();

    explicit SingleInstance(const QString &logPath, QObject *parent = nullptr);
    // The same, with the folders given.
    SingleInstance(const QString &logPath, std::vector<NameFolder> folders,
                   QObject *parent = nullptr);
    ~SingleInstance() override;

    // The local socket name of the copies on this log, for this user, in a
    // folder; a name no other user can make first, where the folder is the
    // user's private one.
    static QString serverName(const QString &folder, const QString &logPath);
    // The name this copy holds, once it started alone and listens.
    QString heldName() const { return m_held; }

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
    QString m_logPath;
    std::vector<NameFolder> m_folders;
    QString m_held;
    QString m_claimed; // this start's claim to be first, held while it runs
    QThread m_thread;
    StartAnswerer *m_answerer;
};
