// The criterion parser against a regular-expression model, and build → parse.
#include "fuzzinput.h"
#include "records/criterion.h"

#include <QRegularExpression>
#include <cstdlib>

namespace {
std::optional<Criterion> model(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("^ *([\\p{L}\\p{N}_]+) *= *'((?:[^']|'')*)' *\\z"),
                                       QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    return Criterion{m.captured(1), m.captured(2).replace(QStringLiteral("''"), QStringLiteral("'"))};
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = fuzzinput::text(data, size);
    if (!QStringView(text).isValidUtf16())
        return 0; // the model's regular expression needs well-formed text
    const std::optional<Criterion> got = Criterion::parse(text);
    const std::optional<Criterion> want = model(text);
    if (got.has_value() != want.has_value())
        std::abort();
    if (got && (got->field != want->field || got->value != want->value))
        std::abort();
    // Any value, quotes and all, comes back unchanged from the text built for it.
    const std::optional<Criterion> back = Criterion::parse(Criterion::build(QStringLiteral("Title"), text));
    if (!back || back->value != text)
        std::abort();
    return 0;
}
