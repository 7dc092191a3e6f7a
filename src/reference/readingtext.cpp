#include "readingtext.h"

#include <QFile>

namespace readingtext {

QString withCrLf(const QString& text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return out.replace(u'\n', QStringLiteral("\r\n"));
}

QString load(const QString& resource)
{
    QFile f(resource);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return withCrLf(QString::fromUtf8(f.readAll()));
}

QHash<QString, QString> namedLines(const QString& text)
{
    QHash<QString, QString> lines;
    const QStringList rows = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                 .split(u'\n', Qt::SkipEmptyParts);
    for (const QString& row : rows) {
        const qsizetype eq = row.indexOf(u'=');
        if (eq > 0)
            lines.insert(row.left(eq), row.mid(eq + 1));
    }
    return lines;
}

} // namespace readingtext
