#include "managerpage.h"

#include "backgroundwork.h"
#include "checkbar.h"
#include "controls.h"
#include "dialogfolder.h"
#include "findbar.h"
#include "listedtickets.h"
#include "logcommands.h"
#include "loglistmodel.h"
#include "noticebar.h"
#include "photoqueries.h"
#include "reportlist.h"
#include "textfile.h"
#include "ticketcsv.h"
#include "ticketqueries.h"
#include "ticketsteps.h"
#include "twips.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <functional>

namespace {

// The ticket list's columns: "GAME", "DATE", "NUMBERS".
constexpr std::array<int, 3> columnWidths = {twipsToPixels(2039), twipsToPixels(1440),
                                             twipsToPixels(1440)};

} // namespace

ManagerPage::ManagerPage(const LogLocation &log, QWidget *parent)
    : QWidget(parent), m_savedLog(log), m_reading(new BackgroundWork(this)),
      m_undoStack(new QUndoStack(this))
{
    m_logRows = new LogListModel(this);
    m_listed = new ListedTickets(*m_logRows, this);
    ListView1 = new ReportList(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setGeometry(twipsRect(240, 480, 5295, 3375));
    ListView1->setModel(m_listed);
    ListView1->setAccessibleName(QStringLiteral("Ticket log"));
    ListView1->setColumnWidths(columnWidths);

    const QFont titleFont = layoutFont(msSansSerif, 9.75);
    const QFont entryFont = layoutFont(msSansSerif, 13.5);
    makeLabel(this, QStringLiteral("Label6"), QStringLiteral("LOTTERY GAME"),
              twipsRect(360, 4080, 1575, 255), titleFont);
    makeLabel(this, QStringLiteral("Label7"), QStringLiteral("DATE"),
              twipsRect(2520, 4080, 735, 255), titleFont);
    makeLabel(this, QStringLiteral("Label8"), QStringLiteral("NUMBERS"),
              twipsRect(4080, 4080, 1215, 255), titleFont);
    Text8 =
        makeTextField(this, QStringLiteral("Text8"), QString(), twipsRect(240, 4440, 1695, 495));
    Text9 = makeTextField(this, QStringLiteral("Text9"), QString(),
                          twipsRect(2160, 4440, 1335, 480), entryFont);
    Text10 = makeTextField(this, QStringLiteral("Text10"), QString(),
                           twipsRect(3720, 4440, 1695, 480), entryFont);
    Text8->setAccessibleName(QStringLiteral("LOTTERY GAME"));
    Text9->setAccessibleName(QStringLiteral("DATE"));
    Text10->setAccessibleName(QStringLiteral("NUMBERS"));

    Command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("ADD"),
                          twipsRect(240, 5400, 1455, 375), entryFont);
    Command3 = makeButton(this, QStringLiteral("Command3"), QStringLiteral("DELETE"),
                          twipsRect(2040, 5400, 1455, 375), entryFont);
    Command4 = makeButton(this, QStringLiteral("Command4"), QStringLiteral("CLEAR"),
                          twipsRect(3720, 5400, 1575, 375), entryFont);
    connect(Command2, &QPushButton::clicked, this, &ManagerPage::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &ManagerPage::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &ManagerPage::Command4_Click);

    // Over the top of the list, hidden until find, check or an import opens
    // one.
    m_findBar = new FindBar(this);
    m_checkBar = new CheckBar(this);
    m_noticeBar = new NoticeBar(this);
    m_queries = new TicketQueries(*ListView1, *m_findBar, *m_checkBar, *m_noticeBar, *m_logRows,
                                  *m_listed, *m_reading, columnWidths);
    auto *import = new QAction(QStringLiteral("&Import Tickets..."), ListView1);
    import->setObjectName(QStringLiteral("ImportTickets"));
    ListView1->addAction(import);
    connect(import, &QAction::triggered, this, &ManagerPage::askImport);
    m_photos = new PhotoQueries(*ListView1, m_savedLog.location().saveTo,
                                std::bind_front(&ManagerPage::addFromPhoto, this));
    auto *photo = new QAction(QStringLiteral("Add from P&hoto..."), ListView1);
    photo->setObjectName(QStringLiteral("AddFromPhoto"));
    ListView1->addAction(photo);
    connect(photo, &QAction::triggered, m_photos, &PhotoQueries::askPhotos);
}

// A ticket's plays from its photo, as reviewed: at the end of the log, one
// step, as an import.
void ManagerPage::addFromPhoto(std::vector<LogEntry> tickets)
{
    TicketsRead read;
    for (const LogEntry &ticket : tickets) {
        for (const QString *cell : {&ticket.game, &ticket.date, &ticket.numbers}) {
            read.cells.emplace_back(read.text.size(), cell->size());
            read.text += *cell;
        }
    }
    const int plays = read.count();
    m_undoStack->push(new ImportTicketsStep(*m_logRows, m_savedLog, std::move(read),
                                            std::bind_front(&ManagerPage::reportSave, this)));
    m_queries->showNotice(plays == 1 ? QStringLiteral("Added 1 play from the photo.")
                                     : QStringLiteral("Added %1 plays from the photo.").arg(plays));
}

void ManagerPage::askImport()
{
    const QString documents = DialogFolder(QStandardPaths::DocumentsLocation);
    const QString path =
        QFileDialog::getOpenFileName(window(), QStringLiteral("Import Tickets"), documents,
                                     QStringLiteral("CSV files (*.csv *.txt);;All files (*)"));
    if (!path.isEmpty())
        importTickets(path);
}

// A file too large for the log, or one that cannot be read, changes nothing;
// a long read shows its progress after half a second, and can be cancelled.
void ManagerPage::importTickets(const QString &path)
{
    // Results being read or fetched are not dropped for it: the import
    // follows them.
    if (m_reading->isRunning()) {
        connect(
            m_reading, &BackgroundWork::ended, this, [this, path] { importTickets(path); },
            Qt::SingleShotConnection);
        return;
    }
    struct Read
    {
        QString why;
        std::optional<TicketsRead> tickets;
    };
    auto read = std::make_shared<Read>();
    m_reading->start(
        QStringLiteral("Importing tickets..."),
        [read, path](const BackgroundWork::Progress &progress) {
            const std::optional<QByteArray> bytes = ReadTextFile(path, &read->why);
            if (bytes)
                read->tickets = ReadTicketsCsv(*bytes, progress);
        },
        [this, read](bool cancelled) {
            if (!read->tickets && !cancelled)
                m_queries->showNotice(QStringLiteral("Nothing imported: %1.").arg(read->why));
            else if (cancelled || read->tickets->cancelled)
                m_queries->showNotice(QStringLiteral("Import cancelled: nothing imported."));
            else if (read->tickets->count() == 0)
                m_queries->showNotice(
                    QStringLiteral("Nothing imported: the file holds no ticket (%1).")
                        .arg(read->tickets->summary()));
            else
                addImported(std::move(*read->tickets));
            emit importFinished();
        });
}

void ManagerPage::addImported(TicketsRead read)
{
    const QString summary = read.summary();
    m_undoStack->push(new ImportTicketsStep(*m_logRows, m_savedLog, std::move(read),
                                            std::bind_front(&ManagerPage::reportSave, this)));
    m_queries->showNotice(QStringLiteral("Imported %1.").arg(summary));
}

// A missing or unreadable file leaves the list empty, and is told of at the
// first save. A save that did not finish and could not be put back, or whose
// log has changed since, is told of once the window stands.
void ManagerPage::loadLog()
{
    {
        LogListModel::Batch batch(*m_logRows);
        m_logRows->clear();
        m_savedLog.load(*m_logRows);
    }
    // The claims follow the log: beside it, wherever it is saved.
    if (const QString claims = m_queries->openClaims(m_savedLog.location().saveTo, m_undoStack);
        !claims.isEmpty())
        QTimer::singleShot(0, this, [this, claims] { m_queries->showNotice(claims); });
    if (const QString notice = m_savedLog.startNotice(); !notice.isEmpty()) {
        QTimer::singleShot(0, this, [this, notice] {
            auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Ticketwise"), notice,
                                        QMessageBox::Ok, window());
            box->setObjectName(QStringLiteral("StartNotice"));
            box->setTextFormat(Qt::PlainText);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->open();
        });
    }
}

void ManagerPage::Command2_Click()
{
    m_undoStack->push(new AddTicketStep(*m_logRows, m_savedLog,
                                        {Text8->text(), Text9->text(), Text10->text()},
                                        std::bind_front(&ManagerPage::reportSave, this)));
}

// DELETE acts on the ticket selected, wherever it stands in the log. With
// nothing selected there is nothing to undo, but the list is saved all the
// same.
void ManagerPage::Command3_Click()
{
    const QModelIndexList selected = ListView1->selectionModel()->selectedRows();
    const int row = selected.isEmpty() ? -1 : m_listed->logRow(selected.first().row());
    if (row < 0) {
        reportSave(DeleteTicket(*m_logRows, -1, m_savedLog));
        return;
    }
    m_undoStack->push(new DeleteTicketStep(*m_logRows, m_savedLog, row,
                                           std::bind_front(&ManagerPage::reportSave, this),
                                           std::bind_front(&ManagerPage::selectLogRow, this)));
}

void ManagerPage::Command4_Click()
{
    Text8->clear();
    Text9->clear();
    Text10->clear();
}

void ManagerPage::selectLogRow(int row)
{
    const int listed = m_listed->listedRow(row);
    if (listed >= 0)
        ListView1->selectRow(listed);
}

// A failed save leaves the change in the list and the old file whole; without
// a word the user would believe the ticket kept. A log moved aside is named,
// so that the tickets the list never held can be found.
void ManagerPage::reportSave(const SaveOutcome &outcome)
{
    if (outcome.saved && outcome.keptAside.isEmpty() && outcome.partlyRead.isEmpty())
        return;
    const QString path = QDir::toNativeSeparators(m_savedLog.location().saveTo);
    const auto notReadWhole = [](const QString &log) {
        return QStringLiteral("The ticket log \"%1\" could not be read whole when Ticketwise "
                              "started, so the list did not hold all of it.")
            .arg(QDir::toNativeSeparators(log));
    };
    QString text;
    QStringList details;
    if (!outcome.keptAside.isEmpty()) {
        text = notReadWhole(path);
        details << QStringLiteral("The old file was kept as \"%1\".")
                       .arg(QDir::toNativeSeparators(outcome.keptAside));
    } else if (!outcome.partlyRead.isEmpty()) {
        text = notReadWhole(outcome.partlyRead);
        details << QStringLiteral("The old file is left as it was.");
    }
    if (!outcome.saved) {
        if (text.isEmpty())
            text = QStringLiteral("The ticket log could not be saved to \"%1\".").arg(path);
        else
            details << QStringLiteral("The list could not be saved to \"%1\".").arg(path);
        details << outcome.errorString
                << QStringLiteral("The list keeps your change, and the next ADD, DELETE, undo "
                                  "or redo that succeeds saves the whole list.");
    } else {
        details << QStringLiteral("The list is now saved to \"%1\".").arg(path);
    }
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Ticketwise"), text,
                                QMessageBox::Ok, window());
    box->setInformativeText(details.join(QStringLiteral("\n\n")));
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
