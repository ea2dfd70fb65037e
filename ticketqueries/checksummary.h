#pragma once

#include "drawcheck.h"
#include "historycheck.h"
#include "loglist.h"
#include "moneysum.h"
#include "playmoney.h"
#include "ticketmoney.h"
#include "ticketorder.h"

#include <QString>

#include <span>

// What a check or a season's check comes to over the tickets it lists: how
// many at each result, best first ("1 straight, 2 box, 14 other"; "1 at 4 of
// 5 + PB, 3 at 3 of 5, 20 other, 2 no draw"), and for the games whose prizes
// are fixed, what the plays cost and won ("12 plays, $24 spent, $107 won").
// A play is a day of a listed ticket with numbers whose draw is known: a
// season's day of the ticket, or a single check's typed date.
class CheckSummary
{
public:
    // season: the season checked, whose days its tickets were checked on;
    // money: the money of the listed tickets, where it was summed as they
    // were listed.
    CheckSummary(const LogList &log, const DrawCheck &game, std::span<const ListedTicket> listed,
                 const HistoryCheck *season = nullptr, const MoneySum *money = nullptr);

    QString results() const { return m_results; }
    QString money() const { return m_money; }
    // Both, as the bar shows them and screen readers hear them.
    QString text() const;

    // What a ticket cost and won; no play where its prizes are not known, or
    // the draw's day is not.
    static TicketMoney moneyOf(const LogList &log, const DrawCheck &game,
                               const ListedTicket &ticket, const HistoryCheck *season = nullptr);
    // As the PRIZE column shows it: "$4", "at least $10", "jackpot",
    // "$1,000 a day for life and $104", "$0"; nothing where not known.
    static QString prizeText(const TicketMoney &money);
    static QString prizeText(const PlayMoney &money);
    // Whether the result is one the line names: straight or box, a prize
    // tier of the game, two numbers or more of a game whose tiers are not
    // known.
    static bool wins(DrawMatch match, const DrawCheck &game);
    // Whether the game's prizes are fixed on some days, so that a PRIZE
    // column is shown.
    static bool hasMoney(const DrawCheck &game);

    // The same of one day of a ticket in a season.
    static void addDay(TicketMoney &money, const DrawCheck &game, const TicketPlay &play,
                       const HistoryCheck::Day &day, const DrawList &draws);

private:
    static void addPlay(TicketMoney &money, const DrawCheck &game, const TicketPlay &play, int date,
                        DrawMatch match, int drawn, std::optional<DrawMatch> doublePlay);

    QString m_results;
    QString m_money;
};
