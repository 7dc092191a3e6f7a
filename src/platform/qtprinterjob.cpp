#include "qtprinterjob.h"

#include "cupsqueue.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
constexpr double twipsPerInch = 1440.0;
} // namespace

std::unique_ptr<QtPrinterJob> QtPrinterJob::defaultPrinter()
{
    // Checked first: with no CUPS server or no default queue there is nothing to print on.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull() || !cupsqueue::acceptsJobs(info.printerName()))
        return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer->isValid())
        return nullptr;
    return std::unique_ptr<QtPrinterJob>(new QtPrinterJob(std::move(printer)));
}

std::unique_ptr<QtPrinterJob> QtPrinterJob::pdfFile(const QString& path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    // US Letter with quarter-inch margins: a printable width of exactly 8 inches,
    // the width the layout fills.
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                       QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
    return std::unique_ptr<QtPrinterJob>(new QtPrinterJob(std::move(printer)));
}

QtPrinterJob::QtPrinterJob(std::unique_ptr<QPrinter> printer)
    : m_printer(std::move(printer))
{
    m_printer->setDocName(QStringLiteral("Quillmere notes"));
}

QtPrinterJob::~QtPrinterJob()
{
    if (m_painter.isActive())
        m_painter.end();
}

bool QtPrinterJob::setFont(const FontAttributes& font)
{
    m_font = font.toFont();
    m_color = font.ForeColor;
    m_metrics.emplace(m_font, m_printer.get());
    m_lineHeight = m_metrics->lineSpacing();
    m_ascent = m_metrics->ascent();
    return m_printer->printerState() != QPrinter::Error;
}

std::optional<double> QtPrinterJob::textWidth(QChar c)
{
    // One character on its own, as the layout asks: a string's width would differ
    // by kerning and tabs.
    const int dpi = m_printer->resolution();
    if (dpi <= 0 || !m_metrics)
        return std::nullopt;
    return m_metrics->horizontalAdvance(c) * twipsPerInch / dpi;
}

bool QtPrinterJob::begin()
{
    if (m_painter.isActive())
        return true;
    if (!m_painter.begin(m_printer.get()))
        return false;
    m_painter.setFont(m_font);
    m_painter.setPen(m_color);
    m_pageHeight = m_printer->pageLayout().paintRectPixels(m_printer->resolution()).height();
    m_x = 0;
    m_y = 0;
    m_pendingPages = 0;
    return true;
}

void QtPrinterJob::lineFeed()
{
    m_x = 0;
    m_y += m_lineHeight;
    if (m_y + m_lineHeight > m_pageHeight) {
        // The page is full; the next page starts only when something is drawn on it,
        // so the line end after the last line adds no empty page.
        ++m_pendingPages;
        m_y = 0;
    }
}

bool QtPrinterJob::startPendingPages()
{
    for (; m_pendingPages > 0; --m_pendingPages) {
        if (!m_printer->newPage())
            return false;
    }
    return true;
}

bool QtPrinterJob::print(const QString& item)
{
    if (!m_metrics || !begin())
        return false;
    QChar previous;
    for (const QChar c : item) {
        if (c == u'\r') {
            lineFeed();
        } else if (c == u'\n') {
            if (previous != u'\r') // CR LF is one line end
                lineFeed();
        } else {
            // Each character at the place its measured width gives, so a line
            // printed is exactly as wide as the layout measured it.
            if (!startPendingPages())
                return false;
            m_painter.drawText(QPointF(m_x, m_y + m_ascent), QString(c));
            m_x += m_metrics->horizontalAdvance(c);
        }
        previous = c;
    }
    lineFeed();
    return m_printer->printerState() != QPrinter::Error;
}

bool QtPrinterJob::endDoc()
{
    if (!begin())
        return false;
    const bool ended = m_painter.end();
    // Ending hands the job to CUPS; a queue that refuses it must not pass for printed.
    const bool refused = m_printer->outputFormat() == QPrinter::NativeFormat && cupsqueue::lastRequestFailed();
    return ended && !refused && m_printer->printerState() != QPrinter::Error;
}
