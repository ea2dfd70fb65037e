#include "drawsfetch.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

constexpr int mostRedirects = 5;

QString sizeText(qint64 bytes)
{
    return QStringLiteral("%1 MB").arg(bytes >> 20);
}

} // namespace

DrawsFetch::DrawsFetch(FetchLimits limits, QObject *parent)
    : QObject(parent), m_limits(limits), m_manager(this)
{
    m_quiet.setSingleShot(true);
    connect(&m_quiet, &QTimer::timeout, this, [this] {
        fail(m_bytes.isEmpty() &&
                     !m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid()
                 ? QStringLiteral("%1 did not answer").arg(m_host)
                 : QStringLiteral("%1 stopped sending the file").arg(m_host));
    });
}

QUrl DrawsFetch::addressOf(const ResultSource &source)
{
    QUrl url(QString::fromLatin1(source.url.data(), qsizetype(source.url.size())));
    const QUrl mirror(qEnvironmentVariable("TICKETWISE_RESULTS_MIRROR"));
    if (mirror.isValid() && !mirror.host().isEmpty()) {
        url.setScheme(mirror.scheme());
        url.setHost(mirror.host());
        url.setPort(mirror.port());
    }
    return url;
}

void DrawsFetch::start(const ResultSource &source, const KeptDraws &kept)
{
    cancel();
    m_bytes.clear();
    m_problem.clear();
    m_cancelled = false;
    m_redirects = 0;
    const QUrl url = addressOf(source);
    m_host = url.host();
    const auto finish = [this](Result result) {
        QMetaObject::invokeMethod(
            this, [this, result] { emit finished(result); }, Qt::QueuedConnection);
    };
    // A time ahead of now (a clock that was ahead, a folder from another
    // machine) says nothing of how recent the file is.
    const qint64 age =
        kept.fetched().isValid() ? kept.fetched().secsTo(QDateTime::currentDateTimeUtc()) : -1;
    if (kept.exists() && age >= 0 && age < 3600) {
        Result recent;
        recent.outcome = Outcome::Recent;
        finish(recent);
        return;
    }
    if (url.scheme() != u"https") {
        finish({Outcome::Failed,
                {},
                {},
                {},
                QStringLiteral("%1 is not an HTTPS address").arg(url.toDisplayString())});
        return;
    }
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Ticketwise/%1").arg(QCoreApplication::applicationVersion()));
    // What the user reads in is not the server's to know.
    request.setRawHeader("Accept-Language", "en");
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    if (kept.exists()) {
        if (!kept.entityTag().isEmpty())
            request.setRawHeader("If-None-Match", kept.entityTag());
        if (!kept.lastModified().isEmpty())
            request.setRawHeader("If-Modified-Since", kept.lastModified());
    }
    m_reply = m_manager.get(request);
    QNetworkReply *reply = m_reply;
    m_quiet.start(m_limits.connectMs);
    connect(reply, &QNetworkReply::redirected, this, [this, reply](const QUrl &to) {
        if (to.scheme() != u"https")
            fail(QStringLiteral("%1 sent the request on to an address that is not HTTPS")
                     .arg(m_host));
        else if (++m_redirects > mostRedirects)
            fail(QStringLiteral("%1 sent the request on too many times").arg(m_host));
        else
            emit reply->redirectAllowed();
    });
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
        m_quiet.start(m_limits.stallMs);
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > m_limits.mostBytes)
            fail(QStringLiteral("The file is larger than %1").arg(sizeText(m_limits.mostBytes)));
    });
    connect(reply, &QNetworkReply::readyRead, this, &DrawsFetch::received);
    connect(reply, &QNetworkReply::downloadProgress, this, &DrawsFetch::progress);
    connect(reply, &QNetworkReply::finished, this, &DrawsFetch::ended);
}

void DrawsFetch::received()
{
    m_quiet.start(m_limits.stallMs);
    m_bytes += m_reply->readAll();
    if (m_bytes.size() > m_limits.mostBytes)
        fail(QStringLiteral("The file is larger than %1").arg(sizeText(m_limits.mostBytes)));
}

void DrawsFetch::cancel()
{
    if (!m_reply)
        return;
    m_cancelled = true;
    m_reply->abort();
}

void DrawsFetch::fail(const QString &problem)
{
    if (!m_reply || !m_problem.isEmpty())
        return;
    m_problem = problem;
    m_reply->abort();
}

void DrawsFetch::ended()
{
    m_quiet.stop();
    QNetworkReply *reply = m_reply;
    m_reply.clear();
    reply->deleteLater();
    Result result;
    if (m_cancelled) {
        result.outcome = Outcome::Cancelled;
    } else if (!m_problem.isEmpty()) {
        result.problem = m_problem;
    } else {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() == QNetworkReply::NoError && status == 304) {
            result.outcome = Outcome::Unchanged;
        } else if (reply->error() == QNetworkReply::NoError && status == 200) {
            m_bytes += reply->readAll();
            result.outcome = Outcome::Fetched;
            result.bytes = std::move(m_bytes);
            result.entityTag = reply->rawHeader("ETag");
            result.lastModified = reply->rawHeader("Last-Modified");
        } else if (status == 200) {
            result.problem =
                QStringLiteral("%1 ended the connection before the file was whole").arg(m_host);
        } else if (status != 0) {
            const QString reason =
                reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
            result.problem =
                status == 404 ? QStringLiteral("%1 has no such file (404 %2)").arg(m_host, reason)
                              : QStringLiteral("%1 did not give the file (%2 %3)")
                                    .arg(m_host)
                                    .arg(status)
                                    .arg(reason);
        } else if (reply->error() == QNetworkReply::SslHandshakeFailedError) {
            result.problem = QStringLiteral("The connection to %1 is not safe: %2")
                                 .arg(m_host, reply->errorString());
        } else {
            result.problem =
                QStringLiteral("%1 could not be reached: %2").arg(m_host, reply->errorString());
        }
    }
    m_bytes.clear();
    emit finished(result);
}

DrawsFetch::Result FetchDraws(const ResultSource &source, const KeptDraws &kept,
                              const FetchLimits &limits,
                              const std::function<bool(qint64, qint64)> &progress)
{
    DrawsFetch fetch(limits);
    QEventLoop loop;
    DrawsFetch::Result result;
    QObject::connect(&fetch, &DrawsFetch::finished, &loop, [&](const DrawsFetch::Result &ended) {
        result = ended;
        loop.quit();
    });
    qint64 received = 0;
    qint64 total = 0;
    QObject::connect(&fetch, &DrawsFetch::progress, &loop, [&](qint64 done, qint64 of) {
        received = done;
        total = of;
        if (!progress(received, total))
            fetch.cancel();
    });
    // A Cancel is heard even while no byte comes.
    QTimer cancelled;
    QObject::connect(&cancelled, &QTimer::timeout, &loop, [&] {
        if (!progress(received, total))
            fetch.cancel();
    });
    cancelled.start(100);
    fetch.start(source, kept);
    loop.exec();
    return result;
}
