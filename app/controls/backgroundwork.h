#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QProgressDialog;
class QThread;
class QWidget;

// Work on a thread of its own, such as reading a file the user picked,
// while the window goes on answering: after half a second a progress dialog
// says how far it is, with a Cancel. One at a time: a new start cancels the
// work before it, whose end is then let go unheard.
class BackgroundWork : public QObject
{
    Q_OBJECT

public:
    // progress(done, of) is told how far the work is; false once it is
    // cancelled, and the work should stop soon after.
    using Progress = std::function<bool(qint64 done, qint64 of)>;

    explicit BackgroundWork(QWidget *window);
    // Cancels what runs and waits for its thread to end.
    ~BackgroundWork() override;

    // work runs on the worker thread; finished on the window's, once work
    // has returned, told whether the user cancelled it.
    void start(const QString &label, std::function<void(const Progress &)> work,
               std::function<void(bool cancelled)> finished);
    bool isRunning() const { return m_state != nullptr; }
    void cancel();

signals:
    // After finished has run.
    void ended();

private:
    struct State
    {
        std::atomic<qint64> done = 0;
        std::atomic<qint64> of = 0;
        std::atomic<bool> cancelled = false;
    };

    void showProgress();
    void end(QThread *thread, const std::shared_ptr<State> &state,
             const std::function<void(bool)> &finished);

    QWidget *m_window;
    QPointer<QProgressDialog> m_dialog;
    QTimer m_show;
    QTimer m_update;
    std::shared_ptr<State> m_state;           // of the work that runs, if any
    std::vector<QPointer<QThread>> m_threads; // every thread not yet ended
};
