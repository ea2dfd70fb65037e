#pragma once

#include "querybar.h"

// A line of text over the ticket list that says how something done to the
// whole log went, such as an import, until it is closed.
class NoticeBar : public QueryBar
{
    Q_OBJECT

public:
    explicit NoticeBar(QWidget *parent);

    void setText(const QString &text);
};
