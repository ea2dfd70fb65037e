#pragma once

#include "ticketcells.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>

#include <vector>

// The photos of tickets a player kept for a pool, in "ticket photos" beside
// the log: each photo's bytes as they were taken, never changed, and beside
// it a note of the plays the ticket holds, so that the pool's sheet prints
// the photo of each of its tickets.
class TicketPhotos
{
public:
    explicit TicketPhotos(const QString &folder);
    static TicketPhotos besideLog(const QString &logPath);

    QString folder() const { return m_folder; }
    // Keeps a photo (suffix: what its format is called, "jpg") as the
    // ticket of these plays, under a name of its own that no copy of the
    // program takes twice; its path, or empty with the reason.
    QString keep(const QByteArray &photo, const QString &suffix,
                 const std::vector<TicketCells> &plays, const QDateTime &taken,
                 QString *reason = nullptr) const;
    // Each play kept, by TicketCells::key, with the path of its photo; a
    // play kept twice, with its latest.
    QHash<QString, QString> photos() const;

private:
    QString m_folder;
};
