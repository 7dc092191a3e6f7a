#include "keyfilter.h"

#include "cp1252.h"

namespace keyfilter {

namespace {
// The control code of a Ctrl combination, or noCharacter.
int controlCode(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    switch (key) {
    case Qt::Key_At: case Qt::Key_2: return 0;
    case Qt::Key_BracketLeft: return 27;
    case Qt::Key_Backslash: return 28;
    case Qt::Key_BracketRight: return 29;
    case Qt::Key_AsciiCircum: case Qt::Key_6: return 30;
    case Qt::Key_Underscore: case Qt::Key_Minus: return 31;
    default: return noCharacter;
    }
}
} // namespace

int typedCode(int key, Qt::KeyboardModifiers modifiers, QStringView text)
{
    const bool ctrl = modifiers & Qt::ControlModifier;
    // Ctrl together with Alt is AltGr on some keyboards: it types the character it shows.
    const bool ctrlOnly = ctrl && !(modifiers & Qt::AltModifier);
    switch (key) {
    case Qt::Key_Return: case Qt::Key_Enter: return ctrl ? 10 : 13;
    case Qt::Key_Backspace: return ctrl ? 127 : 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Escape: return 27;
    default: break;
    }
    if (ctrlOnly)
        return controlCode(key);
    // Keys that move, switch or delete type nothing; Delete carries a DEL text on
    // some systems, yet deletes rather than types.
    if (text.isEmpty() || key == Qt::Key_Delete)
        return noCharacter;
    const QChar c = text.front();
    if (c.isHighSurrogate())
        return foreign;
    const int b = cp1252::toByte(c);
    return b < 0 ? foreign : b;
}

bool accepts(int code)
{
    if (code == 8 || code == 9 || code == 13)
        return true;
    if (code < 0 || code > 255)
        return false; // noCharacter is never asked; foreign is refused
    return !(code < 32 || (code >= 128 && code < 160));
}

} // namespace keyfilter
