#pragma once

#include <QLocalServer>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <vector>

class QLocalSocket;

// The one-window server, on a thread of its own. Until the window stands it
// tells every later start that this copy is loading, again and again, so
// that a long log is not taken for a hung copy; from then on it hands each
// request to the window, which answers when it has come to the front.
class StartAnswerer : public QObject
{
    Q_OBJECT

public:
    // What a later start asks, and what the running copy answers: "loading"
    // every loadingInterval milliseconds until its window stands, then
    // "raised".
    static inline const QByteArray request = "raise\n";
    static inline const QByteArray loading = "loading\n";
    static inline const QByteArray raised = "ok\n";
    static constexpr int loadingInterval = 250;

    StartAnswerer();

    enum class Listen
    {
        Listening,
        NameInUse, // another copy took the name first
        Failed     // no server can be set up here
    };
    Listen listen(const QString &name);
    // Runs on this object's thread: from now on requests go to raise, which
    // runs on the window's thread and is given the answer to send back.
    void windowStands(std::function<void(std::function<void()> answer)> raise);

private:
    void takeConnections();
    void handle(QLocalSocket *socket);
    void passOn(QLocalSocket *socket);

    QLocalServer m_server{this};
    QTimer m_stillLoading{this};
    std::vector<QPointer<QLocalSocket>> m_waiting;
    std::function<void(std::function<void()>)> m_raise;
};
