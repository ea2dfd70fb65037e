#pragma once

#include "keptdraws.h"
#include "resultsource.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <functional>

class QNetworkReply;

// How long a fetch waits, and how much it takes.
struct FetchLimits
{
    int connectMs = 20'000; // for the server to answer at all
    int stallMs = 30'000;   // for the next bytes of the file
    qint64 mostBytes = qint64(256) << 20;
};

// One source's file of past draws fetched: over HTTPS only, its certificate
// checked, redirected only to HTTPS, with a User-Agent of the program's name
// and version and nothing else of the user or the log (no cookies, no
// language). A file kept less than an hour ago is not fetched again; a kept
// one with validators is asked for only where it changed.
class DrawsFetch : public QObject
{
    Q_OBJECT

public:
    enum class Outcome
    {
        Fetched,   // bytes holds the file
        Unchanged, // the server says the kept file is the same
        Recent,    // the kept file was fetched within the hour: no request
        Failed,    // problem says why, in plain words
        Cancelled
    };
    struct Result
    {
        Outcome outcome = Outcome::Failed;
        QByteArray bytes;
        QByteArray entityTag;
        QByteArray lastModified;
        QString problem;
    };

    explicit DrawsFetch(FetchLimits limits = {}, QObject *parent = nullptr);

    // The source's address, or the same path on the mirror that
    // TICKETWISE_RESULTS_MIRROR names (for tests, and for mirrors).
    static QUrl addressOf(const ResultSource &source);

    void start(const ResultSource &source, const KeptDraws &kept);
    void cancel();
    bool isRunning() const { return !m_reply.isNull(); }

signals:
    void progress(qint64 received, qint64 total);
    void finished(const DrawsFetch::Result &result);

private:
    void fail(const QString &problem);
    void received();
    void ended();

    FetchLimits m_limits;
    QNetworkAccessManager m_manager;
    QPointer<QNetworkReply> m_reply;
    QTimer m_quiet;
    QString m_host;
    QByteArray m_bytes;
    QString m_problem;
    bool m_cancelled = false;
    int m_redirects = 0;
};

// The same, on a thread of its own with no event loop running: waits for the
// fetch, telling progress how far it is; progress returning false cancels it.
DrawsFetch::Result FetchDraws(const ResultSource &source, const KeptDraws &kept,
                              const FetchLimits &limits,
                              const std::function<bool(qint64 received, qint64 total)> &progress);
