// The search of the find dialogs as a plain function over a copy of the target
// text: it gives the selection and the message that the dialog's scan leaves.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace textsearch {

struct Result {
    qsizetype selStart = 0;  // the target's selection start after the search
    qsizetype selLength = 0; // its length: the search text's length on a hit, 0 otherwise
    bool notFound = false;   // show `message`
    QString message;         // "<search text as compared> not found"
};

// Looks for the first occurrence of `searchText` at or after `selStart` in `text`
// (the exact text of a box, a line break counting two characters). Nothing before
// `selStart` is searched, and a hit starting at `selStart` itself is found again.
// With `ignoreCase` both sides are compared in upper case (see upperCase). Without a
// hit the caret ends at the end of the text. An empty search text does nothing: nullopt.
std::optional<Result> find(QStringView text, qsizetype selStart, QStringView searchText, bool ignoreCase);

// Upper case one character at a time (a surrogate pair counts as one), by the
// simple Unicode mapping: never changes the length, so positions in the
// upper-cased text are positions in the original (ß stays ß, never SS).
QString upperCase(QStringView text);

// Position of the first occurrence of `needle` in `haystack` at or after `from`,
// or -1. Time linear in the lengths whatever the texts (no quadratic worst case).
qsizetype indexOf(QStringView haystack, QStringView needle, qsizetype from);

} // namespace textsearch
