// Windows-1252 as the code page's own chart lists it, searched byte by byte: the
// slow model the fuzzers hold the notes codec and the keystroke filter against.
#pragma once

#include <QString>

namespace cp1252model {
inline char16_t charOf(unsigned char b)
{
    static const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    return b >= 0x80 && b < 0xA0 ? high[b - 0x80] : char16_t(b);
}

inline int byteOf(char16_t c)
{
    for (int b = 0; b < 256; ++b) {
        if (charOf(static_cast<unsigned char>(b)) == c)
            return b;
    }
    return -1;
}
} // namespace cp1252model
