#pragma once

#include <QWidget>

class QHBoxLayout;
class QLineEdit;

// A row of fields over the ticket list, as the find and check bars are:
// Esc in any of them, or the close button at the row's end, asks to close it.
class QueryBar : public QWidget
{
    Q_OBJECT

public:
    explicit QueryBar(QWidget *parent);

signals:
    void closeRequested();

protected:
    // A field that says what it asks for until something is typed, and says
    // it to screen readers too.
    QLineEdit *addField(const QString &name, const QString &prompt, int stretch = 1);
    QHBoxLayout *row() const { return m_row; }
    // Called once every field is in: puts the close button last.
    void finishRow();

private:
    QHBoxLayout *m_row;
};
