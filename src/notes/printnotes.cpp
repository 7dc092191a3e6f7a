#include "printnotes.h"

#include "notes/printlayout.h"
#include "platform/printerjob.h"

bool printNotes(PrinterJob* printer, PrintLayout& layout, const QString& notes,
                const FontAttributes& font)
{
    if (!printer || !printer->setFont(font))
        return false;
    if (!layout.reformatDoc(notes, [printer](QChar c) { return printer->textWidth(c); }))
        return false;
    return printer->print(layout.printText) && printer->endDoc();
}
