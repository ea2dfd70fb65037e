#pragma once

#include <QObject>

class BarQueries;
class CheckBar;
class ListedTickets;
class LogListModel;
class QAction;
class ReportList;
class SeasonQueries;

// What is saved of the list: the log, or the tickets listed with their
// results, as a CSV file, and a PDF report of what is listed. Nothing here
// changes the log or its file.
class ExportQueries : public QObject
{
    Q_OBJECT

public:
    ExportQueries(BarQueries &bars, const SeasonQueries &season, ReportList &list,
                  const LogListModel &log, const ListedTickets &listed);

    // Writes the listed tickets, with their results while a draw is checked,
    // or the whole log, to path; false, with the reason, where it could not.
    bool exportTickets(const QString &path, bool listedOnly, QString *errorString = nullptr);
    // A PDF of what is listed: the lines that sum it up, the chart, and the
    // tickets that won; false, with the reason, where it could not be saved.
    bool saveReport(const QString &path, QString *errorString = nullptr);

    void askExport(bool listedOnly);
    void askReport();
    // Export Listed Tickets, offered while the listing is not the whole log.
    void setExportListedAction(QAction *action);

private:
    BarQueries &m_bars;
    const SeasonQueries &m_season;
    ReportList &m_list;
    const LogListModel &m_log;
    const ListedTickets &m_listed;
};
