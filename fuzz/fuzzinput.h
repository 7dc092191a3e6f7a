// Turns fuzzer bytes into the inputs of the program's text functions.
#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

namespace fuzzinput {
// Two bytes a UTF-16 unit, biased towards the characters that matter to the
// program (CR, LF, quotes, spaces, control characters) by folding most units
// into a small alphabet.
inline QString text(const uint8_t* data, size_t size)
{
    static const char16_t alphabet[] = u"\r\n\r\n' =aAbB_1 \t\x00\x1b\u00df\u00e9\u00a0\u2400\u240d";
    QString out;
    for (size_t i = 0; i + 1 < size; i += 2) {
        const char16_t u = char16_t(data[i] | (data[i + 1] << 8));
        out.append(QChar(u % 4 == 0 ? u : alphabet[u % (sizeof(alphabet) / 2 - 1)]));
    }
    return out;
}
} // namespace fuzzinput
