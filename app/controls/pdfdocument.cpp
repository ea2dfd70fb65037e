#include "pdfdocument.h"

#include "pdfpages.h"

PdfDocument::PdfDocument(const QString &path, const QString &title) : m_file(path), m_title(title)
{
}

bool PdfDocument::begin(QString *reason)
{
    if (!m_file.open(QIODevice::WriteOnly)) {
        *reason = m_file.errorString();
        return false;
    }
    m_pdf.emplace(&m_file);
    SetUpPdfPages(*m_pdf);
    m_pdf->setTitle(m_title);
    m_pdf->setCreator(QStringLiteral("Ticketwise"));
    if (!m_painter.begin(&*m_pdf)) {
        *reason = QStringLiteral("The PDF could not be begun");
        m_pdf.reset();
        m_file.cancelWriting();
        return false;
    }
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    m_painter.setFont(font);
    return true;
}

bool PdfDocument::finish(QString *reason)
{
    const bool ended = m_painter.end();
    m_pdf.reset(); // written out before the file is put in place
    if (!ended) {
        *reason = QStringLiteral("The PDF could not be finished");
        m_file.cancelWriting();
        return false;
    }
    if (m_file.commit())
        return true;
    *reason = m_file.errorString();
    return false;
}

void PdfDocument::startPages(const QString &about)
{
    m_about = about;
    m_page = m_painter.viewport();
    m_line = m_painter.fontMetrics().height() + 3;
    header();
}

void PdfDocument::header()
{
    constexpr int padding = 12;
    const QFontMetrics metrics = m_painter.fontMetrics();
    const QString number = QStringLiteral("Page %1").arg(m_pageNumber);
    m_painter.setPen(Qt::darkGray);
    m_painter.drawText(
        m_page.left(), m_page.top() + metrics.ascent(),
        metrics.elidedText(m_about, Qt::ElideRight,
                           m_page.width() - metrics.horizontalAdvance(number) - padding));
    m_painter.drawText(m_page.right() - metrics.horizontalAdvance(number),
                       m_page.top() + metrics.ascent(), number);
    m_painter.setPen(Qt::black);
    y = m_page.top() + m_line * 2;
}

void PdfDocument::room(int height)
{
    if (y + height <= m_page.bottom())
        return;
    m_pdf->newPage();
    ++m_pageNumber;
    header();
}
