#include "clockformat.h"

QString clockformat::time(QTime t)
{
    const int hour12 = t.hour() % 12 == 0 ? 12 : t.hour() % 12;
    return QStringLiteral("%1:%2 %3")
        .arg(hour12, 2, 10, QLatin1Char('0'))
        .arg(t.minute(), 2, 10, QLatin1Char('0'))
        .arg(t.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

QString clockformat::date(QDate d, const QLocale& locale)
{
    return QStringLiteral("%1,%2 %3, %4")
        .arg(locale.dayName(d.dayOfWeek(), QLocale::LongFormat),
             locale.monthName(d.month(), QLocale::LongFormat))
        .arg(d.day(), 2, 10, QLatin1Char('0'))
        .arg(d.year(), 4, 10, QLatin1Char('0'));
}
