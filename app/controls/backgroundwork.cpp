#include "backgroundwork.h"

#include <QProgressDialog>
#include <QThread>

#include <limits>

BackgroundWork::BackgroundWork(QWidget *window) : QObject(window), m_window(window)
{
    m_show.setSingleShot(true);
    m_show.setInterval(500);
    connect(&m_show, &QTimer::timeout, this, &BackgroundWork::showProgress);
    m_update.setInterval(100);
    connect(&m_update, &QTimer::timeout, this, [this] {
        if (!m_dialog || !m_state)
            return;
        const qint64 of = m_state->of;
        // A read of unknown length shows a busy bar.
        m_dialog->setMaximum(of > 0 ? 1000 : 0);
        if (of > 0)
            m_dialog->setValue(int(m_state->done * 1000 / of));
    });
}

BackgroundWork::~BackgroundWork()
{
    cancel();
    for (const QPointer<QThread> &thread : m_threads) {
        if (thread) {
            thread->wait();
            delete thread;
        }
    }
}

void BackgroundWork::start(const QString &label, std::function<void(const Progress &)> work,
                           std::function<void(bool)> finished)
{
    cancel();
    auto state = std::make_shared<State>();
    m_state = state;
    QThread *thread = QThread::create([state, work = std::move(work)] {
        work([state](qint64 done, qint64 of) {
            state->done = done;
            state->of = of;
            return !state->cancelled;
        });
    });
    m_threads.push_back(thread);
    connect(
        thread, &QThread::finished, this,
        [this, thread, state, finished = std::move(finished)] { end(thread, state, finished); });
    if (!m_dialog) {
        m_dialog = new QProgressDialog(m_window);
        m_dialog->setWindowTitle(QStringLiteral("Ticketwise"));
        // The window goes on answering: its keys, and the work's Cancel.
        m_dialog->setWindowModality(Qt::NonModal);
        m_dialog->setAutoReset(false);
        m_dialog->setAutoClose(false);
        m_dialog->setMinimumDuration(std::numeric_limits<int>::max());
        connect(m_dialog, &QProgressDialog::canceled, this, &BackgroundWork::cancel);
        m_dialog->hide();
    }
    m_dialog->setLabelText(label);
    m_dialog->setRange(0, 1000);
    m_dialog->setValue(0);
    m_show.start();
    m_update.start();
    thread->start();
}

void BackgroundWork::showProgress()
{
    if (m_dialog && m_state)
        m_dialog->show();
}

void BackgroundWork::cancel()
{
    if (m_state)
        m_state->cancelled = true;
    m_show.stop();
    m_update.stop();
    if (m_dialog)
        m_dialog->hide();
}

// Of a work cancelled by a newer one, nothing is told: its end belongs to
// nobody.
void BackgroundWork::end(QThread *thread, const std::shared_ptr<State> &state,
                         const std::function<void(bool)> &finished)
{
    std::erase(m_threads, thread);
    thread->deleteLater();
    if (state != m_state)
        return;
    m_state.reset();
    m_show.stop();
    m_update.stop();
    if (m_dialog)
        m_dialog->hide();
    finished(state->cancelled);
    emit ended();
}
