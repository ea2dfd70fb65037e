#pragma once

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QString>

#include <optional>

// A PDF the program saves: written through a temporary file, so that a
// failure leaves what was there, on the pages SetUpPdfPages sets up, in
// the program's 11-pixel Liberation Sans.
class PdfDocument
{
public:
    PdfDocument(const QString &path, const QString &title);

    // Whether it could be begun; the reason where not.
    bool begin(QString *reason);
    QPainter &painter() { return m_painter; }
    QPdfWriter &writer() { return *m_pdf; }
    // Ends the pages and puts the file in its place; false, with the reason,
    // where it could not be, and the file is as it was.
    bool finish(QString *reason);

    // Each page begins with what the document is, in grey, cut short to
    // leave room for the page's number; the first once begin() has run.
    void startPages(const QString &about);
    // A new page where height does not fit below the line the next text
    // goes on.
    void room(int height);
    // Where the next text goes, from the top of the page.
    int y = 0;
    int line() const { return m_line; }
    QRect page() const { return m_page; }

private:
    QSaveFile m_file;
    QString m_title;
    std::optional<QPdfWriter> m_pdf;
    QPainter m_painter;
    QString m_about;
    QRect m_page;
    int m_line = 0;
    int m_pageNumber = 1;

    void header();
};
