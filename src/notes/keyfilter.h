// The keystroke filter of the notes box: which character a key press types, as a
// Windows-1252 code, and whether the notes take it.
#pragma once

#include <QString>
#include <Qt>

namespace keyfilter {

// typedCode() results that are not a code of the set.
inline constexpr int noCharacter = -1; // arrows, function keys, Delete, bare modifiers…
inline constexpr int foreign = 256;    // a character outside Windows-1252

// The code a key press types. It is worked out from the key and the modifiers
// first, because the text of a Ctrl combination differs between systems (Ctrl+A
// gives "\x01" from a real keyboard and "a" from a synthetic event); only plain
// typing is read from the text.
int typedCode(int key, Qt::KeyboardModifiers modifiers, QStringView text);

// Backspace, tab and Enter pass; the other control codes and 128 to 159 are refused,
// and so is anything outside the set; every other code is taken.
bool accepts(int code);

} // namespace keyfilter
