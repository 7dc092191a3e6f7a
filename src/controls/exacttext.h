// The exact-text model of a text box and its on-screen form.
//
// The model is the text as the program sees it: a line break is carriage return +
// line feed and counts two characters. On screen each CR LF is a paragraph break
// (one position), and every other control character is shown as its visible
// symbol from the Control Pictures block so that it stays in the text.
#pragma once

#include <QString>

class QMimeData;

namespace exacttext {

// Model text → display text with '\n' between paragraphs.
QString toDisplay(const QString& model);
// One paragraph's display text (no paragraph breaks inside) → model text.
QString paragraphToModel(QStringView paragraph);
// Whole display text ('\n' or U+2029 between paragraphs) → model text.
QString fromDisplay(QStringView display);

// Model offset → display offset. An offset between the CR and the LF of a line
// break maps to the paragraph's end.
qsizetype toDisplayOffset(QStringView model, qsizetype offset);

// Text from other programs, whose lines end in a bare LF here: each such LF
// becomes a CR LF line break.
QString fromForeign(QStringView text);

// Mime data that carries a box's exact text beside its plain text, so that what
// the program copies comes back exactly, lone CR and LF included.
QMimeData* toMime(const QString& text);
// The text of mime data: exact when the program made it, else fromForeign().
QString fromMime(const QMimeData& data);

// The display character for a model character, and back.
QChar displayChar(QChar c);
QChar modelChar(QChar c);

} // namespace exacttext
