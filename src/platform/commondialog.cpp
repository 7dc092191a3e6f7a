#include "commondialog.h"

#include "platform.h"

#include <QStringList>

bool CommonDialog::ShowOpen()
{
    return platform().showOpen(*this);
}

bool CommonDialog::ShowSave()
{
    return platform().showSave(*this);
}

bool CommonDialog::ShowFont()
{
    return platform().showFont(*this);
}

QStringList CommonDialog::nameFilters() const
{
    // The filter string alternates description|pattern|description|pattern…
    const QStringList parts = Filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        out << QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')));
    return out;
}
