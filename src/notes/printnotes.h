// The Print command's steps: the notes font to the printer, the layout, the one
// printed item and the end of the document.
#pragma once

#include <QString>

class PrinterJob;
class PrintLayout;
struct FontAttributes;

// False at the first step that fails, with printer null meaning there is no printer.
// Nothing reaches the printer unless the layout succeeded.
bool printNotes(PrinterJob* printer, PrintLayout& layout, const QString& notes,
                const FontAttributes& font);
