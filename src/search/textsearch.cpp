#include "textsearch.h"

#include <algorithm>
#include <vector>

namespace textsearch {

namespace {
// Writes the upper case of the character at i outside ASCII; returns the last unit it took.
qsizetype upperOne(const char16_t* in, char16_t* o, qsizetype i, qsizetype n)
{
    const char16_t c = in[i];
    if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(in[i + 1])) {
        // A letter beyond the 16-bit range is one character in two units.
        const char32_t u = QChar::toUpper(QChar::surrogateToUcs4(c, in[i + 1]));
        const bool pair = QChar::requiresSurrogates(u);
        o[i] = pair ? QChar::highSurrogate(u) : c;
        o[i + 1] = pair ? QChar::lowSurrogate(u) : in[i + 1];
        return i + 1;
    }
    // The simple mapping keeps one unit for one unit; anything else keeps the character.
    const char32_t u = QChar::toUpper(char32_t(c));
    o[i] = (QChar::requiresSurrogates(u) || QChar::isSurrogate(u)) ? c : char16_t(u);
    return i;
}

// Most of any text is ASCII: one branch-free pass, which the compiler vectorises,
// upper-cases a to z and tells whether any other character is there at all.
bool upperAscii(const char16_t* __restrict in, char16_t* __restrict o, qsizetype n)
{
    auto one = [](char16_t c) { return char16_t(c - (char16_t(c - u'a') < 26 ? 0x20 : 0)); };
    constexpr qsizetype block = 16; // a fixed-length inner loop is what gets vectorised
    char16_t seen = 0;
    qsizetype i = 0;
    for (; i + block <= n; i += block) {
        for (qsizetype k = 0; k < block; ++k) {
            seen |= in[i + k];
            o[i + k] = one(in[i + k]);
        }
    }
    for (; i < n; ++i) {
        seen |= in[i];
        o[i] = one(in[i]);
    }
    return seen < 0x80;
}
} // namespace

QString upperCase(QStringView text)
{
    const qsizetype n = text.size();
    QString out(n, Qt::Uninitialized);
    const char16_t* in = text.utf16();
    auto* o = reinterpret_cast<char16_t*>(out.data());

    if (!upperAscii(in, o, n)) {
        for (qsizetype i = 0; i < n; ++i) {
            if (in[i] >= 0x80)
                i = upperOne(in, o, i, n);
        }
    }
    return out;
}

qsizetype indexOf(QStringView haystack, QStringView needle, qsizetype from)
{
    const qsizetype n = haystack.size();
    const qsizetype m = needle.size();
    from = std::max<qsizetype>(from, 0);
    if (m == 0)
        return from <= n ? from : -1;
    if (m > n - from)
        return -1;

    // Knuth-Morris-Pratt: never looks back in the haystack, so a failed search costs
    // one pass whatever repeats the texts hold. While nothing is matched, it jumps
    // straight to the next occurrence of the needle's first character.
    std::vector<qsizetype> border(size_t(m), 0);
    for (qsizetype i = 1, k = 0; i < m; ++i) {
        while (k > 0 && needle[i] != needle[k])
            k = border[size_t(k - 1)];
        if (needle[i] == needle[k])
            ++k;
        border[size_t(i)] = k;
    }

    const QChar first = needle[0];
    qsizetype k = 0;
    for (qsizetype i = from; i < n; ++i) {
        if (k == 0) {
            i = haystack.indexOf(first, i);
            if (i < 0 || m > n - i)
                return -1;
        }
        while (k > 0 && haystack[i] != needle[k])
            k = border[size_t(k - 1)];
        if (haystack[i] == needle[k])
            ++k;
        if (k == m)
            return i - m + 1;
    }
    return -1;
}

std::optional<Result> find(QStringView text, qsizetype selStart, QStringView searchText, bool ignoreCase)
{
    if (searchText.isEmpty())
        return std::nullopt;

    const qsizetype length = text.size();
    const qsizetype start = std::clamp<qsizetype>(selStart, 0, length);
    const QString compared = ignoreCase ? upperCase(searchText) : searchText.toString();

    qsizetype hit = -1;
    if (ignoreCase) {
        // Text before the selection start is never searched, so it need not be converted.
        const QString rest = upperCase(text.sliced(start));
        hit = indexOf(rest, compared, 0);
        if (hit >= 0)
            hit += start;
    } else {
        hit = indexOf(text, compared, start);
    }

    Result r;
    r.message = compared + QStringLiteral(" not found");
    if (hit >= 0) {
        r.selStart = hit;
        r.selLength = compared.size();
    } else {
        // The scan ran to the end: the caret stands after the last character.
        r.selStart = length;
        r.selLength = 0;
        r.notFound = true;
    }
    return r;
}

} // namespace textsearch
