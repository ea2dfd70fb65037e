#pragma once

#include "twips.h"

#include <QWidget>

class ElidedLabel;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QVBoxLayout;
class QToolButton;

// A row of fields over the ticket list, as the find and check bars are, with
// a line of status after the fields and a close button at the row's end, and
// where a bar needs them, rows under it.
class QueryBar : public QWidget
{
    Q_OBJECT

public:
    explicit QueryBar(QWidget *parent);

    // Shows the bar with the focus in its first field, all of it selected,
    // where it has one.
    void open();
    // Its height over the list: a row of fields, and any rows under it.
    int barHeight() const;
    static constexpr int rowHeight = twipsToPixels(360);
    static constexpr int rowGap = twipsToPixels(30);

    // The status, and what screen readers say of it where that is longer.
    void showStatus(const QString &text, const QString &spoken = {});

signals:
    void closeRequested();

protected:
    // A field that says what it asks for until something is typed, and says
    // it to screen readers too.
    QLineEdit *addField(const QString &name, const QString &prompt, int stretch = 1);
    // Starts a row under the one before, for what comes next.
    void startRow();
    // A button after the fields, at the start of its row.
    QToolButton *addButton(const QString &name, const QString &text);
    // A line of text that takes the rest of its row, hidden while empty.
    ElidedLabel *addLine(const QString &name);
    // Called once every field is in: the status, as wide as the widest it
    // says, and the close button go last.
    void finishRow(const QString &statusName, const QString &widestStatus);

private:
    QVBoxLayout *m_rows;
    QHBoxLayout *m_row = nullptr;
    QLineEdit *m_first = nullptr;
    QLabel *m_status = nullptr;
};
