// The keystroke filter against the typing rules: Backspace, the tab character and
// Enter are taken; other control codes, codes 128 to 159 and characters outside
// Windows-1252 are refused; everything else typed is taken. Ctrl with a letter
// types that letter's control code, whatever text the system attached to it.
#include "cp1252model.h"
#include "notes/keyfilter.h"

#include <cstdlib>

namespace {
bool modelAccepts(int code)
{
    if (code == 8 || code == 9 || code == 13)
        return true;
    if (code < 0 || code > 255)
        return false;
    return code >= 32 && !(code >= 128 && code <= 159);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    const char16_t unit = char16_t(data[0] | (data[1] << 8));
    const int letter = data[2] % 26;
    const bool ctrl = data[3] & 1;

    // Plain typing of one character: the filter reads the character itself.
    const QString text(QChar{unit});
    const int plain = keyfilter::typedCode(Qt::Key_unknown, Qt::NoModifier, text);
    const int byte = QChar(unit).isSurrogate() ? -1 : cp1252model::byteOf(unit);
    if (plain != (byte < 0 ? keyfilter::foreign : byte))
        std::abort();
    if (keyfilter::accepts(plain) != modelAccepts(byte))
        std::abort();

    // Ctrl+letter, whether the event's text is the control code or the letter.
    const int key = Qt::Key_A + letter;
    const QString attached = (data[3] & 2) ? QString(QChar(char16_t(letter + 1))) : QString(QChar(char16_t(u'a' + letter)));
    const int code = keyfilter::typedCode(key, ctrl ? Qt::ControlModifier : Qt::NoModifier, attached);
    const int want = ctrl ? letter + 1 : cp1252model::byteOf(attached[0].unicode());
    if (code != want || keyfilter::accepts(code) != modelAccepts(want))
        std::abort();
    return 0;
}
