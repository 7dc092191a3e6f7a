// The default printer as the print command sees it: font attributes, the width
// of one character, one printed item, and the end of the document.
#pragma once

#include "fontattributes.h"

#include <QString>
#include <optional>

class PrinterJob {
public:
    virtual ~PrinterJob() = default;

    // Each returns false (or nothing) when the printer or its driver reports an error.
    virtual bool setFont(const FontAttributes& font) = 0;
    virtual std::optional<double> textWidth(QChar c) = 0; // twips
    virtual bool print(const QString& item) = 0;            // the item, then a line end
    virtual bool endDoc() = 0;                              // releases the job to the printer
};
