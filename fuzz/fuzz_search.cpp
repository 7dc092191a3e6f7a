// The find dialogs' search against the designed scan, position by position:
// select n characters at p, read them (upper-cased one character at a time when
// ignoring case), compare; the first p from the selection start that matches wins.
#include "fuzzinput.h"
#include "search/textsearch.h"

#include <cstdlib>

namespace {
QString upperEach(QString s)
{
    for (QChar& c : s)
        c = c.toUpper();
    return s;
}

textsearch::Result model(const QString& text, qsizetype selStart, const QString& searchText, bool ignoreCase)
{
    const QString wanted = ignoreCase ? upperEach(searchText) : searchText;
    const qsizetype n = wanted.size();
    const qsizetype length = text.size();
    for (qsizetype p = selStart; p <= length; ++p) {
        QString selected = text.mid(p, n); // a selection past the end stops at the end
        if (ignoreCase)
            selected = upperEach(selected);
        if (selected == wanted)
            return {p, n, false, {}};
    }
    return {length, 0, true, wanted + QStringLiteral(" not found")};
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const bool ignoreCase = data[1] & 1;
    QString all = fuzzinput::text(data + 3, size - 3);
    for (QChar c : all) {
        if (c.isSurrogate())
            return 0; // the model upper-cases unit by unit, which pairs would break
    }
    const qsizetype searchLength = qMin<qsizetype>(data[2] % 8, all.size());
    const QString searchText = all.left(searchLength);
    const QString text = all.mid(searchLength);
    const qsizetype selStart = text.isEmpty() ? 0 : data[0] % (text.size() + 1);

    const std::optional<textsearch::Result> got = textsearch::find(text, selStart, searchText, ignoreCase);
    if (searchText.isEmpty()) {
        if (got)
            std::abort(); // an empty search text does nothing
        return 0;
    }
    const textsearch::Result want = model(text, selStart, searchText, ignoreCase);
    if (!got || got->selStart != want.selStart || got->selLength != want.selLength
        || got->notFound != want.notFound || (want.notFound && got->message != want.message))
        std::abort();
    return 0;
}
