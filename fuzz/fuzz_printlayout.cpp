// The print layout against a word wrap written plainly from its rules: widths are
// summed into whole twips (halves to even), a CR ends a line, a line that would
// grow past 11520 twips is cut after its last space and the rest is taken again;
// no space to cut at, 32767 characters or more, or a width sum past the 16-bit
// counter mean the notes cannot be laid out.
#include "fuzzinput.h"
#include "notes/printlayout.h"

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace {
std::optional<QString> model(const QString& notes, const PrintLayout::Width& width)
{
    if (notes.size() > 32766)
        return std::nullopt;
    QString out, line;
    long sum = 0;
    qsizetype i = 0;
    while (i < notes.size()) {
        const QChar c = notes[i];
        const std::optional<double> w = width(c);
        if (!w)
            return std::nullopt;
        std::fesetround(FE_TONEAREST); // the default mode: ties go to the even neighbour
        sum = std::lrint(double(sum) + *w);
        if (sum > 32767)
            return std::nullopt;
        if (c == u'\r') {
            out += line + u'\r';
            line.clear();
            sum = 0;
            ++i;
        } else if (sum > 11520) {
            const qsizetype space = line.lastIndexOf(u' ');
            if (space < 0)
                return std::nullopt;
            i -= line.size() - (space + 1); // what follows the space is taken again
            out += line.left(space + 1) + u'\r';
            line.clear();
            sum = 0;
        } else {
            line += c;
            ++i;
        }
    }
    return out + line;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 8)
        return 0;
    // Eight widths in quarter twips up to about 4 inches, chosen by character; quarters
    // make halves that the rounding must send to the even neighbour.
    double widths[8];
    for (int k = 0; k < 8; ++k)
        widths[k] = data[k] * 97 / 4.0;
    const bool failOnTab = data[0] & 1;
    const PrintLayout::Width width = [&](QChar c) -> std::optional<double> {
        if (failOnTab && c == u'\t')
            return std::nullopt; // a printer that cannot measure one character
        return widths[c.unicode() % 8];
    };
    const QString notes = fuzzinput::text(data + 8, size - 8);

    PrintLayout layout;
    const bool ok = layout.reformatDoc(notes, width);
    const std::optional<QString> want = model(notes, width);
    if (ok != want.has_value() || (ok && layout.printText != *want))
        std::abort();
    return 0;
}
