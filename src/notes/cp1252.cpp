#include "cp1252.h"

#include <array>

namespace cp1252 {

namespace {
// 0x80 to 0x9F; the rest of the set is Latin-1 and maps to itself.
constexpr std::array<char16_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98
};

// Walks text one character at a time, a surrogate pair counting as one.
template <class F>
void forEachChar(QStringView text, F f)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate())
            ++i; // outside the set whatever it is
        f(c);
    }
}
} // namespace

QChar toChar(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return QChar(high[byte - 0x80]);
    return QChar(char16_t(byte));
}

int toByte(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < int(high.size()); ++i) {
        if (high[i] == u)
            return 0x80 + i;
    }
    return -1;
}

QString decode(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (const char b : bytes)
        *d++ = toChar(static_cast<unsigned char>(b));
    return out;
}

QByteArray encode(QStringView text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    char* d = out.data();
    forEachChar(text, [&d](QChar c) {
        const int b = toByte(c);
        *d++ = b < 0 ? '?' : char(b);
    });
    out.truncate(d - out.constData()); // a surrogate pair gave one byte
    return out;
}

QString narrow(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    QChar* d = out.data();
    forEachChar(text, [&d](QChar c) { *d++ = canEncode(c) ? c : QChar(u'?'); });
    out.truncate(d - out.constData());
    return out;
}

} // namespace cp1252
