// A record criterion of the form Field='value', parsed by hand so that the value
// can never become part of a query: it is only ever compared with field values.
#pragma once

#include <QString>
#include <optional>

struct Criterion {
    QString field; // as written; matched against field names without regard to case
    QString value;

    // Field='value' with spaces allowed around the name and the equals sign; a quote
    // inside the value is written twice. Anything else is not a criterion.
    static std::optional<Criterion> parse(const QString& text);
    // The criterion text that parse() turns back into exactly this field and value.
    static QString build(const QString& field, const QString& value);
};
