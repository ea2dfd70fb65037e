#pragma once

#include "drawcheck.h"
#include "drawlist.h"
#include "loglist.h"
#include "playmoney.h"
#include "ticketorder.h"

#include <QString>

#include <span>

// What a check or a season's check comes to over the tickets it lists: how
// many at each result, best first ("1 straight, 2 box, 14 other"; "1 at 4 of
// 5 + PB, 3 at 3 of 5, 20 other, 2 no draw"), and for the games whose prizes
// are fixed, what the plays cost and won ("12 plays, $24 spent, $107 won").
// A play is a listed ticket with numbers whose draw's day is known: a
// season's, or a single check's typed date.
class CheckSummary
{
public:
    // draws: a season's, whose days its tickets were checked on.
    CheckSummary(const LogList &log, const DrawCheck &game, std::span<const ListedTicket> listed,
                 const DrawList *draws = nullptr);

    QString results() const { return m_results; }
    QString money() const { return m_money; }
    // Both, as the bar shows them and screen readers hear them.
    QString text() const;

    // What one play won, as the PRIZE column shows it: "$4", "at least $10",
    // "jackpot", "$1,000 a day for life", "$0"; nothing where its prizes are
    // not known, or the draw's day is not.
    static PlayMoney moneyOf(const LogList &log, const DrawCheck &game, const ListedTicket &ticket,
                             const DrawList *draws = nullptr);
    static QString prizeText(const PlayMoney &money);
    // Whether the result is one the line names: straight or box, a prize
    // tier of the game, two numbers or more of a game whose tiers are not
    // known.
    static bool wins(DrawMatch match, const DrawCheck &game);
    // Whether the game's prizes are fixed on some days, so that a PRIZE
    // column is shown.
    static bool hasMoney(const DrawCheck &game);

private:
    QString m_results;
    QString m_money;
};
