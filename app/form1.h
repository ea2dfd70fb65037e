#pragma once

// Form1 is the program's one window. It builds every control of the three tab
// pages, runs the load step, and wires each click to its handler; it holds no
// state of its own beyond the controls.
//   ticketlog/  the rows of ListView1, the saved-log file, ADD and DELETE
//   picker/     the random source, the draw rule and DrawLuckyNumbers
//   links/      the link table and the request that opens an address
// A click flows from the control to its handler here, which works on the named
// controls and calls into one of those pieces: "ADD" runs Command2_Click, which
// appends Text8, Text9 and Text10 to the list and saves it with SaveLogFile,
// and shows a warning only if that save failed.

#include "logfile.h"

#include <QString>
#include <QWidget>

class LogListModel;
class QTreeView;
class TabControl;

class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(const QString &logPath = LogFilePath(), QWidget *parent = nullptr);

private:
    void buildManagerPage(QWidget *page);
    void Form_Load();

    QString m_logPath;
    TabControl *SSTab1;
    QTreeView *ListView1;
    LogListModel *m_logRows;
};
