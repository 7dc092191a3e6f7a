// The print layout: the program's own word wrap of the notes at 8 inches, measured
// one character at a time with the printer's font. Its counters are 16-bit, as the
// printed document always was: notes of 32767 characters or more do not lay out.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class PrintLayout final {
public:
    // The printed width of one character in twips, or nothing when the printer
    // could not measure it.
    using Width = std::function<std::optional<double>(QChar)>;

    static constexpr int lineLimit = 11520; // twips: 8 inches

    // The laid-out document: the notes with a CR after the last space before each
    // point where a line would grow wider than the limit.
    QString printText;
    // The line being assembled, its length, and the 1-based position in the notes
    // of the next character to take.
    QString lineText;
    qint16 lineLen = 0;
    qint16 textPos = 0;

    // Lays out the notes afresh; false when they cannot be laid out (too long, a
    // line to break that holds no space, a width the printer could not give or one
    // that overflows the counter).
    bool reformatDoc(const QString& notes, const Width& width);
    // Appends the line to printText and empties it; lineLen is the caller's.
    void placeLine();
    // Cuts the line back to its last space and ends it with a CR, moving textPos
    // back over what was cut; false when the line holds no space.
    bool truncateLine();
};
