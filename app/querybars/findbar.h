#pragma once

#include "querybar.h"

// The find field over the ticket list: what to look for, and how many
// tickets hold it out of how many.
class FindBar : public QueryBar
{
    Q_OBJECT

public:
    explicit FindBar(QWidget *parent);

    QString text() const;
    void showCount(int listed, int all);

signals:
    void textChanged(const QString &text);

private:
    QLineEdit *m_field;
};
