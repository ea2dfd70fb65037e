#pragma once

#include <QStringView>

// The operations that the saved-log reader and writer and the ADD and DELETE
// commands use on the ticket log list. Rows count from 0 at the top; column 0
// is a row's main text, columns 1 and up its sub-items.
class LogList
{
public:
    virtual ~LogList() = default;

    virtual void clear() = 0;
    virtual int size() const = 0;
    // Also the number of lines that one ticket takes in the saved log.
    virtual int columns() const = 0;
    // Valid until the list next changes.
    virtual QStringView text(int row, int column) const = 0;
    // The new row is the last one, at row size() - 1.
    virtual void append(QStringView mainText) = 0;
    virtual void setSubItem(int row, int column, QStringView text) = 0;
    virtual void remove(int row) = 0;
};
