// The notes codec against the code page chart: every byte decodes to its character,
// decoding then encoding gives the bytes back, and text outside the set becomes '?'
// (a surrogate pair being one character).
#include "cp1252model.h"
#include "fuzzinput.h"
#include "notes/cp1252.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString decoded = cp1252::decode(bytes);
    if (decoded.size() != bytes.size())
        std::abort();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (decoded[i].unicode() != cp1252model::charOf(static_cast<unsigned char>(bytes[i])))
            std::abort();
    }
    if (cp1252::encode(decoded) != bytes)
        std::abort();

    // The same bytes read as UTF-16 text, raw, to reach characters outside the set.
    QString text;
    for (size_t i = 0; i + 1 < size; i += 2)
        text.append(QChar(char16_t(data[i] | (data[i + 1] << 8))));
    QByteArray want;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i; // one character in two units
        const int b = cp1252model::byteOf(c.unicode());
        want.append(b < 0 || c.isHighSurrogate() ? '?' : char(b));
    }
    if (cp1252::encode(text) != want || cp1252::narrow(text) != cp1252::decode(want))
        std::abort();
    return 0;
}
