#pragma once

#include <QObject>
#include <QRect>

#include <functional>
#include <span>
#include <vector>

class CheckBar;
class FindBar;
class ListedTickets;
class LogListModel;
class NoticeBar;
class QAction;
class QueryBar;
class ReportList;

// The bars over the ticket list: find, check a draw and the notices. One is
// open at a time, over the top of the list, which then lists what the bar
// asks; Esc, anywhere on the page, closes it and gives the list back its
// place and the whole log, with the selected ticket still selected. A click
// on a column header sorts what is listed by that column, a second reverses
// it and a third gives back the order of the log or the check.
class BarQueries : public QObject
{
    Q_OBJECT

public:
    BarQueries(ReportList &list, FindBar &findBar, CheckBar &checkBar, NoticeBar &noticeBar,
               const LogListModel &log, ListedTickets &listed, std::span<const int> columnWidths);

    void openFind();
    void openCheck();
    void closeBars();
    // Says how something done to the whole log went, over the whole log.
    void showNotice(const QString &text);
    // A notice with a button, once no bar the user opened is open: a bar
    // open is not taken from them.
    void showNoticeWhenFree(const QString &text, const QString &button,
                            std::function<void()> pressed);
    // Every change of the listing goes through here: the ticket selected
    // stays selected and in view where it is still listed, and the columns
    // and the count follow what is listed.
    void relist(const std::function<void()> &change);
    // Keys of the list's menu that a text field of the page leaves to it.
    void keepKeysFromFields(std::vector<QAction *> keys) { m_barKeys = std::move(keys); }

    CheckBar &checkBar() const { return *m_checkBar; }
    // How many times the check bar's draw was checked as typed.
    int checks() const { return m_checks; }

signals:
    void barOpening(QueryBar *bar);
    void closing();
    void relisting();
    void relisted();
    // Tickets came or went, in the log or in the listing.
    void countChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openBar(QueryBar *bar);
    void find();
    void check();
    void sortBy(int column);

    ReportList &m_list;
    const LogListModel &m_log;
    ListedTickets &m_listed;
    std::vector<int> m_columnWidths;
    QRect m_listPlace;
    FindBar *m_findBar;
    CheckBar *m_checkBar;
    NoticeBar *m_noticeBar;
    std::vector<QueryBar *> m_bars;
    QAction *m_close;
    std::vector<QAction *> m_barKeys;
    std::function<void()> m_pendingNotice; // shown once the bar open closes
    int m_checks = 0; // draws checked as typed, to tell one typed while a season is read
};
