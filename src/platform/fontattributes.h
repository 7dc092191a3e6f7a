// The seven font attributes that always travel together, in their fixed order.
#pragma once

#include "controls/style.h"

#include <QColor>
#include <QFont>
#include <QString>

struct FontAttributes {
    QString FontName = QStringLiteral("Times New Roman");
    double FontSize = 12.0; // points
    bool FontBold = true;
    bool FontItalic = false;
    bool FontStrikethru = false;
    bool FontUnderline = false;
    QColor ForeColor = QColor(128, 0, 0);

    // The one font of these attributes, for the notes box and the printer alike.
    QFont toFont() const
    {
        QFont f = fonts::font(FontName, FontSize, FontBold ? 700 : 400, FontItalic);
        f.setStrikeOut(FontStrikethru);
        f.setUnderline(FontUnderline);
        return f;
    }

    bool operator==(const FontAttributes&) const = default;
};
