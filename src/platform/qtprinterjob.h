// A print job over QPrinter: the system's default printer (or a PDF file), measured
// at the printer's own resolution, one character at a time.
#pragma once

#include "printerjob.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <memory>
#include <optional>

class QPrinter;

class QtPrinterJob final : public PrinterJob {
public:
    // Null when the system has no default printer.
    static std::unique_ptr<QtPrinterJob> defaultPrinter();
    // The same job written to a PDF file instead of a printer.
    static std::unique_ptr<QtPrinterJob> pdfFile(const QString& path);
    ~QtPrinterJob() override;

    bool setFont(const FontAttributes& font) override;
    std::optional<double> textWidth(QChar c) override;
    bool print(const QString& item) override;
    bool endDoc() override;

private:
    explicit QtPrinterJob(std::unique_ptr<QPrinter> printer);
    bool begin();
    bool startPendingPages();
    void lineFeed();

    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter; // begun only when the first item is printed: that starts the job
    QFont m_font;
    std::optional<QFontMetricsF> m_metrics; // of m_font on the printer
    QColor m_color = Qt::black;
    // Where the next character goes, in device pixels from the top left of the printable area.
    qreal m_x = 0;
    qreal m_y = 0;
    qreal m_lineHeight = 0;
    qreal m_ascent = 0;
    qreal m_pageHeight = 0;
    int m_pendingPages = 0; // page breaks owed before the next character is drawn
};
