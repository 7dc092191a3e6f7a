// The main window's two clock formats: "hh:mm AM/PM" and "dddd,mmmm dd, yyyy".
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

namespace clockformat {
// 12-hour clock, two-digit hour (midnight and noon are 12) and minutes, then AM or PM.
QString time(QTime t);
// Full weekday name, a comma, full month name, two-digit day, a comma, four-digit year;
// the names are the locale's.
QString date(QDate d, const QLocale& locale);
} // namespace clockformat
