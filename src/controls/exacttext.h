// The exact-text model of a text box and its on-screen form.
//
// The model is the text as the program sees it: a line break is carriage return +
// line feed and counts two characters. On screen each CR LF is a paragraph break
// (one position), and every other control character is shown as its visible
// symbol from the Control Pictures block so that it stays in the text.
#pragma once

#include <QString>

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

// The display character for a model character, and back.
QChar displayChar(QChar c);
QChar modelChar(QChar c);

} // namespace exacttext
