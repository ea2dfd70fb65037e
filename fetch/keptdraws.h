#pragma once

#include "resultsource.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// A source's file of past draws as last fetched, kept whole in the user's
// draws folder, and what the server said of it: its validators, and when it
// last gave the file or said it had not changed. Written as the log is: a
// temporary file that replaces the kept one only when whole.
class KeptDraws
{
public:
    KeptDraws(const QString &folder, const ResultSource &source);

    // The user's draws folder: Ticketwise/draws/ beside the per-user log.
    static QString userFolder();

    QString path() const { return m_path; }
    bool exists() const;
    // When the server last gave the file or confirmed it; invalid where it
    // never did.
    QDateTime fetched() const { return m_fetched; }
    QByteArray entityTag() const { return m_entityTag; }
    QByteArray lastModified() const { return m_lastModified; }

    // The file fetched, kept in place of the one before; false, with the
    // reason, where it could not be written, and the one before stays.
    bool keep(const QByteArray &bytes, const QByteArray &entityTag, const QByteArray &lastModified,
              QString *reason);
    // The server said the kept file has not changed.
    bool confirm(QString *reason);

private:
    bool writeRecord(QString *reason);

    QString m_path;
    QString m_url;
    QDateTime m_fetched;
    QByteArray m_entityTag;
    QByteArray m_lastModified;
    QByteArray m_digest; // of the kept file, where known
};
