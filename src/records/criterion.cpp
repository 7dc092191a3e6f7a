#include "criterion.h"

namespace {
bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}
} // namespace

std::optional<Criterion> Criterion::parse(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipSpaces = [&] {
        while (i < n && text.at(i) == u' ')
            ++i;
    };
    skipSpaces();
    const qsizetype nameStart = i;
    while (i < n && isNameChar(text.at(i)))
        ++i;
    if (i == nameStart)
        return std::nullopt;
    Criterion c;
    c.field = text.mid(nameStart, i - nameStart);
    skipSpaces();
    if (i >= n || text.at(i) != u'=')
        return std::nullopt;
    ++i;
    skipSpaces();
    if (i >= n || text.at(i) != u'\'')
        return std::nullopt;
    ++i;
    for (;;) {
        if (i >= n)
            return std::nullopt; // no closing quote
        const QChar ch = text.at(i++);
        if (ch != u'\'') {
            c.value.append(ch);
        } else if (i < n && text.at(i) == u'\'') {
            c.value.append(u'\'');
            ++i;
        } else {
            break;
        }
    }
    skipSpaces();
    if (i != n)
        return std::nullopt; // something after the value
    return c;
}

QString Criterion::build(const QString& field, const QString& value)
{
    return field + QStringLiteral("='") + QString(value).replace(u'\'', QStringLiteral("''")) + u'\'';
}
