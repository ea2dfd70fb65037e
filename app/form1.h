#pragma once

// Form1 is the program's one window. It builds every control of the three tab
// pages, runs the load step, and wires each click to its handler; it holds no
// state of its own beyond the controls.
//   ticketlog/  the rows of ListView1, the saved-log file, ADD and DELETE
//   picker/     the random source, the draw rule and DrawLuckyNumbers
//   links/      the link table and the request that opens an address
// A click flows from the control to its handler here, which works on the named
// controls and calls into one of those pieces: "ADD" runs Command2_Click, which
// pushes an AddTicketStep onto the undo history; done, the step appends Text8,
// Text9 and Text10 to the list and saves it through SavedLog, and the window
// shows a warning only if that save failed or moved an unread log aside.

#include "gamerules.h"
#include "loglocation.h"
#include "savedlog.h"

#include <QWidget>

#include <array>
#include <optional>

struct LinkControl;
class LogListModel;
class PictureBox;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QUndoStack;
class RandomSource;
class ReportList;
class TabControl;

class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(RandomSource &random, const LogLocation &log = ChooseLogLocation(),
                   QWidget *parent = nullptr);

private:
    void buildManagerPage(QWidget *page);
    void buildLuckyNumbersPage(QWidget *page);
    void buildLottoPlusPage(QWidget *page);
    void buildNumberFields();
    QLabel *makeLinkLabel(QWidget *parent, const QString &name, const QString &text,
                          const QRect &geometry, const QFont &font, bool clickHereTip);
    PictureBox *makePicture(QWidget *parent, const QString &name, const QString &file,
                            const QRect &geometry, const QString &sponsor);
    void wireLinks();
    void applyTabOrder();
    void wireUndo();

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Label9_Click(int Index);
    void openLink(const LinkControl &link);
    std::optional<Game> chosenGame() const;
    void reportSave(const SaveOutcome &outcome);

    RandomSource &m_random;
    SavedLog m_savedLog;
    QUndoStack *m_undoStack;

    TabControl *SSTab1;
    ReportList *ListView1;
    LogListModel *m_logRows;
    QLineEdit *Text8;
    QLineEdit *Text9;
    QLineEdit *Text10;
    QPushButton *Command2;
    QPushButton *Command3;
    QPushButton *Command4;

    std::array<QLineEdit *, 3> Text7;
    QButtonGroup *m_games; // Option1 to Option4, by Game
    QPushButton *Command1;
    std::array<QLineEdit *, NumberFieldCount> m_numberFields;
};
