#pragma once

// Form1 is the program's one window: the tab control SSTab1 with its three
// pages, each a class of its own, and the hidden number fields the picker
// keeps its numbers in. It runs the load step and holds the undo keys.
//   ManagerPage       ListView1, ADD, DELETE, CLEAR, and the list's menu
//                     (TicketQueries): the find and check bars over what the
//                     list shows (querybars/), a season and its chart
//                     (seasonview/), what was won and what to claim
//                     (claimsview/), and the CSV and PDF saved (exports/)
//   LuckyNumbersPage  "Enter" and the combination fields
//   LottoPlusPage     the link labels and pictures
// The pages are made of the controls in controls/, and call into:
//   ticketlog/      the rows of ListView1, the saved-log file, ADD and DELETE
//   ticketqueries/  the rules of find, check, sort and export, and their listing
//   winningsdue/    what a log won and what is due, from the kept files of draws
//   games/          the table of the games lotteries draw, and their balls
//   prizes/         what a play of Powerball or Mega Millions costs and wins
//   textfiles/      the files other programs write: tickets to import, past draws
//   picker/         the random source, the draw rule and DrawLuckyNumbers
//   links/          the link table and the request that opens an address
// A click flows from the control to its handler on its page, which works on
// the named controls and calls into one of those pieces: "ADD" runs
// Command2_Click, which pushes an AddTicketStep onto the undo history; done,
// the step appends Text8, Text9 and Text10 to the list and saves it through
// SavedLog, and the page shows a warning only if that save failed or moved an
// unread log aside.

#include "gamerules.h"
#include "loglocation.h"

#include <QWidget>

#include <array>

class ManagerPage;
class QLineEdit;
class RandomSource;
class TabControl;

class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(RandomSource &random, const LogLocation &log = ChooseLogLocation(),
                   QWidget *parent = nullptr);

    // Once the window stands: the prizes whose claim deadline is near.
    void remindOfClaims();

private:
    void buildNumberFields();
    void applyTabOrder();
    void wireUndo();
    void Form_Load();

    TabControl *SSTab1;
    ManagerPage *m_manager;
    std::array<QLineEdit *, NumberFieldCount> m_numberFields;
};
