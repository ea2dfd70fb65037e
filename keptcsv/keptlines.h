#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

// A CSV kept beside the log, as a hand, a spreadsheet or this program left
// it: its lines, each decoded by its own bytes (UTF-8 where they are UTF-8,
// else the ANSI code page, so that one line typed in another never garbles
// the rest), their cells split by the file's separator (a first line
// "sep=;" as Excel writes it, or the one its first line uses most), and a
// line added in the file's own separator, code page and line ends after
// every byte it holds. A line is a line of the file: a quote left open on
// it ends with it, so that what follows it never changes what it says.
class KeptLines
{
public:
    explicit KeptLines(const QByteArray &bytes);

    struct Line
    {
        int number = 0; // the file's, from 1
        qsizetype start = 0;
        qsizetype size = 0; // its bytes, its line end aside
    };
    // The lines that are not blank, nor the file's "sep=" line, in order.
    const std::vector<Line> &lines() const { return m_lines; }
    QString text(const Line &line) const;
    // A line's cells, views of its text, which grows by what its quoted
    // cells hold; false where a quote is left open.
    bool cells(QString &text, QList<QStringView> &fields) const;

    // How many lines the file has, blank ones too.
    int count() const { return m_count; }
    QChar separator() const { return m_separator; }
    const QByteArray &bytes() const { return m_bytes; }
    bool isUtf8() const { return m_encoding == Encoding::Utf8; }

    // The bytes of lines added after all the file holds, each cell quoted
    // where it holds a separator, a quote or a line end, and kept from
    // running as a formula; nothing where a character of them is not in
    // the file's code page.
    std::optional<QByteArray> added(const std::vector<QStringList> &lines) const;
    // The file written anew as UTF-8 with its byte order mark, every line
    // as it reads, with the lines added.
    QByteArray asUtf8(const std::vector<QStringList> &lines) const;

private:
    enum class Encoding
    {
        Utf8,
        CodePage,
        Utf16LE,
        Utf16BE
    };
    QString decoded(QByteArrayView bytes) const;
    QString lineOf(const QStringList &cells) const;

    QByteArray m_bytes;  // as read; UTF-16 turned to UTF-8 to find its lines
    QByteArray m_source; // the file's own bytes
    std::vector<Line> m_lines;
    QChar m_separator = u',';
    QByteArray m_lineEnd = "\r\n";
    Encoding m_encoding = Encoding::Utf8;
    qsizetype m_textStart = 0; // past a byte order mark
    int m_count = 0;
};
