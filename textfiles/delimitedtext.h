#pragma once

#include "codepage.h"

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
    // A quote opened on the line was not closed before the end of the file,
    // or for many lines: the record ended with its line.
    bool unclosedQuote = false;
};

// A text file that another program wrote, one record a line: UTF-8, with or
// without a byte order mark, UTF-16 with its byte order mark, or where it is
// not valid UTF-8, the ANSI code page. Fields are separated by commas,
// semicolons or tabs, whichever most of the file's first lines use, where
// two tie the one that makes rows of one width, then the one used fewer
// times (a cell holds commas more often than a row has columns); or where
// allowed and none is used, or only a date's comma (", "), by runs of spaces. They are quoted as
// CSV quotes them, so that a field in double quotes may hold separators, "" for a quote, and line
// breaks. Read one record at a time, in one pass, decoded a block at a time, so that the text of a
// large file is never held whole.
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
    // How far the reading is, in bytes of the file.
    qsizetype position() const { return m_decoded; }
    qsizetype size() const { return m_bytes.size(); }
    // The next record, blank lines skipped; false at the end.
    bool next(TextRecord &record);

private:
    enum class Parsed
    {
        Record,
        NeedMore // the record runs past the text decoded so far
    };
    Parsed parse(TextRecord &record);
    bool decodeMore();
    QChar guessSeparator(Separators allowed) const;
    bool isSeparator(QChar character) const;

    // Where a field lies: in the text, or unquoted in m_unquoted.
    struct Span
    {
        bool unquoted;
        qsizetype start;
        qsizetype length;
    };

    QByteArray m_bytes;
    qsizetype m_decoded = 0; // bytes decoded into m_text so far
    bool m_codePage = false;
    CodePageDecoder m_codePageDecoder;
    QString m_text; // from the record at hand to as far as decoded
    QString m_unquoted;
    std::vector<Span> m_spans;
    QChar m_separator;
    qsizetype m_at = 0;
    int m_line = 1;
};
