#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

// Where one cell of a saved log lies among the bytes read from the file.
struct CellSpan
{
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
};

// The most bytes of saved log, and the most characters of typed text, that a
// list can hold: its cells keep 31-bit offsets.
inline constexpr qsizetype maxLogListBytes = 0x7FFF'FFFF;

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
    virtual QString text(int row, int column) const = 0;
    // The new row is the last one, at row size() - 1.
    virtual void append(QStringView mainText) = 0;
    virtual void setSubItem(int row, int column, QStringView text) = 0;
    // A row outside the list, such as -1 for none selected, removes nothing.
    virtual void remove(int row) = 0;
    // A row's cells as the list holds them, and the same cells put back as a
    // row at the given place: undone, a deletion gives back the very texts and
    // bytes. Good until the list is emptied. A row outside the list has no
    // cells, and cells that are not one row's are not put back.
    virtual std::vector<CellSpan> rowCells(int row) const = 0;
    virtual void insert(int row, const std::vector<CellSpan> &cells) = 0;

    // Rows read from the saved log: the file's bytes, and columns() cells a
    // row that point into them. The list keeps the bytes as they are.
    virtual void appendSaved(QByteArray bytes, std::vector<CellSpan> cells) = 0;
    // A cell read from the saved log, as the file's own bytes; nothing for a
    // cell that was typed.
    virtual std::optional<QByteArrayView> savedBytes(int row, int column) const = 0;
};
