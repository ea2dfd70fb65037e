#pragma once

#include "querybar.h"

#include <functional>

// A line of text over the ticket list that says how something done to the
// whole log went, such as an import, until it is closed.
class NoticeBar : public QueryBar
{
    Q_OBJECT

public:
    explicit NoticeBar(QWidget *parent);

    void setText(const QString &text);
    // The text, with a button before it that does what it says.
    void setText(const QString &text, const QString &button, std::function<void()> pressed);

private:
    QToolButton *m_button;
    std::function<void()> m_pressed;
};
