#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

#include <vector>

// One record of a delimited text file: its fields, good until the next
// record is read, and the number of the line it begins on, from 1.
struct TextRecord
{
    int line = 0;
    QList<QStringView> fields;
    bool unclosedQuote = false; // the file ended inside a quoted field
};

// A text file that another program wrote, one record a line: UTF-8, with or
// without a byte order mark, or where it is not valid UTF-8, the ANSI code
// page. Fields are separated by commas, semicolons or tabs, whichever the
// file's first lines use most, or where allowed and none is used, by runs of
// spaces; they are quoted as CSV quotes them, so that a field in double quotes
// may hold separators, "" for a quote, and line breaks. Read one record at a
// time, in one pass, whatever the file holds; a field that needs no unquoting
// is read where it lies.
class DelimitedText
{
public:
    enum class Separators
    {
        Csv,
        CsvOrSpaces
    };

    DelimitedText(const QByteArray &bytes, Separators allowed);

    // ' ' for runs of spaces.
    QChar separator() const { return m_separator; }
    // How far the reading is, in characters of the text.
    qsizetype position() const { return m_at; }
    qsizetype size() const { return m_text.size(); }
    // The next record, blank lines skipped; false at the end.
    bool next(TextRecord &record);

private:
    QChar guessSeparator(Separators allowed) const;
    bool isSeparator(QChar character) const;

    // Where a field lies: in the text, or unquoted in m_unquoted.
    struct Span
    {
        bool unquoted;
        qsizetype start;
        qsizetype length;
    };

    QString m_text;
    QString m_unquoted;
    std::vector<Span> m_spans;
    QChar m_separator;
    qsizetype m_at = 0;
    int m_line = 1;
};
