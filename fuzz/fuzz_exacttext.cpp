// The exact-text mapping against a model built from prefixes: the display text
// maps back to the model exactly, and a model offset lands where the display of
// the text before it ends.
#include "controls/exacttext.h"
#include "fuzzinput.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const QString model = fuzzinput::text(data + 1, size - 1);
    // The symbols that show control characters, and Unicode's own line and paragraph
    // separators, never stand in the text itself:
    // notes are Windows-1252, which has none of them.
    for (QChar c : model) {
        if ((c.unicode() >= 0x2400 && c.unicode() <= 0x2421) || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return 0;
    }
    const QString display = exacttext::toDisplay(model);
    if (exacttext::fromDisplay(display) != model)
        std::abort();
    // Every model character but the LF of a CR LF has one display character.
    if (display.size() != model.size() - model.count(QStringLiteral("\r\n")))
        std::abort();

    const qsizetype offset = model.isEmpty() ? 0 : data[0] % (model.size() + 1);
    qsizetype want = exacttext::toDisplay(model.left(offset)).size();
    // A prefix that stops between CR and LF shows its CR as a symbol; the box puts
    // such an offset at the end of the paragraph instead.
    if (offset > 0 && offset < model.size() && model[offset - 1] == u'\r' && model[offset] == u'\n')
        want -= 1;
    if (exacttext::toDisplayOffset(model, offset) != want)
        std::abort();
    return 0;
}
