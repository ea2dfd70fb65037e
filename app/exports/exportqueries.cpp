#include "exportqueries.h"

#include "barqueries.h"
#include "checkbar.h"
#include "checksummary.h"
#include "csvexport.h"
#include "dialogfolder.h"
#include "filewarning.h"
#include "listedtickets.h"
#include "loglistmodel.h"
#include "reportlist.h"
#include "seasonqueries.h"
#include "seasonreport.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

ExportQueries::ExportQueries(BarQueries &bars, const SeasonQueries &season, ReportList &list,
                             const LogListModel &log, const ListedTickets &listed)
    : QObject(&bars), m_bars(bars), m_season(season), m_list(list), m_log(log), m_listed(listed)
{
}

void ExportQueries::setExportListedAction(QAction *action)
{
    action->setEnabled(false);
    connect(&m_bars, &BarQueries::relisted, action,
            [this, action] { action->setEnabled(m_listed.isFiltered()); });
}

// The file is headed as the list is: the log's titles, and the result's
// while a draw is checked.
bool ExportQueries::exportTickets(const QString &path, bool listedOnly, QString *errorString)
{
    const QAbstractItemModel &shown =
        listedOnly ? static_cast<const QAbstractItemModel &>(m_listed) : m_log;
    QStringList titles;
    for (int column = 0; column < shown.columnCount(); ++column)
        titles << shown.headerData(column, Qt::Horizontal).toString();
    if (!listedOnly) {
        return ExportTicketsCsv(
            path, m_log, titles, m_log.size(), [](int row) { return row; }, {}, errorString);
    }
    std::function<QStringList(int)> result;
    if (m_listed.columnCount() > m_log.columns()) {
        result = [this](int listed) {
            QStringList cells;
            for (int column = m_log.columns(); column < m_listed.columnCount(); ++column)
                cells << m_listed.index(listed, column).data().toString();
            return cells;
        };
    }
    return ExportTicketsCsv(
        path, m_log, titles, m_listed.rowCount(),
        [this](int listed) { return m_listed.logRow(listed); }, result, errorString);
}

bool ExportQueries::saveReport(const QString &path, QString *errorString)
{
    SeasonReport report;
    report.counts = NumberCounts::of(m_listed);
    report.made = QDate::currentDate();
    report.drawsFile = m_season.drawsFile();
    const DrawCheck *game = m_listed.checkedGame();
    report.game =
        report.counts.game.isEmpty() ? m_bars.checkBar().game().trimmed() : report.counts.game;
    if (!game) {
        report.summary << QStringLiteral(
                              "No draw is checked: the chart is of the %1 tickets listed.")
                              .arg(m_listed.rowCount());
        report.others = m_listed.rowCount();
    } else {
        const CheckSummary summary(m_log, *game, m_listed.listed(), m_listed.season(),
                                   m_listed.seasonMoney());
        report.summary << summary.results() << summary.money();
        for (int column = 0; column < m_listed.columnCount(); ++column)
            report.titles << m_listed.headerData(column, Qt::Horizontal).toString();
        const std::span<const ListedTicket> listed = m_listed.listed();
        for (std::size_t at = 0; at < listed.size(); ++at) {
            if (listed[at].match.kind == DrawMatch::NoDraw) {
                ++report.noDraw;
                continue;
            }
            if (!CheckSummary::wins(listed[at].match, *game)) {
                ++report.others;
                continue;
            }
            SeasonReport::Winner winner;
            for (int column = 0; column < m_listed.columnCount(); ++column)
                winner.cells << m_listed.index(int(at), column).data().toString();
            winner.days = m_listed.index(int(at), m_log.columns()).data(Qt::ToolTipRole).toString();
            report.winners.push_back(winner);
        }
    }
    QString reason;
    if (report.write(path, &reason))
        return true;
    if (errorString)
        *errorString = reason;
    return false;
}

void ExportQueries::askReport()
{
    const QString documents = DialogFolder(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        m_list.window(), QStringLiteral("Save Report as PDF"),
        QDir(documents).filePath(QStringLiteral("ticketwise-report.pdf")),
        QStringLiteral("PDF files (*.pdf)"));
    QString reason;
    if (!path.isEmpty() && !saveReport(path, &reason))
        WarnNotWritten(m_list.window(),
                       QStringLiteral("The report could not be saved to \"%1\".")
                           .arg(QDir::toNativeSeparators(path)),
                       reason);
}

void ExportQueries::askExport(bool listedOnly)
{
    const QString documents = DialogFolder(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        m_list.window(),
        listedOnly ? QStringLiteral("Export Listed Tickets") : QStringLiteral("Export Ticket Log"),
        QDir(documents).filePath(QStringLiteral("tickets.csv")),
        QStringLiteral("CSV files (*.csv)"));
    QString reason;
    if (!path.isEmpty() && !exportTickets(path, listedOnly, &reason))
        WarnNotWritten(m_list.window(),
                       QStringLiteral("The tickets could not be exported to \"%1\".")
                           .arg(QDir::toNativeSeparators(path)),
                       reason);
}
