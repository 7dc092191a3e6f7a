// CommonDialog1: the file and font dialog component of the main window. Its
// properties persist between dialogs (the file name is never cleared), and its
// Show operations hand it to the platform.
#pragma once

#include "fontattributes.h"

#include <QString>

class CommonDialog final {
public:
    QString Filter;
    int FilterIndex = 0;
    QString FileName;
    int Flags = 0;
    FontAttributes Font; // FontName … FontUnderline, and Color as ForeColor

    // Each returns false when the dialog was cancelled or could not be shown;
    // the properties then keep the values they had.
    bool ShowOpen();
    bool ShowSave();
    bool ShowFont();

    // "Text files|*.TXT" → name filters for a file dialog: {"Text files (*.TXT)"}.
    QStringList nameFilters() const;
};
