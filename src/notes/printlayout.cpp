#include "printlayout.h"

#include "controls/roundhalfeven.h"

#include <cmath>
#include <limits>

namespace {
constexpr qint16 counterMax = std::numeric_limits<qint16>::max();

// One step up of a 16-bit counter; false where it would overflow.
bool step(qint16& counter)
{
    if (counter == counterMax)
        return false;
    ++counter;
    return true;
}
} // namespace

bool PrintLayout::reformatDoc(const QString& notes, const Width& width)
{
    textPos = 1;
    lineLen = 0;
    lineText.resize(0);
    printText.resize(0);
    if (notes.size() > counterMax)
        return false;
    printText.reserve(notes.size() + notes.size() / 32 + 1); // room for the breaks added
    const qint16 textLen = qint16(notes.size());
    qint16 lineWidth = 0;

    while (textPos <= textLen) {
        const QChar c = notes.at(textPos - 1);
        const std::optional<double> w = width(c);
        if (!w || !std::isfinite(*w))
            return false;
        const double sum = roundHalfEven(lineWidth + *w);
        if (sum > counterMax || sum < std::numeric_limits<qint16>::min())
            return false;
        lineWidth = qint16(sum);

        if (c == u'\r') {
            // A line break never causes a wrap, whatever the line's width.
            lineText.append(c);
            if (!step(lineLen))
                return false;
            placeLine();
            lineLen = 0;
            lineWidth = 0;
            if (!step(textPos))
                return false;
        } else if (lineWidth > lineLimit) {
            // The character that overflows is not taken: it starts the next line
            // together with whatever follows the break.
            if (!truncateLine())
                return false;
            placeLine();
            lineLen = 0;
            lineWidth = 0;
        } else {
            lineText.append(c);
            if (!step(lineLen) || !step(textPos))
                return false;
        }
    }
    if (!lineText.isEmpty())
        placeLine();
    return true;
}

void PrintLayout::placeLine()
{
    printText.append(QStringView(lineText).left(lineLen));
    lineText.resize(0); // empty, keeping its room for the next line
}

bool PrintLayout::truncateLine()
{
    // Only a space breaks a line; a tab or a line feed does not.
    while (lineLen > 0 && lineText.at(lineLen - 1) != u' ') {
        --lineLen;
        --textPos;
    }
    if (lineLen == 0)
        return false;
    lineText.truncate(lineLen);
    lineText.append(u'\r');
    ++lineLen;
    return true;
}
